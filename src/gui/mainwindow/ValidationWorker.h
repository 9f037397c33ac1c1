// Runs the validation report on a thread of its own while the window shows its progress.
#pragma once

#include <atomic>
#include <mutex>
#include <optional>
#include <thread>

#include "tools/Validation.h"

namespace kw {

class CGlobalTools;
class CWorld;

// One run at a time. The world must not change while a run is going: the owner cancels and
// joins (`Stop`) before anything edits it, and starts again afterwards.
class CValidationWorker {
public:
    CValidationWorker() = default;
    CValidationWorker(const CValidationWorker&) = delete;
    CValidationWorker& operator=(const CValidationWorker&) = delete;
    ~CValidationWorker() { Stop(); }

    // Stops a run still going, then starts a new one; its findings name things in `language`.
    void Start(const CWorld& world, int language, const CGlobalTools* tools);
    // Cancels the run and waits for its thread; its result is dropped.
    void Stop();

    bool IsRunning() const { return m_thread.joinable() && !m_done; }
    // Position and range of the progress (0..kCountryCount + 1).
    int Position() const { return m_position; }
    static int Range();
    // The result once the run ended, taken once; the thread is joined then.
    std::optional<SValidationResult> TakeResult();

private:
    class CProgress;
    void Run(const CWorld& world, int language, const CGlobalTools* tools);

    std::thread m_thread;
    std::atomic<bool> m_cancel{false};
    std::atomic<bool> m_done{false};
    std::atomic<int> m_position{0};
    std::mutex m_mutex;
    std::optional<SValidationResult> m_result;
};

}  // namespace kw
