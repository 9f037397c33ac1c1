#include "gui/mainwindow/WorkerUserInterface.h"

#include <QThread>

namespace kw {

template <typename Call>
void CWorkerUserInterface::OnUserInterfaceThread(Call&& call) {
    if (QThread::currentThread() == m_context.thread()) {
        call();
    } else {
        QMetaObject::invokeMethod(&m_context, std::forward<Call>(call),
                                  Qt::BlockingQueuedConnection);
    }
}

bool CWorkerUserInterface::AskYesNo(std::string_view question) {
    bool yes = false;
    OnUserInterfaceThread([&] { yes = m_target.AskYesNo(question); });
    return yes;
}

ESaveChoice CWorkerUserInterface::AskSaveChanges(std::string_view question) {
    ESaveChoice choice = ESaveChoice::kCancel;
    OnUserInterfaceThread([&] { choice = m_target.AskSaveChanges(question); });
    return choice;
}

void CWorkerUserInterface::ShowInformation(std::string_view text) {
    OnUserInterfaceThread([&] { m_target.ShowInformation(text); });
}

void CWorkerUserInterface::ShowError(std::string_view text) {
    OnUserInterfaceThread([&] { m_target.ShowError(text); });
}

void CWorkerUserInterface::ShowErrorList(std::string_view heading,
                                         const std::vector<std::string>& lines) {
    OnUserInterfaceThread([&] { m_target.ShowErrorList(heading, lines); });
}

}  // namespace kw
