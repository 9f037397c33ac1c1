#pragma once

#include <span>
#include <string>

namespace kw {

// One item of a choice list (a combo box): its text in Windows-1252 and the value it stands for.
struct SEditChoice {
    std::string text;
    int value = 0;

    friend bool operator==(const SEditChoice&, const SEditChoice&) = default;
};

// The position of the item with that value; -1 when the list does not offer it, so that a value
// the list cannot show selects nothing (and is kept unless the user chooses).
int ChoiceIndex(std::span<const SEditChoice> choices, int value);

}  // namespace kw
