#include "forms/InputPrompt.h"

#include <array>

namespace kw {

SInputPrompt SplitInputPrompt(std::string_view source,
                              std::optional<std::string_view> givenDefault) {
    source = source.substr(0, kInputPromptLimit);
    SInputPrompt result;
    if (source.find('\t') != std::string_view::npos) {
        const std::array<std::string*, 3> pieces = {&result.caption, &result.prompt,
                                                    &result.defaultText};
        for (std::string* piece : pieces) {
            const std::size_t tab = source.find('\t');
            *piece = source.substr(0, tab);
            if (tab == std::string_view::npos) {
                break;
            }
            source.remove_prefix(tab + 1);
        }
    }
    if (givenDefault) {
        result.defaultText = *givenDefault;
    }
    return result;
}

}  // namespace kw
