// The invented towns of the demo world. A town is an onset, a core and an ending of its name
// group's syllables, and every core carries the group's mark: letters that the spelling of the
// group's languages never writes, so no invented town is a town of that language and no club
// named after one, whatever its prefix, is a real club. The marks: German "üü" (German lengthens
// an umlaut with h, never by doubling it), English and Balkan "aa", Spanish "mm" (Spanish doubles
// only c, l, n and r), Portuguese and French "uu", Italian "oo", Dutch "ii" (Dutch writes a long i
// as ie or ij), Nordic "øø" (no language doubles ø), Slavic and South Asian "zz", Turkic "ee",
// Arabic and African "vv", East Asian "oa" (pinyin writes ua or ao, Korean wa), Japanese "l"
// (romanised Japanese has no l).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kw::demo {

struct STownSyllables {
    std::vector<std::string> onsets;
    std::vector<std::string> cores;
    std::vector<std::string> endings;
};

// `count` different towns, in the order drawn from a random source of the group's own (the same
// towns in every world); fewer only when the syllables cannot make as many.
std::vector<std::string> InventTowns(const STownSyllables& syllables, std::size_t count,
                                     std::uint32_t group);

}  // namespace kw::demo
