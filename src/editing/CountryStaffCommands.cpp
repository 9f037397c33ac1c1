#include "editing/CountryStaffCommands.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "document/DatabaseDocument.h"
#include "editing/ManagerRules.h"
#include "editing/StaffKinds.h"
#include "model/Country.h"
#include "model/World.h"
#include "platform/ResourceTable.h"

namespace kw {

namespace {

constexpr int kTrainerKind = 1;

// In the order of the staff editor's list; shown translated.
constexpr std::array<const char*, kStaffJobCount> kJobNames = {
    KW_RESOURCE_TEXT("kw::CountryStaffCommands", "keine"),
    KW_RESOURCE_TEXT("kw::CountryStaffCommands", "Torwarttrainer"),
    KW_RESOURCE_TEXT("kw::CountryStaffCommands", "Amateurtrainer"),
    KW_RESOURCE_TEXT("kw::CountryStaffCommands", "Jugendtrainer"),
    KW_RESOURCE_TEXT("kw::CountryStaffCommands", "Chefscout"),
    KW_RESOURCE_TEXT("kw::CountryStaffCommands", "2. Scout"),
    KW_RESOURCE_TEXT("kw::CountryStaffCommands", "Talentsichter"),
    KW_RESOURCE_TEXT("kw::CountryStaffCommands", "Mannschaftsarzt"),
    KW_RESOURCE_TEXT("kw::CountryStaffCommands", "Spezialist (Knie)"),
    KW_RESOURCE_TEXT("kw::CountryStaffCommands", "Spezialist (Köchel)"),
    KW_RESOURCE_TEXT("kw::CountryStaffCommands", "Spezialist (Muskel)"),
    KW_RESOURCE_TEXT("kw::CountryStaffCommands", "Masseur"),
    KW_RESOURCE_TEXT("kw::CountryStaffCommands", "Psychologe"),
    KW_RESOURCE_TEXT("kw::CountryStaffCommands", "Geschäftsführer"),
    KW_RESOURCE_TEXT("kw::CountryStaffCommands", "Marketingspezialist"),
    KW_RESOURCE_TEXT("kw::CountryStaffCommands", "Stadiummanager"),
    KW_RESOURCE_TEXT("kw::CountryStaffCommands", "Fanbeauftragter"),
};

bool HoldsManager(const CWorld& world, int country, std::uint32_t id) {
    const std::vector<std::uint32_t>& ids = world.Country(country).ManagerIds();
    return std::find(ids.begin(), ids.end(), id) != ids.end() && world.Manager(id) != nullptr;
}

std::string StaffEntryRow(const CStaffEntry& entry) {
    return entry.ShortName() + '\t' + std::string(StaffJobName(entry.Job()));
}

}  // namespace

std::string_view StaffJobName(int job) {
    return job >= 0 && job < kStaffJobCount
               ? ShownText("kw::CountryStaffCommands", kJobNames[static_cast<std::size_t>(job)])
               : std::string_view();
}

std::vector<SCountryStaffRow> CountryStaffRows(const CWorld& world, int country) {
    std::vector<SCountryStaffRow> rows;
    if (!IsRealCountry(country)) {
        return rows;
    }
    const CCountry& owner = world.Country(country);
    for (const std::uint32_t id : owner.ManagerIds()) {
        if (const CManager* manager = world.Manager(id)) {
            rows.push_back({{ECountryStaffRecord::kManager, id},
                            StaffRowText(manager->ShortName(), kTrainerKind)});
        }
    }
    const std::vector<CStaffEntry>& staff = owner.Staff();
    for (std::size_t index = 0; index < staff.size(); ++index) {
        rows.push_back({{ECountryStaffRecord::kStaffEntry, static_cast<std::uint32_t>(index)},
                        StaffEntryRow(staff[index])});
    }
    return rows;
}

CManager BlankCountryManager(const CWorld& world, int country) {
    CManager manager;
    if (!IsRealCountry(country)) {
        return manager;
    }
    manager.SetNationality(country);
    const auto& languages = world.Country(country).Settings().languages;
    const ManagerLanguages slots = LanguageSlotsToStore({languages[0], languages[1], 0, 0});
    for (std::size_t slot = 0; slot < slots.size(); ++slot) {
        manager.SetLanguage(static_cast<int>(slot), slots[slot]);
    }
    return manager;
}

std::optional<SCountryStaffRef> AddCountryManager(CDatabaseDocument& document, int country,
                                                  const CManager& manager) {
    if (!IsRealCountry(country) || manager.Surname().Empty()) {
        return std::nullopt;
    }
    std::uint32_t id = 0;
    document.Perform(std::string(ShownText("kw::Edit", "Neuer Trainer")),
                     SWorldScope::Countries({country}), [country, &manager, &id](CWorld& world) {
                         id = world.Country(country).AddManager();
                         *world.Manager(id) = manager;
                         return true;
                     });
    return SCountryStaffRef{ECountryStaffRecord::kManager, id};
}

std::optional<SCountryStaffRef> AddCountryStaffEntry(CDatabaseDocument& document, int country,
                                                     const CStaffEntry& entry) {
    if (!IsRealCountry(country) || entry.Surname().Empty()) {
        return std::nullopt;
    }
    const auto index = static_cast<std::uint32_t>(document.World().Country(country).Staff().size());
    document.Perform(std::string(ShownText("kw::Edit", "Neuer Mitarbeiter")),
                     SWorldScope::Countries({country}), [country, &entry](CWorld& world) {
                         world.Country(country).Staff().push_back(entry);
                         return true;
                     });
    return SCountryStaffRef{ECountryStaffRecord::kStaffEntry, index};
}

bool ReplaceCountryManager(CDatabaseDocument& document, int country, std::uint32_t managerId,
                           const CManager& manager) {
    if (!IsRealCountry(country) || manager.Surname().Empty() ||
        !HoldsManager(document.World(), country, managerId) ||
        *document.World().Manager(managerId) == manager) {
        return false;
    }
    return document.Perform(std::string(ShownText("kw::Edit", "Trainer ändern")),
                            SWorldScope::Countries({country}),
                            [managerId, &manager](CWorld& world) {
                                *world.Manager(managerId) = manager;
                                return true;
                            });
}

bool ReplaceCountryStaffEntry(CDatabaseDocument& document, int country, std::size_t index,
                              const CStaffEntry& entry) {
    if (!IsRealCountry(country) || entry.Surname().Empty()) {
        return false;
    }
    const std::vector<CStaffEntry>& staff = document.World().Country(country).Staff();
    if (index >= staff.size() || staff[index] == entry) {
        return false;
    }
    return document.Perform(std::string(ShownText("kw::Edit", "Mitarbeiter ändern")),
                            SWorldScope::Countries({country}),
                            [country, index, &entry](CWorld& world) {
                                world.Country(country).Staff()[index] = entry;
                                return true;
                            });
}

bool DeleteCountryStaff(CDatabaseDocument& document, int country, const SCountryStaffRef& ref) {
    if (!IsRealCountry(country)) {
        return false;
    }
    if (ref.record == ECountryStaffRecord::kManager) {
        if (!HoldsManager(document.World(), country, ref.key)) {
            return false;
        }
        return document.Perform(std::string(ShownText("kw::Edit", "Trainer löschen")),
                                SWorldScope::Countries({country}), [country, &ref](CWorld& world) {
                                    world.Country(country).RemoveManager(ref.key);
                                    return true;
                                });
    }
    if (ref.key >= document.World().Country(country).Staff().size()) {
        return false;
    }
    return document.Perform(
        std::string(ShownText("kw::Edit", "Mitarbeiter löschen")),
        SWorldScope::Countries({country}), [country, &ref](CWorld& world) {
            std::vector<CStaffEntry>& staff = world.Country(country).Staff();
            staff.erase(std::next(staff.begin(), static_cast<std::ptrdiff_t>(ref.key)));
            return true;
        });
}

}  // namespace kw
