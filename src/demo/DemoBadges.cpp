#include "demo/DemoBadges.h"

#include <array>
#include <cmath>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "assets/BadgeNames.h"
#include "assets/BigWriter.h"
#include "assets/Image.h"
#include "assets/Tga.h"
#include "demo/DemoNations.h"
#include "demo/DemoRandom.h"
#include "model/ClubNames.h"
#include "model/World.h"
#include "platform/AtomicFile.h"
#include "platform/Cp1252.h"
#include "platform/Paths.h"

namespace kw::demo {

namespace {

constexpr int kMaxBadgeClubs = 1000;
constexpr int kBadgeShare = 25;  // percent of the clubs
constexpr int kLooseShare = 45;  // percent of the badges
constexpr int kMissingSizeShare = 4;
constexpr std::size_t kMaxFolderLength = 14;
constexpr std::size_t kMaxFileStem = 8;
// Outside the shield: the colour the badge display keys out as transparent.
constexpr std::uint32_t kBackground = Argb(8, 8, 8);
constexpr std::uint32_t kOutline = Argb(24, 24, 24);
constexpr std::uint32_t kBadgeRandomPart = 0xBAD6E;

// The colours the templates' names stand for ("bl_sw": blue and black).
std::uint32_t NamedColour(std::string_view name) {
    struct Named {
        std::string_view name;
        std::uint32_t colour;
    };
    static constexpr std::array<Named, 10> kColours = {{
        {"bl", Argb(20, 60, 170)},
        {"sw", Argb(30, 30, 30)},
        {"gr", Argb(20, 130, 60)},
        {"ro", Argb(200, 25, 35)},
        {"ws", Argb(245, 245, 245)},
        {"ge", Argb(250, 205, 20)},
        {"dro", Argb(120, 10, 30)},
        {"hbl", Argb(110, 170, 230)},
        {"or", Argb(245, 130, 20)},
        {"li", Argb(120, 50, 150)},
    }};
    for (const Named& named : kColours) {
        if (named.name == name) {
            return named.colour;
        }
    }
    return kOutline;
}

// The two colours of a colour combination 0..23, from its template's name.
std::array<std::uint32_t, 2> CombinationColours(int combination) {
    const std::string_view file = DefaultBadgeFile(combination);
    const std::size_t separator = file.find('_');
    const std::size_t dot = file.find('.');
    return {NamedColour(file.substr(0, separator)),
            NamedColour(file.substr(separator + 1, dot - separator - 1))};
}

// A heater shield: straight sides, a rounded point, a band across the top (chief) and a pale
// down the middle.
SImage DrawShield(int size, std::uint32_t body, std::uint32_t chief, std::uint32_t pale) {
    SImage image(size, size, kBackground);
    const double margin = size / 16.0;
    const double top = margin;
    const double bottom = size - margin;
    const double shoulder = top + 0.55 * (bottom - top);
    const double halfWidth = size / 2.0 - margin;
    const double centre = size / 2.0;
    const auto inside = [&](double x, double y) {
        if (y < top || y >= bottom) {
            return false;
        }
        double reach = halfWidth;
        if (y > shoulder) {
            const double t = (y - shoulder) / (bottom - shoulder);
            reach *= std::sqrt(std::max(0.0, 1.0 - t * t));
        }
        return std::abs(x - centre) < reach;
    };
    const double outline = std::max(1.0, size / 32.0);
    const double chiefEnd = top + 0.3 * (bottom - top);
    const double paleHalf = size / 12.0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double px = x + 0.5;
            const double py = y + 0.5;
            if (!inside(px, py)) {
                continue;
            }
            std::uint32_t colour = body;
            if (!inside(px - outline, py) || !inside(px + outline, py) ||
                !inside(px, py - outline) || !inside(px, py + outline)) {
                colour = kOutline;
            } else if (py < chiefEnd) {
                colour = chief;
            } else if (std::abs(px - centre) < paleHalf) {
                colour = pale;
            }
            image.At(x, y) = colour;
        }
    }
    return image;
}

std::vector<std::uint8_t> ShieldTga(int size, std::uint32_t body, std::uint32_t chief,
                                    std::uint32_t pale) {
    return EncodeTga(DrawShield(size, body, chief, pale), 24, TgaCoding::RunLength);
}

bool WriteLoose(const std::filesystem::path& badgeDirectory, std::string_view relativePath,
                const std::vector<std::uint8_t>& data) {
    std::string relative = Cp1252ToUtf8(relativePath);
    for (char& c : relative) {
        if (c == '\\') {
            c = '/';
        }
    }
    const std::filesystem::path path = PathForWriting(badgeDirectory, relative);
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    return WriteFileAtomically(
        path, std::string_view(reinterpret_cast<const char*>(data.data()), data.size()));
}

bool SuitsFolder(std::string_view name) {
    if (name.empty() || name.size() > kMaxFolderLength) {
        return false;
    }
    for (const char c : name) {
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        if (!letter && c != ' ') {
            return false;
        }
    }
    return true;
}

std::string CountryFolder(const CWorld& world, int number) {
    const std::string_view english = world.Country(number).Name(1);
    if (SuitsFolder(english)) {
        return std::string(english);
    }
    const auto& nations = Nations();
    if (number >= 1 && static_cast<std::size_t>(number) <= nations.size()) {
        return nations[static_cast<std::size_t>(number) - 1].code;
    }
    // Appended rather than "C" + ...: gcc 12 warns falsely about the operator+ in Release builds.
    std::string folder = "C";
    folder += std::to_string(number);
    return folder;
}

// A file name from the club's name, with its index so that names stay apart. Letters only: the
// club reader turns a "180" in a stored badge path into "256".
std::string BadgeFileName(const CClub& club) {
    std::string name;
    for (const char c : club.Name(0)) {
        if (name.size() == kMaxFileStem) {
            break;
        }
        if (c >= 'a' && c <= 'z') {
            name.push_back(c);
        } else if (c >= 'A' && c <= 'Z') {
            name.push_back(static_cast<char>(c - 'A' + 'a'));
        }
    }
    name.push_back('_');
    const std::size_t stem = name.size();
    unsigned index = ClubIndex(club.Id());
    do {
        name.insert(name.begin() + static_cast<std::ptrdiff_t>(stem),
                    static_cast<char>('a' + index % 26));
        index /= 26;
    } while (index != 0);
    return name + ".tga";
}

}  // namespace

bool AssignAndWriteDemoBadges(CWorld& world, const std::filesystem::path& installDirectory,
                              std::uint32_t seed, bool packWholeArchive) {
    CDemoRandom random(seed, kBadgeRandomPart);
    const std::filesystem::path badgeDirectory = PathForWriting(installDirectory, "badges");
    bool written = true;

    for (int combination = 0; combination < kBadgeColourCount; ++combination) {
        const auto [first, second] = CombinationColours(combination);
        const std::string path = "color\\Badge256\\" + std::string(DefaultBadgeFile(combination));
        for (const int size : kBadgeSizes) {
            written &= WriteLoose(badgeDirectory, *BadgePathForSize(path, size),
                                  ShieldTga(size, first, second, first));
        }
    }

    std::vector<SBigFile> archived;
    int badges = 0;
    for (int number = 1; number <= kCountryCount && badges < kMaxBadgeClubs; ++number) {
        CCountry& country = world.Country(number);
        const std::string folder = CountryFolder(world, number);
        for (const auto& [id, club] : country.Clubs()) {
            if (club->IsNationalTeam() || !random.Chance(kBadgeShare)) {
                continue;
            }
            if (++badges > kMaxBadgeClubs) {
                break;
            }
            const std::string path = folder + "\\Badge256\\" + BadgeFileName(*club);
            club->SetBadgePath(path);
            const auto [body, chief] = CombinationColours(club->Colour(0));
            const std::uint32_t pale = CombinationColours(club->Colour(1))[0];
            const bool loose = random.Chance(kLooseShare);
            const int missing = random.Chance(kMissingSizeShare) ? random.Between(0, 3) : -1;
            const bool packed = random.Chance(33);
            for (int i = 0; i < static_cast<int>(kBadgeSizes.size()); ++i) {
                if (i == missing) {
                    continue;
                }
                const int size = kBadgeSizes[static_cast<std::size_t>(i)];
                const std::string sized = *BadgePathForSize(path, size);
                std::vector<std::uint8_t> tga = ShieldTga(size, body, chief, pale);
                if (loose) {
                    written &= WriteLoose(badgeDirectory, sized, tga);
                } else {
                    archived.push_back({BadgeArchiveName(sized), std::move(tga), packed});
                }
            }
        }
    }
    written &=
        WriteBigArchive(PathForWriting(installDirectory, "badges.big"), archived, packWholeArchive);
    return written;
}

}  // namespace kw::demo
