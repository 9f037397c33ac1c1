#include "exports/archive/WorldArchive.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "exports/archive/ArchiveChunks.h"
#include "exports/archive/Badge.h"
#include "exports/archive/ChunkPacker.h"
#include "model/World.h"
#include "platform/AtomicFile.h"
#include "platform/AtomicFileBatch.h"
#include "platform/ByteOrder.h"
#include "platform/Cp1252.h"
#include "platform/DirectoryLock.h"
#include "platform/Paths.h"
#include "platform/Progress.h"
#include "platform/StringTable.h"
#include "platform/UserInterface.h"

namespace kw {

namespace {

std::string CountryFileName(int number) {
    return FormatPrintf("Country%d.sav", number);
}

std::filesystem::path InstallFolder(const CWorld& world, std::string_view name) {
    return FindExisting(world.InstallDirectory(), name)
        .value_or(world.InstallDirectory() / std::string(name));
}

int ClubTotal(const CWorld& world) {
    int total = 0;
    for (int number = 1; number <= kCountryCount; ++number) {
        total += static_cast<int>(world.Country(number).Clubs().size());
    }
    return total;
}

// Restores the world's folder and removes the scratch database however the export ends.
class CScratchDatabase {
public:
    explicit CScratchDatabase(CWorld& world) : m_world(world), m_saved(world.Directory()) {}
    ~CScratchDatabase() {
        if (!m_path.empty()) {
            RemoveRecursively(m_path);
        }
        m_world.SetDirectory(m_saved);
    }
    CScratchDatabase(const CScratchDatabase&) = delete;
    CScratchDatabase& operator=(const CScratchDatabase&) = delete;

    bool Create(const std::filesystem::path& documents, IUserInterface& ui,
                const SWriteOptions& options) {
        const std::filesystem::path databases = PathForWriting(documents, "database");
        // The scratch folder has one fixed name: an export running beside this one (another
        // kwtool, another editor) would empty it under our feet, so the second waits.
        std::error_code error;
        std::filesystem::create_directories(databases, error);
        m_lock.emplace(databases);
        const std::filesystem::path path = databases / std::string(kExportScratchDatabase);
        RemoveRecursively(path);
        // Removed again also when it could be made only in part.
        m_path = path;
        return m_world.CreateDatabaseDirectory(documents, std::string(kExportScratchDatabase),
                                               "temp directory", ui, options);
    }
    const std::filesystem::path& Path() const { return m_path; }

private:
    CWorld& m_world;
    std::filesystem::path m_saved;
    std::filesystem::path m_path;
    std::optional<CDirectoryLock> m_lock;
};

int ClampToInt(std::uint64_t value) {
    return static_cast<int>(std::min<std::uint64_t>(value, INT_MAX));
}

// The folders an import writes to, looked up once rather than for every chunk.
struct SImportFolders {
    std::filesystem::path database;
    std::filesystem::path badges;
    std::filesystem::path pictures;
};

// Where a chunk's file goes and what it holds.
struct SChunkFile {
    std::filesystem::path folder;
    std::filesystem::path relative;
    std::span<const std::uint8_t> bytes;

    std::string Key() const { return (folder / relative).string(); }
};

// Chunks that name no safe place, and chunks of other kinds, have no file.
std::optional<SChunkFile> ChunkFile(const SImportFolders& folders, const SArchiveChunk& chunk) {
    switch (chunk.tag) {
        case EChunkTag::Country: {
            if (chunk.data.size() < 4) {
                return std::nullopt;
            }
            const std::uint32_t number = ReadLittleEndian(chunk.data.data(), 4);
            if (number < 1 || number > kCountryCount) {
                return std::nullopt;
            }
            return SChunkFile{folders.database, CountryFileName(static_cast<int>(number)),
                              std::span(chunk.data).subspan(4)};
        }
        case EChunkTag::Badge:
        case EChunkTag::Picture: {
            const auto file = SplitNamedFile(chunk.data);
            const auto relative = file ? SafeRelativePath(file->name) : std::nullopt;
            if (!relative) {
                return std::nullopt;
            }
            return SChunkFile{chunk.tag == EChunkTag::Badge ? folders.badges : folders.pictures,
                              *relative, file->bytes};
        }
        default:
            return std::nullopt;
    }
}

bool WriteChunkFile(const SChunkFile& file) {
    const std::filesystem::path target = PathForWriting(file.folder, file.relative.string());
    std::error_code error;
    std::filesystem::create_directories(target.parent_path(), error);
    return !error && WriteFileAtomically(
                         target, std::string_view(reinterpret_cast<const char*>(file.bytes.data()),
                                                  file.bytes.size()));
}

// An archive carries a badge once for every club that uses it, and the colour templates are
// shared by many clubs. Which chunks are the last for their file (the one that stays when they
// are written in turn): only those need writing. Counts the chunks up to the first damaged one.
std::vector<bool> LastChunkPerFile(CArchiveReader& reader, const SImportFolders& folders,
                                   IProgress& progress) {
    std::unordered_map<std::string, std::size_t> last;
    std::size_t count = 0;
    while (const auto chunk = reader.ReadChunk()) {
        progress.SetPos(ClampToInt(reader.Position() / 2));
        if (const auto file = ChunkFile(folders, *chunk)) {
            last[file->Key()] = count;
        }
        ++count;
    }
    std::vector<bool> isLast(count, false);
    for (const auto& [key, index] : last) {
        isLast[index] = true;
    }
    return isLast;
}

}  // namespace

bool ExportWorld(CWorld& world, const std::filesystem::path& archive,
                 const std::filesystem::path& documents, IProgress& progress, IUserInterface& ui,
                 const SWriteOptions& options, int language) {
    CScratchDatabase scratch(world);
    progress.EnableCancel(false);
    if (documents.empty() || !scratch.Create(documents, ui, options)) {
        ui.ShowError(ResourceString(ids::kSaveFailed));
        return false;
    }
    if (!world.Save(progress, ui, options, language)) {
        return false;
    }
    CArchiveWriter writer;
    if (!writer.Create(archive, options)) {
        ui.ShowError(ResourceString(ids::kSaveFailed));
        return false;
    }
    const std::string description(ResourceString(ids::kExportDescription));
    progress.SetCaption(ResourceString(ids::kExportCaption));
    progress.SetDescription(FormatPrintf(description.c_str(), archive.c_str()));
    progress.SetStatus(ResourceString(ids::kExportStatus));
    progress.SetRange(0, ClubTotal(world));
    progress.SetPos(0);
    progress.EnableCancel(true);

    const std::string clubStatus(ResourceString(ids::kExportClubStatus));
    const std::filesystem::path badges = InstallFolder(world, "badges");
    CChunkPacker packer(writer);
    for (int number = 1; number <= kCountryCount; ++number) {
        for (const auto& [id, club] : world.Country(number).Clubs()) {
            CBadge(badges, std::string(club->BadgePath().View())).ExpectExport(packer);
        }
    }
    int step = 0;
    for (int number = 1; number <= kCountryCount && !progress.IsCancelled(); ++number) {
        // Every country was just saved there: one that cannot be read back would leave the
        // archive without it, so the export fails instead.
        const auto file = FindExisting(scratch.Path(), CountryFileName(number));
        std::uint8_t prefix[4];
        WriteLittleEndian(prefix, static_cast<std::uint32_t>(number), 4);
        auto payload = file ? ReadFilePayload(*file, prefix) : std::nullopt;
        if (!payload) {
            ui.ShowError(ResourceString(ids::kSaveFailed));
            return false;
        }
        packer.Write(EChunkTag::Country, packer.Pack(std::move(*payload)));
        for (const auto& [id, club] : world.Country(number).Clubs()) {
            if (progress.IsCancelled()) {
                break;
            }
            const std::string name(club->Name(language));
            progress.SetStatus(FormatPrintf(clubStatus.c_str(), name.c_str()));
            progress.SetPos(++step);
            CBadge(badges, std::string(club->BadgePath().View())).Export(packer);
        }
    }
    // A failed archive never replaces the previous one.
    if (!packer.Flush() || !writer.Finish()) {
        ui.ShowError(ResourceString(ids::kSaveFailed));
        return false;
    }
    return !progress.IsCancelled();
}

bool ImportWorld(CWorld& world, const std::filesystem::path& archive, bool ask, IProgress& progress,
                 IUserInterface& ui, const SWriteOptions& options, int language) {
    if (ask && !ui.AskYesNo(ResourceString(ids::kImportQuestion))) {
        return false;
    }
    const SImportFolders folders{world.Directory(), InstallFolder(world, "badges"),
                                 InstallFolder(world, "picture")};
    // The first pass reads the whole archive: a damaged one changes neither a file nor the world.
    CArchiveReader reader;
    std::vector<bool> isLast;
    bool readable = reader.Open(archive);
    if (readable) {
        progress.SetRange(0, ClampToInt(reader.Size()));
        progress.SetStatus(ResourceString(ids::kImportData));
        isLast = LastChunkPerFile(reader, folders, progress);
        readable = reader.ReadToEnd();
    }
    if (!readable) {
        const std::string message(ResourceString(ids::kImportDamaged));
        ui.ShowError(FormatPrintf(message.c_str(), Utf8ToCp1252(archive.string()).c_str()));
        return false;
    }

    world.InitialiseCountries();
    std::error_code error;
    std::filesystem::create_directories(world.Directory(), error);
    CArchiveReader again;
    bool written = again.Open(archive);
    {
        // The database, badge and picture files are one unit on disk (a file that cannot be
        // written replaces nothing), with one flush instead of one per file.
        CAtomicFileBatch batch(world.Directory(), options);
        for (std::size_t i = 0; i < isLast.size() && written; ++i) {
            if (isLast[i]) {
                const auto chunk = again.ReadChunk();
                const auto file = chunk ? ChunkFile(folders, *chunk) : std::nullopt;
                written = file && WriteChunkFile(*file);
            } else {
                written = again.SkipChunk();
            }
            progress.SetPos(ClampToInt((reader.Size() + again.Position()) / 2));
        }
        written = written && batch.Commit();
    }
    if (!written) {
        ui.ShowError(ResourceString(ids::kSaveFailed));
    }
    world.Load(world.Directory(), progress, ui, language);
    return written;
}

}  // namespace kw
