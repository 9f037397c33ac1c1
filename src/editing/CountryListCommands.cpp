#include "editing/CountryListCommands.h"

#include <iterator>
#include <vector>

#include "document/DatabaseDocument.h"
#include "model/Country.h"
#include "model/Referee.h"
#include "model/Stadium.h"
#include "model/World.h"
#include "platform/StringTable.h"

namespace kw {

namespace {

// `list` gives the country's list of such records, const or not.
template <typename Record, typename List>
bool ReplaceIn(CDatabaseDocument& document, std::string_view description, int country,
               std::size_t index, const Record& record, List list) {
    if (!IsRealCountry(country)) {
        return false;
    }
    const std::vector<Record>& records = list(document.World().Country(country));
    if (index >= records.size() || records[index] == record) {
        return false;
    }
    return document.Perform(std::string(description), SWorldScope::Countries({country}),
                            [country, index, &record, list](CWorld& world) {
                                list(world.Country(country))[index] = record;
                                return true;
                            });
}

}  // namespace

bool ReplaceStadium(CDatabaseDocument& document, int country, std::size_t index,
                    const CStadium& stadium) {
    return ReplaceIn(
        document, ShownText("kw::Edit", "Stadion ändern"), country, index, stadium,
        [](auto& owner) -> auto& { return owner.Stadiums(); });
}

bool ReplaceReferee(CDatabaseDocument& document, int country, std::size_t index,
                    const CReferee& referee) {
    return ReplaceIn(
        document, ShownText("kw::Edit", "Schiedsrichter ändern"), country, index, referee,
        [](auto& owner) -> auto& { return owner.Referees(); });
}

bool AddReferee(CDatabaseDocument& document, int country, const CReferee& referee) {
    if (!IsRealCountry(country)) {
        return false;
    }
    return document.Perform(std::string(ShownText("kw::Edit", "Neuer Schiedsrichter")),
                            SWorldScope::Countries({country}), [country, &referee](CWorld& world) {
                                world.Country(country).Referees().push_back(referee);
                                return true;
                            });
}

bool RemoveReferee(CDatabaseDocument& document, int country, std::size_t index) {
    if (!IsRealCountry(country) || index >= document.World().Country(country).Referees().size()) {
        return false;
    }
    return document.Perform(
        std::string(ShownText("kw::Edit", "Schiedsrichter löschen")),
        SWorldScope::Countries({country}), [country, index](CWorld& world) {
            std::vector<CReferee>& referees = world.Country(country).Referees();
            referees.erase(std::next(referees.begin(), static_cast<std::ptrdiff_t>(index)));
            return true;
        });
}

}  // namespace kw
