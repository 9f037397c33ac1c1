#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kw {

class CBinaryWriter;

// Kinds of names in the master file's name tables.
namespace namekind {
inline constexpr int kFemaleFirst = 0;
inline constexpr int kMaleFirst = 1;
inline constexpr int kNickname = 2;
inline constexpr int kStageName = 3;
inline constexpr int kSurname = 4;
}  // namespace namekind

// The name tables of one master build: 128 groups (a language code or another group a record
// chooses) by 5 kinds. Each pool keeps its names in order of first insertion (the position is
// the name's index), a usage count per name that the build turns into a weight, and how many names
// came from the name files. Groups 0..62 are the weighted ones; 63..127 hold plain counts.
class CNamePools {
public:
    static constexpr int kGroupCount = 128;
    static constexpr int kKindCount = 5;
    static constexpr int kWeightedGroups = 63;
    // The sum the weights of a pool's file names are scaled to.
    static constexpr std::uint32_t kWeightTotal = 16534;
    // A name longer than this is cut when read from a name file.
    static constexpr std::size_t kFileNameLength = 31;
    // Indexes are 16-bit; a pool takes no more names than that.
    static constexpr std::size_t kMaxNames = 65536;

    struct SPool {
        std::vector<std::string> names;
        std::vector<std::uint32_t> counts;
        std::unordered_map<std::string, std::uint16_t> index;
        std::uint32_t fileCount = 0;
    };

    // Empties the pools of groups 0..62 and stores a single space as index 0 of each.
    void ResetWeightedGroups();
    // Reads "MaleNames.txt", "FemaleNames.txt" and "Surnames.txt" (found in any letter case) of
    // `folder` into kinds 1, 0 and 4: "%<n>" lines choose the group, other lines are names cut
    // to 31 characters, spaces kept, empty lines skipped. Each name is appended with the count 1
    // and the pool's file count follows it. Names under a group outside 0..127 are dropped.
    // Missing files are skipped.
    void LoadNameFiles(const std::filesystem::path& folder);
    // The same from the bytes of one file.
    void LoadNameFile(int kind, std::string_view data);

    // Counts one more use of the name, or appends it with the count 1; the empty name is index 0
    // and is never stored. A group outside 0..127 is looked up in group 0; a full pool gives 0.
    std::uint16_t Add(int group, int kind, std::string_view name);

    // Turns the counts of groups 0..62 into weights.
    void FinaliseWeights();

    // Bytes the table of a pool announces: 12 plus the length of each name and 9.
    std::uint32_t TableSize(int group, int kind) const;
    // Count, file count, 0, then each name with its zero byte and its u32 weight; the 4 bytes
    // per name that the size announces beyond that are written as zeros.
    void WriteTable(CBinaryWriter& out, int group, int kind) const;

    const SPool& Pool(int group, int kind) const;

private:
    SPool& MutablePool(int group, int kind);
    static void Append(SPool& pool, std::string name, std::uint32_t count);
    static void Weigh(SPool& pool);

    std::array<SPool, kGroupCount * kKindCount> m_pools;
};

}  // namespace kw
