#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kw {

class IUserInterface;

// The archive's header: magic, total size, entry count, end of the directory.
inline constexpr std::size_t kBigHeaderSize = 16;

// One file of a BIG archive, as its directory records it.
struct BigEntry {
    std::int32_t offset = 0;
    std::int32_t size = 0;
    // Windows-1252; may contain path separators and is compared as a whole.
    std::string name;
    // The size stated by the packed-stream header when the data is packed, else 0.
    std::uint32_t unpackedSize = 0;
};

// Read-only access to a BIG archive ("BIGF": header, directory of named files, file data), such
// as the game's "badges.big". Files may be stored packed; a whole archive may be packed too, and
// is then unpacked into a temporary copy that lives until Close.
//
// The archive comes from the user's installation and may be damaged, so every directory field is
// checked against the file length before it is used. Failures are reported through the user
// interface (unless quiet) and kept in LastError.
class COrvelBig {
public:
    static constexpr std::size_t kMaxNameLength = 258;
    static constexpr std::size_t kMaxErrorLength = 2047;

    explicit COrvelBig(IUserInterface* ui = nullptr);
    virtual ~COrvelBig();
    COrvelBig(const COrvelBig&) = delete;
    COrvelBig& operator=(const COrvelBig&) = delete;

    // Where messages go; none keeps them in LastError only.
    void SetUserInterface(IUserInterface* ui) { m_ui = ui; }
    // While quiet, failures are only stored in LastError (the badge archive at start-up).
    void SetQuiet(bool quiet) { m_quiet = quiet; }
    bool IsQuiet() const { return m_quiet; }

    // Closes any archive held, then reads header and directory. A path that does not exist as
    // given is looked up without regard to letter case. Every failure leaves the object closed.
    bool Open(const std::filesystem::path& path);
    // Also deletes the temporary copy of a packed archive.
    void Close();
    bool IsOpen() const { return m_file.is_open(); }

    int GetCount() const;
    // A shared empty entry for an index out of range.
    const BigEntry& GetEntry(int index) const;
    // The first entry, in directory order, whose name equals `name` when ASCII letters are
    // compared without case; -1 when none does or `name` is empty.
    int FindIndex(std::string_view name) const;
    // As FindIndex, but also reports an empty name and a name that is not found.
    int FindIndexReported(std::string_view name) const;
    // The entry's bytes; with `unpack`, a packed file comes back unpacked and one that cannot be
    // unpacked gives false. `data` is empty after a failure.
    bool ReadEntry(int index, std::vector<std::uint8_t>& data, bool unpack) const;
    bool ReadFile(std::string_view name, std::vector<std::uint8_t>& data, bool unpack) const;

    // The file actually read: the archive, or the temporary copy of a packed archive.
    const std::filesystem::path& Path() const { return m_path; }
    // The archive when it was packed.
    const std::optional<std::filesystem::path>& PackedSourcePath() const {
        return m_packedSourcePath;
    }
    // Length of the (unpacked) archive.
    std::int32_t ArchiveLength() const { return m_archiveLength; }
    const std::string& LastError() const { return m_lastError; }

private:
    bool OpenArchive(const std::filesystem::path& path);
    bool UnpackToTemporaryCopy(const std::filesystem::path& source, std::int64_t length);
    bool ReadDirectory(const std::filesystem::path& source, std::int64_t length);
    bool ReadAt(std::int64_t offset, std::uint8_t* dest, std::size_t count) const;
    // Formats the message with the argument (Windows-1252) into LastError and shows it unless
    // quiet.
    void ReportError(int messageId, std::string_view argument = {}) const;

    IUserInterface* m_ui;
    // Reading moves the stream, not the archive's state; lookups stay const.
    mutable std::ifstream m_file;
    std::vector<BigEntry> m_entries;
    std::filesystem::path m_path;
    std::optional<std::filesystem::path> m_packedSourcePath;
    std::int32_t m_archiveLength = 0;
    mutable std::string m_lastError;
    bool m_quiet = false;
};

}  // namespace kw
