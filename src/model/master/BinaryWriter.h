#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

namespace kw {

// The stream every block of the master file goes through. It runs the same code twice: in the
// counting pass nothing is stored and every write only adds its byte count to the running size;
// BeginWriting then allocates one buffer of exactly that size, and the writing pass fills it from
// the start. A write that would run past the counted size is dropped and marks the stream failed,
// so a pass that disagrees with the count can never overrun the buffer. All values little-endian.
class CBinaryWriter {
public:
    bool IsCounting() const { return !m_writing; }
    // Counting pass: bytes counted so far. Writing pass: the counted total.
    std::uint32_t RunningSize() const { return m_size; }
    // Writing pass: bytes stored so far.
    std::uint32_t Position() const { return m_position; }
    // A write ran past the counted size, or the count itself overflowed 32 bits.
    bool Failed() const { return m_failed; }

    // Ends the counting pass; false when the buffer cannot be had.
    bool BeginWriting();
    // The buffer once the writing pass has filled it exactly; empty otherwise.
    std::span<const std::uint8_t> Result() const;

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
    // Reserves `count` bytes at the current position; nothing when counting or out of room.
    std::uint8_t* Take(std::uint32_t count);
    void Bytes(const void* data, std::uint32_t count);

    bool m_writing = false;
    bool m_failed = false;
    std::uint32_t m_size = 0;
    std::uint32_t m_position = 0;
    std::unique_ptr<std::uint8_t[]> m_buffer;
};

}  // namespace kw
