#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "forms/MessageList.h"
#include "platform/StringTable.h"

namespace {

using kw::CMessageList;

TEST(CMessageList, SeparatesMessagesByOneLineFeed) {
    CMessageList list;
    list.AddText("Land 3");
    list.AppendText("Land ");
    list.AppendText("4");
    list.AddText("");
    list.AddMessage(kw::ids::kErrorOccurred);
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
    list.AddMessage(kw::ids::kErrorOccurred);
    EXPECT_EQ(list.Text().size(), 1033u);
    EXPECT_EQ(list.Text().back(), '9');
    // Exactly at the limit nothing more goes in.
    CMessageList full;
    full.AddText(std::string(1023, 'a'));
    ASSERT_EQ(full.Text().size(), 1024u);
    full.AppendText("b");
    EXPECT_EQ(full.Text().size(), 1024u);
}

}  // namespace
