#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "platform/Progress.h"
#include "platform/UserInterface.h"

namespace kw {

// The user interface of kwtool and of the headless batch build. Messages go to stderr in the
// terminal's encoding (UTF-8). Questions are asked on the terminal when stdin is one; otherwise
// they are printed and answered No (or "abbrechen"), so unattended runs never destroy anything.
class CConsoleUserInterface : public IUserInterface {
public:
    // The streams are not owned; tests pass their own.
    explicit CConsoleUserInterface(std::FILE* input = stdin, std::FILE* output = stderr)
        : m_input(input), m_output(output) {}

    bool AskYesNo(std::string_view question) override;
    ESaveChoice AskSaveChanges(std::string_view question) override;
    void ShowInformation(std::string_view text) override;
    void ShowError(std::string_view text) override;
    void ShowErrorList(std::string_view heading, const std::vector<std::string>& lines) override;

private:
    // The typed answer without surrounding blanks, A to Z in lower case; nothing when no terminal
    // can answer, after printing the question with `unattendedAnswer`.
    std::optional<std::string> Ask(std::string_view question, std::string_view choices,
                                   std::string_view unattendedAnswer);

    std::FILE* m_input;
    std::FILE* m_output;
};

// Progress on stderr: a redrawn bar with the status text when stderr is a terminal, nothing
// otherwise (logs stay clean).
class CConsoleProgress : public IProgress {
public:
    // The stream is not owned; tests pass their own.
    explicit CConsoleProgress(std::FILE* output = stderr);
    ~CConsoleProgress() override;
    CConsoleProgress(const CConsoleProgress&) = delete;
    CConsoleProgress& operator=(const CConsoleProgress&) = delete;

    void SetCaption(std::string_view text) override;
    void SetDescription(std::string_view text) override;
    void SetStatus(std::string_view text) override;
    void SetRange(int minimum, int maximum) override;
    void SetPos(int position) override;
    void EnableCancel(bool) override {}
    void ShowTimes(bool) override {}
    void SetVisible(bool visible) override;
    bool IsCancelled() const override { return false; }

private:
    int Percent() const;
    // Draws the bar unless it would look as it does already (or `force`).
    void Redraw(bool force = false);
    // Finishes an open bar line so that other output starts on a line of its own.
    void EndLine();
    void WriteLine(std::string_view cp1252);

    std::FILE* m_output;
    bool m_terminal = false;
    bool m_visible = true;
    bool m_drawn = false;
    int m_minimum = 0;
    int m_maximum = 100;
    int m_position = 0;
    std::string m_status;
    int m_drawnPercent = -1;
    std::string m_drawnStatus;
    std::string m_caption;
    std::string m_description;
};

}  // namespace kw
