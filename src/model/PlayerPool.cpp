#include "model/PlayerPool.h"

#include <array>

#include "model/PersonNames.h"
#include "model/World.h"
#include "platform/StringTable.h"
#include "storage/KLFile.h"
#include "storage/RecordVersion.h"

namespace kw {

namespace {

constexpr char kPoolTag[] = "PL_POOL";
constexpr std::uint32_t kTeamPartMajor = 8196;

// Windows-1252, as the dialog lists them.
constexpr std::array<std::string_view, CPoolEntry::kAbilityCount> kAbilityNames = {
    "Passspiel",     "Kopfball",      "Schussst\344rke",       "Schussgenauigkeit", "Antritt",
    "Schnelligkeit", "Def.Zweikampf", "Off. Zweikampf",        "Technik",           "Flanken",
    "Reflexe",       "Flugparaden",   "Strafraumbeherrschung", "Eins gegen eins",   "Abst\366\337e",
    "Abw\374rfe",
};
constexpr std::array<std::string_view, CPoolEntry::kTeamPartCount> kTeamPartNames = {
    "-", "Torwart", "Verteidiger", "Mittelfeldspieler", "St\374rmer"};

template <std::size_t N>
void ReadName(CKLFile& file, CFixedText<N>& name) {
    char buffer[N] = {};
    file.ReadText(buffer, N);
    name.Set(buffer);
}

}  // namespace

std::string CPoolEntry::ShortName() const {
    return PoolShortName(m_firstName.View(), m_surname.View());
}

bool CPoolEntry::Write(CKLFile& file, const CWorld& world) const {
    // The "Create A Club" value has the national-team index and so passes the numbering as it is.
    const std::uint32_t club = world.ExportClubId(m_preferredClub);
    return file.BeginSection(kPoolTag) && file.WriteText(m_firstName.View()) &&
           file.WriteText(m_surname.View()) && file.WriteText(m_thirdName.View()) &&
           file.WriteNumber(m_nationality) && file.WriteNumber(m_ability) &&
           file.WriteNumber(static_cast<std::int32_t>(club)) && file.WriteNumber(m_teamPart) &&
           file.EndSection(kPoolTag);
}

bool CPoolEntry::Read(CKLFile& file) {
    if (!file.FindSection(kPoolTag)) {
        return false;
    }
    Reset();
    ReadName(file, m_firstName);
    ReadName(file, m_surname);
    ReadName(file, m_thirdName);
    file.ReadNumber(m_nationality);
    file.ReadNumber(m_ability);
    file.ReadNumber(m_preferredClub);
    if (RecordMajor(file.RecordVersion()) >= kTeamPartMajor) {
        file.ReadNumber(m_teamPart);
    }
    file.SkipToSectionEnd(kPoolTag);
    return true;
}

std::string_view PoolAbilityName(int ability) {
    return ability >= 0 && ability < CPoolEntry::kAbilityCount
               ? kAbilityNames[static_cast<std::size_t>(ability)]
               : std::string_view();
}

std::string_view PoolTeamPartName(int part) {
    return part >= 0 && part < CPoolEntry::kTeamPartCount
               ? kTeamPartNames[static_cast<std::size_t>(part)]
               : std::string_view();
}

std::string PreferredClubName(const CWorld& world, std::uint32_t club, int language) {
    if (club == CPoolEntry::kCreateAClub) {
        return std::string(ResourceString(ids::kCreateAClub));
    }
    const int country = ClubCountry(club);
    if (!world.IsLoaded() || country < 1 || country > kCountryCount) {
        return {};
    }
    const CClub* target = world.Country(country).Club(club);
    if (target == nullptr) {
        return {};
    }
    return (club & kSecondTeamFlag) != 0 ? target->SecondTeamName(language)
                                         : std::string(target->Name(language));
}

}  // namespace kw
