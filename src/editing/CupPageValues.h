#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "editing/CupSettingsRules.h"
#include "editing/EditChoice.h"

namespace kw {

class CCountry;
class CCupFormatTable;
class CWorld;

// The cups page of the country window: what it shows of the country's cups and card rules, and
// which of the shown values are written back.

// The national cup, league cups 0..3 and the super cup, in the order of ECountryCup.
inline constexpr int kCountryCupCount = 6;
// A cup's name field takes 29 characters.
inline constexpr int kCupNameTyping = 29;
inline constexpr int kYellowRuleCount = 6;
inline constexpr int kYellowRedLevelCount = 5;
// "Endspielstadion" offers the stadiums numbered up to this.
inline constexpr int kMaxFinalStadium = 500;

// "Regel (Liga)" and "Regel (Pokal)": "5/10/15/20/25" ... "3/6/9/12/15", by rule number.
std::span<const std::string_view> YellowCardRuleTexts();

// The category of the formats a cup's mode list offers: FA, LEAGUE for every league cup,
// SUPERCUP.
int CupModeCategory(ECountryCup cup);
// A mode list: " Kein Pokal" (0) first, then the formats of the category by name (equal names
// by number), each valued by its format number.
std::vector<SEditChoice> CupModeChoices(const CCupFormatTable& formats, int category);
// "Endspielstadion": the country's stadiums numbered 1..500, in their order.
std::vector<SEditChoice> FinalStadiumChoices(const CCountry& country);

// One cup as the page shows it. The name is the cup node's name in the edited language (empty
// when the country has no node for the cup).
struct SCupValues {
    std::string name;
    int mode = 0;
    PrizeMatrix prizes{};
    friend bool operator==(const SCupValues&, const SCupValues&) = default;
};

// The page's values. Rules are the list positions (bits 0..6 of the stored rule bytes).
struct SCupPageValues {
    std::array<SCupValues, kCountryCupCount> cups{};
    int finalStadium = 0;
    bool homeAdvantage = false;       // "Heimvorteil für Mannschaften ab 3. Liga"
    bool onePerYear = false;          // "Spieler darf nicht für 2 Mannschaften ..."
    std::array<int, 2> yellowRule{};  // league, cup
    std::array<bool, 2> yellowAfterYellowRed{};
    bool yellowForAll = false;  // "Sperren gelten für alle nationalen Wettbewerbe"
    std::array<bool, kYellowRedLevelCount> yellowRedLevels{};
    bool yellowRedForAll = false;  // "Sperren gelten für alle Wettb."
    int redCardStart = 0;
    bool variableDuration = false;  // "Variable Dauer"
    bool redForAll = false;

    friend bool operator==(const SCupPageValues&, const SCupPageValues&) = default;
};

SCupPageValues ReadCupPageValues(const CWorld& world, int country, int language);

// Writes what differs between `loaded` and `edited` (what the controls showed after loading and
// what they show now), so a stored value no control can show stays until the user edits it. A
// changed mode goes through StoreCupMode; a cup made anew keeps the names and round values of
// the node it replaces. Names are cut to 29 characters; prize cells are written one by one,
// held to 0..2,147,483,647. True when anything changed.
bool StoreChangedCupPageValues(CWorld& world, int country, int language,
                               const SCupPageValues& loaded, const SCupPageValues& edited);

}  // namespace kw
