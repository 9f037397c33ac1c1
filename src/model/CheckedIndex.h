#pragma once

#include <array>
#include <cstddef>

namespace kw {

// Indexes from editors and files are checked: an index outside the array reads as the default
// value and writes nothing.
template <typename T, std::size_t N>
void SetElement(std::array<T, N>& array, int index, T value) {
    if (index >= 0 && static_cast<std::size_t>(index) < N) {
        array[static_cast<std::size_t>(index)] = value;
    }
}

template <typename T, std::size_t N>
T Element(const std::array<T, N>& array, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < N
               ? array[static_cast<std::size_t>(index)]
               : T{};
}

}  // namespace kw
