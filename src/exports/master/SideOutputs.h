#pragma once

#include <filesystem>
#include <string_view>

namespace kw {

// The plain text lists some option bits ask for beside the master file. Each group of lines is
// appended to its file and the file closed again, so the lists grow over both passes of a build
// (every line appears twice) and over several builds. A file that cannot be opened is skipped.
class CSideOutputs {
public:
    explicit CSideOutputs(std::filesystem::path folder) : m_folder(std::move(folder)) {}

    void Append(std::string_view fileName, std::string_view lines) const;

private:
    std::filesystem::path m_folder;
};

// File names of the side outputs.
namespace sidefile {
inline constexpr std::string_view kBadges = "badges.txt";
inline constexpr std::string_view kKits = "kits.txt";
inline constexpr std::string_view kStadiums = "stadium.txt";
inline constexpr std::string_view kPs2Log = "logPS2_Database.txt";
inline constexpr std::string_view kLeagues = "MappingLeagues.txt";
inline constexpr std::string_view kPlayers = "MappingPlayer.txt";
inline constexpr std::string_view kTeams = "MappingTeamIDs.txt";
}  // namespace sidefile

}  // namespace kw
