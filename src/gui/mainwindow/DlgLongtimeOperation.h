#pragma once

#include <QDialog>

#include <atomic>
#include <cstdint>
#include <functional>

#include "app/ProgressTimer.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace kw {

class CLongtimeOperation;

// The modal progress dialog of a long-running operation ("KW06 - Bitte warten!"). It starts the
// operation's worker when it is shown and closes only after the worker has ended, so the
// operation can be destroyed once exec returns. The worker's updates coalesce: it posts at most
// one update at a time, and the update shows whatever values are newest. "Abbruch", the Escape
// key and the window's close button all ask to cancel; while the operation does not allow it
// (saving, importing) they do nothing.
class CDlgLongtimeOperation : public QDialog {
    Q_OBJECT

public:
    using Clock = std::function<std::int64_t()>;  // monotonic milliseconds

    CDlgLongtimeOperation(CLongtimeOperation& operation, QWidget* parent = nullptr,
                          Clock clock = {});
    ~CDlgLongtimeOperation() override;

    // Runs the operation behind a modal dialog over `parent`; returns after the work has ended.
    static void Run(CLongtimeOperation& operation, QWidget* parent);

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void PostUpdate();
    void ApplyUpdate();
    void WorkerEnded();

    CLongtimeOperation& m_operation;
    Clock m_clock;
    CProgressTimer m_timer;
    std::atomic<bool> m_active{false};
    std::atomic<bool> m_updatePending{false};
    bool m_started = false;
    bool m_ended = false;

    QProgressBar* m_bar;
    QLabel* m_description;
    QLabel* m_status;
    QLabel* m_timeLine;
    QPushButton* m_cancel;
};

}  // namespace kw
