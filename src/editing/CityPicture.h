#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace kw {

class CClub;

// The club editor's city picture. The club record has no field for it: a city's picture is the
// BMP file "<city folder>/<city name>.bmp" (found in any letter case), so a picture belongs to
// every club of that city and choosing one is a change of the city name, undone with the rest of
// the club's edit.

// The picture of the club's city name in the language, else of its German one; nothing when
// neither name has a picture. A name that could climb out of the folder has none.
std::optional<std::filesystem::path> FindCityPicture(const std::filesystem::path& cityDirectory,
                                                     const CClub& club, int language);

// What choosing a file as the city picture gives: the city name (Windows-1252, the file's base
// name) or the message that refuses it.
struct SCityPictureChoice {
    bool accepted = false;
    std::string city;
    std::string message;
};

// A file is accepted when it is a readable BMP file (extension "bmp" in any letter case) lying
// directly in the city folder whose base name can be a city name: Windows-1252 characters, at
// most as many as the club's city field holds.
SCityPictureChoice ChooseCityPicture(const std::filesystem::path& cityDirectory,
                                     const std::filesystem::path& file);

}  // namespace kw
