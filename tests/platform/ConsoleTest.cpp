#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>

#include "platform/Console.h"
#include "platform/ScriptedUserInterface.h"

namespace {

// A stream that is no terminal, read back after the test wrote to it.
std::string Contents(std::FILE* file) {
    std::fflush(file);
    std::rewind(file);
    std::string text;
    for (int c; (c = std::fgetc(file)) != EOF;) {
        text += static_cast<char>(c);
    }
    return text;
}

// A pseudo-terminal in its default line mode: the code under test uses the terminal side, the
// test types into the other.
struct PseudoTerminal {
    PseudoTerminal() {
        controller = posix_openpt(O_RDWR | O_NOCTTY);
        grantpt(controller);
        unlockpt(controller);
        terminal = fdopen(open(ptsname(controller), O_RDWR | O_NOCTTY), "r+");
    }
    ~PseudoTerminal() {
        std::fclose(terminal);
        close(controller);
    }
    int controller = -1;
    std::FILE* terminal = nullptr;
};

// Without a terminal to answer, a question is printed and answered No. All texts reach the
// stream as UTF-8 lines without carriage returns; the progress writes nothing, so logs stay clean.
TEST(ConsoleUserInterface, UnattendedQuestionsAreAnsweredNoAndTextsAreUtf8Lines) {
    std::FILE* input = std::tmpfile();
    std::FILE* output = std::tmpfile();
    std::fputs("ja\n", input);
    std::rewind(input);
    kw::CConsoleUserInterface ui(input, output);
    {
        kw::CConsoleProgress progress(output);
        progress.SetCaption("Titel");
        progress.SetStatus("Phase 1");
        progress.SetPos(5);
    }
    EXPECT_FALSE(
        ui.AskYesNo("Datenbank \xFC"
                    "berschreiben?"));
    EXPECT_EQ(ui.AskSaveChanges("\xC4nderungen speichern?"), kw::ESaveChoice::kCancel);
    ui.ShowInformation(
        "Gr\xFC\xDF"
        "e\r\nzweite Zeile");
    ui.ShowError("\x80 fehlt");
    ui.ShowErrorList("Fehler in Country5.sav:", {"Zeile 1", "Zeile \xC4"});
    EXPECT_EQ(Contents(output),
              "Datenbank überschreiben? (nein)\nÄnderungen speichern? (abbrechen)\nGrüße\n"
              "zweite Zeile\n€ fehlt\n"
              "Fehler in Country5.sav:\n  Zeile 1\n  Zeile Ä\n");
    std::fclose(input);
    std::fclose(output);
}

// What the terminal's user types, handed to `ask` on a console of its own.
template <typename Ask>
auto Answer(std::string_view typed, Ask ask) {
    PseudoTerminal pty;
    kw::CConsoleUserInterface ui(pty.terminal, pty.terminal);
    EXPECT_EQ(write(pty.controller, typed.data(), typed.size()), std::ssize(typed));
    return ask(ui);
}

TEST(ConsoleUserInterface, TerminalAnswers) {
    const auto yesNo = [](kw::CConsoleUserInterface& ui) { return ui.AskYesNo("Weiter?"); };
    const std::pair<std::string_view, bool> cases[] = {
        {"j\n", true},  {"JA\n", true}, {" yes \n", true}, {"Y\n", true},
        {"n\n", false}, {"\n", false},  {"nein\n", false}, {"jaja\n", false},
    };
    for (const auto& [typed, yes] : cases) {
        EXPECT_EQ(Answer(typed, yesNo), yes) << typed;
    }
    using kw::ESaveChoice;
    const std::pair<std::string_view, ESaveChoice> saveCases[] = {
        {"s\n", ESaveChoice::kSave},    {" Speichern\n", ESaveChoice::kSave},
        {"v\n", ESaveChoice::kDiscard}, {"VERWERFEN\n", ESaveChoice::kDiscard},
        {"a\n", ESaveChoice::kCancel},  {"\n", ESaveChoice::kCancel},
        {"ja\n", ESaveChoice::kCancel},
    };
    for (const auto& [typed, choice] : saveCases) {
        EXPECT_EQ(Answer(typed, [](auto& ui) { return ui.AskSaveChanges("Speichern?"); }), choice)
            << typed;
    }
    // End of input (Ctrl-D) answers No, without reading on into the next line.
    EXPECT_FALSE(Answer(std::string_view("\x04j\n", 3), yesNo));
}

using Kind = kw::CScriptedUserInterface::Message::Kind;

// The scripted interface answers in queue order, then No, and records every message; the
// progress cancels once the position is reached.
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

    kw::CRecordingProgress progress;
    progress.CancelAtPosition(3);
    progress.SetPos(2);
    EXPECT_FALSE(progress.IsCancelled());
    progress.SetPos(3);
    EXPECT_TRUE(progress.IsCancelled());
}

}  // namespace
