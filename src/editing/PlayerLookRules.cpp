#include "editing/PlayerLookRules.h"

#include <array>
#include <map>
#include <string_view>

#include "assets/Tga.h"
#include "model/Player.h"
#include "platform/Cp1252.h"
#include "platform/FileContents.h"
#include "platform/Paths.h"
#include "platform/ResourceTable.h"
#include "platform/StringTable.h"

namespace kw {

namespace {

struct SGroupRun {
    const char* name;  // German, UTF-8; shown through ShownText
    int first;
    int last;
};

constexpr const char* kEuropean = KW_RESOURCE_TEXT("kw::PlayerLook", "Europäer");
constexpr const char* kAsian = KW_RESOURCE_TEXT("kw::PlayerLook", "Asiatisch");
constexpr const char* kLatino = KW_RESOURCE_TEXT("kw::PlayerLook", "Latino");
constexpr const char* kAfrican = KW_RESOURCE_TEXT("kw::PlayerLook", "Afrikanisch");

// The faces as the game groups them; values run within each group.
constexpr std::array<SGroupRun, 11> kFaceRuns = {{
    {kEuropean, 1, 7},
    {kAsian, 8, 13},
    {kLatino, 20, 25},
    {kAfrican, 14, 19},
    {kEuropean, 26, 34},
    {kLatino, 35, 46},
    {KW_RESOURCE_TEXT("kw::PlayerLook", "Kaukasisch"), 47, 58},
    {kAfrican, 59, 68},
    {kAsian, 69, 79},
    {KW_RESOURCE_TEXT("kw::PlayerLook", "Arabisch"), 80, 85},
    {kEuropean, 86, 90},
}};

constexpr int kHairCuts = 38;
// More than any picture of the player needs; a larger file is no picture.
constexpr std::size_t kPictureFileLimit = 64u << 20;

std::vector<SEditChoice> NumberedChoices(std::span<const SGroupRun> runs) {
    std::vector<SEditChoice> choices;
    // Counted by the German name: two groups may share one translated name.
    std::map<std::string_view, int> counts;
    for (const SGroupRun& run : runs) {
        const std::string_view shown = ShownText("kw::PlayerLook", run.name);
        for (int value = run.first; value <= run.last; ++value) {
            const int number = ++counts[run.name];
            choices.push_back({FormatPrintf("%s %d", shown.data(), number), value});
        }
    }
    return choices;
}

bool CanNameFile(std::string_view name) {
    return !name.empty() && name.find_first_of("/\\") == std::string_view::npos &&
           name.find("..") == std::string_view::npos;
}

std::optional<CDib> LoadPicture(const std::filesystem::path& file) {
    const std::optional<std::vector<std::uint8_t>> bytes = ReadFileBytes(file, kPictureFileLimit);
    if (!bytes) {
        return std::nullopt;
    }
    const std::optional<std::vector<std::uint8_t>> dib = ConvertTgaToDib(*bytes);
    CDib picture;
    if (!dib || !picture.LoadFromMemory(*dib)) {
        return std::nullopt;
    }
    return picture;
}

}  // namespace

std::vector<SEditChoice> FaceChoices() {
    return NumberedChoices(kFaceRuns);
}

std::vector<SEditChoice> HairColourChoices() {
    return {{std::string(ShownText("kw::PlayerLook", "Schwarz")), 1},
            {std::string(ShownText("kw::PlayerLook", "Braun")), 2},
            {std::string(ShownText("kw::PlayerLook", "Dunkelblond")), 3},
            {std::string(ShownText("kw::PlayerLook", "Blond")), 4},
            {std::string(ShownText("kw::PlayerLook", "Rot")), 5}};
}

std::vector<SEditChoice> HairCutChoices() {
    const std::array<SGroupRun, 1> runs = {
        {{KW_RESOURCE_TEXT("kw::PlayerLook", "Haare"), 1, kHairCuts}}};
    return NumberedChoices(runs);
}

std::vector<SEditChoice> BeardChoices() {
    return {{std::string(ShownText("kw::PlayerLook", "Keiner")), 1},
            {std::string(ShownText("kw::PlayerLook", "Spitzbart (teilweise)")), 2},
            {std::string(ShownText("kw::PlayerLook", "Spitzbart (vollständig)")), 5},
            {std::string(ShownText("kw::PlayerLook", "Schnauzbart")), 3},
            {std::string(ShownText("kw::PlayerLook", "Dreitagebart")), 4},
            {std::string(ShownText("kw::PlayerLook", "Vollbart")), 6}};
}

std::vector<std::string> PlayerPictureCandidates(const CPlayer& player) {
    std::vector<std::string> candidates;
    const std::string_view surname = player.Surname().View();
    if (CanNameFile(surname)) {
        const std::string_view firstName = player.FirstName().View();
        const std::string stem = std::string(surname) + std::string(firstName.substr(0, 2));
        const CDate::Ymd birth = player.BirthDate().Split();
        if (CanNameFile(stem)) {
            candidates.push_back(FormatPrintf("user/picture/%s%02d%02d%02d.tga",
                                              Cp1252ToUtf8(stem).c_str(), birth.day, birth.month,
                                              birth.year % 100));
        }
        candidates.push_back(FormatPrintf("user/picture/%s%02d%02d%04d.tga",
                                          Cp1252ToUtf8(surname).c_str(), birth.day, birth.month,
                                          birth.year));
    }
    candidates.push_back(
        FormatPrintf("art/picture/emp-%u.tga", static_cast<unsigned>(player.Id())));
    candidates.push_back(
        FormatPrintf("art/picture/emp-%u.tpi", static_cast<unsigned>(player.Id())));
    return candidates;
}

std::optional<SPlayerPicture> FindPlayerPicture(const std::filesystem::path& installDirectory,
                                                const CPlayer& player) {
    for (const std::string& candidate : PlayerPictureCandidates(player)) {
        const std::optional<std::filesystem::path> file = FindExisting(installDirectory, candidate);
        if (!file) {
            continue;
        }
        if (std::optional<CDib> picture = LoadPicture(*file)) {
            return SPlayerPicture{*file, std::move(*picture)};
        }
    }
    return std::nullopt;
}

}  // namespace kw
