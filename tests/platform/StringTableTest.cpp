#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/Cp1252.h"
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

}  // namespace
