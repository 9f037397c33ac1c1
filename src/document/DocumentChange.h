#pragma once

#include <cstdint>

namespace kw {

// What an edit changed, so that views refresh only that. Countries are 1 to 206; ids are club or
// person ids.
struct SDocumentChange {
    enum class EKind {
        kClub,         // one club's values (country, id)
        kPerson,       // one person's values (id)
        kCountry,      // a country's settings, clubs, persons or competitions (country)
        kRules,        // the rules
        kWithoutClub,  // the players without club
        kWorld,        // anything: the whole database was replaced or changed
    };
    EKind kind = EKind::kWorld;
    int country = 0;
    std::uint32_t id = 0;

    friend bool operator==(const SDocumentChange&, const SDocumentChange&) = default;
};

}  // namespace kw
