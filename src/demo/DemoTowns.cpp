#include "demo/DemoTowns.h"

#include <set>

#include "demo/DemoRandom.h"

namespace kw::demo {

namespace {

// The towns do not depend on the world's seed: they are the map the worlds share.
constexpr std::uint32_t kTownSeed = 0x544F574E;

}  // namespace

std::vector<std::string> InventTowns(const STownSyllables& syllables, std::size_t count,
                                     std::uint32_t group) {
    CDemoRandom random(kTownSeed, group);
    std::vector<std::string> towns;
    std::set<std::string> taken;
    const std::size_t combinations =
        syllables.onsets.size() * syllables.cores.size() * syllables.endings.size();
    // Drawing stops at the latest when the draws could have found every combination many times.
    for (std::size_t draw = 0; towns.size() < count && draw < combinations * 20; ++draw) {
        const std::string& onset = random.Pick(syllables.onsets);
        const std::string& core = random.Pick(syllables.cores);
        const std::string& ending = random.Pick(syllables.endings);
        std::string town = onset + core + ending;
        if (taken.insert(town).second) {
            towns.push_back(std::move(town));
        }
    }
    return towns;
}

}  // namespace kw::demo
