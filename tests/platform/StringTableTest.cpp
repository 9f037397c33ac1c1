#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <string>

#include "platform/Cp1252.h"
#include "platform/ResourceTable.h"
#include "platform/StringTable.h"

namespace {

using kw::FormatPrintf;
using kw::ResourceString;

// The texts themselves are pinned where they are shown; here only that they end in a zero.
TEST(StringTable, KnownIdsHaveATextUnknownOnesAnEmptyOneAllZeroTerminated) {
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
}

TEST(StringTable, TextsAreWindows1252Bytes) {
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
}

TEST(StringTable, ResourceFormatsWorkWithPrintfWithoutCuttingTheResult) {
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

TEST(ResourceTable, TranslatesShownRowsOnlyAndKeepsEarlierViewsValid) {
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
}

TEST(ResourceTable, KeepsTheGermanWhereATranslationBreaksTheFormatOrIsEmpty) {
    kw::CResourceTable table(kRows);
    table.Translate([](std::string_view, std::string_view text) {
        return text == "Spieler" ? std::string() : std::string("%d clubs of %s");
    });
    EXPECT_EQ(*table.Find(1), "Spieler");
    EXPECT_EQ(*table.Find(2), "Verein %s hat %d Spieler");
}

TEST(ResourceTable, InstalledTranslatorReachesTablesMadeBeforeAndAfter) {
    kw::CResourceTable before(kRows);
    kw::InstallResourceTranslator(Marking("!"));
    const kw::CResourceTable after(kRows);
    EXPECT_EQ(*before.Find(1), "Spieler!");
    EXPECT_EQ(*after.Find(1), "Spieler!");
    EXPECT_EQ(*after.Find(3), "Neuer Wettbewerb");
    kw::InstallResourceTranslator({});
    EXPECT_EQ(*before.Find(1), "Spieler");
    EXPECT_EQ(*after.Find(1), "Spieler");
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
