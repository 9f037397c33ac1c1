#include "app/ProgressTimer.h"

#include "platform/StringTable.h"

namespace kw {

namespace {

constexpr std::int64_t kFirstShownMs = 5000;

}  // namespace

std::optional<std::string> CProgressTimer::Update(int minimum, int maximum, int position,
                                                  std::int64_t nowMs) {
    if (position < 1) {
        return std::nullopt;
    }
    if (!m_start) {
        m_start = nowMs;
        return std::nullopt;
    }
    const std::int64_t elapsedMs = nowMs - *m_start;
    // At the range minimum there is nothing to extrapolate from.
    if (elapsedMs < kFirstShownMs || position <= minimum) {
        return std::nullopt;
    }
    const std::int64_t estimatedMs =
        (std::int64_t{maximum} - minimum) * elapsedMs / (std::int64_t{position} - minimum);
    return ElapsedTimesLine(elapsedMs / 1000, estimatedMs / 1000);
}

std::string ElapsedTimesLine(std::int64_t elapsedSeconds, std::int64_t estimatedSeconds) {
    return FormatPrintf(
        ResourceString(ids::kElapsedTimes).data(), static_cast<int>(elapsedSeconds / 60),
        static_cast<int>(elapsedSeconds % 60), static_cast<int>(estimatedSeconds / 60),
        static_cast<int>(estimatedSeconds % 60));
}

}  // namespace kw
