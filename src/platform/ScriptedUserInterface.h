#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/Progress.h"
#include "platform/UserInterface.h"

namespace kw {

// Test double: answers come from queues the test fills (an empty queue answers No, or "Abbrechen"
// to the question about unsaved changes) and every message is recorded, texts in Windows-1252 as
// the model passed them; both kinds of question are recorded as questions.
class CScriptedUserInterface : public IUserInterface {
public:
    struct Message {
        enum class Kind { Question, Information, Error, ErrorList } kind;
        std::string text;
        std::vector<std::string> lines;
    };

    void QueueAnswer(bool yes) { m_answers.push_back(yes); }
    void QueueSaveChoice(ESaveChoice choice) { m_saveChoices.push_back(choice); }

    bool AskYesNo(std::string_view question) override;
    ESaveChoice AskSaveChanges(std::string_view question) override;
    void ShowInformation(std::string_view text) override;
    void ShowError(std::string_view text) override;
    void ShowErrorList(std::string_view heading, const std::vector<std::string>& lines) override;

    const std::vector<Message>& Messages() const { return m_messages; }
    std::vector<std::string> Texts(Message::Kind kind) const;

private:
    std::deque<bool> m_answers;
    std::deque<ESaveChoice> m_saveChoices;
    std::vector<Message> m_messages;
};

// Test double: records what the work reported and cancels once the position reaches a chosen
// value.
class CRecordingProgress : public IProgress {
public:
    void CancelAtPosition(int position) { m_cancelAt = position; }

    void SetCaption(std::string_view text) override { caption = text; }
    void SetDescription(std::string_view text) override { description = text; }
    void SetStatus(std::string_view text) override { statuses.emplace_back(text); }
    void SetRange(int min, int max) override { minimum = min, maximum = max; }
    void SetPos(int pos) override { positions.push_back(pos); }
    void EnableCancel(bool enable) override { cancelEnabled = enable; }
    void ShowTimes(bool show) override { timesShown = show; }
    void SetVisible(bool show) override { visible = show; }
    bool IsCancelled() const override {
        return !positions.empty() && positions.back() >= m_cancelAt;
    }

    std::string caption;
    std::string description;
    std::vector<std::string> statuses;
    std::vector<int> positions;
    int minimum = 0;
    int maximum = 100;
    bool cancelEnabled = false;
    bool timesShown = true;
    bool visible = true;

private:
    int m_cancelAt = 1 << 30;
};

}  // namespace kw
