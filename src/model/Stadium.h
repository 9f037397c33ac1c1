#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "storage/FixedText.h"

namespace kw {

class CKLFile;

// The stands of a stadium, in the order the records and the stadium editor use.
inline constexpr int kStandCount = 8;
// "Haupttribüne" ... "S-E Kurve" (Windows-1252); empty for a number outside 0..7.
std::string_view StandName(int stand);

// Stadium types, as the club's stadium type codes them: 0 "Oval", 1 "Runde Ecken",
// 2 "Fußballstadion".
inline constexpr int kStadiumTypeCount = 3;
// Records older than major 8196 used their own type codes. The conversion keeps a code that is
// already a type of today (0..2) and moves any other one to the nearest end of that range.
std::int8_t ConvertOldStadiumType(std::int8_t type);

// One entry of a country's stadium list: name, city, type and the places of its eight stands.
class CStadium {
public:
    static constexpr std::size_t kTextSize = 30;
    static constexpr int kTemplateCount = 2;

    // The two built-in stadiums offered as starting points: 0 a small ground (1000 seats on the
    // four main stands, 500 standing places everywhere), 1 (and any other number) a large
    // all-seater.
    static CStadium Template(int which);

    std::int8_t Type() const { return m_type; }
    void SetType(std::int8_t type) { m_type = type; }
    const CFixedText<kTextSize>& Name() const { return m_name; }
    void SetName(std::string_view name) { m_name.Set(name); }
    const CFixedText<kTextSize>& City() const { return m_city; }
    void SetCity(std::string_view city) { m_city.Set(city); }
    // Kept as the files and the editor give it; records older than major 8196 have none (0).
    std::uint8_t Flags() const { return m_flags; }
    void SetFlags(std::uint8_t flags) { m_flags = flags; }

    // Places per stand 0..7. A place count is never negative: setters and the reader make a
    // negative number 0.
    std::int32_t Seats(int stand) const { return m_seats.at(Index(stand)); }
    void SetSeats(int stand, std::int32_t places);
    std::int32_t StandingPlaces(int stand) const { return m_standing.at(Index(stand)); }
    void SetStandingPlaces(int stand, std::int32_t places);
    std::int32_t VipPlaces(int stand) const { return m_vip.at(Index(stand)); }
    void SetVipPlaces(int stand, std::int32_t places);
    // Sum of the 24 place counts ("Gesamtkapazität"); wide enough never to overflow.
    std::int64_t TotalCapacity() const;

    // Bit i set: stand i is a season-ticket block, or the away block.
    std::uint8_t SeasonTicketBlocks() const { return m_seasonTicketBlocks; }
    void SetSeasonTicketBlocks(std::uint8_t mask) { m_seasonTicketBlocks = mask; }
    bool IsSeasonTicketBlock(int stand) const;
    void SetSeasonTicketBlock(int stand, bool set);
    std::uint8_t AwayBlock() const { return m_awayBlock; }
    void SetAwayBlock(std::uint8_t mask) { m_awayBlock = mask; }
    bool IsAwayBlock(int stand) const;
    void SetAwayBlock(int stand, bool set);

    // STADIUM section: type, name, city, flag byte, per stand seats, standing and VIP places,
    // season-ticket blocks, away block. The masks are written as signed bytes, as the format
    // has them.
    bool Write(CKLFile& file) const;
    // Gated on the record version read last: before major 8196 a text line stands where the
    // flag byte is and the type is converted. Missing numbers read as 0, missing texts keep what
    // is held. False when the file has no STADIUM section here.
    bool Read(CKLFile& file);

    friend bool operator==(const CStadium&, const CStadium&) = default;

private:
    // A stand number outside 0..7 is a programming error: it throws std::out_of_range.
    static std::size_t Index(int stand) { return static_cast<std::size_t>(stand); }
    static std::uint8_t StandBit(int stand);

    std::int8_t m_type = 0;
    CFixedText<kTextSize> m_name;
    CFixedText<kTextSize> m_city;
    std::uint8_t m_flags = 0;
    std::array<std::int32_t, kStandCount> m_seats{};
    std::array<std::int32_t, kStandCount> m_standing{};
    std::array<std::int32_t, kStandCount> m_vip{};
    std::uint8_t m_seasonTicketBlocks = 0;
    std::uint8_t m_awayBlock = 0;
};

}  // namespace kw
