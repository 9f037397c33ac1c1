// libFuzzer harness of the BMP loader.

#include <cstddef>
#include <cstdint>
#include <span>

#include "assets/Dib.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kw::CDib dib;
    if (dib.LoadFromMemory(std::span(data, size)) &&
        dib.Image().pixels.size() != static_cast<std::size_t>(dib.Width()) * dib.Height()) {
        __builtin_trap();
    }
    return 0;
}
