// libFuzzer harness of the TGA to bitmap conversion.

#include <cstddef>
#include <cstdint>
#include <span>

#include "assets/Tga.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto dib = kw::ConvertTgaToDib(std::span(data, size));
    if (dib && dib->size() < kw::kDibHeaderSize) {
        __builtin_trap();
    }
    return 0;
}
