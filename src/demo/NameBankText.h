// The raw name banks: one entry per nationality group, each list a comma-separated UTF-8 text.
#pragma once

#include <span>

namespace kw::demo {

struct SNameBankText {
    const char* group;  // what the names are, for readers of the source
    const char* firstNames;
    const char* surnames;
    const char* femaleFirstNames;
    const char* cityNames;
};

std::span<const SNameBankText> NameBankTexts();

}  // namespace kw::demo
