// The raw name banks: one entry per nationality group, each list a comma-separated UTF-8 text.
#pragma once

#include <span>

namespace kw::demo {

struct SNameBankText {
    const char* group;  // what the names are, for readers of the source
    const char* firstNames;
    const char* surnames;
    const char* femaleFirstNames;
    // The syllables of the group's invented towns (DemoTowns.h): every core carries the group's
    // mark, letters the spelling of its languages never writes.
    const char* townOnsets;
    const char* townCores;
    const char* townEndings;
    int townCount;  // how many towns the group's countries share
};

std::span<const SNameBankText> NameBankTexts();

}  // namespace kw::demo
