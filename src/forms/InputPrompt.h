#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kw {

// Longer prompt sources are cut to this many characters.
inline constexpr std::size_t kInputPromptLimit = 4095;

// What an input box shows: its window caption, the prompt above the field and the field's text.
struct SInputPrompt {
    std::string caption;
    std::string prompt;
    std::string defaultText;

    bool operator==(const SInputPrompt&) const = default;
};

// Splits a prompt source "caption\tprompt\tdefault" at its tabs; pieces after the third are
// ignored. A source without any tab sets neither caption nor prompt. A given default replaces the
// third piece.
SInputPrompt SplitInputPrompt(std::string_view source,
                              std::optional<std::string_view> givenDefault = std::nullopt);

}  // namespace kw
