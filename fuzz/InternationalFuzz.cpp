// libFuzzer harness of the international structure files: the input stands for each of the four
// files in turn (each reads only the sections of its own prefix), read as a world's start does.

#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzFile.h"
#include "competition/InternationalStructures.h"
#include "model/World.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const kw::SInternationalFile& entry : kw::kInternationalFiles) {
        kw::fuzz::WriteFuzzFile("install/script/" + std::string(entry.fileName), data, size);
    }
    kw::CWorld world(kw::fuzz::FuzzDirectory() / "install");
    world.InitialiseCountries();
    return 0;
}
