// Multi-byte numbers in files: little-endian in world archives, images and the master file,
// big-endian in packed-stream headers and BIG archives. Callers check the bounds.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kw {

constexpr std::uint32_t ReadLittleEndian(const std::uint8_t* bytes, std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = width; i-- > 0;) {
        value = (value << 8) | bytes[i];
    }
    return value;
}

constexpr std::uint32_t ReadBigEndian(const std::uint8_t* bytes, std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i) {
        value = (value << 8) | bytes[i];
    }
    return value;
}

constexpr void WriteLittleEndian(std::uint8_t* bytes, std::uint32_t value, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) {
        bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

constexpr void WriteBigEndian(std::uint8_t* bytes, std::uint32_t value, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) {
        bytes[width - 1 - i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

}  // namespace kw
