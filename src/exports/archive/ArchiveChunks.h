#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "platform/OwnedFile.h"
#include "platform/WriteOptions.h"

namespace kw {

class CAtomicFile;

// The chunk file of world archives: "FORM" and the little-endian total file length, then chunks
// of a four-character tag, a little-endian payload length and the payload packed with the packed
// data codec.
enum class EChunkTag : std::uint8_t {
    Unknown = 0,
    Country = 1,  // "COUN": 32-bit country number, then the country file
    Club = 2,     // "CLUB"
    Player = 3,   // "PLAY"
    Badge = 4,    // "BADG": file name, a zero byte, the file
    Kit = 5,      // "KIT "
    Picture = 6,  // "PLIM": file name, a zero byte, the file
};

// The four characters of a tag; "????" for Unknown.
std::string_view ChunkTagName(EChunkTag tag);

// Writes a new archive through a temporary file that replaces the target only when Finish
// succeeds, so neither a half-written archive nor a damaged previous one is ever left. The
// header's length is written by Finish.
class CArchiveWriter {
public:
    CArchiveWriter();
    ~CArchiveWriter();
    CArchiveWriter(const CArchiveWriter&) = delete;
    CArchiveWriter& operator=(const CArchiveWriter&) = delete;

    bool Create(const std::filesystem::path& path, const SWriteOptions& options = {});
    // Packs `payload` into one chunk.
    bool AddChunk(EChunkTag tag, std::span<const std::uint8_t> payload);
    // Adds a payload packed before; an empty one (the codec failed) fails the archive.
    bool AddPackedChunk(EChunkTag tag, std::span<const std::uint8_t> packed);
    // Writes the total length into the header and puts the file in place.
    bool Finish();
    // Any write so far failed.
    bool Failed() const { return m_failed; }

private:
    bool Write(std::span<const std::uint8_t> bytes);

    std::unique_ptr<CAtomicFile> m_file;
    std::uint64_t m_length = 0;
    bool m_failed = false;
};

// The payload of a file chunk: `prefix`, then the whole file; nothing when it cannot be read.
std::optional<std::vector<std::uint8_t>> ReadFilePayload(const std::filesystem::path& file,
                                                         std::span<const std::uint8_t> prefix);

struct SArchiveChunk {
    EChunkTag tag = EChunkTag::Unknown;
    std::array<char, 4> name{};
    std::uint32_t packedLength = 0;
    std::vector<std::uint8_t> data;  // unpacked
};

// Reads an archive chunk by chunk. The archives come from anywhere: every length is checked
// against the file before anything is read or allocated.
class CArchiveReader {
public:
    // Accepts a file of at least 8 bytes that starts with "FORM" and states its own size.
    bool Open(const std::filesystem::path& path);
    // The next chunk; nothing at the end of the file, at a chunk whose length is 0 or runs past
    // the end, or whose payload does not unpack. Reading stops there.
    std::optional<SArchiveChunk> ReadChunk();
    // Passes over the next chunk without unpacking it; false where ReadChunk would give nothing
    // for want of a readable chunk (its payload is not checked).
    bool SkipChunk();
    std::uint64_t Position() const { return m_position; }
    std::uint64_t Size() const { return m_size; }
    // Every chunk up to the end of the file was read.
    bool ReadToEnd() const { return m_file && !m_damaged && m_position == m_size; }

private:
    // The next chunk's tag and length, checked against the file; no data.
    std::optional<SArchiveChunk> ReadHead();
    std::optional<SArchiveChunk> Damaged() {
        m_damaged = true;
        return std::nullopt;
    }

    FilePointer m_file;
    bool m_damaged = false;
    std::uint64_t m_size = 0;
    std::uint64_t m_position = 0;
};

// A file name carried by a "BADG" or "PLIM" payload ("name\0bytes"), with the bytes after it.
struct SNamedFile {
    std::string_view name;
    std::span<const std::uint8_t> bytes;
};
std::optional<SNamedFile> SplitNamedFile(std::span<const std::uint8_t> payload);

// The relative path a stored name stands for ('\' or '/' separated, Windows-1252), or nothing
// when it is empty, absolute, carries a drive letter or climbs with "..": such a name could
// write outside its folder.
std::optional<std::filesystem::path> SafeRelativePath(std::string_view name);

}  // namespace kw
