#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace kw {

// The byte-oriented LZ77 codec of world archive chunks and of BIG archives. A packed stream is a
// header (type byte 0x10 or 0x90, 0xFB, big-endian unpacked size of 3 or 4 bytes) followed by
// copy and literal commands that end with a stop command.
//
// Packing is deterministic: the same input always gives the same bytes, which other readers of
// the format rely on. Unpacking takes untrusted files, so every command is checked against both
// buffers and a stream that does not produce exactly its stated size is refused.

// Largest unpacked size the allocating Unpack accepts; larger claims are refused before anything
// is allocated.
inline constexpr std::size_t kMaxUnpackedDataSize = std::size_t{1} << 30;

// Packed length that no input of `length` bytes can exceed. Incompressible input grows by one
// command byte per 112 literals plus header and stop byte.
constexpr std::size_t PackDataBound(std::size_t length) {
    return length + length / 112 + 16;
}

// Packs `source` into `dest`. Returns the packed length including the header, or 0 when `dest` is
// too small, the input is larger than the header can state (4 GiB) or memory runs out. A `dest`
// of PackDataBound(source.size()) bytes is always large enough.
std::size_t PackData(std::span<const std::uint8_t> source, std::span<std::uint8_t> dest);

// The packed length PackData would produce, without writing anything (0 on failure).
std::size_t PackedDataLength(std::span<const std::uint8_t> source);

// Packs into a new buffer of exactly the packed length; empty on failure.
std::vector<std::uint8_t> PackData(std::span<const std::uint8_t> source);

// True when the bytes begin with the marker of a packed stream with a 3-byte size (0x10, 0xFB),
// the form BIG archives use for packed files and packed archives.
bool IsPackedData(std::span<const std::uint8_t> data);

// The unpacked size stated in the header, or 0 when byte 1 is not 0xFB, the type byte (bit 0
// ignored) is not one of the family's values or the header is cut short. The family shares the
// header layout: bit 7 selects a 4-byte size, bit 0 a packed-size field before it.
std::uint32_t UnpackedDataSize(std::span<const std::uint8_t> packed);

struct UnpackResult {
    std::size_t unpackedLength = 0;
    // Packed bytes consumed, header and stop command included.
    std::size_t packedLength = 0;
};

// Unpacks a stream of type 0x10 or 0x90 (or their bit-0 variants) into `dest`, which must hold
// the stated size. Nothing when the header is unknown, `dest` is too small, or the commands run
// past the input, past the stated size, copy from before the start of the output or stop short
// of the stated size. `dest` may then be partly written.
std::optional<UnpackResult> UnpackData(std::span<const std::uint8_t> packed,
                                       std::span<std::uint8_t> dest);

// Unpacks into a new buffer. A stated size that the input could not produce or that exceeds
// `limit` is refused before allocating.
std::optional<std::vector<std::uint8_t>> UnpackData(std::span<const std::uint8_t> packed,
                                                    std::size_t limit = kMaxUnpackedDataSize);

}  // namespace kw
