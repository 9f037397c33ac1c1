#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <ostream>
#include <regex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <cstdint>
#include <numeric>
#include "platform/Cp1252.h"
#include "platform/LEcuyerRandom.h"
#include "platform/Random.h"
#include "platform/ResourceTable.h"
#include "platform/StringTable.h"

namespace {

using kw::Cp1252ToCodePoint;
using kw::Cp1252ToUtf8;
using kw::FormatPrintf;
using kw::IsRepresentableInCp1252;
using kw::ResourceString;
using kw::Utf8ToCp1252;

TEST(Cp1252, EveryByteRoundTripsAndTextWithoutCodeBecomesQuestionMarks) {
    std::string all;
    std::set<char32_t> codePoints;
    for (int byte = 0; byte < 256; ++byte) {
        all += static_cast<char>(byte);
        const char32_t codePoint = Cp1252ToCodePoint(static_cast<unsigned char>(byte));
        codePoints.insert(codePoint);
        EXPECT_EQ(kw::CodePointToCp1252(codePoint), byte);
    }
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
    EXPECT_EQ(codePoints.size(), 256u) << "two bytes share a code point";
    // The five codes Windows-1252 leaves undefined map to the C1 control of the same value.
    const std::pair<char, std::string> cases[] = {
        {'\x80', "€"},        {'\xE4', "ä"},        {'\x9F', "Ÿ"},        {'\x8A', "Š"},
        {'\x99', "™"},        {'\x85', "…"},        {'\x93', "“"},        {'\xDF', "ß"},
        {'\xA0', "\u00A0"},   {'\xFF', "ÿ"},        {'\x81', "\xC2\x81"}, {'\x8D', "\xC2\x8D"},
        {'\x8F', "\xC2\x8F"}, {'\x90', "\xC2\x90"}, {'\x9D', "\xC2\x9D"},
    };
    for (const auto& [byte, utf8] : cases) {
        EXPECT_EQ(Cp1252ToUtf8(std::string(1, byte)), utf8);
        EXPECT_EQ(Utf8ToCp1252(utf8), std::string(1, byte)) << utf8;
    }
    // One '?' per character without a code and per malformed sequence.
    const std::pair<std::string, std::string> malformed[] = {
        {"a中b", "a?b"},
        {"\xF0\x9F\x98\x80", "?"},  // one four-byte character
        {"\xC2\x80", "?"},          // U+0080: 0x80 is the euro sign
        {"Ā", "?"},
        {"\x80", "?"},
        {"a\xC3", "a?"},  // cut at the end
        {"\xE2\x82"
         "A",
         "?A"},                        // cut before an ASCII letter
        {"\xC0\xAF", "??"},            // overlong '/'
        {"\xE0\x80\xAF", "???"},       // overlong three-byte form
        {"\xED\xA0\x80", "???"},       // surrogate
        {"\xF4\x90\x80\x80", "????"},  // above U+10FFFF
        {"\xFF\xFE", "??"},
        {std::string("a\0b", 3), std::string("a\0b", 3)},
    };
    for (const auto& [utf8, cp1252] : malformed) {
        EXPECT_EQ(Utf8ToCp1252(utf8), cp1252) << utf8;
    }
    EXPECT_EQ(kw::CodePointToCp1252(0x80), -1);
    EXPECT_EQ(kw::CodePointToCp1252(0x110000), -1);
    // Directory names that cannot be shown.
    EXPECT_TRUE(IsRepresentableInCp1252(""));
    EXPECT_TRUE(IsRepresentableInCp1252("/home/jürgen/Eigene Dateien/Straße €"));
    EXPECT_FALSE(IsRepresentableInCp1252("/home/用户/Documents"));
    EXPECT_FALSE(IsRepresentableInCp1252("/home/\xC3"));  // broken UTF-8 cannot be shown either
    EXPECT_FALSE(IsRepresentableInCp1252("/tmp/\xC2\x80"));
}

// The texts themselves are pinned where they are shown; here only that they end in a zero.
TEST(StringTable, KnownIdsHaveAZeroTerminatedWindows1252TextUnknownOnesAnEmptyOne) {
    for (const int id : {kw::ids::kFirstLeague, kw::ids::kSaveChanges, kw::ids::kDateFormat}) {
        const std::string_view text = ResourceString(id);
        EXPECT_FALSE(text.empty()) << id;
        EXPECT_EQ(text.data()[text.size()], '\0') << id;
    }
    for (const int id : {-1, 0, 516, 519, 828, 19999, 29999}) {
        const std::string_view text = ResourceString(id);
        EXPECT_TRUE(text.empty()) << id;
        ASSERT_NE(text.data(), nullptr) << id;
        EXPECT_EQ(text.data()[0], '\0');
    }
    // The texts are Windows-1252 bytes.
    const std::string_view changes = ResourceString(kw::ids::kSaveChanges);
    EXPECT_NE(changes.find("enth\xE4lt \xC4nderungen"), std::string_view::npos);
    EXPECT_EQ(changes.find('\xC3'), std::string_view::npos) << "UTF-8 left in the table";
    EXPECT_EQ(kw::Cp1252ToUtf8(ResourceString(kw::ids::kUnicodeDirectory)),
              "Das aktuelle Verzeichnis oder das \"Eigene Dokumente\" Verzeichnis enthält "
              "Unicodezeichen. Der Editor unterstütz Unicode Verzeichnisnamen nicht.");
    EXPECT_NE(ResourceString(kw::ids::kDatabaseExists)
                  .find("\xFC"
                        "berschrieben"),
              std::string_view::npos);
    // Resource formats work with printf, which does not cut the result.
    EXPECT_EQ(FormatPrintf(ResourceString(kw::ids::kElapsedTimes).data(), 1, 5, 12, 7),
              "Verstrichene Zeit: 1:05 / Gesch\xE4tzte Zeit:12:07");
    EXPECT_EQ(FormatPrintf(ResourceString(kw::ids::kSavePhase).data(), 1, "Deutschland"),
              "Phase 1: Exportiere Deutschland...");
    const std::string longText(100000, 'x');
    const std::string formatted = FormatPrintf("%s|%d", longText.c_str(), 42);
    ASSERT_EQ(formatted.size(), longText.size() + 3);
    EXPECT_EQ(formatted.substr(longText.size()), "|42");
    EXPECT_EQ(std::strlen(formatted.c_str()), formatted.size());
    EXPECT_EQ(FormatPrintf("%s", ""), "");
}

// A German text, its translation, and whether the translation may replace it.
struct SFormatPair {
    const char* german;
    const char* translated;
    bool same;
};

std::ostream& operator<<(std::ostream& out, const SFormatPair& pair) {
    return out << '"' << pair.german << "\" / \"" << pair.translated << '"';
}

class SamePrintfConversions : public testing::TestWithParam<SFormatPair> {};

TEST_P(SamePrintfConversions, ComparesTheConversionsInOrder) {
    const SFormatPair& pair = GetParam();
    EXPECT_EQ(kw::SamePrintfConversions(pair.german, pair.translated), pair.same);
    EXPECT_EQ(kw::SamePrintfConversions(pair.translated, pair.german), pair.same);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, SamePrintfConversions,
    testing::Values(SFormatPair{"Phase %i: Exportiere %s...", "Phase %i: exporting %s...", true},
                    SFormatPair{"Der Verein %s hat %d", "Club %s has %d", true},
                    SFormatPair{"Der Verein %s hat %d", "%d clubs have %s", false},
                    SFormatPair{"Die Datei %s fehlt", "The file is missing", false},
                    SFormatPair{"Keine Datei", "No file %s", false},
                    SFormatPair{"%s Trainer", "%s Coach %s", false},
                    SFormatPair{"100%% sicher %s", "%s 100%% sure", true},
                    SFormatPair{"100%% sicher", "100% sure", false},  // "% s" is a conversion
                    SFormatPair{"Zeit: %i:%.2i", "Time: %i:%02i", false},
                    SFormatPair{"%02d.%02d.", "%02d/%02d", true},
                    SFormatPair{"%-10s|", "%10s|", false},
                    SFormatPair{"%ld Spieler", "%d players", false},
                    SFormatPair{"%1$s und %2$s", "%1$s and %2$s", true},
                    SFormatPair{"%4 %1/%2", "%1/%2 %4", true},  // Qt's placeholders are none
                    SFormatPair{"50%", "50 %", true}));

const kw::SResourceRow kRows[] = {
    {1, KW_RESOURCE_TEXT("kw::Resource", "Spieler")},
    {2, KW_RESOURCE_TEXT("kw::Resource", "Verein %s hat %d Spieler")},
    {3, "Neuer Wettbewerb", kw::ERowUse::kData},
};

kw::ResourceTranslator Marking(std::string marker) {
    return [marker](std::string_view context, std::string_view text) {
        EXPECT_EQ(context, "kw::Resource");
        return std::string(text) + marker;
    };
}

TEST(ResourceTable, TranslatesShownRowsOnlyWhereTheFormatStaysAndKeepsEarlierViewsValid) {
    kw::CResourceTable table(kRows);
    const std::string_view before = *table.Find(1);
    table.Translate(Marking(" ä"));
    EXPECT_EQ(*table.Find(1), "Spieler \xE4");
    EXPECT_EQ(*table.Find(2), "Verein %s hat %d Spieler \xE4");
    EXPECT_EQ(*table.Find(3), "Neuer Wettbewerb");
    EXPECT_EQ(table.Find(4), std::nullopt);
    EXPECT_EQ(before, "Spieler");
    EXPECT_EQ(table.Find(1)->data()[table.Find(1)->size()], '\0');
    table.Translate({});
    EXPECT_EQ(*table.Find(1), "Spieler");
    // The German stays where a translation breaks the format or is empty.
    table.Translate([](std::string_view, std::string_view text) {
        return text == "Spieler" ? std::string() : std::string("%d clubs of %s");
    });
    EXPECT_EQ(*table.Find(1), "Spieler");
    EXPECT_EQ(*table.Find(2), "Verein %s hat %d Spieler");

    // An installed translator reaches tables made before and after.
    const kw::CResourceTable earlier(kRows);
    kw::InstallResourceTranslator(Marking("!"));
    const kw::CResourceTable after(kRows);
    EXPECT_EQ(*earlier.Find(1), "Spieler!");
    EXPECT_EQ(*after.Find(1), "Spieler!");
    EXPECT_EQ(*after.Find(3), "Neuer Wettbewerb");
    kw::InstallResourceTranslator({});
    EXPECT_EQ(*earlier.Find(1), "Spieler");
    EXPECT_EQ(*after.Find(1), "Spieler");
}

// The English catalogue against its German sources: a translation that loses a printf conversion
// would make a formatted text read the wrong arguments, one that loses a Qt placeholder, a
// mnemonic or the spaces around a text would show a broken caption.
struct SMessage {
    std::string source;
    std::string translation;
};

std::string Unescaped(std::string text) {
    static const std::pair<const char*, const char*> kEntities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& [entity, character] : kEntities) {
        for (std::size_t at = text.find(entity); at != std::string::npos;
             at = text.find(entity, at + 1)) {
            text.replace(at, std::strlen(entity), character);
        }
    }
    return text;
}

// The messages of lupdate's file: a source, perhaps a comment, then the translation (or its
// plural forms, of which the first is compared).
std::vector<SMessage> Messages(const char* path) {
    std::ifstream file(path, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(file), {}};
    static const std::regex kMessage(
        "<source>([^<]*)</source>(?:\\s*<comment>[^<]*</comment>)?\\s*<translation[^>]*>"
        "(?:\\s*<numerusform>)?([^<]*)");
    std::vector<SMessage> messages;
    for (auto m = std::sregex_iterator(text.begin(), text.end(), kMessage);
         m != std::sregex_iterator(); ++m) {
        messages.push_back({Unescaped((*m)[1]), Unescaped((*m)[2])});
    }
    return messages;
}

std::vector<std::string> Matches(const std::string& text, const std::regex& pattern) {
    std::vector<std::string> found;
    for (auto m = std::sregex_iterator(text.begin(), text.end(), pattern);
         m != std::sregex_iterator(); ++m) {
        found.push_back(m->str());
    }
    std::sort(found.begin(), found.end());
    return found;
}

std::size_t Mnemonics(const std::string& text) {
    static const std::regex kMnemonic("&(?!&)[^&\\s]");
    return Matches(text, kMnemonic).size();
}

std::string Edge(const std::string& text, bool front) {
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\n'; };
    const auto inner = front ? std::find_if_not(text.begin(), text.end(), isSpace) - text.begin()
                             : text.rend() - std::find_if_not(text.rbegin(), text.rend(), isSpace);
    return front ? text.substr(0, static_cast<std::size_t>(inner))
                 : text.substr(static_cast<std::size_t>(inner));
}

TEST(TranslationCatalogue, EveryTranslationKeepsTheFormOfItsSource) {
    const std::vector<SMessage> messages = Messages(KW_TRANSLATIONS_FILE);
    ASSERT_GT(messages.size(), 1000u);
    static const std::regex kQtPlaceholder("%(?:L?[1-9][0-9]?|n)");
    for (const SMessage& m : messages) {
        SCOPED_TRACE(m.source + " -> " + m.translation);
        EXPECT_FALSE(m.translation.empty());
        EXPECT_TRUE(kw::SamePrintfConversions(m.source, m.translation));
        EXPECT_EQ(Matches(m.translation, kQtPlaceholder), Matches(m.source, kQtPlaceholder));
        EXPECT_EQ(Mnemonics(m.translation), Mnemonics(m.source));
        EXPECT_EQ(Edge(m.translation, true), Edge(m.source, true));
        EXPECT_EQ(Edge(m.translation, false), Edge(m.source, false));
        // Tabs separate the parts of a list row or a prompt.
        EXPECT_EQ(std::count(m.translation.begin(), m.translation.end(), '\t'),
                  std::count(m.source.begin(), m.source.end(), '\t'));
    }
}

std::vector<int> Drawn(kw::CRandom& random, int count) {
    std::vector<int> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(random.Next());
    }
    return values;
}

// x = x * 214013 + 2531011 (mod 2^32), bits 16 to 30; the values were computed independently.
// Seeds are reproducible up to the top bit, and generators share nothing.
TEST(Random, DrawsTheWellKnownSequenceAndSeedsReproduceIt) {
    kw::CRandom random;
    const std::vector<int> drawn = Drawn(random, 100000);
    EXPECT_EQ(std::vector<int>(drawn.begin(), drawn.begin() + 5),
              (std::vector<int>{41, 18467, 6334, 26500, 19169}));
    EXPECT_EQ(drawn.back(), 1629);
    EXPECT_EQ(std::accumulate(drawn.begin(), drawn.end(), 0LL), 1643186939LL);
    const auto [lowest, highest] = std::minmax_element(drawn.begin(), drawn.end());
    EXPECT_GE(*lowest, 0);
    EXPECT_LE(*highest, 0x7FFF);

    random.Reset(0xFFFFFFFFu);
    EXPECT_EQ(Drawn(random, 5), (std::vector<int>{35, 29739, 3374, 11141, 31308}));
    random.Reset(12345);
    const std::vector<int> first = Drawn(random, 10);
    kw::CRandom other(12345);
    random.Reset(12345);
    random.Next();
    EXPECT_EQ(Drawn(other, 10), first);
}

// The same generator in 32-bit arithmetic with Schrage's decomposition, as the classic
// descriptions give it: an independent check of the 64-bit products.
class CSchrageReference {
public:
    std::int32_t Next() {
        m_first = Step(m_first, 40014, 53668, 12211, 2147483563);
        m_second = Step(m_second, 40692, 52774, 3791, 2147483399);
        std::int32_t z = m_first - m_second;
        if (z < 1) {
            z += 2147483562;
        }
        return z;
    }

private:
    static std::int32_t Step(std::int32_t s, std::int32_t a, std::int32_t q, std::int32_t r,
                             std::int32_t m) {
        const std::int32_t k = s / q;
        s = a * (s - k * q) - k * r;
        return s < 0 ? s + m : s;
    }

    std::int32_t m_first = 1;
    std::int32_t m_second = 1;
};

// From states of one, 40014 - 40692 is below 1, so the modulus minus one is added. Numbers below
// n use the high bits, and every call draws.
TEST(LEcuyerRandom, MatchesSchragesDecompositionAndBelowUsesTheHighBits) {
    kw::CLEcuyerRandom random;
    EXPECT_EQ(random.Next(), 40014 - 40692 + 2147483562);
    EXPECT_EQ(random.Next(),
              40014 * 40014 % 2147483563 - 40692LL * 40692 % 2147483399 + 2147483562);
    random.Reset();
    CSchrageReference reference;
    for (int i = 0; i < 200000; ++i) {
        const std::int32_t expected = reference.Next();
        ASSERT_EQ(random.Next(), expected) << "draw " << i;
        ASSERT_GE(expected, 1);
        ASSERT_LE(expected, 2147483562);
    }
    for (int n : {11, 1, 0, 43, 2, 100}) {
        const std::int32_t value = reference.Next();
        EXPECT_EQ(random.Below(n), n < 2 ? 0 : (value >> 16) % n) << "n = " << n;
    }
}

}  // namespace

TEST(ShownText, FollowsTheInstalledTranslatorAndKeepsTheViewsHandedOut) {
    const std::string_view german = kw::ShownText("kw::Test", "Gäste");
    EXPECT_EQ(german, "G\xE4ste");
    kw::InstallResourceTranslator([](std::string_view context, std::string_view text) {
        if (context != "kw::Test") {
            return std::string(text);
        }
        return std::string(text == "Gäste" ? "Away" : "%d of %s");
    });
    EXPECT_EQ(kw::ShownText("kw::Test", "Gäste"), "Away");
    EXPECT_EQ(kw::ShownText("kw::Test", "%s: %d"), "%s: %d");
    kw::InstallResourceTranslator({});
    EXPECT_EQ(kw::ShownText("kw::Test", "Gäste"), "G\xE4ste");
    EXPECT_EQ(german, "G\xE4ste");
}
