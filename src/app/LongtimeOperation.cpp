#include "app/LongtimeOperation.h"

#include <utility>

namespace kw {

template <typename Change>
void CProgressState::Apply(Change&& change) {
    std::function<void()> listener;
    {
        const std::lock_guard lock(m_mutex);
        change(m_values);
        ++m_values.revision;
        listener = m_listener;
    }
    if (listener) {
        listener();
    }
}

void CProgressState::SetListener(std::function<void()> listener) {
    const std::lock_guard lock(m_mutex);
    m_listener = std::move(listener);
}

CProgressState::SSnapshot CProgressState::Snapshot() const {
    const std::lock_guard lock(m_mutex);
    return m_values;
}

bool CProgressState::CanClose() const {
    const std::lock_guard lock(m_mutex);
    return m_values.canClose;
}

bool CProgressState::Cancel() {
    bool accepted = false;
    Apply([&accepted](SSnapshot& values) {
        accepted = values.canClose;
        values.cancelled = values.cancelled || accepted;
    });
    return accepted;
}

void CProgressState::SetCaption(std::string_view text) {
    Apply([text](SSnapshot& values) { values.caption = text; });
}

void CProgressState::SetDescription(std::string_view text) {
    Apply([text](SSnapshot& values) { values.description = text; });
}

void CProgressState::SetStatus(std::string_view text) {
    Apply([text](SSnapshot& values) { values.status = text; });
}

void CProgressState::SetRange(int minimum, int maximum) {
    Apply([=](SSnapshot& values) {
        values.minimum = minimum;
        values.maximum = maximum;
    });
}

void CProgressState::SetPos(int position) {
    Apply([=](SSnapshot& values) { values.position = position; });
}

void CProgressState::EnableCancel(bool enable) {
    Apply([=](SSnapshot& values) { values.canClose = enable; });
}

void CProgressState::ShowTimes(bool show) {
    Apply([=](SSnapshot& values) { values.showTimes = show; });
}

void CProgressState::SetVisible(bool visible) {
    Apply([=](SSnapshot& values) { values.visible = visible; });
}

bool CProgressState::IsCancelled() const {
    const std::lock_guard lock(m_mutex);
    return m_values.cancelled;
}

CLongtimeOperation::~CLongtimeOperation() {
    Wait();
}

void CLongtimeOperation::Start(std::function<void()> finished) {
    if (m_worker.joinable() || m_finished.load()) {
        return;
    }
    m_worker = std::thread([this, finished = std::move(finished)] { WorkerMain(finished); });
}

void CLongtimeOperation::Wait() {
    if (m_worker.joinable()) {
        m_worker.join();
    }
}

void CLongtimeOperation::WorkerMain(const std::function<void()>& finished) {
    Execute(m_progress);
    // Closing must be allowed before the close request arrives, or the dialog would ignore it.
    const std::lock_guard lock(m_endMutex);
    m_progress.EnableCancel(true);
    if (finished) {
        finished();
    }
    m_finished.store(true);
}

}  // namespace kw
