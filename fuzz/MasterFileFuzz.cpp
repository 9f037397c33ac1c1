// libFuzzer harness of the master file's verifying reader: the first byte chooses the layout
// (option bit 0x1), the rest is the file.

#include <cstddef>
#include <cstdint>
#include <span>

#include "exports/master/MasterFileReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    kw::VerifyMasterFile(std::span(data + 1, size - 1), data[0] & 0x1u);
    return 0;
}
