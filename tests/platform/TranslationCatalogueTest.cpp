// The English catalogue against its German sources: a translation that loses a printf conversion
// would make a formatted text read the wrong arguments, one that loses a Qt placeholder, a
// mnemonic or the spaces around a text would show a broken caption.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include "platform/StringTable.h"

namespace {

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

}  // namespace
