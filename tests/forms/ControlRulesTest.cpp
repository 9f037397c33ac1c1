#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/ColourItemLayout.h"
#include "forms/InputPrompt.h"
#include "forms/ListColumns.h"
#include "forms/MessageList.h"
#include "forms/ScrollValue.h"
#include "forms/SpinEditValue.h"
#include "platform/StringTable.h"

namespace kw {
namespace {

using Pieces = std::vector<std::string_view>;

TEST(LayOutColourItem, SwatchTakesAQuarterOfTheInsetItemTheNameFollowsNeverNegative) {
    EXPECT_EQ(LayOutColourItem(SPixelRect{0, 0, 100, 20}),
              (SColourItemLayout{SPixelRect{2, 2, 24, 16}, SPixelRect{28, 4, 70, 14}}));
    EXPECT_EQ(LayOutColourItem(SPixelRect{10, 40, 202, 18}),
              (SColourItemLayout{SPixelRect{12, 42, 49, 14}, SPixelRect{63, 44, 147, 12}}));
    // Items smaller than the inset give empty parts, not negative ones.
    const SColourItemLayout layout = LayOutColourItem(SPixelRect{0, 0, 3, 3});
    EXPECT_EQ(layout.swatch.width, 0);
    EXPECT_EQ(layout.swatch.height, 0);
    EXPECT_EQ(layout.text.width, 0);
    EXPECT_EQ(layout.text.height, 0);
}

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

// A squad row: name, age and position code.
CListColumns SquadColumns() {
    CListColumns columns;
    columns.Set({SListColumn{0, 81, EColumnAlign::Left}, SListColumn{81, 177, EColumnAlign::Right},
                 SListColumn{177, 223, EColumnAlign::Centre}});
    return columns;
}

TEST(SplitRowPieces, SplitsAtTabsUpToTheNumberOfPiecesWanted) {
    EXPECT_EQ(SplitRowPieces("Kowarek\t24\tST", 3), (Pieces{"Kowarek", "24", "ST"}));
    EXPECT_EQ(SplitRowPieces("Kowarek\t24\tST", 2), (Pieces{"Kowarek", "24"}));
    EXPECT_EQ(SplitRowPieces("Kowarek", 3), (Pieces{"Kowarek"}));
    EXPECT_EQ(SplitRowPieces("a\t", 3), (Pieces{"a", ""}));
    EXPECT_EQ(SplitRowPieces("\t\t", 5), (Pieces{"", "", ""}));
    EXPECT_EQ(SplitRowPieces("a\tb", 0), Pieces{});
}

TEST(CListColumns, DrawsOnePiecePerColumnAndIgnoresTheRest) {
    const CListColumns columns = SquadColumns();
    EXPECT_EQ(columns.Pieces("Kowarek\t24\tST"), (Pieces{"Kowarek", "24", "ST"}));
    EXPECT_EQ(columns.Pieces("Kowarek\t24\tST\t88\tzu viel"), (Pieces{"Kowarek", "24", "ST"}));
    EXPECT_EQ(columns.Align(0), EColumnAlign::Left);
    EXPECT_EQ(columns.Align(1), EColumnAlign::Right);
    EXPECT_EQ(columns.Align(2), EColumnAlign::Centre);
    EXPECT_EQ(columns.Align(3), EColumnAlign::Left);
}

TEST(CListColumns, DialogUnitsAreQuartersOfTheAverageCharacterWidth) {
    // An average character 8 pixels wide: two pixels per unit.
    EXPECT_EQ(SquadColumns().Spans(8, 1000),
              (std::vector<SColumnSpan>{{0, 162}, {162, 354}, {354, 446}}));
    // Six pixels: one and a half per unit, rounded to the nearest pixel.
    EXPECT_EQ(SquadColumns().Spans(6, 1000),
              (std::vector<SColumnSpan>{{0, 122}, {122, 266}, {266, 335}}));
}

TEST(CListColumns, ColumnsBeyondTheListWidthAreCutOrEmpty) {
    const std::vector<SColumnSpan> narrow = SquadColumns().Spans(8, 400);
    EXPECT_EQ(narrow, (std::vector<SColumnSpan>{{0, 162}, {162, 354}, {354, 400}}));
    const std::vector<SColumnSpan> tiny = SquadColumns().Spans(8, 100);
    EXPECT_EQ(tiny[1], (SColumnSpan{100, 100}));
    EXPECT_TRUE(tiny[1].Empty());
    EXPECT_TRUE(tiny[2].Empty());

    CListColumns odd;
    odd.Set({SListColumn{50, 20, EColumnAlign::Left}, SListColumn{-10, 5, EColumnAlign::Left}});
    const std::vector<SColumnSpan> spans = odd.Spans(8, 1000);
    EXPECT_TRUE(spans[0].Empty());
    EXPECT_EQ(spans[1], (SColumnSpan{0, 10}));
    EXPECT_EQ(odd.Spans(8, -5)[1], (SColumnSpan{0, 0}));
}

TEST(CListColumns, KeepsAtMostAHundredColumnsAndWithoutAnyTheFirstPieceFillsTheRow) {
    CListColumns columns;
    columns.Set(std::vector<SListColumn>(150, SListColumn{0, 10, EColumnAlign::Left}));
    EXPECT_EQ(columns.Count(), 100u);
    EXPECT_EQ(columns.Spans(4, 100).size(), 100u);
    // Without columns the first piece fills the row.
    const CListColumns none;
    EXPECT_EQ(none.Pieces("Kowarek\t24"), (Pieces{"Kowarek"}));
    EXPECT_EQ(none.Spans(8, 300), (std::vector<SColumnSpan>{{0, 300}}));
}

TEST(CMessageList, SeparatesMessagesByOneLineFeed) {
    CMessageList list;
    list.AddText("Land 3");
    list.AppendText("Land ");
    list.AppendText("4");
    list.AddText("");
    list.AddMessage(ids::kErrorOccurred);
    EXPECT_EQ(list.Text(), "Land 3\nLand 4\nDer folgende Fehler ist aufgetreten!\n");
}

TEST(CMessageList, StopsGrowingOnceItHasReachedTheLimit) {
    CMessageList list;
    const std::string message(100, 'x');
    for (int i = 0; i < 12; ++i) {
        list.AddText(message);
    }
    // Ten messages give 1010 characters, so the eleventh still goes in and the twelfth not.
    EXPECT_EQ(std::count(list.Text().begin(), list.Text().end(), '\n'), 11);
    EXPECT_EQ(list.Text().size(), 11u * 101u);
}

TEST(CMessageList, ASingleAdditionMayCarryItPastTheLimitThenEveryKindIsIgnored) {
    CMessageList list;
    list.AppendText(std::string(1023, 'a'));
    list.AppendText("0123456789");
    EXPECT_EQ(list.Text().size(), 1033u);
    list.AppendText("b");
    list.AddText("c");
    list.AddMessage(ids::kErrorOccurred);
    EXPECT_EQ(list.Text().size(), 1033u);
    EXPECT_EQ(list.Text().back(), '9');
    // Exactly at the limit nothing more goes in.
    CMessageList full;
    full.AddText(std::string(1023, 'a'));
    ASSERT_EQ(full.Text().size(), 1024u);
    full.AppendText("b");
    EXPECT_EQ(full.Text().size(), 1024u);
}

constexpr auto kPlain = EScrollDirection::Plain;
constexpr auto kReversed = EScrollDirection::Reversed;

TEST(ScrollValue, PlainBarsGrowTowardsTheirEndAndStopAtBothEnds) {
    const SScrollRange range{0, 10, 3};
    EXPECT_EQ(ScrollValue(kPlain, EScrollAction::LineTowardsStart, range, 5, 0), 4);
    EXPECT_EQ(ScrollValue(kPlain, EScrollAction::LineTowardsEnd, range, 5, 0), 6);
    EXPECT_EQ(ScrollValue(kPlain, EScrollAction::PageTowardsStart, range, 5, 0), 2);
    EXPECT_EQ(ScrollValue(kPlain, EScrollAction::PageTowardsEnd, range, 5, 0), 8);
    EXPECT_EQ(ScrollValue(kPlain, EScrollAction::Thumb, range, 5, 7), 7);
    EXPECT_EQ(ScrollValue(kPlain, EScrollAction::ToStart, range, 5, 0), 0);
    EXPECT_EQ(ScrollValue(kPlain, EScrollAction::ToEnd, range, 5, 0), 10);
    // They stop at both ends.
    EXPECT_EQ(ScrollValue(kPlain, EScrollAction::LineTowardsStart, range, 0, 0), 0);
    EXPECT_EQ(ScrollValue(kPlain, EScrollAction::PageTowardsStart, range, 1, 0), 0);
    EXPECT_EQ(ScrollValue(kPlain, EScrollAction::LineTowardsEnd, range, 10, 0), 10);
    EXPECT_EQ(ScrollValue(kPlain, EScrollAction::PageTowardsEnd, range, 9, 0), 10);
    EXPECT_EQ(ScrollValue(kPlain, EScrollAction::Thumb, range, 5, 12), 10);
    EXPECT_EQ(ScrollValue(kPlain, EScrollAction::Thumb, range, 5, -1), 0);
}

// The contract-end bar: from the current year to 2015, the latest year at the top.
TEST(ScrollValue, ReversedBarsGrowTowardsTheirStartAndTheirThumbIsReversed) {
    const SScrollRange range{2006, 2015, 3};
    EXPECT_EQ(ScrollValue(kReversed, EScrollAction::LineTowardsStart, range, 2010, 0), 2011);
    EXPECT_EQ(ScrollValue(kReversed, EScrollAction::LineTowardsEnd, range, 2010, 0), 2009);
    EXPECT_EQ(ScrollValue(kReversed, EScrollAction::PageTowardsStart, range, 2010, 0), 2013);
    EXPECT_EQ(ScrollValue(kReversed, EScrollAction::PageTowardsEnd, range, 2010, 0), 2007);
    EXPECT_EQ(ScrollValue(kReversed, EScrollAction::ToStart, range, 2010, 0), 2015);
    EXPECT_EQ(ScrollValue(kReversed, EScrollAction::ToEnd, range, 2010, 0), 2006);
    EXPECT_EQ(ScrollValue(kReversed, EScrollAction::LineTowardsStart, range, 2015, 0), 2015);
    EXPECT_EQ(ScrollValue(kReversed, EScrollAction::PageTowardsEnd, range, 2007, 0), 2006);
    // A reversed thumb gives both ends of the range at both ends of the bar.
    EXPECT_EQ(ScrollValue(kReversed, EScrollAction::Thumb, range, 2010, 2006), 2015);
    EXPECT_EQ(ScrollValue(kReversed, EScrollAction::Thumb, range, 2010, 2015), 2006);
    EXPECT_EQ(ScrollValue(kReversed, EScrollAction::Thumb, range, 2010, 2008), 2013);
    const SScrollRange fromZero{0, 20, 5};
    EXPECT_EQ(ScrollValue(kReversed, EScrollAction::Thumb, fromZero, 3, 0), 20);
    EXPECT_EQ(ScrollValue(kReversed, EScrollAction::Thumb, fromZero, 3, 20), 0);
    EXPECT_EQ(ScrollValue(kReversed, EScrollAction::Thumb, fromZero, 3, 6), 14);
}

TEST(ThumbPosition, IsTheInverseOfTheThumbMappingForEveryValue) {
    for (const auto direction : {kPlain, kReversed}) {
        for (const SScrollRange range :
             {SScrollRange{0, 20, 5}, SScrollRange{2006, 2015, 3}, SScrollRange{-10, 10, 1}}) {
            for (int value = range.minimum; value <= range.maximum; ++value) {
                const int thumb = ThumbPosition(direction, range, value);
                EXPECT_GE(thumb, range.minimum);
                EXPECT_LE(thumb, range.maximum);
                EXPECT_EQ(ScrollValue(direction, EScrollAction::Thumb, range, 0, thumb), value);
            }
        }
    }
    EXPECT_EQ(ThumbPosition(kReversed, SScrollRange{2006, 2015, 3}, 2015), 2006);
    EXPECT_EQ(ThumbPosition(kPlain, SScrollRange{0, 10, 3}, 15), 10);
}

TEST(ScrollValue, PagesNearTheEndsOfTheIntRangeDoNotOverflow) {
    const SScrollRange range{INT_MIN, INT_MAX, 1000};
    EXPECT_EQ(ScrollValue(kPlain, EScrollAction::PageTowardsEnd, range, INT_MAX - 1, 0), INT_MAX);
    EXPECT_EQ(ScrollValue(kReversed, EScrollAction::PageTowardsEnd, range, INT_MIN + 1, 0),
              INT_MIN);
    EXPECT_EQ(ScrollValue(kReversed, EScrollAction::Thumb, range, 0, INT_MIN), INT_MAX);
}

TEST(ParseSpinText, ReadsLeadingDecimalNumbersHeldToTheIntRangeAndNoNumberAsZero) {
    EXPECT_EQ(ParseSpinText("150"), 150);
    EXPECT_EQ(ParseSpinText("  -7"), -7);
    EXPECT_EQ(ParseSpinText("+5"), 5);
    EXPECT_EQ(ParseSpinText("12abc"), 12);
    EXPECT_EQ(ParseSpinText("abc"), 0);
    EXPECT_EQ(ParseSpinText(""), 0);
    EXPECT_EQ(ParseSpinText("-"), 0);
    EXPECT_EQ(ParseSpinText("0x1F"), 0);
    // Numbers beyond the int range give its nearer end instead of wrapping.
    EXPECT_EQ(ParseSpinText("2147483647"), INT_MAX);
    EXPECT_EQ(ParseSpinText("-2147483648"), INT_MIN);
    EXPECT_EQ(ParseSpinText("2147483648"), INT_MAX);
    EXPECT_EQ(ParseSpinText("99999999999"), INT_MAX);
    EXPECT_EQ(ParseSpinText("-99999999999"), INT_MIN);
    EXPECT_EQ(ParseSpinText(std::string(60, '9')), INT_MAX);
    // Only the first sixty-three characters are read.
    EXPECT_EQ(ParseSpinText(std::string(62, ' ') + "5"), 5);
    EXPECT_EQ(ParseSpinText(std::string(63, ' ') + "5"), 0);
    EXPECT_EQ(ParseSpinText(std::string(61, ' ') + "1234"), 12);
}

TEST(ClampToSpinRange, ClampsIntoTheRangeWhicheverBoundIsTheLarger) {
    EXPECT_EQ(ClampToSpinRange(150, 0, 99), 99);
    EXPECT_EQ(ClampToSpinRange(-5, 0, 99), 0);
    EXPECT_EQ(ClampToSpinRange(50, 0, 99), 50);
    // Minimum above maximum: above the minimum gives the minimum, below the maximum the maximum.
    EXPECT_EQ(ClampToSpinRange(300, 220, 150), 220);
    EXPECT_EQ(ClampToSpinRange(100, 220, 150), 150);
    EXPECT_EQ(ClampToSpinRange(180, 220, 150), 180);
    EXPECT_EQ(ClampToSpinRange(7, 5, 5), 5);
}

TEST(ClampedEditValue, GivesTheNearerBoundOnlyForNumbersOutsideTheRange) {
    EXPECT_EQ(ClampedEditValue("150", 0, 99), 99);
    EXPECT_EQ(ClampedEditValue("-1", 0, 99), 0);
    EXPECT_EQ(ClampedEditValue("50", 0, 99), std::nullopt);
    EXPECT_EQ(ClampedEditValue("99", 0, 99), std::nullopt);
    EXPECT_EQ(ClampedEditValue("abc", 150, 220), 150);
    EXPECT_EQ(ClampedEditValue("-3", 99, 0), 0);
    EXPECT_EQ(ClampedEditValue("99999999999", 0, 99), 99);
}

TEST(CSpinEditValue, StartsAtZeroInTheRangeZeroToHundredAndARangeKeepsTheStoredValue) {
    CSpinEditValue spin;
    EXPECT_EQ(spin.Value(), 0);
    EXPECT_EQ(spin.Minimum(), 0);
    EXPECT_EQ(spin.Maximum(), 100);
    EXPECT_EQ(spin.SetValue(0), std::nullopt);
    EXPECT_EQ(spin.SetValue(101), 100);
    // Setting the range keeps the stored value.
    spin.SetRange(0, 50);
    EXPECT_EQ(spin.Value(), 100);
    EXPECT_EQ(spin.SetValue(79), 50);
}

TEST(CSpinEditValue, EqualValuesChangeNothingAndClampingComesAfterTheComparison) {
    CSpinEditValue spin;
    spin.SetRange(0, 99);
    EXPECT_EQ(spin.SetValue(99), 99);
    EXPECT_EQ(spin.SetValue(99), std::nullopt);
    // A typed 150 differs from the stored 99, so it is announced although clamping gives 99 back.
    EXPECT_EQ(spin.SetValue(150), 99);
    EXPECT_EQ(spin.Value(), 99);
    EXPECT_EQ(spin.SetValue(ParseSpinText("99999999999")), 99);
    EXPECT_EQ(spin.SetValue(ParseSpinText("abc")), 0);
    EXPECT_EQ(spin.Value(), 0);
}

TEST(CSpinEditValue, AnEmptyFieldTakesAnyValueAndStaysEmptyWhileOnlyBlanksAreTyped) {
    CSpinEditValue spin;
    ASSERT_EQ(spin.SetValue(7), 7);
    spin.Clear();
    EXPECT_TRUE(spin.IsEmpty());
    EXPECT_TRUE(spin.StaysEmpty(""));
    EXPECT_TRUE(spin.StaysEmpty(" \t"));
    EXPECT_FALSE(spin.StaysEmpty("0"));
    // The value stored before the field was emptied is shown again when set.
    EXPECT_EQ(spin.SetValue(7), 7);
    EXPECT_FALSE(spin.IsEmpty());
    EXPECT_FALSE(spin.StaysEmpty(""));
    EXPECT_EQ(spin.SetValue(7), std::nullopt);
}

TEST(CSpinEditValue, ArrowsStepTowardsTheirBoundAndStopThere) {
    CSpinEditValue spin;
    spin.SetRange(150, 220);
    ASSERT_EQ(spin.SetValue(220), 220);
    EXPECT_EQ(spin.SetValue(spin.ArrowValue(spin.Value(), ESpinArrow::Up)), 220);
    EXPECT_EQ(spin.Value(), 220);
    EXPECT_EQ(spin.SetValue(spin.ArrowValue(spin.Value(), ESpinArrow::Down)), 219);
    // The arrows start from the number shown, not from the one stored.
    EXPECT_EQ(spin.ArrowValue(160, ESpinArrow::Up), 161);

    // With the bounds the other way round, up still moves towards the maximum.
    spin.SetRange(220, 150);
    EXPECT_EQ(spin.ArrowValue(200, ESpinArrow::Up), 199);
    EXPECT_EQ(spin.ArrowValue(200, ESpinArrow::Down), 201);

    spin.SetRange(INT_MIN, INT_MAX);
    EXPECT_EQ(spin.ArrowValue(INT_MAX, ESpinArrow::Up), INT_MAX);
    EXPECT_EQ(spin.ArrowValue(INT_MIN, ESpinArrow::Down), INT_MIN);
}

}  // namespace
}  // namespace kw
