#include "editing/ClubGeneralRules.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "model/Club.h"
#include "model/ClubNames.h"
#include "model/Country.h"
#include "model/PlayerStrength.h"
#include "model/World.h"
#include "platform/StringTable.h"
#include "storage/TextCollation.h"

namespace kw {

namespace {

constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::int32_t MoneyFromSpinPosition(int position) {
    const int clamped = std::clamp(position, kMoneySpinMinimum, kMoneySpinMaximum);
    return (clamped - kMoneySpinZero) * kMoneyStep;
}

int SpinPositionFromMoney(std::int32_t money) {
    const std::int64_t position = static_cast<std::int64_t>(money / kMoneyStep) + kMoneySpinZero;
    return static_cast<int>(
        std::clamp<std::int64_t>(position, kMoneySpinMinimum, kMoneySpinMaximum));
}

std::int32_t ParseMoneyText(std::string_view text) {
    bool negative = false;
    bool digits = false;
    std::int64_t value = 0;
    for (const char c : text) {
        if (IsDigit(c)) {
            digits = true;
            value = std::min(value * 10 + (c - '0'), -kInt32Min);
        } else if (c == '-' && !digits) {
            negative = true;
        }
    }
    return static_cast<std::int32_t>(std::clamp(negative ? -value : value, kInt32Min, kInt32Max));
}

std::int32_t ReadDecimalNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    std::int64_t value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        value = std::min(value * 10 + (text[i] - '0'), kInt32Max);
    }
    return static_cast<std::int32_t>(value);
}

std::string FanSitesFromEditor(std::string_view typed, std::size_t limit) {
    std::string line;
    for (std::size_t i = 0; i < typed.size() && line.size() < limit; ++i) {
        const char c = typed[i];
        if (c == '\r' && i + 1 < typed.size() && typed[i + 1] == '\n') {
            continue;
        }
        line.push_back(c == '\r' || c == '\n' ? ' ' : c);
    }
    return line;
}

std::vector<SClubChoice> ClubChoices(const CWorld& world, const CClub& club, int language) {
    std::vector<SClubChoice> others;
    for (const auto& entry : world.Country(club.Country()).Clubs()) {
        const CClub& other = *entry.second;
        if (other.Id() != club.Id() && !other.IsNationalTeam()) {
            others.push_back({other.Id(), std::string(other.Name(language))});
        }
    }
    std::sort(others.begin(), others.end(), [](const SClubChoice& a, const SClubChoice& b) {
        const int order = CollateText(a.name, b.name);
        return order != 0 ? order < 0 : a.id < b.id;
    });
    std::vector<SClubChoice> choices{{0, std::string(ResourceString(ids::kNotAvailable))}};
    choices.insert(choices.end(), others.begin(), others.end());
    return choices;
}

int ChoiceIndex(const std::vector<SClubChoice>& choices, std::uint32_t id) {
    const auto found = std::find_if(choices.begin(), choices.end(),
                                    [id](const SClubChoice& choice) { return choice.id == id; });
    return found == choices.end() ? -1 : static_cast<int>(found - choices.begin());
}

STeamStatistics TeamStatistics(const std::vector<CPlayer*>& team) {
    STeamStatistics statistics;
    statistics.players = static_cast<int>(team.size());
    if (team.empty()) {
        return statistics;
    }
    double sum = 0.0;
    for (const CPlayer* player : team) {
        sum += PlayerStrength(*player);
    }
    statistics.averageStrength = sum / static_cast<double>(team.size());
    return statistics;
}

std::string FormatPlayerCount(const STeamStatistics& statistics) {
    return std::to_string(statistics.players);
}

std::string FormatAverageStrength(const STeamStatistics& statistics) {
    char text[32];
    std::snprintf(text, sizeof text, "%2.2f", statistics.averageStrength);
    return text;
}

std::string_view ArticleText(int language, std::uint8_t choice) {
    const auto articles = ClubArticles(language);
    return choice < articles.size() ? articles[choice] : std::string_view();
}

std::string SentenceText(int list, int language, std::uint8_t choice, std::string_view name) {
    const auto forms = list == 0 ? FirstSentenceForms(language) : SecondSentenceForms(language);
    return choice < forms.size() ? FillPattern(forms[choice], name) : std::string();
}

std::uint16_t WithNoItCup(std::uint16_t flags, bool noItCup) {
    return static_cast<std::uint16_t>(noItCup ? flags | CClub::kNoItCupFlag
                                              : flags & ~CClub::kNoItCupFlag);
}

}  // namespace kw
