#include "model/PlayerPool.h"

#include <array>

#include "model/PersonNames.h"
#include "model/World.h"
#include "platform/ResourceTable.h"
#include "platform/StringTable.h"
#include "storage/KLFile.h"
#include "storage/RecordVersion.h"

namespace kw {

namespace {

constexpr char kPoolTag[] = "PL_POOL";
constexpr std::uint32_t kTeamPartMajor = 8196;

// As the youth player dialog lists them.
constexpr std::array<const char*, CPoolEntry::kAbilityCount> kAbilityNames = {
    KW_RESOURCE_TEXT("kw::PlayerPool", "Passspiel"),
    KW_RESOURCE_TEXT("kw::PlayerPool", "Kopfball"),
    KW_RESOURCE_TEXT("kw::PlayerPool", "Schussstärke"),
    KW_RESOURCE_TEXT("kw::PlayerPool", "Schussgenauigkeit"),
    KW_RESOURCE_TEXT("kw::PlayerPool", "Antritt"),
    KW_RESOURCE_TEXT("kw::PlayerPool", "Schnelligkeit"),
    KW_RESOURCE_TEXT("kw::PlayerPool", "Def.Zweikampf"),
    KW_RESOURCE_TEXT("kw::PlayerPool", "Off. Zweikampf"),
    KW_RESOURCE_TEXT("kw::PlayerPool", "Technik"),
    KW_RESOURCE_TEXT("kw::PlayerPool", "Flanken"),
    KW_RESOURCE_TEXT("kw::PlayerPool", "Reflexe"),
    KW_RESOURCE_TEXT("kw::PlayerPool", "Flugparaden"),
    KW_RESOURCE_TEXT("kw::PlayerPool", "Strafraumbeherrschung"),
    KW_RESOURCE_TEXT("kw::PlayerPool", "Eins gegen eins"),
    KW_RESOURCE_TEXT("kw::PlayerPool", "Abstöße"),
    KW_RESOURCE_TEXT("kw::PlayerPool", "Abwürfe"),
};
// Part 0 is none, shown as "-".
constexpr std::array<const char*, CPoolEntry::kTeamPartCount> kTeamPartNames = {
    "-", KW_RESOURCE_TEXT("kw::PlayerPool", "Torwart"),
    KW_RESOURCE_TEXT("kw::PlayerPool", "Verteidiger"),
    KW_RESOURCE_TEXT("kw::PlayerPool", "Mittelfeldspieler"),
    KW_RESOURCE_TEXT("kw::PlayerPool", "Stürmer")};

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
               ? ShownText("kw::PlayerPool", kAbilityNames[static_cast<std::size_t>(ability)])
               : std::string_view();
}

std::string_view PoolTeamPartName(int part) {
    if (part == 0) {
        return kTeamPartNames[0];
    }
    return part > 0 && part < CPoolEntry::kTeamPartCount
               ? ShownText("kw::PlayerPool", kTeamPartNames[static_cast<std::size_t>(part)])
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
