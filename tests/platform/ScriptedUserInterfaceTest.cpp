#include <gtest/gtest.h>

#include "platform/ScriptedUserInterface.h"

namespace {

using Kind = kw::CScriptedUserInterface::Message::Kind;

TEST(ScriptedUserInterface, AnswersInQueueOrderThenNo) {
    kw::CScriptedUserInterface ui;
    ui.QueueAnswer(true);
    ui.QueueAnswer(false);
    ui.QueueAnswer(true);
    EXPECT_TRUE(ui.AskYesNo("eins"));
    EXPECT_FALSE(ui.AskYesNo("zwei"));
    EXPECT_TRUE(ui.AskYesNo("drei"));
    EXPECT_FALSE(ui.AskYesNo("vier"));
    EXPECT_FALSE(ui.AskYesNo("f\xFCnf"));
    EXPECT_EQ(ui.Texts(Kind::Question),
              (std::vector<std::string>{"eins", "zwei", "drei", "vier", "f\xFCnf"}));
}

TEST(ScriptedUserInterface, RecordsEveryKindInOrder) {
    kw::CScriptedUserInterface ui;
    ui.ShowError("kaputt");
    ui.ShowInformation("fertig");
    EXPECT_FALSE(ui.AskYesNo("weiter?"));
    ui.ShowErrorList("Fehler:", {"a", "b"});
    ASSERT_EQ(ui.Messages().size(), 4u);
    EXPECT_EQ(ui.Messages()[0].kind, Kind::Error);
    EXPECT_EQ(ui.Messages()[1].kind, Kind::Information);
    EXPECT_EQ(ui.Messages()[2].kind, Kind::Question);
    EXPECT_EQ(ui.Messages()[3].kind, Kind::ErrorList);
    EXPECT_EQ(ui.Messages()[3].text, "Fehler:");
    EXPECT_EQ(ui.Messages()[3].lines, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(ui.Texts(Kind::Error), std::vector<std::string>{"kaputt"});
    EXPECT_TRUE(ui.Texts(Kind::Information).size() == 1);
}

TEST(RecordingProgress, CancelsOnceThePositionIsReached) {
    kw::CRecordingProgress progress;
    EXPECT_FALSE(progress.IsCancelled());
    progress.CancelAtPosition(3);
    progress.SetPos(2);
    EXPECT_FALSE(progress.IsCancelled());
    progress.SetPos(3);
    EXPECT_TRUE(progress.IsCancelled());
    EXPECT_EQ(progress.positions, (std::vector<int>{2, 3}));
}

}  // namespace
