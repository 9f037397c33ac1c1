#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "assets/Dib.h"
#include "editing/EditChoice.h"

namespace kw {

class CPlayer;

// The look page's generic choices, their texts in Windows-1252 and their values as stored.
// Faces: the 90 faces in the game's group order; every item reads "<group> <n>", n counting the
// items of that group name so far (the face of value 26 is the eighth "Europäer").
std::vector<SEditChoice> FaceChoices();
// "Schwarz" 1 ... "Rot" 5.
std::vector<SEditChoice> HairColourChoices();
// "Haare 1" ... "Haare 38".
std::vector<SEditChoice> HairCutChoices();
// "Keiner" 1, "Spitzbart (teilweise)" 2, "Spitzbart (vollständig)" 5, "Schnauzbart" 3,
// "Dreitagebart" 4, "Vollbart" 6.
std::vector<SEditChoice> BeardChoices();

inline constexpr int kMinHeight = 150;  // cm
inline constexpr int kMaxHeight = 220;
inline constexpr int kMinWeight = 50;  // kg
inline constexpr int kMaxWeight = 150;

// The player's picture files, relative to the installation folder, in the order they are tried:
// "user/picture/<surname><first two letters of the first name><ddmmyy>.tga",
// "user/picture/<surname><ddmmyyyy>.tga", "art/picture/emp-<id>.tga", "art/picture/emp-<id>.tpi".
// The names are UTF-8. A surname that could name another folder ("/", "\", "..") gives no user
// picture; a first name shorter than two letters gives what it has.
std::vector<std::string> PlayerPictureCandidates(const CPlayer& player);

// The picture area of the look page.
inline constexpr int kPictureSize = 160;

struct SPlayerPicture {
    std::filesystem::path path;
    CDib picture;
    // Otherwise the page warns that the picture is shown scaled.
    bool HasPictureSize() const {
        return picture.Width() == kPictureSize && picture.Height() == kPictureSize;
    }
};

// The first candidate that exists below the folder in some letter case and loads as a picture
// (the TGA conversion the badges use); nothing when none does.
std::optional<SPlayerPicture> FindPlayerPicture(const std::filesystem::path& installDirectory,
                                                const CPlayer& player);

}  // namespace kw
