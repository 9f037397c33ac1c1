#include "model/Stadium.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>
#include <string>

#include "platform/ResourceTable.h"
#include "storage/KLFile.h"
#include "storage/RecordVersion.h"

namespace kw {

namespace {

constexpr char kStadiumTag[] = "STADIUM";
// The flag byte joined the record with this major; older records have a text line there.
constexpr std::uint32_t kFlagsMajor = 8196;

constexpr const char* kStandNames[kStandCount] = {
    KW_RESOURCE_TEXT("kw::Stadium", "Haupttribüne"),
    KW_RESOURCE_TEXT("kw::Stadium", "Gegentribüne"),
    KW_RESOURCE_TEXT("kw::Stadium", "Nordtribüne"),
    KW_RESOURCE_TEXT("kw::Stadium", "Südtribüne"),
    KW_RESOURCE_TEXT("kw::Stadium", "N-W Kurve"),
    KW_RESOURCE_TEXT("kw::Stadium", "N-E Kurve"),
    KW_RESOURCE_TEXT("kw::Stadium", "S-W Kurve"),
    KW_RESOURCE_TEXT("kw::Stadium", "S-E Kurve"),
};

std::int32_t NotNegative(std::int32_t places) {
    return std::max(places, std::int32_t{0});
}

void ReadPlaces(CKLFile& file, std::int32_t& places) {
    file.ReadNumber(places);
    places = NotNegative(places);
}

}  // namespace

std::string_view StandName(int stand) {
    return stand >= 0 && stand < kStandCount ? ShownText("kw::Stadium", kStandNames[stand])
                                             : std::string_view();
}

std::int8_t ConvertOldStadiumType(std::int8_t type) {
    return std::clamp<std::int8_t>(type, 0, kStadiumTypeCount - 1);
}

CStadium CStadium::Template(int which) {
    CStadium stadium;
    stadium.SetName("Stadion");
    stadium.SetType(1);
    stadium.SetFlags(1);
    if (which == 0) {
        for (int stand = 0; stand < kStandCount; ++stand) {
            stadium.SetSeats(stand, stand < 4 ? 1000 : 0);
            stadium.SetStandingPlaces(stand, 500);
        }
    } else {
        constexpr std::int32_t kSeats[kStandCount] = {9650, 9650, 5760, 5760,
                                                      2880, 2880, 2880, 2880};
        for (int stand = 0; stand < kStandCount; ++stand) {
            stadium.SetSeats(stand, kSeats[stand]);
        }
    }
    // Main, opposite and north stand hold the season tickets; the south-west corner the guests.
    stadium.SetSeasonTicketBlocks(0x07);
    stadium.SetAwayBlock(0x40);
    return stadium;
}

std::uint8_t CStadium::StandBit(int stand) {
    if (stand < 0 || stand >= kStandCount) {
        throw std::out_of_range("stand " + std::to_string(stand));
    }
    return static_cast<std::uint8_t>(1u << stand);
}

void CStadium::SetSeats(int stand, std::int32_t places) {
    m_seats.at(Index(stand)) = NotNegative(places);
}

void CStadium::SetStandingPlaces(int stand, std::int32_t places) {
    m_standing.at(Index(stand)) = NotNegative(places);
}

void CStadium::SetVipPlaces(int stand, std::int32_t places) {
    m_vip.at(Index(stand)) = NotNegative(places);
}

std::int64_t CStadium::TotalCapacity() const {
    std::int64_t total = 0;
    for (const auto* places : {&m_seats, &m_standing, &m_vip}) {
        total = std::accumulate(places->begin(), places->end(), total);
    }
    return total;
}

bool CStadium::IsSeasonTicketBlock(int stand) const {
    return (m_seasonTicketBlocks & StandBit(stand)) != 0;
}

void CStadium::SetSeasonTicketBlock(int stand, bool set) {
    const std::uint8_t bit = StandBit(stand);
    m_seasonTicketBlocks =
        static_cast<std::uint8_t>(set ? m_seasonTicketBlocks | bit : m_seasonTicketBlocks & ~bit);
}

bool CStadium::IsAwayBlock(int stand) const {
    return (m_awayBlock & StandBit(stand)) != 0;
}

void CStadium::SetAwayBlock(int stand, bool set) {
    const std::uint8_t bit = StandBit(stand);
    m_awayBlock = static_cast<std::uint8_t>(set ? m_awayBlock | bit : m_awayBlock & ~bit);
}

bool CStadium::Write(CKLFile& file) const {
    bool ok = file.BeginSection(kStadiumTag) && file.WriteNumber(m_type) &&
              file.WriteText(m_name.View()) && file.WriteText(m_city.View()) &&
              file.WriteNumber(m_flags);
    for (std::size_t stand = 0; ok && stand < kStandCount; ++stand) {
        ok = file.WriteNumber(m_seats[stand]) && file.WriteNumber(m_standing[stand]) &&
             file.WriteNumber(m_vip[stand]);
    }
    return ok && file.WriteNumber(static_cast<std::int8_t>(m_seasonTicketBlocks)) &&
           file.WriteNumber(static_cast<std::int8_t>(m_awayBlock)) && file.EndSection(kStadiumTag);
}

bool CStadium::Read(CKLFile& file) {
    if (!file.FindSection(kStadiumTag)) {
        return false;
    }
    file.ReadNumber(m_type);
    file.ReadText(m_name.Data(), kTextSize);
    file.ReadText(m_city.Data(), kTextSize);
    if (RecordMajor(file.RecordVersion()) < kFlagsMajor) {
        std::string skipped;
        file.ReadLine(skipped);
        m_flags = 0;
        m_type = ConvertOldStadiumType(m_type);
    } else {
        file.ReadNumber(m_flags);
    }
    for (std::size_t stand = 0; stand < kStandCount; ++stand) {
        ReadPlaces(file, m_seats[stand]);
        ReadPlaces(file, m_standing[stand]);
        ReadPlaces(file, m_vip[stand]);
    }
    file.ReadNumber(m_seasonTicketBlocks);
    file.ReadNumber(m_awayBlock);
    file.SkipToSectionEnd(kStadiumTag);
    return true;
}

}  // namespace kw
