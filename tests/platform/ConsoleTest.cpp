#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>

#include "platform/Console.h"

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
// terminal as UTF-8 lines without carriage returns.
TEST(ConsoleUserInterface, UnattendedQuestionsAreAnsweredNoAndTextsAreUtf8Lines) {
    std::FILE* input = std::tmpfile();
    std::FILE* output = std::tmpfile();
    std::fputs("ja\n", input);
    std::rewind(input);
    kw::CConsoleUserInterface ui(input, output);
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

TEST(ConsoleUserInterface, TerminalAnswers) {
    const std::pair<std::string_view, bool> cases[] = {
        {"j\n", true},  {"JA\n", true}, {" yes \n", true}, {"Y\n", true},
        {"n\n", false}, {"\n", false},  {"nein\n", false}, {"jaja\n", false},
    };
    for (const auto& [typed, yes] : cases) {
        PseudoTerminal pty;
        kw::CConsoleUserInterface ui(pty.terminal, pty.terminal);
        ASSERT_EQ(write(pty.controller, typed.data(), typed.size()), std::ssize(typed));
        EXPECT_EQ(ui.AskYesNo("Weiter?"), yes) << typed;
    }
    using kw::ESaveChoice;
    const std::pair<std::string_view, ESaveChoice> saveCases[] = {
        {"s\n", ESaveChoice::kSave},    {" Speichern\n", ESaveChoice::kSave},
        {"v\n", ESaveChoice::kDiscard}, {"VERWERFEN\n", ESaveChoice::kDiscard},
        {"a\n", ESaveChoice::kCancel},  {"\n", ESaveChoice::kCancel},
        {"ja\n", ESaveChoice::kCancel},
    };
    for (const auto& [typed, choice] : saveCases) {
        PseudoTerminal pty;
        kw::CConsoleUserInterface ui(pty.terminal, pty.terminal);
        ASSERT_EQ(write(pty.controller, typed.data(), typed.size()), std::ssize(typed));
        EXPECT_EQ(ui.AskSaveChanges("Speichern?"), choice) << typed;
    }
    // End of input (Ctrl-D) answers No, without reading on into the next line.
    PseudoTerminal pty;
    kw::CConsoleUserInterface ui(pty.terminal, pty.terminal);
    ASSERT_EQ(write(pty.controller, "\x04j\n", 3), 3);
    EXPECT_FALSE(ui.AskYesNo("Weiter?"));
}

// Logs stay clean: without a terminal the progress writes nothing.
TEST(ConsoleProgress, DrawsNothingWhenNotATerminal) {
    std::FILE* output = std::tmpfile();
    {
        kw::CConsoleProgress progress(output);
        progress.SetCaption("Titel");
        progress.SetStatus("Phase 1");
        progress.SetPos(5);
    }
    EXPECT_EQ(Contents(output), "");
    std::fclose(output);
}

}  // namespace
