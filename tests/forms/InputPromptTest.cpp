#include <gtest/gtest.h>

#include <string>

#include "forms/InputPrompt.h"

namespace {

using kw::SInputPrompt;
using kw::SplitInputPrompt;

TEST(SplitInputPrompt, TabsSeparateCaptionPromptAndDefault) {
    EXPECT_EQ(SplitInputPrompt("Neue Datenbank erstellen\tWelchen Namen soll die neue Datenbank "
                               "bekommen?\tNeueDatenbank"),
              (SInputPrompt{"Neue Datenbank erstellen",
                            "Welchen Namen soll die neue Datenbank bekommen?", "NeueDatenbank"}));
    EXPECT_EQ(SplitInputPrompt("Titel\tFrage"), (SInputPrompt{"Titel", "Frage", ""}));
    EXPECT_EQ(SplitInputPrompt("\t\tVorgabe"), (SInputPrompt{"", "", "Vorgabe"}));
    EXPECT_EQ(SplitInputPrompt("a\tb\tc\td"), (SInputPrompt{"a", "b", "c"}));
}

TEST(SplitInputPrompt,
     ASourceWithoutTabSetsNeitherCaptionNorPromptAndAGivenDefaultReplacesTheThird) {
    EXPECT_EQ(SplitInputPrompt("Bitte einen Namen eingeben"), SInputPrompt{});
    EXPECT_EQ(SplitInputPrompt("Bitte einen Namen eingeben", "Name"),
              (SInputPrompt{"", "", "Name"}));
    EXPECT_EQ(SplitInputPrompt(""), SInputPrompt{});
    // A given default replaces the third piece.
    EXPECT_EQ(SplitInputPrompt("Titel\tFrage\tAlt", "Neu"),
              (SInputPrompt{"Titel", "Frage", "Neu"}));
    EXPECT_EQ(SplitInputPrompt("Titel\tFrage\tAlt", ""), (SInputPrompt{"Titel", "Frage", ""}));
    EXPECT_EQ(SplitInputPrompt("Titel\tFrage", "Neu"), (SInputPrompt{"Titel", "Frage", "Neu"}));
}

TEST(SplitInputPrompt, ReadsOnlyTheFirst4095Characters) {
    const SInputPrompt longPrompt = SplitInputPrompt("T\t" + std::string(5000, 'p') + "\tdef");
    EXPECT_EQ(longPrompt.caption, "T");
    EXPECT_EQ(longPrompt.prompt, std::string(4093, 'p'));
    EXPECT_EQ(longPrompt.defaultText, "");
    // The only tab lies beyond the cut.
    EXPECT_EQ(SplitInputPrompt(std::string(4095, 'x') + "\tFrage"), SInputPrompt{});
}

}  // namespace
