// libFuzzer harness of "Without.sav": the list of a fresh world loaded from the input's file.

#include <cstddef>
#include <cstdint>

#include "FuzzFile.h"
#include "model/World.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kw::fuzz::WriteFuzzFile("without/Without.sav", data, size);
    kw::CWorld world;
    world.InitialiseCountries();
    world.WithoutClub().Load(kw::fuzz::FuzzDirectory() / "without");
    return 0;
}
