#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "platform/Progress.h"
#include "platform/UserInterface.h"

namespace kw {

// The user interface of kwtool and of the headless batch build. Messages go to stderr in the
// terminal's encoding (UTF-8). Questions are asked on the terminal when stdin is one; otherwise
// they are printed and answered No, so unattended runs never destroy anything.
class CConsoleUserInterface : public IUserInterface {
public:
    bool AskYesNo(std::string_view question) override;
    void ShowInformation(std::string_view text) override;
    void ShowError(std::string_view text) override;
    void ShowErrorList(std::string_view heading, const std::vector<std::string>& lines) override;
};

// Progress on stderr: a redrawn bar with the status text when stderr is a terminal, nothing
// otherwise (logs stay clean).
class CConsoleProgress : public IProgress {
public:
    CConsoleProgress();
    ~CConsoleProgress() override;

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
    void Redraw();

    bool m_terminal = false;
    bool m_visible = true;
    bool m_drawn = false;
    int m_minimum = 0;
    int m_maximum = 100;
    int m_position = 0;
    std::string m_status;
};

}  // namespace kw
