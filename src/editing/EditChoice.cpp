#include "editing/EditChoice.h"

namespace kw {

int ChoiceIndex(std::span<const SEditChoice> choices, int value) {
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (choices[i].value == value) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace kw
