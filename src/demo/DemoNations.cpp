#include "demo/DemoNations.h"

#include <cstddef>

#include "demo/DemoTowns.h"
#include "demo/NameBankText.h"
#include "demo/TransliteratedText.h"

namespace kw::demo {

namespace {

struct SNationRow {
    std::array<const char*, 5> names;
    const char* code;
    int continent;
    int language;
};

constexpr SNationRow kNationRows[] = {
#include "demo/NationTable.inc"
};

enum EBank {
    kGerman,
    kEnglish,
    kSpanish,
    kPortuguese,
    kFrench,
    kItalian,
    kDutch,
    kNordic,
    kSlavic,
    kBalkan,
    kTurkic,
    kArabic,
    kAfrican,
    kEastAsian,
    kJapanese,
    kSouthAsian,
};

// Indexed by the position in the editor's language list, from 0 " keine" to 62 "Usbekisch".
constexpr EBank kBankOfLanguage[kNationLanguageCount] = {
    kEnglish,    kAfrican,    kBalkan,     kAfrican,    kArabic,     kSlavic,     kBalkan,
    kBalkan,     kTurkic,     kEastAsian,  kBalkan,     kSlavic,     kNordic,     kDutch,
    kEnglish,    kSlavic,     kNordic,     kFrench,     kSlavic,     kGerman,     kBalkan,
    kEnglish,    kSouthAsian, kSlavic,     kNordic,     kItalian,    kJapanese,   kAfrican,
    kEastAsian,  kSlavic,     kSlavic,     kBalkan,     kSouthAsian, kItalian,    kNordic,
    kArabic,     kSlavic,     kPortuguese, kBalkan,     kSlavic,     kBalkan,     kSlavic,
    kBalkan,     kSpanish,    kSouthAsian, kTurkic,     kSlavic,     kSouthAsian, kNordic,
    kArabic,     kSouthAsian, kSouthAsian, kTurkic,     kSouthAsian, kSouthAsian, kEastAsian,
    kSouthAsian, kSpanish,    kEnglish,    kSouthAsian, kSouthAsian, kTurkic,     kTurkic,
};

std::vector<SNation> BuildNations() {
    std::vector<SNation> nations;
    nations.reserve(std::size(kNationRows));
    for (const SNationRow& row : kNationRows) {
        SNation& nation = nations.emplace_back();
        for (std::size_t language = 0; language < row.names.size(); ++language) {
            nation.names[language] = row.names[language];
        }
        nation.code = row.code;
        nation.continent = row.continent;
        nation.language = row.language;
        nation.nameGroup = NameGroupOfLanguage(row.language);
    }
    return nations;
}

std::vector<SNameBank> BuildNameBanks() {
    std::vector<SNameBank> banks;
    for (const SNameBankText& text : NameBankTexts()) {
        const STownSyllables syllables = {SplitTransliterated(text.townOnsets),
                                          SplitTransliterated(text.townCores),
                                          SplitTransliterated(text.townEndings)};
        SNameBank& bank = banks.emplace_back();
        bank.firstNames = SplitTransliterated(text.firstNames);
        bank.surnames = SplitTransliterated(text.surnames);
        bank.cityNames = InventTowns(syllables, static_cast<std::size_t>(text.townCount),
                                     static_cast<std::uint32_t>(banks.size() - 1));
        bank.femaleFirstNames = SplitTransliterated(text.femaleFirstNames);
    }
    return banks;
}

const std::vector<SNameBank>& NameBanks() {
    static const std::vector<SNameBank> banks = BuildNameBanks();
    return banks;
}

}  // namespace

const std::vector<SNation>& Nations() {
    static const std::vector<SNation> nations = BuildNations();
    return nations;
}

int NameBankCount() {
    return static_cast<int>(NameBanks().size());
}

const SNameBank& NameBank(int group) {
    const std::vector<SNameBank>& banks = NameBanks();
    return group >= 0 && group < static_cast<int>(banks.size()) ? banks[group] : banks[kEnglish];
}

int NameGroupOfLanguage(int language) {
    return language >= 0 && language < kNationLanguageCount ? kBankOfLanguage[language] : kEnglish;
}

}  // namespace kw::demo
