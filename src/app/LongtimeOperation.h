#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "platform/Progress.h"

namespace kw {

// The values a long-running operation reports, kept under one lock so that the worker thread can
// set them while the user-interface thread reads the latest ones. Every change bumps the revision
// and calls the listener, so a dialog posts one update and then shows whatever is newest: updates
// coalesce instead of queueing up.
class CProgressState : public IProgress {
public:
    struct SSnapshot {
        std::string caption;
        std::string description;
        std::string status;
        int minimum = 0;
        int maximum = 100;
        int position = 0;
        bool canClose = false;  // the cancel button is enabled and a close request is honoured
        bool showTimes = true;
        bool visible = true;
        bool cancelled = false;
        std::uint64_t revision = 0;
    };

    // Called after every change on the thread that made it, with no lock held.
    void SetListener(std::function<void()> listener);
    SSnapshot Snapshot() const;
    bool CanClose() const;
    // The user's cancel; refused (false) while closing is not allowed, since an operation that
    // disabled cancel must run to its end.
    bool Cancel();

    void SetCaption(std::string_view text) override;
    void SetDescription(std::string_view text) override;
    void SetStatus(std::string_view text) override;
    void SetRange(int minimum, int maximum) override;
    void SetPos(int position) override;
    void EnableCancel(bool enable) override;
    void ShowTimes(bool show) override;
    void SetVisible(bool visible) override;
    bool IsCancelled() const override;

private:
    template <typename Change>
    void Apply(Change&& change);

    mutable std::mutex m_mutex;
    SSnapshot m_values;
    std::function<void()> m_listener;
};

// A job long enough to need a progress dialog: saving a database, building the master file,
// exporting or importing a world archive. Execute does the work on one worker thread while the
// user-interface thread only shows the progress, so the model is used by one thread at a time.
// When Execute returns, the end sequence allows closing, tells the owner through the callback
// given to Start and marks the operation finished, in that order and under one lock.
//
// Whoever calls Start must call Wait before the operation is destroyed: a derived object's
// members die before the base could wait for the worker.
class CLongtimeOperation {
public:
    virtual ~CLongtimeOperation();
    CLongtimeOperation(const CLongtimeOperation&) = delete;
    CLongtimeOperation& operator=(const CLongtimeOperation&) = delete;

    CProgressState& Progress() { return m_progress; }
    const CProgressState& Progress() const { return m_progress; }

    // Starts the worker thread once; `finished` runs on it after the work.
    void Start(std::function<void()> finished);
    // Blocks until the worker has ended (at once when none was started).
    void Wait();
    bool IsFinished() const { return m_finished.load(); }

    // The work on the calling thread, reporting to `progress`: the batch path, with no thread
    // and no dialog.
    void ExecuteHere(IProgress& progress) { Execute(progress); }

protected:
    CLongtimeOperation() = default;
    virtual void Execute(IProgress& progress) = 0;

private:
    void WorkerMain(const std::function<void()>& finished);

    CProgressState m_progress;
    std::mutex m_endMutex;
    std::atomic<bool> m_finished{false};
    std::thread m_worker;
};

}  // namespace kw
