#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>

#include "app/LongtimeOperation.h"

namespace kw {
namespace {

// Steps through 100 positions and waits at position 10 until the test lets it go on, so the
// test can act while the worker is known to be inside the work.
class CGatedOperation final : public CLongtimeOperation {
public:
    explicit CGatedOperation(bool cancellable) : m_cancellable(cancellable) {}
    ~CGatedOperation() override { Wait(); }

    void WaitForGate() {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_atGate; });
    }
    void OpenGate() {
        {
            const std::lock_guard lock(m_mutex);
            m_open = true;
        }
        m_changed.notify_all();
    }
    int LastStep() const { return m_lastStep; }

private:
    void Execute(IProgress& progress) override {
        progress.EnableCancel(m_cancellable);
        progress.SetRange(0, 100);
        for (int step = 1; step <= 100 && !progress.IsCancelled(); ++step) {
            progress.SetPos(step);
            m_lastStep = step;
            if (step == 10) {
                std::unique_lock lock(m_mutex);
                m_atGate = true;
                m_changed.notify_all();
                m_changed.wait(lock, [this] { return m_open; });
            }
        }
    }

    const bool m_cancellable;
    int m_lastStep = 0;  // read after Wait, which orders it
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_atGate = false;
    bool m_open = false;
};

struct EndRecord {
    std::atomic<int> calls{0};
    std::atomic<bool> couldClose{false};
    std::atomic<bool> finishedAlready{true};
};

// Work that refuses a cancel runs to its end and then allows closing; cancellable work ends at its
// next test; the batch path runs on the calling thread without the end sequence.
TEST(LongtimeOperation, WorkRunsToItsEndOrItsNextTestAfterACancel) {
    CGatedOperation operation(false);
    std::atomic<int> notifications{0};
    operation.Progress().SetListener([&notifications] { ++notifications; });
    EndRecord end;
    operation.Start([&] {
        ++end.calls;
        end.couldClose = operation.Progress().CanClose();
        end.finishedAlready = operation.IsFinished();
    });
    operation.WaitForGate();
    EXPECT_FALSE(operation.Progress().Cancel());
    EXPECT_FALSE(operation.Progress().CanClose());
    const auto during = operation.Progress().Snapshot();
    EXPECT_EQ(during.position, 10);
    EXPECT_EQ(during.maximum, 100);
    operation.OpenGate();
    operation.Wait();

    EXPECT_TRUE(operation.IsFinished());
    EXPECT_EQ(operation.LastStep(), 100);
    EXPECT_EQ(end.calls, 1);
    EXPECT_TRUE(end.couldClose);
    EXPECT_FALSE(end.finishedAlready);
    const auto after = operation.Progress().Snapshot();
    EXPECT_FALSE(after.cancelled);
    EXPECT_EQ(after.position, 100);
    EXPECT_EQ(static_cast<std::uint64_t>(notifications.load()), after.revision);

    // A cancel ends the work at its next test.
    CGatedOperation cancelled(true);
    EndRecord cancelledEnd;
    cancelled.Start([&] { ++cancelledEnd.calls; });
    cancelled.WaitForGate();
    EXPECT_TRUE(cancelled.Progress().Cancel());
    EXPECT_FALSE(cancelled.IsFinished());
    cancelled.OpenGate();
    cancelled.Wait();
    EXPECT_TRUE(cancelled.IsFinished());
    EXPECT_EQ(cancelled.LastStep(), 10);
    EXPECT_EQ(cancelledEnd.calls, 1);
    EXPECT_TRUE(cancelled.Progress().IsCancelled());

    // The batch path runs on the calling thread without the end sequence.
    CGatedOperation batch(true);
    batch.OpenGate();
    CProgressState progress;
    batch.ExecuteHere(progress);
    EXPECT_EQ(batch.LastStep(), 100);
    EXPECT_FALSE(batch.IsFinished());
    EXPECT_EQ(progress.Snapshot().position, 100);
}

}  // namespace
}  // namespace kw
