#include "editing/StaffKinds.h"

#include <algorithm>
#include <array>

#include "model/Club.h"
#include "model/Player.h"
#include "platform/StringTable.h"

namespace kw {

namespace {

constexpr std::array<SStaffKind, kLastStaffKind> kStaffKinds = {{
    {1, ids::kStaffRowTrainer, "Neuer Trainer"},
    {2, ids::kStaffRowManager, "Neuer Manager"},
    {3, ids::kStaffRowPresident, "Neuer Pr\xE4sident"},
    {4, ids::kStaffRowCoTrainer, "Neuer Co-Trainer"},
    {5, ids::kStaffRowGoalkeeperTrainer, "Neuer Torwarttrainer"},
    {6, ids::kStaffRowReserveTrainer, "Neuer Amateurtrainer"},
    {7, ids::kStaffRowYouthTrainer, "Neuer Jugendtrainer"},
    {8, ids::kStaffRowChiefScout, "Neuer Chefscout"},
    {9, ids::kStaffRowDoctor, "Neuer Doktor"},
    {10, ids::kStaffRowKneeSpecialist, "Neuer Spezialist Knie"},
    {11, ids::kStaffRowAnkleSpecialist,
     "Neuer Spezialist Kn\xF6"
     "chel"},
    {12, ids::kStaffRowMuscleSpecialist, "Neuer Spezialist Muskel"},
    {13, ids::kStaffRowMasseur, "Neuer Masseur"},
    {14, ids::kStaffRowPsychologist, "Neuer Psychologe"},
    {15, ids::kStaffRowDirector,
     "Neuer Gesch\xE4"
     "ftsf\xFChrer"},
    {16, ids::kStaffRowMarketing, "Neuer Marketingmanager"},
    {17, ids::kStaffRowStadiumManager, "Neuer Stadionmanager"},
    {18, ids::kStaffRowFanOfficer, "Neuer Fanbeauftragter"},
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
    return entry != nullptr ? std::string(entry->createCommand) : std::string();
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
