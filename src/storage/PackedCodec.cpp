#include "storage/PackedCodec.h"
#include "platform/ByteOrder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <new>

namespace kw {

namespace {

constexpr std::uint8_t kMarker = 0xFB;
constexpr std::uint8_t kSmallType = 0x10;
constexpr std::uint8_t kLargeType = 0x90;
constexpr std::uint32_t kSmallSizeLimit = 0xFFFFFF;

constexpr std::int64_t kWindow = 16384;
constexpr std::int64_t kWindowMask = kWindow - 1;
constexpr std::int64_t kMaxMatch = 1028;
constexpr std::size_t kMaxRun = 112;
// The copy commands produce at most 1028 bytes from 4 command bytes, so no stream can unpack to
// more than this many bytes per packed byte.
constexpr std::size_t kMaxExpansion = 257;
// Fixed copy sizes of the unpacker's fast paths: the most literals a copy command carries, and
// one vector register.
constexpr std::size_t kShortCopy = 4;
constexpr std::size_t kWideCopy = 16;

// Writes into a buffer of fixed capacity, or only counts when there is none. Once the buffer is
// full the length still counts on, so the caller learns that it was too small.
class Output {
public:
    Output(std::uint8_t* dest, std::size_t capacity) : m_dest(dest), m_capacity(capacity) {}

    void Put(std::uint8_t byte) {
        if (m_dest != nullptr && m_length < m_capacity) {
            m_dest[m_length] = byte;
        }
        ++m_length;
    }
    void Put(const std::uint8_t* bytes, std::size_t count) {
        // memcpy wants valid pointers even for nothing; an empty input has none.
        if (count != 0 && m_dest != nullptr && m_length <= m_capacity &&
            count <= m_capacity - m_length) {
            std::memcpy(m_dest + m_length, bytes, count);
        }
        m_length += count;
    }
    std::size_t Length() const { return m_length; }
    bool Overflowed() const { return m_dest != nullptr && m_length > m_capacity; }

private:
    std::uint8_t* m_dest;
    std::size_t m_capacity;
    std::size_t m_length = 0;
};

template <typename T>
T Load(const std::uint8_t* bytes) {
    T value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

// The search visits, nearest first, the positions in the window whose first three bytes agree
// with the current ones: only they can give a match that saves a byte. Which other positions a
// hash table lumps together with them does not change the outcome, so in place of the 7331-entry
// hash of three bytes the search keeps chains keyed by a hash of the first 3, 4 and 8 bytes. Once
// the best match found is as long as a level's prefix, only positions sharing that prefix can beat
// it, and the walk goes on along that level's sparser chain below the candidate it has reached.
// The candidates that can win come in the same order, so the output stays the same.
constexpr std::array<std::int64_t, 3> kLevelPrefix{3, 4, 8};

std::uint64_t PrefixKey(std::size_t level, const std::uint8_t* s) {
    if (level == 2) {
        return Load<std::uint64_t>(s);
    }
    const std::uint64_t three = s[0] | (std::uint64_t{s[1]} << 8) | (std::uint64_t{s[2]} << 16);
    return level == 0 ? three : three | (std::uint64_t{s[3]} << 24);
}

// Per level, the most recent position per prefix hash, and per position (modulo the window) the
// previous position with the same hash. A chain is walked only within the window, where its
// entries are never stale.
class MatchTables {
public:
    explicit MatchTables(std::int64_t length)
        : m_length(length),
          m_bits(std::clamp(static_cast<int>(std::bit_width(static_cast<std::uint64_t>(length))), 8,
                            16)) {
        for (std::size_t level = 0; level < kLevelPrefix.size(); ++level) {
            m_head[level] =
                std::make_unique_for_overwrite<std::int32_t[]>(std::size_t{1} << m_bits);
            std::fill_n(m_head[level].get(), std::size_t{1} << m_bits, -1);
            m_chain[level] = std::make_unique_for_overwrite<std::int32_t[]>(kWindow);
        }
    }

    // Positions too close to the end for a prefix are never searched from nor reached.
    void Insert(const std::uint8_t* source, std::int64_t position) {
        for (std::size_t level = 0; level < kLevelPrefix.size(); ++level) {
            if (position + kLevelPrefix[level] > m_length) {
                break;
            }
            std::int32_t& head = m_head[level][Hash(level, source + position)];
            m_chain[level][position & kWindowMask] = head;
            head = static_cast<std::int32_t>(position);
        }
    }
    std::int64_t First(std::size_t level, const std::uint8_t* source, std::int64_t position) const {
        return m_head[level][Hash(level, source + position)];
    }
    std::int64_t Next(std::size_t level, std::int64_t candidate) const {
        return m_chain[level][candidate & kWindowMask];
    }

private:
    std::size_t Hash(std::size_t level, const std::uint8_t* s) const {
        return static_cast<std::size_t>((PrefixKey(level, s) * 0x9E3779B97F4A7C15u) >>
                                        (64 - m_bits));
    }

    std::int64_t m_length;
    int m_bits;
    std::array<std::unique_ptr<std::int32_t[]>, kLevelPrefix.size()> m_head;
    std::array<std::unique_ptr<std::int32_t[]>, kLevelPrefix.size()> m_chain;
};

struct Match {
    std::int64_t length = 2;
    std::int64_t cost = 2;
    std::int64_t offset = 0;
};

std::int64_t CommandCost(std::int64_t offset, std::int64_t length) {
    if (offset < 1024 && length <= 10) {
        return 2;
    }
    if (offset < 16384 && length <= 67) {
        return 3;
    }
    return 4;
}

// How many bytes from the start agree, at most `limit`; eight at a time.
std::int64_t MatchLength(const std::uint8_t* a, const std::uint8_t* b, std::int64_t limit) {
    std::int64_t length = 0;
    for (; length + 8 <= limit; length += 8) {
        const auto difference = Load<std::uint64_t>(a + length) ^ Load<std::uint64_t>(b + length);
        if (difference != 0) {
            const int bits = std::endian::native == std::endian::little
                                 ? std::countr_zero(difference)
                                 : std::countl_zero(difference);
            return length + bits / 8;
        }
    }
    while (length < limit && a[length] == b[length]) {
        ++length;
    }
    return length;
}

// Only a candidate that agrees on every byte up to and including the best length can beat it;
// checking the first four and the last four of them rejects nearly every other candidate.
bool CanBeat(const std::uint8_t* earlier, const std::uint8_t* current, std::int64_t bestLength) {
    if (bestLength < 3) {
        return earlier[0] == current[0] && earlier[1] == current[1] && earlier[2] == current[2];
    }
    const std::int64_t last = bestLength - 3;
    return ((Load<std::uint32_t>(earlier) ^ Load<std::uint32_t>(current)) |
            (Load<std::uint32_t>(earlier + last) ^ Load<std::uint32_t>(current + last))) == 0;
}

// The match that saves the most command bytes, preferring the nearest candidate among equals.
// The walk ends once no candidate could be longer.
Match FindMatch(const std::uint8_t* source, std::int64_t position, std::int64_t maxLength,
                const MatchTables& tables) {
    Match best;
    const std::int64_t lowest = std::max<std::int64_t>(0, position - (kWindow - 1));
    const std::uint8_t* const current = source + position;
    std::size_t level = 0;
    std::int64_t candidate = tables.First(level, source, position);
    while (candidate >= lowest) {
        const std::uint8_t* const earlier = source + candidate;
        if (CanBeat(earlier, current, best.length)) {
            const std::int64_t length = MatchLength(earlier, current, maxLength);
            const std::int64_t offset = position - candidate - 1;
            const std::int64_t cost = CommandCost(offset, length);
            if (length > best.length && length - cost > best.length - best.cost) {
                best = {length, cost, offset};
                if (length == maxLength) {
                    break;
                }
                const std::size_t before = level;
                while (level + 1 < kLevelPrefix.size() && length >= kLevelPrefix[level + 1]) {
                    ++level;
                }
                if (level != before) {
                    // Candidates at or above this one were visited on the longer chain already.
                    const std::int64_t visited = candidate;
                    for (candidate = tables.First(level, source, position);
                         candidate >= visited && candidate >= lowest;
                         candidate = tables.Next(level, candidate)) {
                    }
                    continue;
                }
            }
        }
        candidate = tables.Next(level, candidate);
    }
    return best;
}

// Literal runs of multiples of 4 bytes, at most 112 each, until fewer than 4 remain.
void PutLiteralRuns(Output& out, const std::uint8_t*& literals, std::size_t& count) {
    while (count >= 4) {
        const std::size_t run = std::min(count & ~std::size_t{3}, kMaxRun);
        out.Put(static_cast<std::uint8_t>(0xDF + run / 4));
        out.Put(literals, run);
        literals += run;
        count -= run;
    }
}

void PutMatch(Output& out, const Match& match, const std::uint8_t* literals, std::size_t count) {
    const auto length = static_cast<std::uint32_t>(match.length);
    const auto offset = static_cast<std::uint32_t>(match.offset);
    const auto k = static_cast<std::uint32_t>(count);
    if (match.cost == 2) {
        out.Put(static_cast<std::uint8_t>(((offset >> 3) & 0x60) + ((length - 3) << 2) + k));
        out.Put(static_cast<std::uint8_t>(offset & 0xFF));
    } else if (match.cost == 3) {
        out.Put(static_cast<std::uint8_t>(0x80 + (length - 4)));
        out.Put(static_cast<std::uint8_t>((k << 6) + (offset >> 8)));
        out.Put(static_cast<std::uint8_t>(offset & 0xFF));
    } else {
        out.Put(static_cast<std::uint8_t>(0xC0 + ((offset >> 12) & 0x10) +
                                          (((length - 5) >> 8) << 2) + k));
        out.Put(static_cast<std::uint8_t>((offset >> 8) & 0xFF));
        out.Put(static_cast<std::uint8_t>(offset & 0xFF));
        out.Put(static_cast<std::uint8_t>((length - 5) & 0xFF));
    }
    out.Put(literals, count);
}

void PutHeader(Output& out, std::size_t length) {
    const bool large = length > kSmallSizeLimit;
    out.Put(large ? kLargeType : kSmallType);
    out.Put(kMarker);
    for (int shift = large ? 24 : 16; shift >= 0; shift -= 8) {
        out.Put(static_cast<std::uint8_t>(length >> shift));
    }
}

// Without a destination only the packed length is computed.
std::size_t Pack(std::span<const std::uint8_t> source, std::uint8_t* dest, std::size_t capacity) {
    if (source.size() > 0xFFFFFFFFu) {
        return 0;
    }
    std::unique_ptr<MatchTables> tables;
    try {
        tables = std::make_unique<MatchTables>(static_cast<std::int64_t>(source.size()));
    } catch (const std::bad_alloc&) {
        return 0;
    }
    Output out(dest, capacity);
    PutHeader(out, source.size());

    const std::uint8_t* const src = source.data();
    const auto length = static_cast<std::int64_t>(source.size());
    const std::uint8_t* literals = src;
    std::size_t pending = 0;
    std::int64_t position = 0;
    // No match reaches into the last 4 bytes, and none starts with fewer than 8 bytes left.
    for (std::int64_t remaining = length - 4; remaining >= 0; remaining = length - 4 - position) {
        Match match;
        if (remaining >= 4) {
            match = FindMatch(src, position, std::min(remaining, kMaxMatch), *tables);
        }
        if (match.cost < match.length) {
            PutLiteralRuns(out, literals, pending);
            PutMatch(out, match, literals, pending);
            for (std::int64_t i = 0; i < match.length; ++i) {
                tables->Insert(src, position + i);
            }
            position += match.length;
            literals = src + position;
            pending = 0;
        } else {
            tables->Insert(src, position);
            ++pending;
            ++position;
        }
    }
    std::size_t tail = pending + static_cast<std::size_t>(length - position);
    PutLiteralRuns(out, literals, tail);
    out.Put(static_cast<std::uint8_t>(0xFC + tail));
    out.Put(literals, tail);
    return out.Overflowed() ? 0 : out.Length();
}

struct Header {
    std::size_t length = 0;
    std::uint32_t unpackedSize = 0;
};

// The header of a stream whose type byte, bit 0 cleared, is one of `types`.
std::optional<Header> ReadHeader(std::span<const std::uint8_t> packed,
                                 std::initializer_list<std::uint8_t> types) {
    if (packed.size() < 2 || packed[1] != kMarker) {
        return std::nullopt;
    }
    const std::uint8_t type = packed[0];
    if (std::find(types.begin(), types.end(), type & 0xFE) == types.end()) {
        return std::nullopt;
    }
    const std::size_t width = (type & 0x80) != 0 ? 4 : 3;
    const std::size_t sizeAt = 2 + ((type & 0x01) != 0 ? width : 0);
    if (packed.size() < sizeAt + width) {
        return std::nullopt;
    }
    return Header{sizeAt + width, ReadBigEndian(packed.data() + sizeAt, width)};
}

}  // namespace

std::size_t PackData(std::span<const std::uint8_t> source, std::span<std::uint8_t> dest) {
    // An empty destination is a buffer too small, not a request to count.
    return dest.empty() ? 0 : Pack(source, dest.data(), dest.size());
}

std::size_t PackedDataLength(std::span<const std::uint8_t> source) {
    return Pack(source, nullptr, 0);
}

std::vector<std::uint8_t> PackData(std::span<const std::uint8_t> source) {
    std::vector<std::uint8_t> packed(PackDataBound(source.size()));
    packed.resize(Pack(source, packed.data(), packed.size()));
    return packed;
}

bool IsPackedData(std::span<const std::uint8_t> data) {
    return data.size() >= 2 && data[0] == kSmallType && data[1] == kMarker;
}

std::uint32_t UnpackedDataSize(std::span<const std::uint8_t> packed) {
    const auto header = ReadHeader(packed, {0x10, 0x18, 0x1A, 0x1E, 0x30, 0x32, 0x34, 0x46, 0x90,
                                            0x98, 0x9A, 0x9E, 0xB0, 0xB2, 0xB4, 0xC6});
    return header ? header->unpackedSize : 0;
}

std::optional<UnpackResult> UnpackData(std::span<const std::uint8_t> packed,
                                       std::span<std::uint8_t> dest) {
    const auto header = ReadHeader(packed, {kSmallType, kLargeType});
    if (!header || dest.size() < header->unpackedSize) {
        return std::nullopt;
    }
    const std::uint8_t* const in = packed.data();
    const std::size_t inEnd = packed.size();
    std::uint8_t* const out = dest.data();
    const std::size_t outEnd = header->unpackedSize;
    std::size_t inPos = header->length;
    std::size_t outPos = 0;

    // Every count below is at most 1031, so the sums cannot wrap.
    const auto copyLiterals = [&](std::size_t count) {
        if (count > inEnd - inPos || count > outEnd - outPos) {
            return false;
        }
        // Up to three literals follow most commands: with room on both sides a fixed-size copy
        // is one load and store instead of a call.
        if (count <= kShortCopy && inEnd - inPos >= kShortCopy && outEnd - outPos >= kShortCopy) {
            std::memcpy(out + outPos, in + inPos, kShortCopy);
        } else if (count != 0) {  // an empty output has no buffer to copy into
            std::memcpy(out + outPos, in + inPos, count);
        }
        inPos += count;
        outPos += count;
        return true;
    };
    while (true) {
        if (inPos >= inEnd) {
            return std::nullopt;
        }
        const std::uint8_t b0 = in[inPos];
        std::size_t commandLength = 1;
        std::size_t literals = 0;
        std::size_t copyLength = 0;
        std::size_t offset = 0;
        if (b0 < 0x80) {
            commandLength = 2;
        } else if (b0 < 0xC0) {
            commandLength = 3;
        } else if (b0 < 0xE0) {
            commandLength = 4;
        }
        if (commandLength > inEnd - inPos) {
            return std::nullopt;
        }
        const std::uint8_t* const c = in + inPos;
        inPos += commandLength;
        if (b0 < 0x80) {
            literals = b0 & 0x03;
            copyLength = ((b0 >> 2) & 0x07) + 3;
            offset = ((b0 & 0x60) << 3) + c[1];
        } else if (b0 < 0xC0) {
            literals = c[1] >> 6;
            copyLength = (b0 & 0x3F) + 4;
            offset = ((c[1] & 0x3F) << 8) + c[2];
        } else if (b0 < 0xE0) {
            literals = b0 & 0x03;
            copyLength = ((b0 & 0x0C) << 6) + c[3] + 5;
            offset = ((b0 & 0x10) << 12) + (c[1] << 8) + c[2];
        } else if (b0 < 0xFC) {
            literals = ((b0 & 0x1F) + 1) * 4;
        } else {
            if (!copyLiterals(b0 & 0x03) || outPos != outEnd) {
                return std::nullopt;
            }
            return UnpackResult{outEnd, inPos};
        }
        if (!copyLiterals(literals)) {
            return std::nullopt;
        }
        if (copyLength == 0) {
            continue;
        }
        if (offset >= outPos || copyLength > outEnd - outPos) {
            return std::nullopt;
        }
        const std::uint8_t* const from = out + outPos - offset - 1;
        std::uint8_t* const to = out + outPos;
        const std::size_t period = offset + 1;
        if (period >= kWideCopy && outEnd - outPos >= copyLength + kWideCopy) {
            // Each fixed-size chunk reads only bytes written before it, since the source starts
            // at least one chunk back; the last chunk may write past the copy, within the output,
            // where later commands overwrite it.
            for (std::size_t copied = 0; copied < copyLength; copied += kWideCopy) {
                std::memcpy(to + copied, from + copied, kWideCopy);
            }
        } else if (copyLength <= kWideCopy) {
            for (std::size_t copied = 0; copied < copyLength; ++copied) {
                to[copied] = from[copied];
            }
        } else {
            // An overlapping copy repeats the last offset + 1 bytes. Each chunk copies a whole
            // number of periods from the start of the source, which the previous chunks have
            // extended, so source and destination never overlap and the chunks double in size.
            for (std::size_t copied = 0; copied < copyLength;) {
                const std::size_t chunk = std::min(copyLength - copied, period + copied);
                std::memcpy(to + copied, from, chunk);
                copied += chunk;
            }
        }
        outPos += copyLength;
    }
}

std::optional<std::vector<std::uint8_t>> UnpackData(std::span<const std::uint8_t> packed,
                                                    std::size_t limit) {
    const auto header = ReadHeader(packed, {kSmallType, kLargeType});
    if (!header || header->unpackedSize > limit ||
        header->unpackedSize / kMaxExpansion > packed.size()) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> data(header->unpackedSize);
    if (!UnpackData(packed, data)) {
        return std::nullopt;
    }
    return data;
}

}  // namespace kw
