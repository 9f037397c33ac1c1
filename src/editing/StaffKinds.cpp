#include "editing/StaffKinds.h"

#include <algorithm>
#include <array>

#include "model/Club.h"
#include "model/Player.h"
#include "platform/ResourceTable.h"
#include "platform/StringTable.h"

namespace kw {

namespace {

constexpr std::array<SStaffKind, kLastStaffKind> kStaffKinds = {{
    {1, ids::kStaffRowTrainer, KW_RESOURCE_TEXT("kw::StaffKinds", "Neuer Trainer")},
    {2, ids::kStaffRowManager, KW_RESOURCE_TEXT("kw::StaffKinds", "Neuer Manager")},
    {3, ids::kStaffRowPresident, KW_RESOURCE_TEXT("kw::StaffKinds", "Neuer Präsident")},
    {4, ids::kStaffRowCoTrainer, KW_RESOURCE_TEXT("kw::StaffKinds", "Neuer Co-Trainer")},
    {5, ids::kStaffRowGoalkeeperTrainer,
     KW_RESOURCE_TEXT("kw::StaffKinds", "Neuer Torwarttrainer")},
    {6, ids::kStaffRowReserveTrainer, KW_RESOURCE_TEXT("kw::StaffKinds", "Neuer Amateurtrainer")},
    {7, ids::kStaffRowYouthTrainer, KW_RESOURCE_TEXT("kw::StaffKinds", "Neuer Jugendtrainer")},
    {8, ids::kStaffRowChiefScout, KW_RESOURCE_TEXT("kw::StaffKinds", "Neuer Chefscout")},
    {9, ids::kStaffRowDoctor, KW_RESOURCE_TEXT("kw::StaffKinds", "Neuer Doktor")},
    {10, ids::kStaffRowKneeSpecialist, KW_RESOURCE_TEXT("kw::StaffKinds", "Neuer Spezialist Knie")},
    {11, ids::kStaffRowAnkleSpecialist,
     KW_RESOURCE_TEXT("kw::StaffKinds", "Neuer Spezialist Knöchel")},
    {12, ids::kStaffRowMuscleSpecialist,
     KW_RESOURCE_TEXT("kw::StaffKinds", "Neuer Spezialist Muskel")},
    {13, ids::kStaffRowMasseur, KW_RESOURCE_TEXT("kw::StaffKinds", "Neuer Masseur")},
    {14, ids::kStaffRowPsychologist, KW_RESOURCE_TEXT("kw::StaffKinds", "Neuer Psychologe")},
    {15, ids::kStaffRowDirector, KW_RESOURCE_TEXT("kw::StaffKinds", "Neuer Geschäftsführer")},
    {16, ids::kStaffRowMarketing, KW_RESOURCE_TEXT("kw::StaffKinds", "Neuer Marketingmanager")},
    {17, ids::kStaffRowStadiumManager, KW_RESOURCE_TEXT("kw::StaffKinds", "Neuer Stadionmanager")},
    {18, ids::kStaffRowFanOfficer, KW_RESOURCE_TEXT("kw::StaffKinds", "Neuer Fanbeauftragter")},
}};

}  // namespace

std::span<const SStaffKind> StaffKinds() {
    return kStaffKinds;
}

const SStaffKind* FindStaffKind(int kind) {
    if (kind < kFirstStaffKind || kind > kLastStaffKind) {
        return nullptr;
    }
    return &kStaffKinds[static_cast<std::size_t>(kind - kFirstStaffKind)];
}

std::string NewStaffCommandText(int kind) {
    const SStaffKind* entry = FindStaffKind(kind);
    return entry != nullptr ? std::string(ShownText("kw::StaffKinds", entry->createCommand.data()))
                            : std::string();
}

std::string StaffRowText(std::string_view shortName, int kind) {
    const SStaffKind* entry = FindStaffKind(kind);
    if (entry == nullptr) {
        return {};
    }
    const std::string name(shortName);
    return FormatPrintf(ResourceString(entry->rowTextId).data(), name.c_str());
}

bool HasManagerExperience(int kind) {
    return kind == 1 || kind == 2;
}

bool HasStaffGrades(int kind) {
    return kind >= 4 && kind <= kLastStaffKind;
}

bool CanCreateStaffKind(const CClub& club, int kind) {
    if (club.IsNationalTeam() || FindStaffKind(kind) == nullptr ||
        club.PersonIds().size() >= kPersonsForNewStaff) {
        return false;
    }
    const auto staff = club.Staff();
    return std::none_of(staff.begin(), staff.end(),
                        [kind](const CPlayer* person) { return person->Kind() == kind; });
}

}  // namespace kw
