#include "assets/OrvelBig.h"

#include <unistd.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string_view>
#include <system_error>

#include "platform/AsciiCase.h"
#include "platform/ByteOrder.h"
#include "platform/Cp1252.h"
#include "platform/Paths.h"
#include "platform/StringTable.h"
#include "platform/UserInterface.h"
#include "storage/PackedCodec.h"

namespace kw {

namespace {

// Offset and size plus at least the terminating zero of the name.
constexpr std::int64_t kMinRecordSize = 9;
// Enough of an entry to read the header of a packed stream.
constexpr std::size_t kProbeSize = 8;

std::string PathText(const std::filesystem::path& path) {
    return Utf8ToCp1252(path.string());
}

const BigEntry& EmptyEntry() {
    static const BigEntry empty;
    return empty;
}

}  // namespace

COrvelBig::COrvelBig(IUserInterface* ui) : m_ui(ui) {}

COrvelBig::~COrvelBig() {
    Close();
}

bool COrvelBig::Open(const std::filesystem::path& path) {
    Close();
    if (path.empty()) {
        ReportError(ids::kBigNoName);
        return false;
    }
    if (!OpenArchive(path)) {
        Close();
        return false;
    }
    return true;
}

void COrvelBig::Close() {
    m_file.close();
    m_file.clear();
    if (m_packedSourcePath) {
        std::error_code ignored;
        std::filesystem::remove(m_path, ignored);
    }
    m_entries.clear();
    m_path.clear();
    m_packedSourcePath.reset();
    m_archiveLength = 0;
}

bool COrvelBig::OpenArchive(const std::filesystem::path& path) {
    std::filesystem::path source = path;
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        const std::filesystem::path base = path.has_parent_path() ? path.parent_path() : ".";
        if (auto found = FindExisting(base, path.filename().string())) {
            source = std::move(*found);
        }
    }
    m_file.open(source, std::ios::binary);
    if (!m_file.is_open()) {
        ReportError(ids::kBigCannotOpen, PathText(path));
        return false;
    }
    m_file.seekg(0, std::ios::end);
    const std::int64_t length = m_file.tellg();
    // Offsets are signed 32-bit numbers, so a longer file cannot be addressed.
    if (length < static_cast<std::int64_t>(kBigHeaderSize) ||
        length > std::numeric_limits<std::int32_t>::max()) {
        ReportError(ids::kBigInvalid, PathText(source));
        return false;
    }
    std::array<std::uint8_t, kBigHeaderSize> header{};
    if (!ReadAt(0, header.data(), header.size())) {
        ReportError(ids::kBigCannotOpen, PathText(source));
        return false;
    }
    m_path = source;
    if (IsPackedData(header)) {
        return UnpackToTemporaryCopy(source, length);
    }
    return ReadDirectory(source, length);
}

bool COrvelBig::UnpackToTemporaryCopy(const std::filesystem::path& source, std::int64_t length) {
    std::vector<std::uint8_t> packed(static_cast<std::size_t>(length));
    if (!ReadAt(0, packed.data(), packed.size())) {
        ReportError(ids::kBigCannotOpen, PathText(source));
        return false;
    }
    m_file.close();
    const auto image = UnpackData(packed, std::numeric_limits<std::int32_t>::max());
    if (!image || image->size() < kBigHeaderSize) {
        return false;
    }
    packed = {};

    // A fresh name in the system's temporary folder: the installation is often read-only.
    std::error_code error;
    std::string name = (std::filesystem::temp_directory_path(error) / "tmpbig-XXXXXX").string();
    const int fd = mkstemp(name.data());
    if (fd < 0) {
        return false;
    }
    // From here on Close deletes the copy, whatever fails next.
    m_path = name;
    m_packedSourcePath = source;
    std::size_t written = 0;
    while (written < image->size()) {
        const ssize_t count = ::write(fd, image->data() + written, image->size() - written);
        if (count <= 0) {
            break;
        }
        written += static_cast<std::size_t>(count);
    }
    if (::close(fd) != 0 || written != image->size()) {
        return false;
    }
    m_file.clear();
    m_file.open(m_path, std::ios::binary);
    if (!m_file.is_open()) {
        ReportError(ids::kBigCannotOpen, PathText(m_path));
        return false;
    }
    return ReadDirectory(source, static_cast<std::int64_t>(image->size()));
}

bool COrvelBig::ReadDirectory(const std::filesystem::path& source, std::int64_t length) {
    std::array<std::uint8_t, kBigHeaderSize> header{};
    if (!ReadAt(0, header.data(), header.size())) {
        ReportError(ids::kBigInvalid, PathText(source));
        return false;
    }
    // Some tools write the archive size little-endian, others big-endian: the little-endian
    // reading is taken when it matches the length.
    std::uint32_t archiveSize = ReadLittleEndian(header.data() + 4, 4);
    if (archiveSize != length) {
        archiveSize = ReadBigEndian(header.data() + 4, 4);
    }
    const std::int64_t count = ReadBigEndian(header.data() + 8, 4);
    const std::int64_t headerLength = ReadBigEndian(header.data() + 12, 4);
    if (std::memcmp(header.data(), "BIGF", 4) != 0 || archiveSize > length ||
        headerLength > length ||
        count > (length - static_cast<std::int64_t>(kBigHeaderSize)) / kMinRecordSize) {
        ReportError(ids::kBigInvalid, PathText(source));
        return false;
    }
    m_archiveLength = static_cast<std::int32_t>(length);

    m_entries.reserve(static_cast<std::size_t>(count));
    for (std::int64_t i = 0; i < count; ++i) {
        std::array<std::uint8_t, 8> record{};
        if (!m_file.read(reinterpret_cast<char*>(record.data()), record.size())) {
            ReportError(ids::kBigInvalid, PathText(source));
            return false;
        }
        BigEntry entry;
        entry.offset = static_cast<std::int32_t>(ReadBigEndian(record.data(), 4));
        entry.size = static_cast<std::int32_t>(ReadBigEndian(record.data() + 4, 4));
        if (entry.offset > length || std::int64_t{entry.offset} + entry.size > length ||
            entry.offset < 1 || entry.size < 0) {
            ReportError(ids::kBigInvalid, PathText(source));
            return false;
        }
        for (;;) {
            const int c = m_file.get();
            if (c == std::char_traits<char>::eof()) {
                ReportError(ids::kBigInvalid, PathText(source));
                return false;
            }
            if (c == 0) {
                break;
            }
            if (entry.name.size() == kMaxNameLength) {
                return false;
            }
            entry.name.push_back(static_cast<char>(c));
        }
        m_entries.push_back(std::move(entry));
    }

    for (BigEntry& entry : m_entries) {
        std::array<std::uint8_t, kProbeSize> probe{};
        if (static_cast<std::size_t>(entry.size) < probe.size()) {
            continue;
        }
        if (!ReadAt(entry.offset, probe.data(), probe.size())) {
            ReportError(ids::kBigInvalid, PathText(source));
            return false;
        }
        if (IsPackedData(probe)) {
            entry.unpackedSize = UnpackedDataSize(probe);
        }
    }
    return true;
}

bool COrvelBig::ReadAt(std::int64_t offset, std::uint8_t* dest, std::size_t count) const {
    m_file.clear();
    if (!m_file.seekg(offset)) {
        return false;
    }
    return static_cast<bool>(
        m_file.read(reinterpret_cast<char*>(dest), static_cast<std::streamsize>(count)));
}

int COrvelBig::GetCount() const {
    return IsOpen() ? static_cast<int>(m_entries.size()) : 0;
}

const BigEntry& COrvelBig::GetEntry(int index) const {
    if (!IsOpen()) {
        ReportError(ids::kBigNotOpen);
        return EmptyEntry();
    }
    if (index < 0 || static_cast<std::size_t>(index) >= m_entries.size()) {
        return EmptyEntry();
    }
    return m_entries[static_cast<std::size_t>(index)];
}

int COrvelBig::FindIndex(std::string_view name) const {
    if (!IsOpen()) {
        ReportError(ids::kBigNotOpen);
        return -1;
    }
    if (name.empty()) {
        return -1;
    }
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (EqualsIgnoringAsciiCase(m_entries[i].name, name)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int COrvelBig::FindIndexReported(std::string_view name) const {
    if (!IsOpen()) {
        ReportError(ids::kBigNotOpen);
        return -1;
    }
    if (name.empty()) {
        ReportError(ids::kBigNoName);
        return -1;
    }
    const int index = FindIndex(name);
    if (index < 0) {
        ReportError(ids::kBigNotFound, name);
    }
    return index;
}

bool COrvelBig::ReadEntry(int index, std::vector<std::uint8_t>& data, bool unpack) const {
    data.clear();
    if (!IsOpen()) {
        ReportError(ids::kBigNotOpen);
        return false;
    }
    if (index < 0 || static_cast<std::size_t>(index) >= m_entries.size()) {
        return false;
    }
    const BigEntry& entry = m_entries[static_cast<std::size_t>(index)];
    data.resize(static_cast<std::size_t>(entry.size));
    // The directory was checked against the length, so a failing read means the file changed.
    if (!ReadAt(entry.offset, data.data(), data.size())) {
        data.clear();
        ReportError(ids::kBigCannotOpen, PathText(m_packedSourcePath.value_or(m_path)));
        return false;
    }
    if (unpack && IsPackedData(data)) {
        auto unpacked = UnpackData(data);
        if (!unpacked) {
            data.clear();
            return false;
        }
        data = std::move(*unpacked);
    }
    return true;
}

bool COrvelBig::ReadFile(std::string_view name, std::vector<std::uint8_t>& data,
                         bool unpack) const {
    const int index = FindIndexReported(name);
    if (index < 0) {
        data.clear();
        return false;
    }
    return ReadEntry(index, data, unpack);
}

void COrvelBig::ReportError(int messageId, std::string_view argument) const {
    std::string text(ResourceString(messageId));
    if (const auto at = text.find("%s"); at != std::string::npos) {
        text.replace(at, 2, argument);
    }
    if (text.size() > kMaxErrorLength) {
        text.resize(kMaxErrorLength);
    }
    m_lastError = std::move(text);
    if (!m_quiet && m_ui != nullptr) {
        m_ui->ShowError(m_lastError);
    }
}

}  // namespace kw
