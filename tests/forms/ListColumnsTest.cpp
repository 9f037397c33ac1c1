#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "forms/ListColumns.h"

namespace {

using kw::CListColumns;
using kw::EColumnAlign;
using kw::SColumnSpan;
using kw::SListColumn;
using kw::SplitRowPieces;
using Pieces = std::vector<std::string_view>;

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

}  // namespace
