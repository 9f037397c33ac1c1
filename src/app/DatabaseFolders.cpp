#include "app/DatabaseFolders.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "model/DatabaseName.h"
#include "platform/AsciiCase.h"
#include "platform/Paths.h"
#include "storage/TextCollation.h"

namespace kw {

namespace fs = std::filesystem;

namespace {

fs::path Resolved(const fs::path& path) {
    std::error_code error;
    fs::path resolved = fs::weakly_canonical(path, error);
    return error ? LongPath(path) : resolved;
}

}  // namespace

std::optional<fs::path> DatabasesFolder(const fs::path& documents) {
    std::error_code error;
    if (const auto found = FindExisting(documents, "database");
        found && fs::is_directory(*found, error)) {
        return found;
    }
    const fs::path folder = PathForWriting(documents, "database");
    fs::create_directories(folder, error);
    if (error || !fs::is_directory(folder, error)) {
        return std::nullopt;
    }
    return folder;
}

std::vector<std::string> ListDatabases(const fs::path& databases) {
    std::vector<std::string> names;
    for (const DirectoryEntry& entry : ListDirectory(databases)) {
        if (entry.isDirectory) {
            names.push_back(entry.path.filename().string());
        }
    }
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return CollateUtf8Text(a, b) < 0; });
    return names;
}

std::string ReadDatabaseDescription(const fs::path& databases, std::string_view name) {
    const auto file = FindExisting(databases / fs::path(std::string(name)), "Database.txt");
    if (!file) {
        return {};
    }
    std::ifstream stream(*file, std::ios::binary);
    std::string text(kDescriptionLimit, '\0');
    stream.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (stream.bad()) {
        return {};
    }
    text.resize(static_cast<std::size_t>(stream.gcount()));
    return text;
}

bool RemoveExportScratch(const fs::path& databases) {
    bool allGone = true;
    for (const DirectoryEntry& entry : ListDirectory(databases)) {
        if (!EqualsIgnoringAsciiCase(entry.path.filename().string(), kExportScratchDatabase)) {
            continue;
        }
        // A link of that name is left alone: removing it could reach outside the folder.
        allGone =
            IsDatabaseFolderOf(databases, entry.path) && RemoveRecursively(entry.path) && allGone;
    }
    return allGone;
}

bool DeleteDatabase(const fs::path& databases, std::string_view name) {
    const std::vector<std::string> names = ListDatabases(databases);
    if (!FindDatabaseRow(names, name)) {
        return false;
    }
    const fs::path folder = databases / fs::path(std::string(name));
    return IsDatabaseFolderOf(databases, folder) && RemoveRecursively(folder);
}

bool IsDatabaseOpen(const fs::path& folder, const std::vector<fs::path>& openFolders) {
    const fs::path wanted = Resolved(folder);
    return std::any_of(openFolders.begin(), openFolders.end(), [&wanted](const fs::path& open) {
        return !open.empty() && Resolved(open) == wanted;
    });
}

std::optional<std::size_t> FindDatabaseRow(const std::vector<std::string>& names,
                                           std::string_view name) {
    const auto found = std::find(names.begin(), names.end(), name);
    if (found == names.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(std::distance(names.begin(), found));
}

SNewDatabaseControls NewDatabaseControls(std::string_view name,
                                         const std::vector<std::string>& names) {
    SNewDatabaseControls controls;
    controls.descriptionEnabled = !name.empty();
    controls.saveEnabled = IsValidDatabaseName(name);
    if (!name.empty()) {
        controls.row = FindDatabaseRow(names, name);
    }
    return controls;
}

bool TakesComment(bool descriptionEditedByUser, std::string_view description) {
    return !descriptionEditedByUser || description.empty();
}

}  // namespace kw
