#include "editing/CityPicture.h"

#include <system_error>
#include <type_traits>
#include <utility>

#include "assets/Dib.h"
#include "model/Club.h"
#include "platform/AsciiCase.h"
#include "platform/Cp1252.h"
#include "platform/Paths.h"
#include "platform/StringTable.h"

namespace kw {

namespace {

namespace fs = std::filesystem;

// The club's city field keeps its terminating zero.
using CCityText = std::remove_cvref_t<decltype(std::declval<const CClub&>().Cities())>::value_type;
constexpr std::size_t kMaxCityLength = CCityText::kCapacity - 1;

std::optional<fs::path> PictureOf(const fs::path& cityDirectory, std::string_view city) {
    if (city.empty() || city == "." || city == ".." ||
        city.find_first_of("/\\") != std::string_view::npos) {
        return std::nullopt;
    }
    return FindExisting(cityDirectory, Cp1252ToUtf8(city) + ".bmp");
}

std::string ShownPath(const fs::path& path) {
    return Utf8ToCp1252(path.string());
}

SCityPictureChoice Refused(std::string message) {
    SCityPictureChoice choice;
    choice.message = std::move(message);
    return choice;
}

// Both folders resolved (links, "..") and without a trailing separator.
std::optional<fs::path> ResolvedFolder(const fs::path& folder) {
    std::error_code error;
    fs::path resolved = fs::weakly_canonical(folder, error);
    if (error) {
        return std::nullopt;
    }
    if (!resolved.has_filename()) {
        resolved = resolved.parent_path();
    }
    return resolved;
}

bool SameFolder(const fs::path& a, const fs::path& b) {
    const auto resolvedA = ResolvedFolder(a);
    return resolvedA.has_value() && resolvedA == ResolvedFolder(b);
}

}  // namespace

std::optional<fs::path> FindCityPicture(const fs::path& cityDirectory, const CClub& club,
                                        int language) {
    if (language >= 0 && language < kLanguageCount) {
        if (auto picture = PictureOf(cityDirectory, club.Cities()[language].View())) {
            return picture;
        }
    }
    return PictureOf(cityDirectory, club.Cities()[0].View());
}

SCityPictureChoice ChooseCityPicture(const fs::path& cityDirectory, const fs::path& file) {
    const std::string shown = ShownPath(file);
    if (!EqualsIgnoringAsciiCase(file.extension().string(), ".bmp")) {
        return Refused(std::string(ResourceString(ids::kCityPictureNotBmp)));
    }
    if (!SameFolder(file.parent_path(), cityDirectory)) {
        return Refused(FormatPrintf(ResourceString(ids::kCityPictureOutsideFolder).data(),
                                    ShownPath(cityDirectory).c_str()));
    }
    const std::string stem = file.stem().string();
    if (stem.empty() || !IsRepresentableInCp1252(stem)) {
        return Refused(
            FormatPrintf(ResourceString(ids::kCityPictureBadName).data(), shown.c_str()));
    }
    std::string city = Utf8ToCp1252(stem);
    if (city.size() > kMaxCityLength) {
        return Refused(FormatPrintf(ResourceString(ids::kCityPictureNameTooLong).data(),
                                    city.c_str(), static_cast<int>(kMaxCityLength)));
    }
    CDib picture;
    if (!picture.LoadFromFile(file)) {
        return Refused(
            FormatPrintf(ResourceString(ids::kCityPictureUnreadable).data(), shown.c_str()));
    }
    SCityPictureChoice choice;
    choice.accepted = true;
    choice.city = std::move(city);
    return choice;
}

}  // namespace kw
