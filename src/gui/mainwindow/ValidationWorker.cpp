#include "gui/mainwindow/ValidationWorker.h"

#include "model/World.h"
#include "platform/Progress.h"

namespace kw {

// Hands the position over and the cancel request in, both through atomics.
class CValidationWorker::CProgress final : public CSilentProgress {
public:
    CProgress(std::atomic<int>& position, const std::atomic<bool>& cancel)
        : m_position(position), m_cancel(cancel) {}
    void SetPos(int position) override { m_position = position; }
    bool IsCancelled() const override { return m_cancel; }

private:
    std::atomic<int>& m_position;
    const std::atomic<bool>& m_cancel;
};

int CValidationWorker::Range() {
    return kCountryCount + 1;
}

void CValidationWorker::Start(const CWorld& world, int language, const CGlobalTools* tools) {
    Stop();
    m_cancel = false;
    m_done = false;
    m_position = 0;
    m_thread = std::thread([this, &world, language, tools] { Run(world, language, tools); });
}

void CValidationWorker::Stop() {
    m_cancel = true;
    if (m_thread.joinable()) {
        m_thread.join();
    }
    const std::lock_guard lock(m_mutex);
    m_result.reset();
}

std::optional<SValidationResult> CValidationWorker::TakeResult() {
    if (!m_done || !m_thread.joinable()) {
        return std::nullopt;
    }
    m_thread.join();
    const std::lock_guard lock(m_mutex);
    std::optional<SValidationResult> result = std::move(m_result);
    m_result.reset();
    return result;
}

void CValidationWorker::Run(const CWorld& world, int language, const CGlobalTools* tools) {
    CProgress progress(m_position, m_cancel);
    SValidationResult result = ValidateDatabase(world, language, tools, &progress);
    {
        const std::lock_guard lock(m_mutex);
        m_result = std::move(result);
    }
    m_done = true;
}

}  // namespace kw
