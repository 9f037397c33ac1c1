// libFuzzer harness of the country file: the input is a whole "Country%d.sav", read into a fresh
// world and completed as a load completes it.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "model/Country.h"
#include "model/World.h"
#include "storage/KLFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kw::CWorld world;
    world.InitialiseCountries();
    kw::CKLFile file;
    file.OpenForReadFromMemory({reinterpret_cast<const char*>(data), size});
    kw::CCountry& country = world.Country(1);
    if (country.Read(file)) {
        country.AfterLoad();
        country.RebuildNumbering();
    }
    return 0;
}
