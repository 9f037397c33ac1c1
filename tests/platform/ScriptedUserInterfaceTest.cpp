#include <gtest/gtest.h>

#include "platform/ScriptedUserInterface.h"

namespace {

using Kind = kw::CScriptedUserInterface::Message::Kind;

TEST(ScriptedUserInterface, AnswersInQueueOrderThenNoAndRecordsEveryMessage) {
    kw::CScriptedUserInterface ui;
    ui.QueueAnswer(true);
    ui.QueueAnswer(false);
    EXPECT_TRUE(ui.AskYesNo("eins"));
    ui.ShowError("kaputt");
    EXPECT_FALSE(ui.AskYesNo("zwei"));
    ui.ShowErrorList("Fehler:", {"a", "b"});
    EXPECT_FALSE(ui.AskYesNo("f\xFCnf"));
    // The question about unsaved changes has a queue of its own, which ends in "Abbrechen".
    ui.QueueSaveChoice(kw::ESaveChoice::kDiscard);
    EXPECT_EQ(ui.AskSaveChanges("sechs"), kw::ESaveChoice::kDiscard);
    EXPECT_EQ(ui.AskSaveChanges("sieben"), kw::ESaveChoice::kCancel);
    EXPECT_EQ(ui.Texts(Kind::Question),
              (std::vector<std::string>{"eins", "zwei", "f\xFCnf", "sechs", "sieben"}));
    ASSERT_EQ(ui.Messages().size(), 7u);
    EXPECT_EQ(ui.Messages()[1].kind, Kind::Error);
    EXPECT_EQ(ui.Messages()[3].kind, Kind::ErrorList);
    EXPECT_EQ(ui.Messages()[3].lines, (std::vector<std::string>{"a", "b"}));
}

TEST(RecordingProgress, CancelsOnceThePositionIsReached) {
    kw::CRecordingProgress progress;
    EXPECT_FALSE(progress.IsCancelled());
    progress.CancelAtPosition(3);
    progress.SetPos(2);
    EXPECT_FALSE(progress.IsCancelled());
    progress.SetPos(3);
    EXPECT_TRUE(progress.IsCancelled());
}

}  // namespace
