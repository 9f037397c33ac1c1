#include "demo/DemoCityPictures.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "assets/Image.h"
#include "assets/Tga.h"
#include "demo/DemoRandom.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/World.h"
#include "platform/AsciiCase.h"
#include "platform/AtomicFile.h"
#include "platform/Cp1252.h"
#include "platform/Paths.h"
#include "storage/Identifiers.h"

namespace kw::demo {

namespace {

constexpr int kMaxPictures = 12;
constexpr int kClubsPerCountry = 2;
constexpr int kWidth = 240;
constexpr int kHeight = 140;
constexpr int kGround = 18;
constexpr std::uint32_t kCityRandomPart = 0xC17E;

std::uint32_t Mix(std::uint32_t a, std::uint32_t b, double t) {
    const auto channel = [&](int shift) {
        const double x = ((a >> shift) & 0xFF) * (1.0 - t) + ((b >> shift) & 0xFF) * t;
        return static_cast<std::uint8_t>(std::lround(x));
    };
    return Argb(channel(16), channel(8), channel(0));
}

void FillRect(SImage& image, int left, int top, int right, int bottom, std::uint32_t colour) {
    for (int y = std::max(0, top); y < std::min(image.height, bottom); ++y) {
        for (int x = std::max(0, left); x < std::min(image.width, right); ++x) {
            image.At(x, y) = colour;
        }
    }
}

// A sky from its top colour down to the horizon, a sun or moon, a row of buildings with lit
// windows and the ground.
SImage DrawSkyline(CDemoRandom& random) {
    static constexpr std::uint32_t kSkies[][2] = {
        {Argb(40, 90, 170), Argb(170, 210, 240)},  // day
        {Argb(60, 40, 110), Argb(240, 150, 90)},   // dusk
        {Argb(10, 15, 40), Argb(40, 60, 110)},     // night
    };
    const auto& sky = kSkies[random.Between(0, 2)];
    const bool night = sky[0] == kSkies[2][0];
    SImage image(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y) {
        FillRect(image, 0, y, kWidth, y + 1, Mix(sky[0], sky[1], double(y) / kHeight));
    }
    const int sunX = random.Between(30, kWidth - 30);
    const int sunY = random.Between(20, 45);
    const int sunRadius = random.Between(9, 15);
    const std::uint32_t sun = night ? Argb(235, 235, 215) : Argb(255, 220, 120);
    for (int y = sunY - sunRadius; y <= sunY + sunRadius; ++y) {
        for (int x = sunX - sunRadius; x <= sunX + sunRadius; ++x) {
            if ((x - sunX) * (x - sunX) + (y - sunY) * (y - sunY) <= sunRadius * sunRadius) {
                FillRect(image, x, y, x + 1, y + 1, sun);
            }
        }
    }
    const int ground = kHeight - kGround;
    for (int x = random.Between(-10, 0); x < kWidth;) {
        const int width = random.Between(14, 34);
        const int top = ground - random.Between(25, 95);
        const int shade = random.Between(45, 95);
        const std::uint32_t wall =
            Argb(static_cast<std::uint8_t>(shade), static_cast<std::uint8_t>(shade + 5),
                 static_cast<std::uint8_t>(shade + 15));
        FillRect(image, x, top, x + width - 1, ground, wall);
        if (random.Chance(25)) {  // a mast on the roof
            FillRect(image, x + width / 2, top - random.Between(6, 16), x + width / 2 + 1, top,
                     wall);
        }
        const std::uint32_t lit = night ? Argb(250, 220, 110) : Argb(190, 215, 235);
        for (int wy = top + 4; wy + 3 < ground - 3; wy += 7) {
            for (int wx = x + 3; wx + 3 < x + width - 3; wx += 6) {
                if (random.Chance(night ? 45 : 70)) {
                    FillRect(image, wx, wy, wx + 3, wy + 4, lit);
                }
            }
        }
        x += width + random.Between(0, 4);
    }
    FillRect(image, 0, ground, kWidth, kHeight, Argb(60, 120, 55));
    return image;
}

// A name the club editor can find as a file: not empty, no folder separators, no dots that climb.
bool SuitsFileName(std::string_view city) {
    return !city.empty() && city != "." && city != ".." &&
           city.find_first_of("/\\:*?\"<>|") == std::string_view::npos;
}

std::string Folded(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) {
        c = AsciiLower(c);
    }
    return folded;
}

bool WritePicture(const std::filesystem::path& installDirectory, std::string_view city,
                  const SImage& image) {
    const auto bmp = ConvertTgaToDib(EncodeTga(image, 24, TgaCoding::Uncompressed));
    if (!bmp) {
        return false;
    }
    const std::filesystem::path path =
        PathForWriting(installDirectory, "city/" + Cp1252ToUtf8(city) + ".bmp");
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    return WriteFileAtomically(
        path, std::string_view(reinterpret_cast<const char*>(bmp->data()), bmp->size()));
}

}  // namespace

bool WriteDemoCityPictures(const CWorld& world, const std::filesystem::path& installDirectory,
                           std::uint32_t seed) {
    std::vector<int> countries{kDefaultCountry};
    for (int number = 1; number <= kCountryCount; ++number) {
        if (number != kDefaultCountry) {
            countries.push_back(number);
        }
    }
    CDemoRandom random(seed, kCityRandomPart);
    std::set<std::string> written;
    bool ok = true;
    for (const int number : countries) {
        int taken = 0;
        for (const auto& entry : world.Country(number).Clubs()) {
            const CClub& club = *entry.second;
            if (written.size() == kMaxPictures) {
                return ok;
            }
            if (taken == kClubsPerCountry) {
                break;
            }
            const std::string_view city = club.Cities()[0].View();
            if (club.IsNationalTeam() || !SuitsFileName(city) ||
                !written.insert(Folded(city)).second) {
                continue;
            }
            ++taken;
            ok &= WritePicture(installDirectory, city, DrawSkyline(random));
        }
    }
    return ok;
}

}  // namespace kw::demo
