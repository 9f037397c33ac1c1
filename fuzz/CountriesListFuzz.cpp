// libFuzzer harness of the countries list ("countries.sav").

#include <cstddef>
#include <cstdint>

#include "model/CountriesList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kw::ParseCountriesList({reinterpret_cast<const char*>(data), size});
    return 0;
}
