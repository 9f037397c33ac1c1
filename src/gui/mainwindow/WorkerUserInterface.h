#pragma once

#include <QObject>

#include "platform/UserInterface.h"

namespace kw {

// Lets the work of a long-running operation show messages and ask questions from its worker
// thread: every call runs on the user-interface thread, which the worker waits for. Create it on
// the user-interface thread; that thread must keep processing events (the progress dialog's loop
// does) while the worker calls.
class CWorkerUserInterface : public IUserInterface {
public:
    explicit CWorkerUserInterface(IUserInterface& target) : m_target(target) {}

    bool AskYesNo(std::string_view question) override;
    ESaveChoice AskSaveChanges(std::string_view question) override;
    void ShowInformation(std::string_view text) override;
    void ShowError(std::string_view text) override;
    void ShowErrorList(std::string_view heading, const std::vector<std::string>& lines) override;

private:
    template <typename Call>
    void OnUserInterfaceThread(Call&& call);

    IUserInterface& m_target;
    QObject m_context;  // lives on the creating thread; the calls are queued to it
};

}  // namespace kw
