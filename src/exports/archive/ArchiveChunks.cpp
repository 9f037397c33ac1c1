#include "exports/archive/ArchiveChunks.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/AtomicFile.h"
#include "platform/ByteOrder.h"
#include "platform/Cp1252.h"
#include "platform/FileContents.h"
#include "storage/PackedCodec.h"

namespace kw {

namespace {

constexpr std::array<std::string_view, 7> kTagNames{"????", "COUN", "CLUB", "PLAY",
                                                    "BADG", "KIT ", "PLIM"};
constexpr std::uint64_t kHeaderLength = 8;

EChunkTag TagFromName(const std::array<char, 4>& name) {
    const std::string_view text(name.data(), name.size());
    for (std::size_t i = 1; i < kTagNames.size(); ++i) {
        if (kTagNames[i] == text) {
            return static_cast<EChunkTag>(i);
        }
    }
    return EChunkTag::Unknown;
}

}  // namespace

std::string_view ChunkTagName(EChunkTag tag) {
    const auto index = static_cast<std::size_t>(tag);
    return index < kTagNames.size() ? kTagNames[index] : kTagNames[0];
}

CArchiveWriter::CArchiveWriter() = default;

CArchiveWriter::~CArchiveWriter() = default;

bool CArchiveWriter::Create(const std::filesystem::path& path, const SWriteOptions& options) {
    m_file = std::make_unique<CAtomicFile>(path, options);
    m_length = 0;
    m_failed = !m_file->Open();
    if (m_failed) {
        m_file.reset();
        return false;
    }
    std::uint8_t header[kHeaderLength] = {'F', 'O', 'R', 'M'};
    return Write(header);
}

bool CArchiveWriter::Write(std::span<const std::uint8_t> bytes) {
    if (m_failed || !m_file) {
        m_failed = true;
        return false;
    }
    if (!bytes.empty() && !m_file->Write(std::string_view(
                              reinterpret_cast<const char*>(bytes.data()), bytes.size()))) {
        m_failed = true;
        return false;
    }
    m_length += bytes.size();
    return true;
}

bool CArchiveWriter::AddChunk(EChunkTag tag, std::span<const std::uint8_t> payload) {
    return AddPackedChunk(tag, PackData(payload));
}

bool CArchiveWriter::AddPackedChunk(EChunkTag tag, std::span<const std::uint8_t> packed) {
    if (packed.empty() || packed.size() > 0x7FFFFFFF) {
        m_failed = true;
        return false;
    }
    std::uint8_t head[8];
    std::memcpy(head, ChunkTagName(tag).data(), 4);
    WriteLittleEndian(head + 4, static_cast<std::uint32_t>(packed.size()), 4);
    return Write(head) && Write(packed);
}

bool CArchiveWriter::Finish() {
    if (!m_file) {
        return false;
    }
    bool ok = !m_failed && m_length <= 0xFFFFFFFFu;
    if (ok) {
        char length[4];
        WriteLittleEndian(reinterpret_cast<std::uint8_t*>(length),
                          static_cast<std::uint32_t>(m_length), 4);
        ok = m_file->WriteAt(4, std::string_view(length, 4)) && m_file->Commit();
    }
    // Without a commit the temporary file goes with the writer.
    m_file.reset();
    m_failed = m_failed || !ok;
    return ok;
}

bool CArchiveReader::Open(const std::filesystem::path& path) {
    m_file.reset(std::fopen(path.c_str(), "rb"));
    m_size = 0;
    m_position = 0;
    m_damaged = false;
    if (!m_file) {
        return false;
    }
    std::error_code error;
    const std::uint64_t size = std::filesystem::file_size(path, error);
    std::uint8_t header[kHeaderLength];
    if (error || size < kHeaderLength ||
        std::fread(header, 1, kHeaderLength, m_file.get()) != kHeaderLength ||
        std::memcmp(header, "FORM", 4) != 0 || ReadLittleEndian(header + 4, 4) != size) {
        m_file.reset();
        return false;
    }
    m_size = size;
    m_position = kHeaderLength;
    return true;
}

std::optional<SArchiveChunk> CArchiveReader::ReadHead() {
    if (!m_file || m_damaged || m_position == m_size) {
        return std::nullopt;
    }
    if (m_size - m_position < 8) {
        return Damaged();
    }
    std::uint8_t head[8];
    if (std::fread(head, 1, 8, m_file.get()) != 8) {
        return Damaged();
    }
    m_position += 8;
    SArchiveChunk chunk;
    std::memcpy(chunk.name.data(), head, 4);
    chunk.tag = TagFromName(chunk.name);
    chunk.packedLength = ReadLittleEndian(head + 4, 4);
    if (chunk.packedLength < 1 || chunk.packedLength > m_size - m_position) {
        return Damaged();
    }
    return chunk;
}

std::optional<SArchiveChunk> CArchiveReader::ReadChunk() {
    auto chunk = ReadHead();
    if (!chunk) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> packed(chunk->packedLength);
    if (std::fread(packed.data(), 1, packed.size(), m_file.get()) != packed.size()) {
        return Damaged();
    }
    m_position += packed.size();
    auto data = UnpackData(packed);
    if (!data) {
        return Damaged();
    }
    chunk->data = std::move(*data);
    return chunk;
}

bool CArchiveReader::SkipChunk() {
    const auto chunk = ReadHead();
    if (!chunk) {
        return false;
    }
    if (std::fseek(m_file.get(), static_cast<long>(chunk->packedLength), SEEK_CUR) != 0) {
        m_damaged = true;
        return false;
    }
    m_position += chunk->packedLength;
    return true;
}

std::optional<std::vector<std::uint8_t>> ReadFilePayload(const std::filesystem::path& file,
                                                         std::span<const std::uint8_t> prefix) {
    auto payload = ReadFileBytes(file);
    if (payload) {
        payload->insert(payload->begin(), prefix.begin(), prefix.end());
    }
    return payload;
}

std::optional<SNamedFile> SplitNamedFile(std::span<const std::uint8_t> payload) {
    const auto zero = std::find(payload.begin(), payload.end(), std::uint8_t{0});
    if (zero == payload.end()) {
        return std::nullopt;
    }
    const auto nameLength = static_cast<std::size_t>(zero - payload.begin());
    return SNamedFile{std::string_view(reinterpret_cast<const char*>(payload.data()), nameLength),
                      payload.subspan(nameLength + 1)};
}

std::optional<std::filesystem::path> SafeRelativePath(std::string_view name) {
    std::string text = Cp1252ToUtf8(name);
    std::replace(text.begin(), text.end(), '\\', '/');
    if (text.empty() || text.front() == '/' || (text.size() >= 2 && text[1] == ':')) {
        return std::nullopt;
    }
    std::filesystem::path relative;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('/', start), text.size());
        const std::string_view component(text.data() + start, end - start);
        if (component == "..") {
            return std::nullopt;
        }
        if (!component.empty() && component != ".") {
            relative /= std::string(component);
        }
        start = end + 1;
    }
    if (relative.empty()) {
        return std::nullopt;
    }
    return relative;
}

}  // namespace kw
