#include "editing/CupPageValues.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>

#include "competition/Competition.h"
#include "competition/Cup.h"
#include "competition/CupFormat.h"
#include "editing/AssignChanged.h"
#include "model/Country.h"
#include "model/World.h"
#include "platform/StringTable.h"
#include "storage/FixedText.h"
#include "storage/TextCollation.h"

namespace kw {

namespace {

constexpr std::uint8_t kYellowRuleBits = 0x7F;
constexpr std::uint8_t kYellowAfterYellowRedFlag = 0x80;
constexpr std::uint8_t kVariableDurationFlag = 0x10;
constexpr std::uint8_t kYellowForAllFlag = 0x01;
constexpr std::uint8_t kYellowRedForAllFlag = 0x02;
constexpr std::uint8_t kRedForAllFlag = 0x04;
constexpr std::uint8_t kHomeAdvantageFlag = 0x01;
constexpr std::uint8_t kOnePerYearFlag = 0x02;

constexpr std::array kCups = {ECountryCup::National, ECountryCup::League0, ECountryCup::League1,
                              ECountryCup::League2,  ECountryCup::League3, ECountryCup::Super};

const CDBCup* FindCup(const CWorld& world, int country, ECountryCup cup) {
    return dynamic_cast<const CDBCup*>(world.Competition(CountryCupId(country, cup)));
}

CDBCup* FindCup(CWorld& world, int country, ECountryCup cup) {
    return dynamic_cast<CDBCup*>(world.Competition(CountryCupId(country, cup)));
}

bool StoreFlag(std::uint8_t& flags, std::uint8_t flag, bool loaded, bool edited) {
    const auto value = static_cast<std::uint8_t>(edited ? flags | flag : flags & ~flag);
    return loaded != edited && AssignChanged(flags, value);
}

// The rule bits of a rule byte, its flag bit kept.
bool StoreRule(std::uint8_t& byte, int loaded, int edited) {
    const auto rule = static_cast<std::uint8_t>(std::clamp(edited, 0, int{kYellowRuleBits}));
    const auto value = static_cast<std::uint8_t>((byte & ~kYellowRuleBits) | rule);
    return loaded != edited && AssignChanged(byte, value);
}

template <typename Field>
bool StoreNumber(Field& field, int loaded, int edited, int maximum) {
    return loaded != edited &&
           AssignChanged(field, static_cast<Field>(std::clamp(edited, 0, maximum)));
}

// What a cup node carries beyond its mode: its names and all its round values.
struct SCupContent {
    CLanguageTexts<CDBCompetition::kNameSize> names;
    std::array<std::array<std::int32_t, kPrizeRounds>, CDBCompetition::kValueCount> values{};
};

std::optional<SCupContent> ContentOf(const CDBCup* cup) {
    if (cup == nullptr) {
        return std::nullopt;
    }
    SCupContent content{cup->Names(), {}};
    for (int kind = 0; kind < CDBCompetition::kValueCount; ++kind) {
        for (int round = 0; round < kPrizeRounds; ++round) {
            content.values[static_cast<std::size_t>(kind)][static_cast<std::size_t>(round)] =
                cup->RoundValue(kind, round);
        }
    }
    return content;
}

void PutContent(CDBCup& cup, const SCupContent& content) {
    cup.Names() = content.names;
    for (int kind = 0; kind < CDBCompetition::kValueCount; ++kind) {
        for (int round = 0; round < kPrizeRounds; ++round) {
            cup.SetRoundValue(
                kind, round,
                content.values[static_cast<std::size_t>(kind)][static_cast<std::size_t>(round)]);
        }
    }
}

bool StorePrizeCells(CDBCup& cup, const PrizeMatrix& loaded, const PrizeMatrix& edited) {
    bool changed = false;
    for (std::size_t kind = 0; kind < edited.size(); ++kind) {
        for (std::size_t round = 0; round < edited[kind].size(); ++round) {
            if (loaded[kind][round] == edited[kind][round]) {
                continue;
            }
            const std::int32_t amount =
                std::clamp(edited[kind][round], 0, std::numeric_limits<std::int32_t>::max());
            if (cup.RoundValue(static_cast<int>(kind), static_cast<int>(round)) != amount) {
                cup.SetRoundValue(static_cast<int>(kind), static_cast<int>(round), amount);
                changed = true;
            }
        }
    }
    return changed;
}

bool StoreCup(CWorld& world, int country, ECountryCup which, int language, const SCupValues& loaded,
              const SCupValues& edited) {
    bool changed = false;
    if (loaded.mode != edited.mode) {
        const std::optional<SCupContent> before = ContentOf(FindCup(world, country, which));
        changed = StoreCupMode(world, country, which, edited.mode);
        CDBCup* made = FindCup(world, country, which);
        if (changed && made != nullptr && before) {
            PutContent(*made, *before);
        }
    }
    CDBCup* cup = FindCup(world, country, which);
    if (cup == nullptr) {
        return changed;
    }
    if (loaded.name != edited.name && language >= 0 && language < kLanguageCount) {
        const std::string_view name =
            std::string_view(edited.name)
                .substr(0, std::min<std::size_t>(edited.name.size(), kCupNameTyping));
        CFixedText<CDBCompetition::kNameSize>& field =
            cup->Names()[static_cast<std::size_t>(language)];
        changed |= AssignChanged(field, CFixedText<CDBCompetition::kNameSize>(name));
    }
    changed |= StorePrizeCells(*cup, loaded.prizes, edited.prizes);
    return changed;
}

}  // namespace

std::span<const std::string_view> YellowCardRuleTexts() {
    static constexpr std::array<std::string_view, kYellowRuleCount> kTexts = {
        "5/10/15/20/25", "4/8/12/16/20", "4/7/10/13/16",
        "4/7/9/10/11",   "5/9/13/17/21", "3/6/9/12/15"};
    return kTexts;
}

int CupModeCategory(ECountryCup cup) {
    if (cup == ECountryCup::National) {
        return kCupCategoryFa;
    }
    return cup == ECountryCup::Super ? kCupCategorySupercup : kCupCategoryLeague;
}

std::vector<SEditChoice> CupModeChoices(const CCupFormatTable& formats, int category) {
    std::vector<SEditChoice> modes;
    for (int number = 1; number < formats.SlotCount(); ++number) {
        const CCupFormat* format = formats.Format(number);
        if (format != nullptr && format->Category() == category) {
            modes.push_back({std::string(format->Name().View()), number});
        }
    }
    std::stable_sort(modes.begin(), modes.end(), [](const SEditChoice& a, const SEditChoice& b) {
        return CollateText(a.text, b.text) < 0;
    });
    modes.insert(modes.begin(),
                 SEditChoice{std::string(ShownText("kw::CupPageValues", " Kein Pokal")), 0});
    return modes;
}

std::vector<SEditChoice> FinalStadiumChoices(const CCountry& country) {
    std::vector<SEditChoice> stadiums;
    const int count = std::min(static_cast<int>(country.Stadiums().size()), kMaxFinalStadium);
    for (int number = 1; number <= count; ++number) {
        stadiums.push_back(
            {std::string(country.Stadiums()[static_cast<std::size_t>(number - 1)].Name().View()),
             number});
    }
    return stadiums;
}

SCupPageValues ReadCupPageValues(const CWorld& world, int country, int language) {
    const CCountry& owner = world.Country(country);
    const SCountrySettings& s = owner.Settings();
    SCupPageValues values;
    for (std::size_t index = 0; index < kCups.size(); ++index) {
        SCupValues& shown = values.cups[index];
        shown.mode = CupSetting(owner, kCups[index]);
        if (const CDBCup* cup = FindCup(world, country, kCups[index])) {
            if (language >= 0 && language < kLanguageCount) {
                shown.name = cup->Names()[static_cast<std::size_t>(language)].View();
            }
            shown.prizes = ReadPrizeMoney(*cup);
        }
    }
    values.finalStadium = s.cupFinalStadium;
    values.homeAdvantage = (s.cupOptions & kHomeAdvantageFlag) != 0;
    values.onePerYear = (s.cupOptions & kOnePerYearFlag) != 0;
    values.yellowRule = {s.leagueYellowRule & kYellowRuleBits, s.cupYellowRule & kYellowRuleBits};
    values.yellowAfterYellowRed = {(s.leagueYellowRule & kYellowAfterYellowRedFlag) != 0,
                                   (s.cupYellowRule & kYellowAfterYellowRedFlag) != 0};
    values.yellowForAll = (s.suspensionScope & kYellowForAllFlag) != 0;
    for (std::size_t level = 0; level < values.yellowRedLevels.size(); ++level) {
        values.yellowRedLevels[level] = ((s.yellowRedLevels >> level) & 1u) != 0;
    }
    values.yellowRedForAll = (s.suspensionScope & kYellowRedForAllFlag) != 0;
    values.redCardStart = s.redCardStart;
    values.variableDuration = (s.redCardSettings & kVariableDurationFlag) != 0;
    values.redForAll = (s.suspensionScope & kRedForAllFlag) != 0;
    return values;
}

bool StoreChangedCupPageValues(CWorld& world, int country, int language,
                               const SCupPageValues& loaded, const SCupPageValues& edited) {
    bool changed = false;
    for (std::size_t index = 0; index < kCups.size(); ++index) {
        changed |= StoreCup(world, country, kCups[index], language, loaded.cups[index],
                            edited.cups[index]);
    }
    SCountrySettings& s = world.Country(country).Settings();
    if (loaded.finalStadium != edited.finalStadium) {
        changed |=
            AssignChanged(s.cupFinalStadium, std::clamp(edited.finalStadium, 0, kMaxFinalStadium));
    }
    changed |=
        StoreFlag(s.cupOptions, kHomeAdvantageFlag, loaded.homeAdvantage, edited.homeAdvantage);
    changed |= StoreFlag(s.cupOptions, kOnePerYearFlag, loaded.onePerYear, edited.onePerYear);
    changed |= StoreRule(s.leagueYellowRule, loaded.yellowRule[0], edited.yellowRule[0]);
    changed |= StoreRule(s.cupYellowRule, loaded.yellowRule[1], edited.yellowRule[1]);
    changed |= StoreFlag(s.leagueYellowRule, kYellowAfterYellowRedFlag,
                         loaded.yellowAfterYellowRed[0], edited.yellowAfterYellowRed[0]);
    changed |= StoreFlag(s.cupYellowRule, kYellowAfterYellowRedFlag, loaded.yellowAfterYellowRed[1],
                         edited.yellowAfterYellowRed[1]);
    changed |=
        StoreFlag(s.suspensionScope, kYellowForAllFlag, loaded.yellowForAll, edited.yellowForAll);
    for (std::size_t level = 0; level < edited.yellowRedLevels.size(); ++level) {
        changed |= StoreFlag(s.yellowRedLevels, static_cast<std::uint8_t>(1u << level),
                             loaded.yellowRedLevels[level], edited.yellowRedLevels[level]);
    }
    changed |= StoreFlag(s.suspensionScope, kYellowRedForAllFlag, loaded.yellowRedForAll,
                         edited.yellowRedForAll);
    changed |= StoreNumber(s.redCardStart, loaded.redCardStart, edited.redCardStart, 0xFF);
    changed |= StoreFlag(s.redCardSettings, kVariableDurationFlag, loaded.variableDuration,
                         edited.variableDuration);
    changed |= StoreFlag(s.suspensionScope, kRedForAllFlag, loaded.redForAll, edited.redForAll);
    return changed;
}

}  // namespace kw
