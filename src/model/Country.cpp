#include "model/Country.h"

#include "model/RecordVersion.h"
#include "model/World.h"
#include "storage/KLFile.h"

namespace kw {

namespace {
constexpr char kCountryTag[] = "COUNTRY";
}

CCountry::CCountry(CWorld& world, int number) : m_world(world), m_number(number) {
    AddClub(kNationalTeamIndex);
}

CCountry::~CCountry() = default;

void CCountry::SetAttributes(std::uint8_t first, std::uint8_t second, std::uint8_t continentByte) {
    m_firstAttribute = first;
    m_firstAttributeCopy = first;
    m_secondAttribute = second;
    m_continentByte = continentByte;
}

CClub* CCountry::Club(std::uint32_t id) {
    const auto found = m_clubs.find(id & kClubIdMask);
    return found == m_clubs.end() ? nullptr : found->second.get();
}

CClub& CCountry::NationalTeam() {
    return *m_clubs.at(MakeClubId(m_number, kNationalTeamIndex));
}

CClub& CCountry::AddClub(std::uint16_t index) {
    const std::uint32_t id = MakeClubId(m_number, index);
    auto& slot = m_clubs[id];
    if (!slot) {
        slot = std::make_unique<CClub>(m_world, id);
    }
    return *slot;
}

CClub& CCountry::CreateClub() {
    std::uint16_t index = 1;
    for (const auto& [id, club] : m_clubs) {
        if (ClubIndex(id) != index) {
            break;
        }
        ++index;
    }
    CClub& club = AddClub(index);
    club.MakeNew();
    return club;
}

void CCountry::RemoveClub(std::uint32_t id) {
    if (IsNationalTeam(id)) {
        return;
    }
    const auto found = m_clubs.find(id & kClubIdMask);
    if (found == m_clubs.end()) {
        return;
    }
    // The world's person table owns the persons; they would outlive the club unseen.
    for (const std::uint32_t person : found->second->PersonIds()) {
        m_world.RemovePerson(person);
    }
    m_clubs.erase(found);
}

void CCountry::ClearClubWorkCounters() {
    for (auto& [id, club] : m_clubs) {
        club->SetWorkCounter(0);
    }
}

void CCountry::CopyNamesToNationalTeam() {
    CClub& team = NationalTeam();
    for (int language = 0; language < kLanguageCount; ++language) {
        team.SetName(language, m_names[language]);
        team.SetAbbreviation(language, m_shortNames[language].View());
    }
}

void CCountry::RebuildNumbering() {
    m_numbering.clear();
    std::uint16_t next = 1;
    for (const auto& [id, club] : m_clubs) {
        if (ClubIndex(id) < kNationalTeamIndex) {
            m_numbering[id & kClubIdMask] = next++;
        }
    }
}

std::uint32_t CCountry::ExportId(std::uint32_t clubId) const {
    if (IsNationalTeam(clubId)) {
        return clubId;
    }
    const auto found = m_numbering.find(clubId & kClubIdMask);
    if (found == m_numbering.end()) {
        return 0;
    }
    return (MakeClubId(m_number, found->second)) | (clubId & kSecondTeamFlag);
}

bool CCountry::Write(CKLFile& file) const {
    // A country counts as complete for the game only once it has a league structure.
    constexpr std::int32_t kComplete = 0;
    return file.BeginSection(kCountryTag) && WriteVersionSection(file) &&
           file.WriteNumber(kComplete) && file.EndSection(kCountryTag);
}

bool CCountry::Read(CKLFile& file) {
    if (!file.FindSection(kCountryTag)) {
        return false;
    }
    ReadVersionSection(file);
    file.SkipToSectionEnd(kCountryTag);
    ClearClubWorkCounters();
    return true;
}

}  // namespace kw
