#include "exports/master/BinaryWriter.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>

#include "platform/ByteOrder.h"

namespace kw {

namespace {

// Large enough that the sink is called rarely, small enough to stay in the caches.
constexpr std::size_t kBufferSize = 256 * 1024;

}  // namespace

bool CBinaryWriter::BeginWriting(Sink sink) {
    if (m_failed) {
        return false;
    }
    m_sink = std::move(sink);
    m_buffer.resize(kBufferSize);
    m_filled = 0;
    m_writing = true;
    m_position = 0;
    return true;
}

bool CBinaryWriter::FinishWriting() {
    return m_writing && !m_failed && Flush() && m_position == m_size;
}

bool CBinaryWriter::Advance(std::uint32_t count) {
    if (!m_writing) {
        if (count > std::numeric_limits<std::uint32_t>::max() - m_size) {
            m_failed = true;
        } else {
            m_size += count;
        }
        return false;
    }
    if (m_failed || count > m_size - m_position) {
        m_failed = true;
        return false;
    }
    m_position += count;
    return true;
}

void CBinaryWriter::Put(const std::uint8_t* data, std::uint32_t count) {
    if (!Advance(count)) {
        return;
    }
    while (count > 0) {
        if (m_filled == m_buffer.size() && !Flush()) {
            return;
        }
        const auto piece =
            static_cast<std::uint32_t>(std::min<std::size_t>(count, m_buffer.size() - m_filled));
        if (data != nullptr) {
            std::memcpy(m_buffer.data() + m_filled, data, piece);
            data += piece;
        } else {
            std::memset(m_buffer.data() + m_filled, 0, piece);
        }
        m_filled += piece;
        count -= piece;
    }
}

bool CBinaryWriter::Flush() {
    if (m_filled > 0 && !m_sink(std::span(m_buffer.data(), m_filled))) {
        m_failed = true;
        return false;
    }
    m_filled = 0;
    return true;
}

void CBinaryWriter::U8(std::uint8_t value) {
    Put(&value, 1);
}

void CBinaryWriter::U16(std::uint16_t value) {
    std::uint8_t bytes[2];
    WriteLittleEndian(bytes, value, 2);
    Put(bytes, 2);
}

void CBinaryWriter::U32(std::uint32_t value) {
    std::uint8_t bytes[4];
    WriteLittleEndian(bytes, value, 4);
    Put(bytes, 4);
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
    Put(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
}

void CBinaryWriter::Zeros(std::uint32_t count) {
    Put(nullptr, count);
}

void CBinaryWriter::String(std::string_view text) {
    Put(reinterpret_cast<const std::uint8_t*>(text.data()),
        static_cast<std::uint32_t>(text.size()));
    U8(0);
}

void CBinaryWriter::Block(std::span<const std::uint8_t> bytes) {
    U32(static_cast<std::uint32_t>(bytes.size()));
    Raw(bytes);
}

}  // namespace kw
