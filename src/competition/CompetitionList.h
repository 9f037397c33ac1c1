#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "competition/Competition.h"
#include "competition/DayOccupancy.h"

namespace kw {

class CKLFile;
class CCompetitionRegistry;

// A new node of a written kind (league, cup, round, pool); nothing for any other kind.
std::unique_ptr<CDBCompetition> CreateCompetition(int kind, std::uint32_t id,
                                                  std::uint32_t parentId);

// The nodes a country file carries, in their order: the leagues, then the relegation
// competitions and pools in ascending id, then the national cup, the league cups and the super
// cup.
std::vector<std::uint32_t> CountryCompetitionIds(const CCompetitionRegistry& registry, int country);

// The count of the nodes, then each in a section named by the prefix and its running number.
// Ids without a node are left out.
bool WriteCompetitionList(CKLFile& file, const CCompetitionRegistry& registry,
                          std::span<const std::uint32_t> ids, std::string_view prefix,
                          int exportCountry = kOwnCountry);
// Reads a list written that way: each node is created under the parent, entered in the
// registry (a node of the same id is replaced; roots never are) and read; league, cup and round
// nodes mark the occupancy tables when given. Returns the number of nodes entered.
int ReadCompetitionList(CKLFile& file, CCompetitionRegistry& registry, std::uint32_t parentId,
                        std::string_view prefix, SDayOccupancy* occupancy = nullptr);

// A country's nodes as "COMP%d" sections, and back under the country's root.
bool WriteCountryCompetitions(CKLFile& file, const CCompetitionRegistry& registry, int country,
                              int exportCountry = kOwnCountry);
int ReadCountryCompetitions(CKLFile& file, CCompetitionRegistry& registry, int country,
                            SDayOccupancy* occupancy = nullptr);

}  // namespace kw
