#include "editing/PersonPlacement.h"

#include <cstdint>
#include <cstdio>
#include <unordered_map>

#include "model/Club.h"
#include "model/Country.h"
#include "model/World.h"
#include "storage/Identifiers.h"

namespace kw {

namespace {

std::string Hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%08X", value);
    return text;
}

}  // namespace

std::vector<std::string> PersonPlacementFaults(const CWorld& world) {
    std::vector<std::string> faults;
    std::unordered_map<std::uint32_t, int> listed;
    const auto note = [&](std::uint32_t personId, const std::string& where) {
        ++listed[personId];
        if (world.Person(personId) == nullptr) {
            faults.push_back(where + " lists person " + std::to_string(personId) +
                             ", which does not exist");
        }
    };
    for (int number = 1; number <= kCountryCount; ++number) {
        for (const auto& entry : world.Country(number).Clubs()) {
            for (const std::uint32_t id : entry.second->PersonIds()) {
                note(id, "club " + Hex(entry.first));
            }
        }
    }
    for (const std::uint32_t id : world.WithoutClub().Ids()) {
        note(id, "the players without club");
    }
    for (const auto& entry : world.Persons()) {
        const auto found = listed.find(entry.first);
        const int count = found == listed.end() ? 0 : found->second;
        if (count != 1) {
            faults.push_back("person " + std::to_string(entry.first) + " is listed " +
                             std::to_string(count) + " times");
        }
    }
    return faults;
}

}  // namespace kw
