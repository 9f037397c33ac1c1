#include "tools/ValidationReferences.h"

#include <algorithm>

#include "competition/CompetitionList.h"
#include "competition/League.h"
#include "competition/Pool.h"
#include "model/World.h"
#include "platform/StringTable.h"

namespace kw {

namespace {

bool ClubExists(const CWorld& world, std::uint32_t id) {
    const int country = ClubCountry(id);
    return country >= 1 && country <= kCountryCount && world.Country(country).Club(id) != nullptr;
}

// Stadium numbers count from 1; 0 is none.
bool StadiumExists(const CCountry& country, std::int32_t number) {
    return number >= 0 && number <= static_cast<std::int32_t>(country.Stadiums().size());
}

class CCountryReferences {
public:
    CCountryReferences(const CWorld& world, int country, int language,
                       std::vector<SFinding>& findings)
        : m_world(world),
          m_country(world.Country(country)),
          m_language(language),
          m_findings(findings) {}

    void Run() {
        for (const auto& [id, club] : m_country.Clubs()) {
            Club(*club);
        }
        if (!StadiumExists(m_country, m_country.Settings().cupFinalStadium)) {
            Add(FormatPrintf(ShownText("kw::Validation", "Endspielstadion %d gibt es nicht").data(),
                             m_country.Settings().cupFinalStadium),
                CountryTarget(ECountryPage::kCups));
        }
        for (const CPoolEntry& entry : m_country.PlayerPool()) {
            if (entry.PreferredClub() != CPoolEntry::kCreateAClub &&
                MissingClub(entry.PreferredClub())) {
                Add(FormatPrintf(
                        ShownText("kw::Validation", "Jugendspieler %s: Verein %#x gibt es nicht")
                            .data(),
                        std::string(entry.Surname().View()).c_str(), entry.PreferredClub()),
                    CountryTarget(ECountryPage::kYouth));
            }
        }
        for (const std::uint32_t id :
             CountryCompetitionIds(m_world.Registry(), m_country.Number())) {
            Teams(*m_world.Competition(id));
        }
    }

private:
    bool MissingClub(std::uint32_t id) const { return id != 0 && !ClubExists(m_world, id); }

    SFindingTarget CountryTarget(ECountryPage page) const {
        return {ETargetKind::kCountryWindow, m_country.Number(), 0, page, 0};
    }

    void Club(const CClub& club) {
        const std::string name(club.Name(m_language));
        const SFindingTarget editor{ETargetKind::kClubEditor, m_country.Number(), club.Id()};
        const SFindingTarget squad{ETargetKind::kSquad, m_country.Number(), club.Id()};
        if (MissingClub(club.FanFriendship())) {
            Add(FormatPrintf(
                    ShownText("kw::Validation", "%s: befreundeter Verein %#x gibt es nicht").data(),
                    name.c_str(), club.FanFriendship()),
                editor);
        }
        for (const std::uint32_t rival : club.Rivals()) {
            if (MissingClub(rival)) {
                Add(FormatPrintf(ShownText("kw::Validation", "%s: Rivale %#x gibt es nicht").data(),
                                 name.c_str(), rival),
                    editor);
            }
        }
        if (!StadiumExists(m_country, club.StadiumNumber())) {
            Add(FormatPrintf(ShownText("kw::Validation", "%s: Stadion %d gibt es nicht").data(),
                             name.c_str(), club.StadiumNumber()),
                editor);
        }
        for (const std::uint32_t id : club.PersonIds()) {
            const CPlayer* person = m_world.Person(id);
            if (person == nullptr) {
                Add(FormatPrintf(ShownText("kw::Validation", "%s: Person %u gibt es nicht").data(),
                                 name.c_str(), id),
                    squad);
                continue;
            }
            std::vector<std::uint32_t> references = person->ClubReferences();
            std::sort(references.begin(), references.end());
            references.erase(std::unique(references.begin(), references.end()), references.end());
            for (const std::uint32_t reference : references) {
                if (MissingClub(reference)) {
                    Add(FormatPrintf(ShownText("kw::Validation",
                                               "%s: %s nennt Verein %#x, den es nicht gibt")
                                         .data(),
                                     name.c_str(), person->ShortName().c_str(), reference),
                        squad);
                }
            }
        }
    }

    void Teams(const CDBCompetition& node) {
        const std::vector<std::uint32_t>* teams = nullptr;
        if (const auto* league = dynamic_cast<const CDBLeagueBase*>(&node)) {
            teams = &league->Teams();
        } else if (const auto* pool = dynamic_cast<const CDBPool*>(&node)) {
            teams = &pool->Teams();
        }
        if (teams == nullptr) {
            return;
        }
        for (const std::uint32_t team : *teams) {
            if (MissingClub(team)) {
                Add(FormatPrintf(
                        ShownText("kw::Validation", "Wettbewerb %08X: Verein %#x gibt es nicht")
                            .data(),
                        node.Id(), team),
                    CountryTarget(ECountryPage::kLeagueSystem));
            }
        }
    }

    void Add(std::string text, const SFindingTarget& target) {
        m_findings.push_back({ESeverity::kError, m_country.Number(), EFindingKind::kReference,
                              std::move(text), target});
    }

    const CWorld& m_world;
    const CCountry& m_country;
    int m_language;
    std::vector<SFinding>& m_findings;
};

}  // namespace

void FindCountryReferenceFaults(const CWorld& world, int country, int language,
                                std::vector<SFinding>& findings) {
    CCountryReferences(world, country, language, findings).Run();
}

void FindWorldReferenceFaults(const CWorld& world, std::vector<SFinding>& findings) {
    const auto add = [&findings](std::string text) {
        findings.push_back(
            {ESeverity::kError, 0, EFindingKind::kReference, std::move(text), SFindingTarget{}});
    };
    for (const std::uint32_t id : world.WithoutClub().Ids()) {
        if (world.Person(id) == nullptr) {
            add(FormatPrintf(
                ShownText("kw::Validation", "Spieler ohne Verein: Person %u gibt es nicht").data(),
                id));
        }
    }
    const CRules& rules = world.Rules();
    for (int competition = 0; competition < CRules::kCompetitionCount; ++competition) {
        for (int continent = 0; continent < kContinentCount; ++continent) {
            const std::uint32_t holder = rules.TitleHolder(competition, continent);
            if (holder != 0 && !ClubExists(world, holder)) {
                add(FormatPrintf(
                    ShownText("kw::Validation", "Titelverteidiger %#x gibt es nicht").data(),
                    holder));
            }
            const std::uint32_t venue = rules.Venue(competition, continent);
            const int country = StadiumRefCountry(venue);
            if (venue != 0 && (country < 1 || country > kCountryCount ||
                               !StadiumExists(world.Country(country), StadiumRefNumber(venue)))) {
                add(FormatPrintf(
                    ShownText("kw::Validation", "Endspielort %#x gibt es nicht").data(), venue));
            }
        }
    }
    for (int which = 0; which < CRules::kFurtherTitleHolderCount; ++which) {
        const std::uint32_t holder = rules.FurtherTitleHolder(which);
        if (holder != 0 && !ClubExists(world, holder)) {
            add(FormatPrintf(
                ShownText("kw::Validation", "Titelverteidiger %#x gibt es nicht").data(), holder));
        }
    }
}

}  // namespace kw
