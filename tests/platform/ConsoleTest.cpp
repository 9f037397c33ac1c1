#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "platform/Console.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// A stream that is no terminal, read back after the test wrote to it.
class CapturedFile {
public:
    CapturedFile() : m_file(std::tmpfile()) {}
    std::FILE* Get() const { return m_file.get(); }
    std::string Text() const {
        std::fflush(m_file.get());
        std::rewind(m_file.get());
        std::string text;
        for (int c; (c = std::fgetc(m_file.get())) != EOF;) {
            text += static_cast<char>(c);
        }
        return text;
    }

private:
    File m_file;
};

// A pseudo-terminal in raw mode: the code under test uses the terminal side, the test the other.
class PseudoTerminal {
public:
    explicit PseudoTerminal(unsigned short columns = 80) {
        m_controller = posix_openpt(O_RDWR | O_NOCTTY);
        if (m_controller < 0 || grantpt(m_controller) != 0 || unlockpt(m_controller) != 0) {
            return;
        }
        const int fd = open(ptsname(m_controller), O_RDWR | O_NOCTTY);
        if (fd < 0) {
            return;
        }
        termios mode{};
        tcgetattr(fd, &mode);
        cfmakeraw(&mode);
        tcsetattr(fd, TCSANOW, &mode);
        winsize size{};
        size.ws_col = columns;
        size.ws_row = 24;
        ioctl(fd, TIOCSWINSZ, &size);
        m_terminal.reset(fdopen(fd, "r+"));
    }
    ~PseudoTerminal() { CloseController(); }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool IsOpen() const { return m_terminal != nullptr; }
    std::FILE* Terminal() const { return m_terminal.get(); }
    void Type(std::string_view text) const {
        ASSERT_EQ(write(m_controller, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    }
    void CloseController() {
        if (m_controller >= 0) {
            close(m_controller);
            m_controller = -1;
        }
    }
    // Everything the terminal side has written so far.
    std::string Screen() const {
        std::string text;
        pollfd waiting{m_controller, POLLIN, 0};
        char buffer[4096];
        while (poll(&waiting, 1, 50) > 0 && (waiting.revents & POLLIN) != 0) {
            const ssize_t count = read(m_controller, buffer, sizeof buffer);
            if (count <= 0) {
                break;
            }
            text.append(buffer, static_cast<std::size_t>(count));
        }
        return text;
    }

private:
    int m_controller = -1;
    File m_terminal;
};

TEST(ConsoleUserInterface, UnattendedQuestionsAreAnsweredNo) {
    CapturedFile input;
    std::fputs("ja\n", input.Get());
    std::rewind(input.Get());
    CapturedFile output;
    kw::CConsoleUserInterface ui(input.Get(), output.Get());
    EXPECT_FALSE(
        ui.AskYesNo("Datenbank \xFC"
                    "berschreiben?"));
    EXPECT_EQ(output.Text(), "Datenbank überschreiben? (nein)\n");
}

TEST(ConsoleUserInterface, MessagesAreUtf8Lines) {
    CapturedFile output;
    kw::CConsoleUserInterface ui(stdin, output.Get());
    ui.ShowInformation(
        "Gr\xFC\xDF"
        "e\r\nzweite Zeile");
    ui.ShowError("\x80 fehlt");
    ui.ShowErrorList("Fehler in Country5.sav:", {"Zeile 1", "Zeile \xC4"});
    EXPECT_EQ(output.Text(),
              "Grüße\nzweite Zeile\n€ fehlt\nFehler in Country5.sav:\n  Zeile 1\n  Zeile Ä\n");
}

TEST(ConsoleUserInterface, TerminalAnswers) {
    const struct {
        const char* typed;
        bool yes;
    } cases[] = {
        {"j\n", true},  {"JA\n", true}, {" yes \n", true}, {"Y\n", true},
        {"n\n", false}, {"\n", false},  {"nein\n", false}, {"jaja\n", false},
    };
    for (const auto& c : cases) {
        PseudoTerminal terminal;
        ASSERT_TRUE(terminal.IsOpen());
        kw::CConsoleUserInterface ui(terminal.Terminal(), terminal.Terminal());
        terminal.Type(c.typed);
        EXPECT_EQ(ui.AskYesNo("Weiter?"), c.yes) << c.typed;
        EXPECT_NE(terminal.Screen().find("Weiter?"), std::string::npos);
    }
}

TEST(ConsoleUserInterface, EndOfTerminalInputMeansNo) {
    PseudoTerminal terminal;
    ASSERT_TRUE(terminal.IsOpen());
    kw::CConsoleUserInterface ui(terminal.Terminal(), terminal.Terminal());
    terminal.Type("ja");
    terminal.CloseController();
    EXPECT_FALSE(ui.AskYesNo("Weiter?"));
}

TEST(ConsoleProgress, DrawsNothingWhenNotATerminal) {
    CapturedFile output;
    {
        kw::CConsoleProgress progress(output.Get());
        progress.SetCaption("Titel");
        progress.SetStatus("Phase 1");
        progress.SetRange(0, 10);
        progress.SetPos(5);
    }
    EXPECT_EQ(output.Text(), "");
}

TEST(ConsoleProgress, RedrawsOnlyChangesAndEndsTheLine) {
    PseudoTerminal terminal;
    ASSERT_TRUE(terminal.IsOpen());
    auto progress = std::make_unique<kw::CConsoleProgress>(terminal.Terminal());
    progress->SetRange(0, 200);
    EXPECT_EQ(terminal.Screen(), "");
    progress->SetStatus("Phase 1: Exportiere \xD6sterreich...");
    progress->SetPos(84);
    const std::string drawn = terminal.Screen();
    const std::size_t barStart = drawn.rfind("\r[");
    const std::size_t barEnd = drawn.find(']', barStart);
    ASSERT_NE(barEnd, std::string::npos) << drawn;
    const std::string bar = drawn.substr(barStart + 2, barEnd - barStart - 2);
    const auto filled = static_cast<int>(std::count(bar.begin(), bar.end(), '#'));
    EXPECT_EQ(bar.find_first_not_of('#'), static_cast<std::size_t>(filled)) << bar;
    EXPECT_NEAR(filled * 100.0 / static_cast<double>(bar.size()), 42.0, 100.0 / bar.size());
    EXPECT_EQ(drawn.substr(barEnd), "]  42% Phase 1: Exportiere Österreich...\033[K");
    progress->SetPos(85);  // still 42%
    progress->SetStatus("Phase 1: Exportiere \xD6sterreich...");
    EXPECT_EQ(terminal.Screen(), "");
    progress->SetPos(200);
    EXPECT_NE(terminal.Screen().find("100%"), std::string::npos);
    progress.reset();
    EXPECT_EQ(terminal.Screen(), "\n");
}

TEST(ConsoleProgress, HiddenProgressDrawsNothing) {
    PseudoTerminal terminal;
    ASSERT_TRUE(terminal.IsOpen());
    auto progress = std::make_unique<kw::CConsoleProgress>(terminal.Terminal());
    progress->SetPos(10);
    EXPECT_NE(terminal.Screen().find(" 10%"), std::string::npos);
    progress->SetVisible(false);
    EXPECT_EQ(terminal.Screen(), "\n") << "the open bar line is finished";
    progress->SetPos(20);
    progress->SetStatus("unsichtbar");
    progress.reset();
    EXPECT_EQ(terminal.Screen(), "");
}

TEST(ConsoleProgress, LongStatusFitsTheTerminalWidth) {
    PseudoTerminal terminal(50);
    ASSERT_TRUE(terminal.IsOpen());
    kw::CConsoleProgress progress(terminal.Terminal());
    progress.SetStatus(std::string(200, 'x'));
    std::string line = terminal.Screen();
    ASSERT_EQ(line.front(), '\r');
    line = line.substr(1, line.find('\033') - 1);
    EXPECT_LT(line.size(), 50u);
    EXPECT_NE(line.find("xxx"), std::string::npos);
}

}  // namespace
