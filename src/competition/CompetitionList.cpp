#include "competition/CompetitionList.h"

#include <algorithm>
#include <string>

#include "competition/CompetitionRegistry.h"
#include "competition/CompetitionText.h"
#include "competition/Cup.h"
#include "competition/League.h"
#include "competition/Pool.h"
#include "competition/Round.h"
#include "storage/KLFile.h"

namespace kw {

namespace {

constexpr char kCountryPrefix[] = "COMP";
// Country files list leagues, relegation competitions and pools up to this index.
constexpr int kMaxListedIndex = 20;
// A count read from a file is only trusted this far: no file holds more nodes, and a damaged
// count must not keep the reader searching for sections for ages.
constexpr std::int32_t kMaxListCount = 10000;

}  // namespace

std::unique_ptr<CDBCompetition> CreateCompetition(int kind, std::uint32_t id,
                                                  std::uint32_t parentId) {
    switch (kind) {
        case kLeagueKind:
            return std::make_unique<CDBLeague>(id, parentId);
        case kCupKind:
            return std::make_unique<CDBCup>(id, parentId);
        case kRoundKind:
            return std::make_unique<CDBRound>(id, parentId);
        case kPoolKind:
            return std::make_unique<CDBPool>(id, parentId);
        default:
            return nullptr;
    }
}

std::vector<std::uint32_t> CountryCompetitionIds(const CCompetitionRegistry& registry,
                                                 int country) {
    std::vector<std::uint32_t> ids;
    const auto addRun = [&](int type) {
        for (int index = 0; index < kMaxListedIndex; ++index) {
            const std::uint32_t id = MakeCompetitionId(country, type, index);
            if (registry.Competition(id) == nullptr) {
                break;
            }
            ids.push_back(id);
        }
    };
    const auto addIfPresent = [&](int type, int index) {
        const std::uint32_t id = MakeCompetitionId(country, type, index);
        if (registry.Competition(id) != nullptr) {
            ids.push_back(id);
        }
    };
    addRun(kLeagueType);
    // Relegation ids are all below pool ids, so this is ascending id order.
    addRun(kRelegationType);
    addRun(kPoolType);
    addIfPresent(kFaCupType, 0);
    for (int index = 0; index < 4; ++index) {
        addIfPresent(kLeagueCupType, index);
    }
    addIfPresent(kSupercupType, 0);
    return ids;
}

bool WriteCompetitionList(CKLFile& file, const CCompetitionRegistry& registry,
                          std::span<const std::uint32_t> ids, std::string_view prefix,
                          int exportCountry) {
    std::vector<const CDBCompetition*> nodes;
    for (const std::uint32_t id : ids) {
        const CDBCompetition* node = registry.Competition(id);
        if (node != nullptr && node->Kind() != kRootKind) {
            nodes.push_back(node);
        }
    }
    bool ok = file.WriteNumber(static_cast<std::int32_t>(nodes.size()));
    for (std::size_t k = 0; ok && k < nodes.size(); ++k) {
        const std::string tag = std::string(prefix) + std::to_string(k);
        ok = file.BeginSection(tag) && nodes[k]->WriteText(file, registry, exportCountry) &&
             file.EndSection(tag);
    }
    return ok;
}

int ReadCompetitionList(CKLFile& file, CCompetitionRegistry& registry, std::uint32_t parentId,
                        std::string_view prefix, SDayOccupancy* occupancy) {
    std::int32_t count = 0;
    file.ReadNumber(count);
    count = std::clamp<std::int32_t>(count, 0, kMaxListCount);
    const int parentCountry = CompetitionCountry(parentId);
    int entered = 0;
    for (std::int32_t k = 0; k < count; ++k) {
        const std::string tag = std::string(prefix) + std::to_string(k);
        if (!file.FindSection(tag)) {
            continue;
        }
        std::string line;
        file.ReadLine(line);
        const int keyword = LookupKeyword(NodeKindKeywords(), line);
        line.clear();
        file.ReadLine(line);
        std::uint32_t id = ParseCompetitionId(line, parentCountry);

        std::unique_ptr<CDBCompetition> node;
        if (keyword == kSwitzerlandKeyword) {
            id = MakeCompetitionId(CompetitionCountry(id), kRelSwitzerlandType,
                                   CompetitionIndex(id));
            node = std::make_unique<CDBRelSwitzerland>(id, parentId);
        } else if (keyword >= kLegacyKeywordFirst && keyword <= kLegacyKeywordLast) {
            // Structures of older versions: read past, not kept.
            CDBCup legacy(id, parentId);
            legacy.ReadText(file, registry);
        } else {
            node = CreateCompetition(keyword, id, parentId);
        }
        // A root is never read from a list: an id that composes to one (a damaged line or a type
        // without a name) must not replace the tree's root.
        if (node != nullptr && CompetitionType(id) != kRootType) {
            CDBCompetition& entry = registry.RegisterCompetition(std::move(node));
            entry.ReadText(file, registry);
            ++entered;
            if (occupancy != nullptr && entry.Kind() != kPoolKind) {
                MarkDayOccupancy(entry, *occupancy, keyword == kSwitzerlandKeyword);
            }
        }
        file.SkipToSectionEnd(tag);
    }
    return entered;
}

bool WriteCountryCompetitions(CKLFile& file, const CCompetitionRegistry& registry, int country,
                              int exportCountry) {
    const std::vector<std::uint32_t> ids = CountryCompetitionIds(registry, country);
    return WriteCompetitionList(file, registry, ids, kCountryPrefix, exportCountry);
}

int ReadCountryCompetitions(CKLFile& file, CCompetitionRegistry& registry, int country,
                            SDayOccupancy* occupancy) {
    return ReadCompetitionList(file, registry, MakeCompetitionId(country, kRootType, 0),
                               kCountryPrefix, occupancy);
}

}  // namespace kw
