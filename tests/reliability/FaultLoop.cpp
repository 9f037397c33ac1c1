#include "FaultLoop.h"

#include <unistd.h>

#include "TempDir.h"
#include "exports/WorldDump.h"
#include "model/World.h"
#include "platform/CommitRecord.h"
#include "platform/Progress.h"

namespace kw::test {

namespace fs = std::filesystem;

void EditEveryFile(CWorld& world) {
    for (int number = 1; number <= kCountryCount; ++number) {
        world.Country(number).Settings().associationName.Set("E" + std::to_string(number));
    }
    world.Rules().SetWorldName(0, "Edited");
    ASSERT_GT(world.WithoutClub().Count(), 0);
    world.WithoutClub().At(0)->SetSurname("Edited");
}

FolderState ReadTree(const fs::path& folder) {
    FolderState state;
    if (!fs::exists(folder)) {
        return state;
    }
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            state[entry.path().lexically_relative(folder).string()] = ReadFile(entry.path());
        }
    }
    return state;
}

void RestoreTree(const fs::path& folder, const FolderState& state) {
    fs::create_directories(folder);
    std::vector<fs::path> stray;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file() &&
            state.count(entry.path().lexically_relative(folder).string()) == 0) {
            stray.push_back(entry.path());
        }
    }
    for (const fs::path& path : stray) {
        fs::remove(path);
    }
    for (const auto& [name, bytes] : state) {
        const fs::path path = folder / name;
        if (!fs::exists(path) || ReadFile(path) != bytes) {
            fs::create_directories(path.parent_path());
            WriteFile(path, bytes);
        }
    }
}

fs::path FastTemporaryFolder() {
    std::error_code error;
    const fs::path memory = "/dev/shm";
    return fs::is_directory(memory, error) && access(memory.c_str(), W_OK) == 0
               ? memory
               : fs::temp_directory_path();
}

std::vector<std::string> Leftovers(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (IsTemporaryName(name) || name == kCommitRecordName) {
            names.push_back(entry.path().lexically_relative(folder).string());
        }
    }
    return names;
}

std::string StateName(const FolderState& now, const FolderState& old, const FolderState& fresh) {
    if (now == old) {
        return "old";
    }
    if (now == fresh) {
        return "new";
    }
    int asOld = 0;
    int asNew = 0;
    int neither = 0;
    for (const auto& [name, bytes] : now) {
        const auto o = old.find(name);
        const auto n = fresh.find(name);
        const bool isOld = o != old.end() && o->second == bytes;
        const bool isNew = n != fresh.end() && n->second == bytes;
        asOld += isOld && !isNew;
        asNew += isNew && !isOld;
        neither += !isOld && !isNew;
    }
    return "mixed: " + std::to_string(asOld) + " files old, " + std::to_string(asNew) + " new, " +
           std::to_string(neither) + " neither";
}

COpenedDatabases::SOpened COpenedDatabases::Open(const fs::path& install,
                                                 const fs::path& database) {
    if (Leftovers(database).empty()) {
        FolderState files = ReadTree(database);
        const auto known = m_dumps.find(files);
        if (known != m_dumps.end()) {
            return {std::move(files), known->second};
        }
    }
    CWorld world(install);
    world.InitialiseCountries();
    CSilentProgress progress;
    world.Load(database, progress);
    FolderState files = ReadTree(database);
    auto known = m_dumps.find(files);
    if (known == m_dumps.end()) {
        known = m_dumps.emplace(files, DumpWorldJson(world)).first;
    }
    return {std::move(files), known->second};
}

}  // namespace kw::test
