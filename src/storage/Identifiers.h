#pragma once

#include <cstdint>

namespace kw {

// Countries are numbered 1 to 206; 0 means none.
inline constexpr int kCountryCount = 206;
// Code that needs a valid country replaces an invalid number by this one.
inline constexpr int kDefaultCountry = 14;

// Club id: bits 16..23 the country, bits 0..15 the index within it, bit 24 the second-team flag.
inline constexpr std::uint32_t kClubIdMask = 0xFEFFFFFF;
inline constexpr std::uint32_t kSecondTeamFlag = 0x01000000;
inline constexpr std::uint16_t kNationalTeamIndex = 0xFFFF;

constexpr std::uint32_t MakeClubId(int country, std::uint32_t index) {
    return ((static_cast<std::uint32_t>(country) << 16) | index) & kClubIdMask;
}
constexpr int ClubCountry(std::uint32_t id) {
    return static_cast<int>((id >> 16) & 0xFF);
}
constexpr std::uint16_t ClubIndex(std::uint32_t id) {
    return static_cast<std::uint16_t>(id);
}
constexpr bool IsNationalTeam(std::uint32_t id) {
    return ClubIndex(id) == kNationalTeamIndex;
}
// A club and its second team name the same club object.
constexpr bool SameClub(std::uint32_t a, std::uint32_t b) {
    return (a & kClubIdMask) == (b & kClubIdMask);
}

constexpr bool IsRealCountry(int number) {
    return number >= 1 && number <= kCountryCount;
}

// Code that needs a valid country number replaces anything above the last by the default.
constexpr int ValidCountry(int number) {
    return number > kCountryCount ? kDefaultCountry : number;
}

}  // namespace kw
