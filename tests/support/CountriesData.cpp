#include "CountriesData.h"

namespace kw::test {

std::filesystem::path CountriesData() {
    return KW_COUNTRIES_DATA;
}

}  // namespace kw::test
