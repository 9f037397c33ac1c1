#include "demo/DemoTables.h"

#include <array>
#include <random>
#include <string_view>

#include "demo/DemoNations.h"
#include "demo/DemoPlan.h"
#include "demo/DemoTableData.h"
#include "platform/Progress.h"
#include "platform/StringTable.h"
#include "storage/KLFile.h"
#include "storage/TextHelpers.h"

namespace kw::demo {

namespace fs = std::filesystem;

namespace {

// Plain-text files of the installation are Windows files.
constexpr std::string_view kLineEnd = "\r\n";
constexpr int kStadiumCount = 64;

class CLines {
public:
    void Add(std::string_view line) {
        m_text += line;
        m_text += kLineEnd;
    }
    void Add(std::int32_t number) { Add(std::to_string(number)); }
    const std::string& Text() const { return m_text; }

private:
    std::string m_text;
};

// A fixed sequence per seed and purpose, so one table's contents do not shift another's.
class CTableRandom {
public:
    CTableRandom(std::uint32_t seed, std::uint32_t purpose) : m_engine(seed * 7919u + purpose) {}
    std::size_t Below(std::size_t count) { return static_cast<std::size_t>(m_engine() % count); }

private:
    std::mt19937 m_engine;
};

std::string JoinFive(const std::array<std::string, 5>& texts) {
    return texts[0] + ',' + texts[1] + ',' + texts[2] + ',' + texts[3] + ',' + texts[4];
}

// Six lines a country: names, codes, continent (the low bits of the continent byte), main
// language (the first attribute), then the second attribute and the high bits of the continent
// byte, which the demo world leaves 0.
std::string CountriesList() {
    CLines lines;
    for (const SNation& nation : Nations()) {
        lines.Add(JoinFive(nation.names));
        lines.Add(JoinFive({nation.code, nation.code, nation.code, nation.code, nation.code}));
        lines.Add(nation.continent);
        lines.Add(nation.language);
        lines.Add(0);
        lines.Add(0);
    }
    return lines.Text();
}

// Group 0, the fall-back, and then every language of the editor's list under its number.
std::string NameList(std::vector<std::string> SNameBank::*names) {
    CLines lines;
    for (int language = 0; language < kNationLanguageCount; ++language) {
        if (language > 0) {
            lines.Add("%" + std::to_string(language));
        }
        for (const std::string& name : NameBank(NameGroupOfLanguage(language)).*names) {
            lines.Add(name);
        }
    }
    return lines.Text();
}

// The entry count, then each entry as two lines in the table's order.
class CTableText {
public:
    CTableText(std::size_t count, bool valueFirst) : m_valueFirst(valueFirst) {
        m_lines.Add(static_cast<std::int32_t>(count));
    }
    void Add(std::int32_t value, std::string_view text) {
        if (m_valueFirst) {
            m_lines.Add(value);
            m_lines.Add(text);
        } else {
            m_lines.Add(text);
            m_lines.Add(value);
        }
    }
    const std::string& Text() const { return m_lines.Text(); }

private:
    CLines m_lines;
    bool m_valueFirst;
};

std::string PlainTable(std::span<const STableEntry> entries, bool valueFirst) {
    CTableText table(entries.size(), valueFirst);
    for (const STableEntry& entry : entries) {
        table.Add(entry.value, entry.text);
    }
    return table.Text();
}

std::string ColourTable(std::span<const SColourEntry> entries) {
    CTableText table(entries.size(), true);
    for (const SColourEntry& entry : entries) {
        table.Add(entry.value, std::string(entry.text) + ',' + std::to_string(entry.rgb));
    }
    return table.Text();
}

std::string FaceTable(std::uint32_t seed) {
    CTableRandom random(seed, 1);
    const auto tones = FaceSkinTones();
    const auto looks = FaceHairLooks();
    CTableText table(kFaceCount, false);
    for (int face = 0; face < kFaceCount; ++face) {
        const std::int32_t id = kFirstFaceId + face;
        // Drawn one after the other: the order of draws within an argument list differs between
        // compilers, and the table must be the same whichever built it.
        const char* look = looks[random.Below(looks.size())];
        const char* tone = tones[random.Below(tones.size())];
        table.Add(id, FormatPrintf("Gesicht %d: %s, %s", id, tone, look));
    }
    return table.Text();
}

std::string OriginalKitTable(std::uint32_t seed) {
    CTableRandom random(seed, 2);
    const auto colours = TeamColourTable();
    const auto designs = KitDesigns();
    CTableText table(kOriginalKitCount, false);
    for (int kit = 1; kit <= kOriginalKitCount; ++kit) {
        const std::size_t first = random.Below(colours.size());
        const std::size_t second = (first + 1 + random.Below(colours.size() - 1)) % colours.size();
        table.Add(kit, FormatPrintf("%s-%s, %s", colours[first].text, colours[second].text,
                                    designs[random.Below(designs.size())]));
    }
    return table.Text();
}

std::string LeagueSystemTable(std::span<const std::string> leagueSystems) {
    CTableText table(leagueSystems.size(), false);
    std::int32_t script = 0;
    for (const std::string& name : leagueSystems) {
        table.Add(++script, name);
    }
    return table.Text();
}

// How grounds are named where a language is spoken; the last row serves every other language.
struct SStadiumNaming {
    int language;
    std::array<const char*, 3> patterns;
};
constexpr SStadiumNaming kStadiumNamings[] = {
    {19, {"Stadion %s", "Waldstadion %s", "Arena %s"}},
    {14, {"%s Stadium", "%s Park", "%s Community Stadium"}},
    {43, {"Estadio %s", "Estadio Municipal de %s", "Estadio Nuevo %s"}},
    {37, {"Est\341dio %s", "Est\341dio Municipal de %s", "Arena %s"}},
    {17, {"Stade de %s", "Stade Municipal de %s", "Stade %s"}},
    {25, {"Stadio %s", "Stadio Comunale di %s", "Arena %s"}},
    {0, {"Stadion %s", "%s Arena", "%s Stadium"}},
};

const SStadiumNaming& StadiumNaming(int language) {
    for (const SStadiumNaming& naming : kStadiumNamings) {
        if (naming.language == language) {
            return naming;
        }
    }
    return kStadiumNamings[std::size(kStadiumNamings) - 1];
}

// Stadium models the chooser offers: a ground named after a town, whether it has a roof, its
// model number.
bool WriteStadiumList(const fs::path& path, std::uint32_t seed) {
    CTableRandom random(seed, 3);
    CKLFile file;
    if (!file.OpenForWrite(path) || !file.WriteNumber(std::int32_t{kStadiumCount})) {
        return false;
    }
    for (int model = 1; model <= kStadiumCount; ++model) {
        const SNation& nation = Nations()[random.Below(Nations().size())];
        const std::vector<std::string>& towns = NameBank(nation.nameGroup).cityNames;
        const std::string& town = towns[random.Below(towns.size())];
        const auto& patterns = StadiumNaming(nation.language).patterns;
        const bool roofed = random.Below(3) == 0;
        if (!file.WriteText(FormatPrintf(patterns[random.Below(patterns.size())], town.c_str())) ||
            !file.WriteNumber(std::int32_t{roofed ? 1 : 0}) ||
            !file.WriteNumber(static_cast<std::uint8_t>(model))) {
            return false;
        }
    }
    return file.Close();
}

struct SFile {
    const char* path;
    std::string text;
};

}  // namespace

SDemoTablesResult WriteDemoTables(const fs::path& installDirectory, std::uint32_t seed,
                                  IProgress& progress, std::span<const std::string> leagueSystems) {
    const SFile files[] = {
        {"database/countries.sav", CountriesList()},
        {"database/MaleNames.txt", NameList(&SNameBank::firstNames)},
        {"database/FemaleNames.txt", NameList(&SNameBank::femaleFirstNames)},
        {"database/Surnames.txt", NameList(&SNameBank::surnames)},
        {"database/ger/shoe.txt", PlainTable(ShoeTable(), true)},
        {"database/ger/faceIDs.txt", FaceTable(seed)},
        {"database/ger/TeamColour.txt", ColourTable(TeamColourTable())},
        {"database/ger/MerchandiseColour.txt", ColourTable(MerchandiseColourTable())},
        {"database/ger/LeagueSystem.txt", LeagueSystemTable(leagueSystems)},
        {"database/ger/formation.txt", PlainTable(FormationTable(), false)},
        {"database/ger/ClubIDs.txt", OriginalKitTable(seed)},
        {"database/ger/HairStyle.txt", PlainTable(HairStyleTable(), false)},
    };
    const int steps = static_cast<int>(std::size(files)) + 1;
    progress.SetRange(0, steps);
    SDemoTablesResult result;
    int step = 0;
    for (const SFile& file : files) {
        progress.SetStatus(file.path);
        progress.SetPos(step++);
        if (!WriteFileCreatingDirs(installDirectory / file.path, file.text, true)) {
            result.failedFile = installDirectory / file.path;
            return result;
        }
    }
    const fs::path stadiums = installDirectory / "database/ger/StadiumList.txt";
    progress.SetStatus("database/ger/StadiumList.txt");
    progress.SetPos(step++);
    if (!WriteStadiumList(stadiums, seed)) {
        result.failedFile = stadiums;
        return result;
    }
    progress.SetPos(step);
    result.ok = true;
    return result;
}

std::vector<std::string> LeagueSystemNames(const SDemoPlan& plan) {
    std::vector<std::string> names;
    for (const SCountryPlan& country : plan.countries) {
        if (country.leagueScript <= 0) {
            continue;
        }
        const auto script = static_cast<std::size_t>(country.leagueScript);
        if (names.size() < script) {
            names.resize(script);
        }
        names[script - 1] = Nations()[static_cast<std::size_t>(country.number - 1)].names[0];
    }
    return names;
}

}  // namespace kw::demo
