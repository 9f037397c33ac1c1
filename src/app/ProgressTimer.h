#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kw {

// The time line of the progress dialog. Timing starts with the first update whose position is at
// least 1; from 5 seconds after that on, each update shows the elapsed time and the estimated
// total time of the operation (not the time left), extrapolated from the share done so far.
class CProgressTimer {
public:
    // The new time line for an update at `nowMs` (any monotonic milliseconds), or nothing when
    // the line keeps its text.
    std::optional<std::string> Update(int minimum, int maximum, int position, std::int64_t nowMs);
    void Reset() { m_start.reset(); }

private:
    std::optional<std::int64_t> m_start;
};

// "Verstrichene Zeit: m:ss / Geschätzte Zeit:m:ss" (Windows-1252).
std::string ElapsedTimesLine(std::int64_t elapsedSeconds, std::int64_t estimatedSeconds);

}  // namespace kw
