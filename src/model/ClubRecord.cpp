#include "model/Club.h"

#include <algorithm>
#include <cstring>

#include "model/Player.h"
#include "model/World.h"
#include "platform/AsciiCase.h"
#include "platform/StringTable.h"
#include "storage/KLFile.h"
#include "storage/LanguageTextsIO.h"
#include "storage/RecordVersion.h"

// The club's KL record: writing, reading and the references it stores.
namespace kw {

namespace {

constexpr char kHistoryTag[] = "HIST";
// The website field holds 128 characters, but records give it at most 119.
constexpr std::size_t kWebsiteReadSize = 120;

// Stored area of each surroundings line of the record, and memory slot of each success line.
constexpr std::array<int, CClub::kSurroundingCount> kSurroundingFileOrder = {0, 2, 1, 3, 4, 5, 6};
constexpr std::array<int, CClub::kSuccessCount> kSuccessFileOrder = {
    CClub::kChampionships,          CClub::kCupWins,         CClub::kSuperCupWins,
    CClub::kLeagueCupWins,          CClub::kEuropeanCupWins, CClub::kChampionsCupWins,
    CClub::kClubWorldChampionships, CClub::kWorldCupWins};

// At most readSize - 1 characters; a missing line leaves the text empty.
template <std::size_t N>
void ReadText(CKLFile& file, CFixedText<N>& text, std::size_t readSize = N) {
    char buffer[N] = {};
    file.ReadText(buffer, std::min(readSize, N));
    text.Set(std::string_view(buffer, strnlen(buffer, N)));
}

void ReadLine(CKLFile& file, std::string& text) {
    if (!file.ReadLine(text)) {
        text.clear();
    }
}

void SkipLine(CKLFile& file) {
    std::string dropped;
    file.ReadLine(dropped);
}

bool WriteChoices(CKLFile& file, const std::array<std::uint8_t, kLanguageCount>& choices) {
    return file.WriteByteList(choices.data(), kLanguageCount);
}

void ReadChoices(CKLFile& file, std::array<std::uint8_t, kLanguageCount>& choices) {
    file.ReadByteList(choices.data(), kLanguageCount);
}

// Club ids use at most 25 bits and so fit a signed line.
bool WriteReference(CKLFile& file, std::uint32_t value) {
    return file.WriteNumber(static_cast<std::int32_t>(value));
}

// Records name the badge folder in older spellings ("/", "badges", "180"); the game wants
// back-slashes and the 256-pixel folder.
void ConvertBadgePath(CFixedText<40>& badge) {
    std::string path(badge.View());
    std::replace(path.begin(), path.end(), '/', '\\');
    std::string lower(path);
    std::transform(lower.begin(), lower.end(), lower.begin(), AsciiLower);
    const std::size_t plural = lower.find("badges");
    if (plural != std::string::npos) {
        path.erase(plural + 5, 1);
    }
    const std::size_t size = path.find("180");
    if (size != std::string::npos) {
        path.replace(size, 3, "256");
    }
    badge.Set(path);
}

}  // namespace

std::uint32_t CClub::ExportReference(std::uint32_t club) const {
    return m_world->ExportClubId(club);
}

// The list has no gaps, so the position among its entries is the number itself, as far as the
// list reaches.
std::int32_t CClub::StadiumOrdinal() const {
    const int country = Country();
    if (!m_world->IsLoaded() || country < 1 || country > kCountryCount) {
        return 0;
    }
    const auto count = static_cast<std::int32_t>(m_world->Country(country).Stadiums().size());
    return std::clamp(m_data.stadiumNumber, 0, count);
}

bool CClub::Write(CKLFile& file, int runningNumber) const {
    const SData& d = m_data;
    const std::string tag = FormatPrintf("CLUB%d", runningNumber);
    bool ok = file.BeginSection(tag) && WriteVersionSection(file);
    ok &= WriteLanguageTexts(file, d.names) && WriteLanguageTexts(file, d.alternativeNames);
    ok &= WriteLanguageTexts(file, d.abbreviations) &&
          WriteLanguageTexts(file, d.alternativeAbbreviations);
    for (const auto& choices : d.articles) {
        ok &= WriteChoices(file, choices);
    }
    ok &= WriteLanguageTexts(file, d.nameCodes);
    ok &= WriteChoices(file, d.sentences[0]) && WriteChoices(file, d.sentences[1]);
    ok &= WriteLanguageTexts(file, d.cities);
    ok &= file.WriteText(d.fansName.View()) && file.WriteText(d.secondFansName.View());
    ok &= WriteReference(file, ExportReference(d.fanFriendship));
    for (const std::uint32_t rival : d.rivals) {
        ok &= WriteReference(file, ExportReference(rival));
    }
    ok &= file.WriteNumber(d.foundingYear);
    ok &= file.WriteText(d.address.View()) && file.WriteText(d.telephone.View()) &&
          file.WriteText(d.website.View()) && file.WriteText(d.fanSites.View()) &&
          file.WriteText(d.newspaper.View()) && file.WriteText(d.mascot.View());
    ok &= file.WriteNumber(d.initialAssets) && file.WriteNumber(d.creditLine);
    ok &= file.WriteNumber(d.publicCompany) && file.WriteNumber(d.byteFlag) &&
          file.WriteNumber(d.pointsDeduction);
    ok &= file.WriteNumber(d.biggestMatch) && file.WriteNumber(d.averageAttendance) &&
          file.WriteNumber(d.seasonTickets);
    for (const std::int32_t value : d.statistics) {
        ok &= file.WriteNumber(value);
    }
    ok &= file.WriteNumber(StadiumOrdinal()) && file.WriteNumber(d.stadiumCapacity);
    ok &= WriteLanguageTexts(file, d.stadiumNames);
    ok &= file.WriteNumber(d.stadiumType) && file.WriteNumber(d.stadiumFlags);
    for (const int area : kSurroundingFileOrder) {
        ok &= file.WriteNumber(d.surroundings[static_cast<std::size_t>(area)]);
    }
    ok &= file.WriteNumber(d.status);
    ok &= file.WriteText(d.badgePath.View());
    ok &= file.WriteNumber(d.colours[0]) && file.WriteNumber(d.colours[1]) &&
          file.WriteNumber(d.colourStyle);

    ok &= file.BeginSection(kHistoryTag);
    for (const int success : kSuccessFileOrder) {
        ok &= file.WriteText(d.successes[static_cast<std::size_t>(success)]);
    }
    for (const CRecordResult& record : d.records) {
        ok &= record.Write(file);
    }
    ok &= file.EndSection(kHistoryTag);

    ok &= file.WriteNumber(d.latitude) && file.WriteNumber(d.longitude);
    ok &= file.WriteNumber(d.prestige) && file.WriteNumber(d.secondPrestige);
    ok &= file.WriteText(d.note);
    ok &= file.WriteNumber(d.preferredCountries[0]) && file.WriteNumber(d.preferredCountries[1]) &&
          file.WriteNumber(d.youthCountry);
    ok &= file.WriteNumber(d.externalNumber);

    const std::vector<CPlayer*> players =
        PersonsWhere([](const CPlayer& person) { return person.IsPlayer(); });
    ok &= file.WriteNumber(static_cast<std::int32_t>(players.size()));
    for (const CPlayer* player : players) {
        ok &= WriteReference(file, player->Id()) && player->Write(file);
    }
    const std::vector<CPlayer*> staff = Staff();
    ok &= file.WriteNumber(static_cast<std::int32_t>(staff.size()));
    for (const CPlayer* member : staff) {
        ok &= WriteReference(file, member->Id()) && member->WriteStaff(file);
    }

    ok &= d.kit.Write(file);
    ok &= file.EndSection(tag);
    return ok;
}

void CClub::ReadPersons(CKLFile& file, bool staff) {
    std::int32_t count = 0;
    file.ReadNumber(count);
    for (std::int32_t i = 0; i < count; ++i) {
        // A count larger than the persons present ends at the first missing one instead of
        // making persons out of nothing.
        std::uint32_t id = 0;
        if (!file.ReadNumber(id)) {
            break;
        }
        CPlayer& person = m_world->CreatePerson(id, true);
        const bool read = staff ? person.ReadStaff(file) : person.Read(file);
        if (!read) {
            m_world->RemovePerson(person.Id());
            break;
        }
        AddPerson(person);
    }
}

bool CClub::Read(CKLFile& file, int runningNumber, int mode) {
    const std::string tag = FormatPrintf("CLUB%d", runningNumber);
    if (!file.FindSection(tag)) {
        return false;
    }
    const std::uint32_t version = ReadVersionSection(file);
    const std::uint32_t major = version >> 16;
    const bool current = version >= MakeRecordVersion(8198, 3);
    const bool withCredit = version >= MakeRecordVersion(8198, 1);
    SData& d = m_data;
    m_workCounter = 0;

    ReadLanguageTexts(file, d.names);
    if (current) {
        ReadLanguageTexts(file, d.alternativeNames);
    } else {
        d.alternativeNames = d.names;
    }
    ReadLanguageTexts(file, d.abbreviations);
    if (current) {
        ReadLanguageTexts(file, d.alternativeAbbreviations);
    } else {
        d.alternativeAbbreviations = d.abbreviations;
    }
    if (major < 8198) {
        SkipLine(file);
    }
    for (auto& choices : d.articles) {
        ReadChoices(file, choices);
    }
    ReadLanguageTexts(file, d.nameCodes);
    ReadChoices(file, d.sentences[0]);
    if (current) {
        ReadChoices(file, d.sentences[1]);
    } else {
        d.sentences[1] = d.sentences[0];
    }
    ReadLanguageTexts(file, d.cities);
    ReadText(file, d.fansName);
    ReadText(file, d.secondFansName);

    // Friendship and the first two rivals are always there; the third came with (8198,1), the
    // fourth with (8198,3).
    file.ReadNumber(d.fanFriendship);
    file.ReadNumber(d.rivals[0]);
    file.ReadNumber(d.rivals[1]);
    d.rivals[2] = 0;
    d.rivals[3] = 0;
    if (withCredit) {
        file.ReadNumber(d.rivals[2]);
    }
    if (current) {
        file.ReadNumber(d.rivals[3]);
    }

    file.ReadNumber(d.foundingYear);
    ReadText(file, d.address);
    ReadText(file, d.telephone);
    ReadText(file, d.website, kWebsiteReadSize);
    ReadText(file, d.fanSites);
    ReadText(file, d.newspaper);
    ReadText(file, d.mascot);

    file.ReadNumber(d.initialAssets);
    if (withCredit) {
        file.ReadNumber(d.creditLine);
    } else {
        // Older records kept no credit line; it follows the assets as the editor sets it.
        d.creditLine = d.initialAssets < 0 ? 0 : d.initialAssets / 2;
    }
    file.ReadNumber(d.publicCompany);
    d.byteFlag = 0;
    if (version >= MakeRecordVersion(8197, 4)) {
        file.ReadNumber(d.byteFlag);
    }
    file.ReadNumber(d.pointsDeduction);
    if (major < 8197) {
        std::int32_t dropped = 0;
        file.ReadNumber(dropped);
        file.ReadNumber(dropped);
    }

    file.ReadNumber(d.biggestMatch);
    file.ReadNumber(d.averageAttendance);
    file.ReadNumber(d.seasonTickets);
    for (std::int32_t& value : d.statistics) {
        file.ReadNumber(value);
    }

    {
        SData stadium;
        SData& target = (mode & clubread::kKeepStadium) != 0 ? stadium : d;
        file.ReadNumber(target.stadiumNumber);
        if (target.stadiumNumber > kMaxStadiumNumber) {
            target.stadiumNumber = 0;
        }
        file.ReadNumber(target.stadiumCapacity);
        target.stadiumCapacity = std::min(target.stadiumCapacity, kMaxStadiumCapacity);
        ReadLanguageTexts(file, target.stadiumNames);
        file.ReadNumber(target.stadiumType);
        file.ReadNumber(target.stadiumFlags);
    }
    for (const int area : kSurroundingFileOrder) {
        file.ReadNumber(d.surroundings[static_cast<std::size_t>(area)]);
    }
    file.ReadNumber(d.status);

    if ((mode & clubread::kKeepBadge) != 0) {
        SkipLine(file);
    } else {
        ReadText(file, d.badgePath);
        ConvertBadgePath(d.badgePath);
    }
    file.ReadNumber(d.colours[0]);
    file.ReadNumber(d.colours[1]);
    file.ReadNumber(d.colourStyle);

    d.successes = {};
    d.records = {};
    if (file.FindSection(kHistoryTag)) {
        for (const int success : kSuccessFileOrder) {
            ReadLine(file, d.successes[static_cast<std::size_t>(success)]);
        }
        for (CRecordResult& record : d.records) {
            record.Read(file);
        }
        file.SkipToSectionEnd(kHistoryTag);
    }

    file.ReadNumber(d.latitude);
    file.ReadNumber(d.longitude);
    file.ReadNumber(d.prestige);
    d.secondPrestige = 0;
    if (version >= MakeRecordVersion(8198, 2)) {
        file.ReadNumber(d.secondPrestige);
    }
    ReadLine(file, d.note);
    file.ReadNumber(d.preferredCountries[0]);
    file.ReadNumber(d.preferredCountries[1]);
    file.ReadNumber(d.youthCountry);
    file.ReadNumber(d.externalNumber);

    ReadPersons(file, false);
    if (withCredit) {
        ReadPersons(file, true);
    }

    d.kit.Read(file);
    if (major < 8196) {
        d.kit.ConvertFromOldNumbering();
    }
    file.SkipToSectionEnd(tag);
    return true;
}

}  // namespace kw
