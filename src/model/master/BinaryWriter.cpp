#include "model/master/BinaryWriter.h"

#include <bit>
#include <cstring>
#include <limits>
#include <new>

#include "platform/ByteOrder.h"

namespace kw {

bool CBinaryWriter::BeginWriting() {
    if (m_failed) {
        return false;
    }
    m_buffer.reset(new (std::nothrow) std::uint8_t[m_size == 0 ? 1 : m_size]);
    if (!m_buffer) {
        return false;
    }
    m_writing = true;
    m_position = 0;
    return true;
}

std::span<const std::uint8_t> CBinaryWriter::Result() const {
    if (!m_writing || m_failed || m_position != m_size) {
        return {};
    }
    return {m_buffer.get(), m_size};
}

std::uint8_t* CBinaryWriter::Take(std::uint32_t count) {
    if (!m_writing) {
        if (count > std::numeric_limits<std::uint32_t>::max() - m_size) {
            m_failed = true;
        } else {
            m_size += count;
        }
        return nullptr;
    }
    if (m_failed || count > m_size - m_position) {
        m_failed = true;
        return nullptr;
    }
    std::uint8_t* at = m_buffer.get() + m_position;
    m_position += count;
    return at;
}

void CBinaryWriter::Bytes(const void* data, std::uint32_t count) {
    if (std::uint8_t* at = Take(count); at != nullptr && count > 0) {
        std::memcpy(at, data, count);
    }
}

void CBinaryWriter::U8(std::uint8_t value) {
    Bytes(&value, 1);
}

void CBinaryWriter::U16(std::uint16_t value) {
    std::uint8_t bytes[2];
    WriteLittleEndian(bytes, value, 2);
    Bytes(bytes, 2);
}

void CBinaryWriter::U32(std::uint32_t value) {
    std::uint8_t bytes[4];
    WriteLittleEndian(bytes, value, 4);
    Bytes(bytes, 4);
}

void CBinaryWriter::F32(float value) {
    U32(std::bit_cast<std::uint32_t>(value));
}

void CBinaryWriter::U16Array(std::span<const std::uint16_t> values) {
    for (std::uint16_t value : values) {
        U16(value);
    }
}

void CBinaryWriter::U32Array(std::span<const std::uint32_t> values) {
    for (std::uint32_t value : values) {
        U32(value);
    }
}

void CBinaryWriter::Raw(std::span<const std::uint8_t> bytes) {
    Bytes(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
}

void CBinaryWriter::Zeros(std::uint32_t count) {
    if (std::uint8_t* at = Take(count); at != nullptr && count > 0) {
        std::memset(at, 0, count);
    }
}

void CBinaryWriter::String(std::string_view text) {
    Bytes(text.data(), static_cast<std::uint32_t>(text.size()));
    U8(0);
}

void CBinaryWriter::Block(std::span<const std::uint8_t> bytes) {
    U32(static_cast<std::uint32_t>(bytes.size()));
    Raw(bytes);
}

}  // namespace kw
