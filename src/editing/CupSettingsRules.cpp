#include "editing/CupSettingsRules.h"

#include <algorithm>
#include <limits>
#include <memory>

#include "competition/Competition.h"
#include "competition/Cup.h"
#include "model/Country.h"
#include "model/Rules.h"
#include "model/World.h"

namespace kw {

namespace {

constexpr std::int32_t kMaxAmount = std::numeric_limits<std::int32_t>::max();

int LeagueCupIndex(ECountryCup cup) {
    return static_cast<int>(cup) - static_cast<int>(ECountryCup::League0);
}

void SetCupSetting(SCountrySettings& s, ECountryCup cup, int format) {
    if (cup == ECountryCup::National) {
        s.nationalCupSetting = format;
    } else if (cup == ECountryCup::Super) {
        s.superCupSetting = format;
    } else {
        const int shift = 8 * LeagueCupIndex(cup);
        s.leagueCupSettings = (s.leagueCupSettings & ~(0xFFu << shift)) |
                              ((static_cast<std::uint32_t>(format) & 0xFFu) << shift);
    }
}

}  // namespace

std::int32_t ParsePrizeMoney(std::string_view text) {
    std::size_t at = text.find_first_not_of(' ');
    std::int64_t amount = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        amount = std::min<std::int64_t>(amount * 10 + (text[at] - '0'), kMaxAmount);
    }
    return static_cast<std::int32_t>(amount);
}

PrizeMatrix ReadPrizeMoney(const CDBCup& cup) {
    PrizeMatrix prizes{};
    for (int kind = 0; kind < kPrizeKinds; ++kind) {
        for (int round = 0; round < kPrizeRounds; ++round) {
            prizes[static_cast<std::size_t>(kind)][static_cast<std::size_t>(round)] =
                cup.RoundValue(kind, round);
        }
    }
    return prizes;
}

bool StorePrizeMoney(CDBCup& cup, const PrizeMatrix& prizes) {
    bool changed = false;
    for (int kind = 0; kind < kPrizeKinds; ++kind) {
        for (int round = 0; round < kPrizeRounds; ++round) {
            const std::int32_t amount =
                std::clamp(prizes[static_cast<std::size_t>(kind)][static_cast<std::size_t>(round)],
                           0, kMaxAmount);
            if (cup.RoundValue(kind, round) != amount) {
                cup.SetRoundValue(kind, round, amount);
                changed = true;
            }
        }
    }
    return changed;
}

std::uint32_t CountryCupId(int country, ECountryCup cup) {
    if (cup == ECountryCup::National) {
        return MakeCompetitionId(country, kFaCupType, 0);
    }
    if (cup == ECountryCup::Super) {
        return MakeCompetitionId(country, kSupercupType, 0);
    }
    return MakeCompetitionId(country, kLeagueCupType, LeagueCupIndex(cup));
}

int CupSetting(const CCountry& country, ECountryCup cup) {
    const SCountrySettings& s = country.Settings();
    if (cup == ECountryCup::National) {
        return s.nationalCupSetting;
    }
    if (cup == ECountryCup::Super) {
        return s.superCupSetting;
    }
    return static_cast<int>((s.leagueCupSettings >> (8 * LeagueCupIndex(cup))) & 0xFFu);
}

bool StoreCupMode(CWorld& world, int country, ECountryCup cup, int format) {
    // Format numbers are one byte, as the cup node and a league cup's setting keep them.
    format = std::clamp(format, 0, 0xFF);
    CCountry& owner = world.Country(country);
    if (CupSetting(owner, cup) == format) {
        return false;
    }
    const std::uint32_t id = CountryCupId(country, cup);
    world.RemoveCompetitionTree(id);
    if (format != 0) {
        const std::uint32_t root = MakeCompetitionId(country, kRootType, 0);
        if (world.Competition(root) == nullptr) {
            world.RegisterCompetition(std::make_unique<CDBRoot>(country));
        }
        auto node = std::make_unique<CDBCup>(id, root);
        node->SetFormatNumber(static_cast<std::uint8_t>(format));
        world.RegisterCompetition(std::move(node));
    }
    SetCupSetting(owner.Settings(), cup, format);
    return true;
}

void ChooseTitleHolder(CRules& rules, int continent, int competition, std::uint32_t club) {
    rules.SetTitleHolder(competition, continent, club);
    if (club == 0 || competition < 0 || competition >= kExclusiveTitleCompetitions) {
        return;
    }
    const int other = 1 - competition;
    if (rules.TitleHolder(other, continent) == club) {
        rules.SetTitleHolder(other, continent, 0);
    }
}

}  // namespace kw
