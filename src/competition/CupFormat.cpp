#include "competition/CupFormat.h"

#include <utility>

#include "platform/ResourceTable.h"

namespace kw {

namespace {

constexpr std::array kCategoryRows = {
    SKeyword{"FA", kCupCategoryFa},
    SKeyword{"LEAGUE", kCupCategoryLeague},
    SKeyword{"SUPERCUP", kCupCategorySupercup},
    SKeyword{"RELEGATION", kCupCategoryRelegation},
    SKeyword{"MISC", kCupCategoryMisc},
    SKeyword{"CC_FA", kCupCategoryMisc},
};

constexpr std::array kNameRows = {
    SCupNameKeyword{"ID_FACUP_GERMANY", 335, "Pokal Deutschland"},
    SCupNameKeyword{"ID_FACUP_ENGLAND", 336, "Pokal England"},
    SCupNameKeyword{"ID_FACUP_FRANCE", 337, "Pokal Frankreich"},
    SCupNameKeyword{"ID_FACUP_SPAIN", 820, "Pokal Spanien"},
    SCupNameKeyword{"ID_FACUP_ITALY", 648, "Pokal Italien"},
    SCupNameKeyword{"ID_LEAGUECUP_GERMANY", 415, "Ligapokal Deutschland"},
    SCupNameKeyword{"ID_LEAGUECUP_ENGLAND", 416, "Ligapokal England"},
    SCupNameKeyword{"ID_LEAGUE_FRANCE", 418, "Ligapokal Frankreich"},
    SCupNameKeyword{"ID_LEAGUECUP_SCOTLAND", 125, "Ligapokal Schottland"},
    SCupNameKeyword{"ID_REL_ENGLAND1", 107, "englische Abstiegsregelung"},
    SCupNameKeyword{"ID_REL_ENGLAND2", 334, "Relegation England Div. 3"},
    SCupNameKeyword{"ID_REL_ENGLAND3", 845, "Relegation Conference"},
    SCupNameKeyword{"ID_LEAGUECUP_DIV2_3", 926, "Ligapokal engl. Div 2/3"},
    SCupNameKeyword{"ID_LEAGUECUP_CONFERENCE", 927, "Ligapokal engl. Conf."},
    SCupNameKeyword{"ID_SUPERCUP1", 412, "ein Spiel"},
    SCupNameKeyword{"ID_SUPERCUP2", 413, "zwei Spiele"},
    SCupNameKeyword{"ID_FRIENDLY", 0, ""},
    SCupNameKeyword{"ID_TOURNAMENT", 0, ""},
    SCupNameKeyword{"ID_REL_SWITZERLAND", 800, "Schweizer System"},
    SCupNameKeyword{"ID_FA_SMALL", 0, ""},
    SCupNameKeyword{"ID_FA_CUP_SCOTLAND", 448, "Pokal Schottland"},
};

// Indexed by round name: none and the qualifying rounds share one label.
constexpr std::array<const char*, 16> kRoundLabels = {
    KW_RESOURCE_TEXT("kw::CupFormat", "Qualif. int. Wett."),
    KW_RESOURCE_TEXT("kw::CupFormat", "Qualif. int. Wett."),
    KW_RESOURCE_TEXT("kw::CupFormat", "Qualif. int. Wett."),
    KW_RESOURCE_TEXT("kw::CupFormat", "Qualif. int. Wett."),
    KW_RESOURCE_TEXT("kw::CupFormat", "Qualif. int. Wett."),
    KW_RESOURCE_TEXT("kw::CupFormat", "1. Runde"),
    KW_RESOURCE_TEXT("kw::CupFormat", "2. Runde"),
    KW_RESOURCE_TEXT("kw::CupFormat", "3. Runde"),
    KW_RESOURCE_TEXT("kw::CupFormat", "4. Runde"),
    KW_RESOURCE_TEXT("kw::CupFormat", "Runde 5"),
    KW_RESOURCE_TEXT("kw::CupFormat", "Gruppe A"),
    KW_RESOURCE_TEXT("kw::CupFormat", "Gruppe B"),
    KW_RESOURCE_TEXT("kw::CupFormat", "Achtelfinale"),
    KW_RESOURCE_TEXT("kw::CupFormat", "Viertelfinale"),
    KW_RESOURCE_TEXT("kw::CupFormat", "Halbfinale"),
    KW_RESOURCE_TEXT("kw::CupFormat", "Finale"),
};

}  // namespace

std::span<const SKeyword> CupCategoryKeywords() {
    return kCategoryRows;
}

std::span<const SCupNameKeyword> CupNameKeywords() {
    return kNameRows;
}

std::string_view RoundLabel(int roundName) {
    if (roundName < 0 || roundName >= static_cast<int>(kRoundLabels.size())) {
        return {};
    }
    return ShownText("kw::CupFormat", kRoundLabels[static_cast<std::size_t>(roundName)]);
}

bool CCupFormat::AddRound(const SCupRound& round) {
    if (RoundCount() >= kMaxRounds) {
        return false;
    }
    m_rounds.push_back(round);
    return true;
}

int CCupFormat::MatchdayCount() const {
    int count = 0;
    for (const SCupRound& round : m_rounds) {
        count += round.Matchdays();
    }
    return count;
}

const SCupRound* CCupFormat::RoundOfMatchday(int matchday) const {
    int last = 0;
    for (const SCupRound& round : m_rounds) {
        last += round.Matchdays();
        if (matchday >= 1 && matchday <= last) {
            return &round;
        }
    }
    return nullptr;
}

const CCupFormat* CCupFormatTable::Format(int number) const {
    if (number < 1 || number >= SlotCount()) {
        return nullptr;
    }
    const auto& slot = m_slots[static_cast<std::size_t>(number)];
    return slot ? &*slot : nullptr;
}

bool CCupFormatTable::Set(int number, CCupFormat format) {
    if (number < 1 || number > kMaxNumber) {
        return false;
    }
    if (number >= SlotCount()) {
        m_slots.resize(static_cast<std::size_t>(number) + 1);
    }
    m_slots[static_cast<std::size_t>(number)] = std::move(format);
    return true;
}

std::vector<SRoundCountMismatch> RoundCountMismatches(const CCupFormatTable& formats) {
    std::vector<SRoundCountMismatch> mismatches;
    for (int number = 1; number < formats.SlotCount(); ++number) {
        const CCupFormat* format = formats.Format(number);
        if (format == nullptr || format->Rounds().empty()) {
            continue;
        }
        const int stated = format->Rounds().front().second;
        if (stated != format->RoundCount()) {
            mismatches.push_back({number, stated, format->RoundCount()});
        }
    }
    return mismatches;
}

}  // namespace kw
