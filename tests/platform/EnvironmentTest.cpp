#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>

#include <fcntl.h>
#include <cstdio>
#include <string_view>
#include <utility>
#include <vector>
#include "TempDir.h"
#include "platform/Console.h"
#include "platform/Environment.h"
#include "platform/Paths.h"
#include "platform/ScriptedUserInterface.h"

namespace {

namespace fs = std::filesystem;
using kw::test::TempDir;
using kw::test::WriteFile;

// Sets (or, given nothing, removes) one variable for the lifetime of the object.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::optional<std::string>& value) : m_name(name) {
        if (const char* old = std::getenv(name)) {
            m_old = old;
        }
        Set(name, value);
    }
    ~ScopedVariable() { Set(m_name, m_old); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    static void Set(const char* name, const std::optional<std::string>& value) {
        value ? setenv(name, value->c_str(), 1) : unsetenv(name);
    }
    const char* m_name;
    std::optional<std::string> m_old;
};

class InstallDirectory : public ::testing::Test {
protected:
    void WriteSettings(const fs::path& configFolder, const std::string& content) {
        WriteFile(configFolder / "Orvel Sports" / "KICKWERK 06.conf", content);
    }

    TempDir m_root;
    const fs::path m_user = m_root / "user";
    const fs::path m_system1 = m_root / "system1";
    const fs::path m_system2 = m_root / "system2";
    ScopedVariable m_override{"KW06_INSTALL_DIR", std::nullopt};
    ScopedVariable m_userVariable{"XDG_CONFIG_HOME", m_user.string()};
    ScopedVariable m_systemVariable{"XDG_CONFIG_DIRS",
                                    m_system1.string() + "::" + m_system2.string()};
};

// The variable beats the user's settings, which beat the system's in their order; empty values
// count as unset, and the user's folder defaults to the home's ".config". A byte order mark,
// blanks, letter case and quotes around the value do not matter.
TEST_F(InstallDirectory, VariableBeatsUserBeatsSystemInOrder) {
    EXPECT_EQ(kw::ConfiguredInstallDirectory(), std::nullopt);
    WriteSettings(m_system2, "INSTALL DIR=/sys2\n");
    WriteSettings(m_user, "INSTALL DIR=   \n");
    EXPECT_EQ(kw::ConfiguredInstallDirectory(), fs::path("/sys2"));
    WriteSettings(m_system1, "INSTALL DIR=/sys1\n");
    EXPECT_EQ(kw::ConfiguredInstallDirectory(), fs::path("/sys1"));
    WriteSettings(m_user,
                  "\xEF\xBB\xBF  install dir  =  \"/spiele/Kickwerk 06\"  \r\n"
                  "# INSTALL DIR=/comment\r\n"
                  "; INSTALL DIR=/comment\r\n"
                  "[INSTALL DIR=/section]\r\n"
                  "INSTALL DIRS=/other\r\n"
                  "INSTALL DIR\r\n"
                  "\r\n");
    EXPECT_EQ(kw::ConfiguredInstallDirectory(), fs::path("/spiele/Kickwerk 06"));
    {
        ScopedVariable variable("KW06_INSTALL_DIR", "/games/kw06");
        EXPECT_EQ(kw::ConfiguredInstallDirectory(), fs::path("/games/kw06"));
    }
    ScopedVariable variable("KW06_INSTALL_DIR", "");
    ScopedVariable home("HOME", (m_root / "home").string());
    ScopedVariable unset("XDG_CONFIG_HOME", "");
    WriteSettings(m_root / "home" / ".config", "INSTALL DIR=/from/home\n");
    EXPECT_EQ(kw::ConfiguredInstallDirectory(), fs::path("/from/home"));
}

TEST(UserFolders, DocumentsCreatedWhereTheVariablesSayAndAPrivateRuntimeFolder) {
    TempDir root;
    {
        ScopedVariable documents("XDG_DOCUMENTS_DIR", (root / "deep" / "Dokumente").string());
        EXPECT_EQ(kw::DocumentsDirectory(), root / "deep" / "Dokumente");
        EXPECT_TRUE(fs::is_directory(root / "deep" / "Dokumente"));
    }
    ScopedVariable documents("XDG_DOCUMENTS_DIR", std::nullopt);
    {
        ScopedVariable home("HOME", root.Path().string());
        EXPECT_EQ(kw::DocumentsDirectory(), root / "Documents");
        EXPECT_TRUE(fs::is_directory(root / "Documents"));
    }
    {
        ScopedVariable home("HOME", std::nullopt);
        EXPECT_EQ(kw::DocumentsDirectory(), std::nullopt);
    }
    WriteFile(root / "file", "x");
    ScopedVariable blocked("XDG_DOCUMENTS_DIR", (root / "file" / "Documents").string());
    EXPECT_EQ(kw::DocumentsDirectory(), std::nullopt);

    // The runtime folder: the variable, else a private folder of the user in the temporary one.
    std::string error;
    {
        ScopedVariable runtime("XDG_RUNTIME_DIR", "/run/user/4711");
        EXPECT_EQ(kw::UserRuntimeDirectory(error), fs::path("/run/user/4711"));
    }
    ScopedVariable runtime("XDG_RUNTIME_DIR", "");
    ScopedVariable temporary("TMPDIR", root.Path().string());
    const fs::path own = root / ("kwedit-" + std::to_string(getuid()));
    EXPECT_EQ(kw::UserRuntimeDirectory(error), own);
    EXPECT_EQ(fs::status(own).permissions(), fs::perms::owner_all);
    // A folder of the user that others may enter is closed to them.
    fs::permissions(own, fs::perms::all);
    EXPECT_EQ(kw::UserRuntimeDirectory(error), own);
    EXPECT_EQ(fs::status(own).permissions(), fs::perms::owner_all);
    // Anything but a folder of the user's own is refused, with the reason.
    fs::remove(own);
    WriteFile(own, "x");
    EXPECT_EQ(kw::UserRuntimeDirectory(error), std::nullopt);
    EXPECT_NE(error.find(own.string()), std::string::npos) << error;
    fs::remove(own);
    fs::create_directory(root / "elsewhere");
    fs::create_directory_symlink(root / "elsewhere", own);
    EXPECT_EQ(kw::UserRuntimeDirectory(error), std::nullopt);
}

// Only root can hand a folder to another user.
TEST(UserRuntimeDirectory, AFolderOfAnotherUserUnderTheNameIsRefused) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "needs root to give a folder away";
    }
    TempDir root;
    ScopedVariable runtime("XDG_RUNTIME_DIR", "");
    ScopedVariable temporary("TMPDIR", root.Path().string());
    const fs::path own = root / ("kwedit-" + std::to_string(getuid()));
    fs::create_directory(own);
    ASSERT_EQ(chown(own.c_str(), 65534, 65534), 0);
    std::string error;
    EXPECT_EQ(kw::UserRuntimeDirectory(error), std::nullopt);
    EXPECT_NE(error.find(own.string()), std::string::npos) << error;
    EXPECT_FALSE(kw::CSingleInstanceLock().IsAcquired());
}

// The exit status of `body` run in a child process.
int InChildProcess(const std::function<int()>& body) {
    const pid_t child = fork();
    if (child == 0) {
        _exit(body());
    }
    int status = -1;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(SingleInstanceLock, OnlyOneHolderAtATimeInAnyProcessAndUnusableFilesFailWithTheReason) {
    TempDir root;
    const fs::path file = root / "kwedit.lock";
    using State = kw::CSingleInstanceLock::EState;
    const auto state = [&] { return static_cast<int>(kw::CSingleInstanceLock(file).State()); };
    {
        const kw::CSingleInstanceLock first(file);
        ASSERT_TRUE(first.IsAcquired());
        EXPECT_EQ(state(), static_cast<int>(State::kHeldElsewhere));
        EXPECT_EQ(InChildProcess(state), static_cast<int>(State::kHeldElsewhere));
    }
    EXPECT_EQ(InChildProcess(state), static_cast<int>(State::kAcquired));
    // A process that ends while holding the lock, however it ends, releases it.
    EXPECT_EQ(InChildProcess([&] {
                  static const kw::CSingleInstanceLock held(file);
                  return held.IsAcquired() ? 1 : 0;
              }),
              1);
    EXPECT_EQ(state(), static_cast<int>(State::kAcquired));

    // A lock that cannot be taken is no sign of another editor: it fails, and says why.
    const fs::path missing = root / "missing" / "kwedit.lock";
    const kw::CSingleInstanceLock inMissingFolder(missing);
    EXPECT_EQ(inMissingFolder.State(), State::kFailed);
    EXPECT_NE(inMissingFolder.Failure().find(missing.string()), std::string::npos);

    fs::create_directory(root / "folder.lock");
    EXPECT_EQ(kw::CSingleInstanceLock(root / "folder.lock").State(), State::kFailed);

    {
        ScopedVariable runtime("XDG_RUNTIME_DIR", (root / "none").string());
        const kw::CSingleInstanceLock withoutFolder;
        EXPECT_EQ(withoutFolder.State(), State::kFailed);
        EXPECT_NE(withoutFolder.Failure().find((root / "none").string()), std::string::npos);
    }
    ScopedVariable runtime("XDG_RUNTIME_DIR", "");
    ScopedVariable temporary("TMPDIR", root.Path().string());
    WriteFile(root / ("kwedit-" + std::to_string(getuid())), "no folder");
    EXPECT_EQ(kw::CSingleInstanceLock().State(), State::kFailed);
}

using kw::FindExisting;
using kw::PathForWriting;

class Paths : public ::testing::Test {
protected:
    void SetUp() override {
        WriteFile(m_base / "Database" / "Country5.sav", "5");
        WriteFile(m_base / "Database" / "badges" / "München.tga", "b");
        WriteFile(m_base / "Twins" / "Rules.sav", "upper");
        WriteFile(m_base / "Twins" / "rules.sav", "lower");
    }

    const fs::path& Base() const { return m_base.Path(); }

private:
    TempDir m_base;
};

// Windows separators and any letter case, umlauts included; a stray Windows-1252 byte is read as
// the letter it stands for. An exact spelling wins; otherwise the choice must not depend on the
// folder's listing order.
TEST_F(Paths, FindsAndWritesWindowsSpellingsIgnoringCase) {
    const fs::path country = Base() / "Database" / "Country5.sav";
    const fs::path badge = Base() / "Database" / "badges" / "München.tga";
    const std::pair<const char*, std::optional<fs::path>> cases[] = {
        {"database\\COUNTRY5.SAV", country},
        {".\\DataBase\\\\.//country5.Sav", country},
        {"DATABASE", Base() / "Database"},
        {"", Base()},
        {"database/BADGES/MÜNCHEN.TGA", badge},
        {"database/badges/M\xFCnchen.tga", badge},
        {"twins/rules.sav", Base() / "Twins" / "rules.sav"},
        {"twins/Rules.sav", Base() / "Twins" / "Rules.sav"},
        {"twins/RULES.SAV", Base() / "Twins" / "Rules.sav"},
        {"database/badges/Munchen.tga", std::nullopt},
        {"Database/Country6.sav", std::nullopt},
        {"Missing/Country5.sav", std::nullopt},
        {"Database/Country5.sav/more", std::nullopt},
        {"Database/Country5", std::nullopt}};
    for (const auto& [relative, expected] : cases) {
        EXPECT_EQ(FindExisting(Base(), relative), expected) << relative;
    }
    EXPECT_EQ(FindExisting(Base() / "nowhere", ""), std::nullopt);

    // Writing keeps the spelling on disk and the given one beyond.
    EXPECT_EQ(PathForWriting(Base(), "DATABASE\\country5.sav"),
              Base() / "Database" / "Country5.sav");
    EXPECT_EQ(PathForWriting(Base(), "database/Country6.sav"),
              Base() / "Database" / "Country6.sav");
    // Once a folder is missing, nothing below it is looked up any more.
    EXPECT_EQ(PathForWriting(Base(), "database\\New\\database\\FILE.txt"),
              Base() / "Database" / "New" / "database" / "FILE.txt");
    EXPECT_EQ(PathForWriting(Base(), ""), Base());
}

// Long paths are absolute and lexical; listings are sorted by name; removal takes trees, files
// and dangling links.
TEST_F(Paths, LongPathsListingsAndRemoval) {
    EXPECT_EQ(kw::LongPath("a/./b/../c/"), fs::current_path() / "a" / "c");
    EXPECT_EQ(kw::LongPath(Base() / "Database" / ""), Base() / "Database");
    EXPECT_EQ(kw::LongPath("/"), fs::path("/"));
    const fs::path link = Base() / "Link";
    fs::create_directory_symlink(Base() / "Database", link);
    EXPECT_EQ(kw::LongPath(link / "."), link);  // not the link's target

    const fs::path folder = Base() / "list";
    WriteFile(folder / "c.txt", "");
    WriteFile(folder / "A" / "x", "");
    fs::create_directory(folder / "b");
    std::vector<std::pair<fs::path, bool>> entries;
    for (const kw::DirectoryEntry& entry : kw::ListDirectory(folder)) {
        entries.emplace_back(entry.path, entry.isDirectory);
    }
    EXPECT_EQ(entries, (std::vector<std::pair<fs::path, bool>>{
                           {folder / "A", true}, {folder / "b", true}, {folder / "c.txt", false}}));
    EXPECT_TRUE(kw::ListDirectory(Base() / "missing").empty());
    EXPECT_TRUE(kw::ListDirectory(folder / "c.txt").empty());

    EXPECT_TRUE(kw::RemoveRecursively(Base() / "Database"));
    EXPECT_FALSE(fs::exists(Base() / "Database"));
    EXPECT_TRUE(kw::RemoveRecursively(Base() / "Twins" / "rules.sav"));
    EXPECT_TRUE(fs::exists(Base() / "Twins" / "Rules.sav"));
    EXPECT_TRUE(kw::RemoveRecursively(link));
    EXPECT_FALSE(fs::is_symlink(link));
    EXPECT_TRUE(kw::RemoveRecursively(Base() / "never there"));
}

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
