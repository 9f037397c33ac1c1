#pragma once

#include <string>

#include "tools/PlayerSearch.h"

namespace kw::test {

// Criteria with one text set.
inline SSearchCriteria ByFirstName(std::string text) {
    return SSearchCriteria{std::move(text), {}, {}};
}
inline SSearchCriteria BySurname(std::string text) {
    return SSearchCriteria{{}, std::move(text), {}};
}
inline SSearchCriteria ByStageName(std::string text) {
    return SSearchCriteria{{}, {}, std::move(text)};
}

}  // namespace kw::test
