#include "gui/editors/country/CountryPage.h"

#include "document/DatabaseDocument.h"
#include "model/Country.h"
#include "model/World.h"

namespace kw {

std::string CountryEditName(const CDatabaseDocument& document, int country) {
    const CWorld& world = document.World();
    return world.Country(country).Name(document.Language());
}

}  // namespace kw
