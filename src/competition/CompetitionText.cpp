#include "competition/CompetitionText.h"

#include <algorithm>
#include <array>

#include "competition/Competition.h"
#include "platform/StringTable.h"
#include "storage/KLFile.h"

namespace kw {

namespace {

// Left column of the type table, then the right one: lookups depend on this order.
constexpr std::array kTypeRows = {
    SKeyword{"ROOT", kRootType},
    SKeyword{"LEAGUE", kLeagueType},
    SKeyword{"FA_CUP", kFaCupType},
    SKeyword{"LE_CUP", kLeagueCupType},
    SKeyword{"SUPERCUP", kSupercupType},
    SKeyword{"CHALLENGE_SHIELD", kChallengeShieldType},
    SKeyword{"CONFERENCE_CUP", kConferenceCupType},
    SKeyword{"RELEGATION", kRelegationType},
    SKeyword{"CHAMPIONSLEAGUE", kChampionsLeagueType},
    SKeyword{"UEFA_CUP", kUefaCupType},
    SKeyword{"TOYOTA", kToyotaType},
    SKeyword{"EURO_SUPERCUP", kEuroSupercupType},
    SKeyword{"WORLD_CLUB_CHAMP", kWorldClubChampType},
    SKeyword{"UIC", kUicType},
    SKeyword{"QUALI_WC", kQualiWcType},
    SKeyword{"QUALI_EC", kQualiEcType},
    SKeyword{"WORLD_CUP", kWorldCupType},
    SKeyword{"EURO_CUP", kEuroCupType},
    SKeyword{"REL1", kRel1Type},
    SKeyword{"REL2", kRel2Type},
    SKeyword{"REL3", kRel3Type},
    SKeyword{"INDOOR", kIndoorType},
    SKeyword{"FRIENDLY", kFriendlyType},
    SKeyword{"POOL", kPoolType},
};

constexpr std::array kKindRows = {
    SKeyword{"DB_ROOT", kRootKind},
    SKeyword{"DB_LEAGUE", kLeagueKind},
    SKeyword{"DB_SPARE", kSpareKind},
    SKeyword{"DB_CUP", kCupKind},
    SKeyword{"DB_ROUND", kRoundKind},
    SKeyword{"DB_POOL", kPoolKind},
    SKeyword{"DB_SWITZERLAND", kSwitzerlandKeyword},
    SKeyword{"DB_REL1", kLegacyKeywordFirst},
    SKeyword{"DB_REL2", kLegacyKeywordFirst + 1},
    SKeyword{"DB_REL3", kLegacyKeywordFirst + 2},
    SKeyword{"DB_SCOTLAND1", kLegacyKeywordFirst + 3},
    SKeyword{"DB_SCOTLAND2", kLegacyKeywordLast},
};

constexpr std::array kRelegationRows = {
    SKeyword{"REL_RULE_0", 0},
    SKeyword{"REL_RULE_1", 1},
    SKeyword{"REL_RULE_2", 2},
    SKeyword{"REL_RULE_3", 3},
    SKeyword{"REL_RULE_4", 4},
    SKeyword{"REL_RULE_5", 5},
    SKeyword{"REL_RULE_INDOOR", 32, true},
    SKeyword{"REL_RULE_TAKE_POINTS", 128, true},
};

constexpr std::array kRoundRows = {
    SKeyword{"ROUND_QUALI", 1},
    SKeyword{"ROUND_QUALI2", 2},
    SKeyword{"ROUND_QUALI3", 3},
    SKeyword{"ROUND_PREROUND1", 4},
    SKeyword{"ROUND_1", 5},
    SKeyword{"ROUND_2", 6},
    SKeyword{"ROUND_3", 7},
    SKeyword{"ROUND_4", 8},
    SKeyword{"ROUND_5", 9},
    SKeyword{"ROUND_GROUP1", 10},
    SKeyword{"ROUND_GROUP2", 11},
    SKeyword{"ROUND_LAST_16", 12},
    SKeyword{"ROUND_QUARTERFINAL", 13},
    SKeyword{"ROUND_SEMIFINAL", 14},
    SKeyword{"ROUND_FINAL", 15},
};

constexpr std::array kPoolSortRows = {
    SKeyword{"POOL_SORT_INDOOR", 1},
    SKeyword{"POOL_SORT_NAT_UEFA5", 2},
    SKeyword{"POOL_SORT_MAP_NORTH_SOUTH", 3},
    SKeyword{"POOL_SORT_MAP_WEST_EAST", 4},
    SKeyword{"POOL_SORT_MAP_LEAGUE", 5},
    SKeyword{"POOL_SORT_NATIONALITY", 6},
    SKeyword{"POOL_SORT_BEST_TAB_POS", 7},
    SKeyword{"POOL_SORT_COUNTRY_STRENGTH", 8},
    SKeyword{"POOL_SORT_UEFA5_SHUFFLE", 9},
    SKeyword{"POOL_SORT_RANDOM", 10},
    SKeyword{"POOL_SORT_LAST_16", 11},
    SKeyword{"POOL_SORT_NORTH_SOUTH", 12},
    SKeyword{"POOL_RESERVE_TEAMS", 32768, true},
};

// A bit set: every row is a flag. The WITH_1/2_LEG rows are reading aliases of bits 0 and 1.
constexpr std::array kMatchFlagRows = {
    SKeyword{"BEG_1ST_LEG", 1, true},
    SKeyword{"BEG_2ND_LEG", 2, true},
    SKeyword{"BEG_WITH_1_LEG", 1, true},
    SKeyword{"BEG_WITH_2_LEG", 2, true},
    SKeyword{"BEG_WITH_REPLAY", 4, true},
    SKeyword{"BEG_WITH_EXTRA_TIME", 8, true},
    SKeyword{"BEG_WITH_GOLDEN_GOAL", 16, true},
    SKeyword{"BEG_WITH_PENALTY", 32, true},
    SKeyword{"BEG_END", 64, true},
    SKeyword{"BEG_1ST_PLAYED", 256, true},
    SKeyword{"BEG_2ND_PLAYED", 512, true},
    SKeyword{"BEG_EXTRA_TIME", 4096, true},
    SKeyword{"BEG_GOLDEN_GOAL", 8192, true},
    SKeyword{"BEG_PENALTY", 16384, true},
    SKeyword{"BEG_FINISHED", 32768, true},
    SKeyword{"BEG_WITH_SILVER_GOAL", 67108864, true},
    SKeyword{"BEG_WITHOUT_AWAY_GOAL", 134217728, true},
    SKeyword{"BEG_NO_PREMIERLEAGUE_TEAMS", 536870912, true},
    SKeyword{"BEG_NO_SHUFFLE", 268435456, true},
};

std::string_view SkipBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    return text;
}

}  // namespace

std::span<const SKeyword> CompetitionTypeKeywords() {
    return kTypeRows;
}
std::span<const SKeyword> NodeKindKeywords() {
    return kKindRows;
}
std::span<const SKeyword> RelegationRuleKeywords() {
    return kRelegationRows;
}
std::span<const SKeyword> RoundKeywords() {
    return kRoundRows;
}
std::span<const SKeyword> PoolSortKeywords() {
    return kPoolSortRows;
}
std::span<const SKeyword> MatchFlagKeywords() {
    return kMatchFlagRows;
}

std::int32_t LookupKeyword(std::span<const SKeyword> table, std::string_view text) {
    text = SkipBlanks(text);
    const SKeyword* best = nullptr;
    for (const SKeyword& row : table) {
        if (text.starts_with(row.name) &&
            (best == nullptr || row.name.size() > best->name.size())) {
            best = &row;
        }
    }
    return best != nullptr ? best->value : 0;
}

std::int32_t LookupKeywordList(std::span<const SKeyword> table, std::string_view text) {
    std::int32_t value = 0;
    while (true) {
        const std::size_t comma = text.find(',');
        value |= LookupKeyword(table, text.substr(0, comma));
        if (comma == std::string_view::npos) {
            return value;
        }
        text.remove_prefix(comma + 1);
    }
}

std::string_view KeywordName(std::span<const SKeyword> table, std::int32_t value) {
    for (const SKeyword& row : table) {
        if (!row.isFlag && row.value == value) {
            return row.name;
        }
    }
    return {};
}

std::string ValueToKeywords(std::span<const SKeyword> table, std::int32_t value) {
    std::int32_t flags = 0;
    for (const SKeyword& row : table) {
        if (row.isFlag) {
            flags |= row.value;
        }
    }
    std::string text(KeywordName(table, value & ~flags));
    for (const SKeyword& row : table) {
        if (row.isFlag && (value & row.value) != 0) {
            text += ',';
            text += row.name;
        }
    }
    return text;
}

std::string ValueToFlagNames(std::span<const SKeyword> table, std::uint32_t value) {
    std::string text;
    for (int bit = 0; bit < 32; ++bit) {
        const std::uint32_t mask = 1u << bit;
        if ((value & mask) == 0) {
            continue;
        }
        for (const SKeyword& row : table) {
            if ((static_cast<std::uint32_t>(row.value) & mask) != 0) {
                if (!text.empty()) {
                    text += ", ";
                }
                text += row.name;
                break;
            }
        }
    }
    return text.empty() ? std::string("0") : text;
}

std::string_view CompetitionTypeName(int type) {
    return KeywordName(kTypeRows, type);
}

std::string FormatCompetitionId(std::uint32_t id) {
    return FormatPrintf("{ %d, %s, %d }", CompetitionCountry(id),
                        std::string(CompetitionTypeName(CompetitionType(id))).c_str(),
                        CompetitionIndex(id));
}

std::uint32_t ParseCompetitionId(std::string_view text, int defaultCountry, std::size_t* end) {
    const std::size_t brace = text.find('{');
    if (brace == std::string_view::npos) {
        if (end != nullptr) {
            *end = text.size();
        }
        return 0;
    }
    // The three fields end at the next closing brace (any kind, the form is not checked) or at
    // the next opening one, so a damaged id cannot swallow the next id of a list.
    std::size_t close = text.find_first_of("{})", brace + 1);
    if (close == std::string_view::npos) {
        close = text.size();
    }
    if (end != nullptr) {
        *end = close;
    }
    std::string_view fields = text.substr(brace + 1, close - brace - 1);
    const std::string countryText(fields.substr(0, fields.find(',')));
    int country = CKLFile::ParseDecimal(countryText.c_str());
    int type = 0;
    int index = 0;
    if (const std::size_t first = fields.find(','); first != std::string_view::npos) {
        fields.remove_prefix(first + 1);
        const std::size_t second = fields.find(',');
        type = LookupKeyword(kTypeRows, fields.substr(0, second));
        if (second != std::string_view::npos) {
            index = CKLFile::ParseDecimal(std::string(fields.substr(second + 1)).c_str());
        }
    }
    if (country < 0) {
        country = defaultCountry;
    }
    return MakeCompetitionId(country, type, index);
}

std::string FormatCompetitionIdList(std::span<const std::uint32_t> ids) {
    std::string line;
    for (const std::uint32_t id : ids) {
        if (!line.empty()) {
            line += ',';
        }
        line += FormatCompetitionId(id);
    }
    return line.empty() ? std::string("0") : line;
}

std::vector<std::uint32_t> ParseCompetitionIdList(std::string_view text, int defaultCountry,
                                                  std::size_t limit) {
    std::vector<std::uint32_t> ids;
    while (ids.size() < limit) {
        const std::size_t brace = text.find('{');
        if (brace == std::string_view::npos) {
            break;
        }
        std::size_t end = 0;
        const std::uint32_t id = ParseCompetitionId(text, defaultCountry, &end);
        if (id != 0) {
            ids.push_back(id);
        }
        text.remove_prefix(std::max(end, brace + 1));
    }
    return ids;
}

std::vector<std::int32_t> SplitNumbers(std::string_view text, std::size_t limit) {
    std::vector<std::int32_t> numbers;
    while (numbers.size() < limit) {
        const std::size_t comma = text.find(',');
        numbers.push_back(CKLFile::ParseDecimal(std::string(text.substr(0, comma)).c_str()));
        if (comma == std::string_view::npos) {
            break;
        }
        text.remove_prefix(comma + 1);
    }
    return numbers;
}

}  // namespace kw
