#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kw {

// Text only grows while it is shorter than this; a single addition may carry it past.
inline constexpr std::size_t kMessageListLimit = 1024;

// The text a message dialog collects before it is shown. Once it has reached the limit, further
// additions are dropped silently, so a flood of messages cannot grow the dialog without end.
class CMessageList {
public:
    // The resource string and a line feed.
    void AddMessage(int stringId);
    // The text and a line feed.
    void AddText(std::string_view text);
    // The text alone.
    void AppendText(std::string_view text);

    const std::string& Text() const { return m_text; }

private:
    bool Full() const { return m_text.size() >= kMessageListLimit; }

    std::string m_text;
};

}  // namespace kw
