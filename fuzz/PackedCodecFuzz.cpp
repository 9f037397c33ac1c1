// libFuzzer harness of the packed data codec: every input is unpacked as an untrusted stream, and
// packed, which must unpack to the input again, deterministically and within the bound.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "storage/PackedCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> input(data, size);

    // A hostile stream: fail cleanly or produce exactly its stated size.
    if (const auto unpacked = kw::UnpackData(input, std::size_t{1} << 24)) {
        if (unpacked->size() != kw::UnpackedDataSize(input)) {
            std::abort();
        }
    }

    const std::vector<std::uint8_t> packed = kw::PackData(input);
    if (packed.empty() || packed.size() > kw::PackDataBound(size) ||
        packed.size() != kw::PackedDataLength(input) || packed != kw::PackData(input)) {
        std::abort();
    }
    const auto restored = kw::UnpackData(packed);
    if (!restored || *restored != std::vector<std::uint8_t>(input.begin(), input.end())) {
        std::abort();
    }
    return 0;
}
