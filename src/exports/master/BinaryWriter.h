#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

namespace kw {

// The stream every block of the master file goes through. It runs the same code twice: in the
// counting pass nothing is stored and every write only adds its byte count to the running size;
// the writing pass then hands the bytes, in order, through a small buffer to a sink (the output
// file), so the file is never held in memory whole. A write that would run past the counted size
// is dropped and marks the stream failed, so a pass that disagrees with the count never produces
// a file. All values little-endian.
class CBinaryWriter {
public:
    // Takes the next bytes of the writing pass; false when they could not be stored.
    using Sink = std::function<bool(std::span<const std::uint8_t>)>;

    bool IsCounting() const { return !m_writing; }
    // Counting pass: bytes counted so far. Writing pass: the counted total.
    std::uint32_t RunningSize() const { return m_size; }
    // Writing pass: bytes written so far.
    std::uint32_t Position() const { return m_position; }
    // A write ran past the counted size, the count itself overflowed 32 bits, or the sink failed.
    bool Failed() const { return m_failed; }

    // Ends the counting pass; false when it failed.
    bool BeginWriting(Sink sink);
    // Hands the buffered rest to the sink. True only when the writing pass wrote exactly the
    // counted bytes and the sink took them all.
    bool FinishWriting();

    void U8(std::uint8_t value);
    void U16(std::uint16_t value);
    void U32(std::uint32_t value);
    void I32(std::int32_t value) { U32(static_cast<std::uint32_t>(value)); }
    void F32(float value);
    void U16Array(std::span<const std::uint16_t> values);
    void U32Array(std::span<const std::uint32_t> values);
    void Raw(std::span<const std::uint8_t> bytes);
    void Zeros(std::uint32_t count);
    // The characters and a terminating zero byte.
    void String(std::string_view text);
    // u32 length, then the bytes.
    void Block(std::span<const std::uint8_t> bytes);

private:
    // Counts `count` bytes, or in the writing pass checks that they fit the count; false when
    // nothing is to be stored.
    bool Advance(std::uint32_t count);
    // Stores `count` bytes from `data`, or zero bytes when `data` is null.
    void Put(const std::uint8_t* data, std::uint32_t count);
    bool Flush();

    bool m_writing = false;
    bool m_failed = false;
    std::uint32_t m_size = 0;
    std::uint32_t m_position = 0;
    Sink m_sink;
    std::vector<std::uint8_t> m_buffer;
    std::size_t m_filled = 0;
};

}  // namespace kw
