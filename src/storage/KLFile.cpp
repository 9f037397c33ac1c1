#include "storage/KLFile.h"

#include <algorithm>
#include <charconv>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <exception>

#include "platform/AtomicFile.h"
#include "platform/FileContents.h"

namespace kw {

namespace {

// Lines are collected and handed to the file in chunks of about this size: one write call per
// line would dominate the time of saving a database.
constexpr std::size_t kFlushThreshold = 64 * 1024;
// Reading a file of unknown size grows the buffer by at least this much at a time.

constexpr std::string_view kSectionStart = "%INDEX%";
constexpr std::string_view kSectionEnd = "%INDEXEND%";

// Ceiling on the fields of one quoted list: each needs two quotes and all but the last a comma.
constexpr int kMaxQuotedFields = static_cast<int>((CKLFile::kMaxLine + 1) / 3);

bool IsBlank(unsigned char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsLineBreak(char c) {
    return c == '\r' || c == '\n';
}

// A line break inside a value would split it into two lines and shift every later value.
void AppendOneLine(std::string& out, std::string_view text, std::size_t limit) {
    const std::size_t length = std::min(text.size(), limit);
    for (std::size_t i = 0; i < length; ++i) {
        out.push_back(IsLineBreak(text[i]) ? ' ' : text[i]);
    }
}

bool IsEscapable(char c) {
    return c == ';' || c == '%' || c == '\\';
}

// Texts that would read back as a comment or a marker get one '\' in front, and so do texts
// whose own '\' would otherwise be taken for that escape. Any other '\' stays as it is, so texts
// of other writers come back unchanged.
bool NeedsEscape(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    if (text[0] == ';' || text[0] == '%') {
        return true;
    }
    return text[0] == '\\' && text.size() > 1 && IsEscapable(text[1]);
}

// Cuts the field lengths so that their sum fits the budget, shortening the longest fields first.
void FitLengths(std::size_t* lengths, int count, std::size_t budget) {
    std::size_t total = 0;
    std::size_t longest = 0;
    for (int i = 0; i < count; ++i) {
        total += lengths[i];
        longest = std::max(longest, lengths[i]);
    }
    if (total <= budget) {
        return;
    }
    const auto cappedSum = [&](std::size_t cap) {
        std::size_t sum = 0;
        for (int i = 0; i < count; ++i) {
            sum += std::min(lengths[i], cap);
        }
        return sum;
    };
    // Largest cap whose total still fits.
    std::size_t low = 0;
    std::size_t high = longest;
    while (low < high) {
        const std::size_t middle = low + (high - low + 1) / 2;
        if (cappedSum(middle) <= budget) {
            low = middle;
        } else {
            high = middle - 1;
        }
    }
    std::size_t spare = budget - cappedSum(low);
    for (int i = 0; i < count; ++i) {
        if (lengths[i] > low) {
            lengths[i] = low + (spare > 0 ? 1 : 0);
            spare -= spare > 0 ? 1 : 0;
        }
    }
}

}  // namespace

CKLFile::CKLFile() = default;

CKLFile::~CKLFile() {
    // A file abandoned by an exception is incomplete; the previous one must stay.
    if (m_writer && std::uncaught_exceptions() > 0) {
        m_writer.reset();
    }
    Close();
}

bool CKLFile::OpenForRead(const std::filesystem::path& path) {
    Close();
    auto data = ReadFileText(path, kMaxFileSize);
    if (!data) {
        return false;
    }
    m_data = std::move(*data);
    m_reading = true;
    m_end = m_data.size();
    return true;
}

bool CKLFile::OpenForReadFromMemory(std::string_view data) {
    Close();
    if (data.size() > kMaxFileSize) {
        return false;
    }
    m_data.assign(data.begin(), data.end());
    m_reading = true;
    m_end = m_data.size();
    return true;
}

bool CKLFile::OpenForWrite(const std::filesystem::path& path) {
    Close();
    auto writer = std::make_unique<CAtomicFile>(path);
    if (!writer->Open()) {
        return false;
    }
    m_writer = std::move(writer);
    m_writeFailed = false;
    // One line never outgrows this, so the buffer is not reallocated while writing.
    m_output.reserve(kFlushThreshold + 2 * kLineCapacity);
    return true;
}

bool CKLFile::Close() {
    bool ok = true;
    if (m_writer) {
        if (!m_output.empty() && !m_writer->Write(m_output)) {
            m_writeFailed = true;
        }
        ok = !m_writeFailed && m_writer->Commit();
        m_writer.reset();
        std::string().swap(m_output);
        m_writeFailed = false;
    }
    m_reading = false;
    std::string().swap(m_data);
    m_saved = 0;
    m_position = 0;
    m_end = 0;
    m_recordVersion = kDataVersion;
    m_line[0] = '\0';
    m_lineLength = 0;
    return ok;
}

bool CKLFile::IsOpen() const {
    return m_reading || m_writer != nullptr;
}

// --- writing

bool CKLFile::CanWrite() const {
    return m_writer != nullptr && !m_writeFailed;
}

bool CKLFile::EndLine() {
    m_output.append("\r\n");
    if (m_output.size() >= kFlushThreshold) {
        if (!m_writer->Write(m_output)) {
            m_writeFailed = true;
        }
        m_output.clear();
    }
    return !m_writeFailed;
}

bool CKLFile::WriteLine(std::string_view line) {
    if (!CanWrite()) {
        return false;
    }
    AppendOneLine(m_output, line, kMaxLine);
    return EndLine();
}

bool CKLFile::BeginSection(std::string_view tag) {
    if (!CanWrite()) {
        return false;
    }
    m_output.append(kSectionStart);
    AppendOneLine(m_output, tag, kMaxLine - kSectionStart.size());
    return EndLine();
}

bool CKLFile::EndSection(std::string_view tag) {
    if (!CanWrite()) {
        return false;
    }
    m_output.append(kSectionEnd);
    AppendOneLine(m_output, tag, kMaxLine - kSectionEnd.size());
    return EndLine();
}

bool CKLFile::WriteText(const char* text) {
    return WriteText(std::string_view(text != nullptr ? text : ""));
}

bool CKLFile::WriteText(std::string_view text) {
    if (!CanWrite()) {
        return false;
    }
    std::size_t limit = kMaxLine;
    if (NeedsEscape(text)) {
        m_output.push_back('\\');
        --limit;
    }
    AppendOneLine(m_output, text, limit);
    return EndLine();
}

// Not escaped, so that callers can write comment lines with it; line breaks are still removed.
bool CKLFile::WriteFormatted(const char* format, ...) {
    if (!CanWrite()) {
        return false;
    }
    char buffer[kLineCapacity];
    buffer[0] = '\0';
    if (format != nullptr) {
        va_list arguments;
        va_start(arguments, format);
        const int written = std::vsnprintf(buffer, sizeof buffer, format, arguments);
        va_end(arguments);
        if (written < 0) {
            buffer[0] = '\0';
        }
    }
    return WriteLine(std::string_view(buffer, strnlen(buffer, kMaxLine)));
}

bool CKLFile::WriteHex(std::uint32_t value) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, 16);
    return WriteLine(std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)));
}

namespace {

template <typename T>
std::string_view FormatDecimal(char (&buffer)[16], T value) {
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer));
}

}  // namespace

bool CKLFile::WriteNumber(std::int8_t value) {
    char buffer[16];
    return WriteLine(FormatDecimal(buffer, static_cast<int>(value)));
}

bool CKLFile::WriteNumber(std::uint8_t value) {
    char buffer[16];
    return WriteLine(FormatDecimal(buffer, static_cast<unsigned>(value)));
}

bool CKLFile::WriteNumber(std::int16_t value) {
    char buffer[16];
    return WriteLine(FormatDecimal(buffer, static_cast<int>(value)));
}

bool CKLFile::WriteNumber(std::uint16_t value) {
    char buffer[16];
    return WriteLine(FormatDecimal(buffer, static_cast<unsigned>(value)));
}

bool CKLFile::WriteNumber(std::int32_t value) {
    char buffer[16];
    return WriteLine(FormatDecimal(buffer, value));
}

bool CKLFile::WriteByteList(const std::uint8_t* bytes, std::int16_t count) {
    if (!CanWrite()) {
        return false;
    }
    // Only whole numbers go on the line: a cut one would read back as a different value, while
    // elements missing at the end read back as 0.
    std::size_t used = 0;
    for (int i = 0; bytes != nullptr && i < count; ++i) {
        char buffer[16];
        const std::string_view number = FormatDecimal(buffer, static_cast<unsigned>(bytes[i]));
        const std::size_t length = number.size() + (i > 0 ? 1 : 0);
        if (used + length > kMaxLine) {
            break;
        }
        if (i > 0) {
            m_output.push_back(',');
        }
        m_output.append(number);
        used += length;
    }
    return EndLine();
}

bool CKLFile::WriteByteLines(const std::uint8_t* bytes, std::int16_t count) {
    if (!CanWrite()) {
        return false;
    }
    for (int i = 0; bytes != nullptr && i < count; ++i) {
        if (!WriteNumber(bytes[i])) {
            return false;
        }
    }
    return true;
}

bool CKLFile::WriteQuotedList(const char* first, int count, std::size_t stride) {
    if (!CanWrite()) {
        return false;
    }
    if (first == nullptr || count < 1) {
        return EndLine();
    }
    const int fields = std::min(count, kMaxQuotedFields);
    std::array<std::size_t, kMaxQuotedFields> lengths{};
    for (int i = 0; i < fields; ++i) {
        const char* text = first + static_cast<std::size_t>(i) * stride;
        lengths[i] = std::min(stride > 0 ? strnlen(text, stride) : std::strlen(text), kMaxLine);
    }
    const std::size_t frame = 3 * static_cast<std::size_t>(fields) - 1;
    FitLengths(lengths.data(), fields, kMaxLine - frame);
    for (int i = 0; i < fields; ++i) {
        const char* text = first + static_cast<std::size_t>(i) * stride;
        if (i > 0) {
            m_output.push_back(',');
        }
        m_output.push_back('"');
        // A quote inside a field would end it early when read back.
        for (std::size_t k = 0; k < lengths[i]; ++k) {
            const char c = text[k];
            m_output.push_back(c == '"' ? '\'' : IsLineBreak(c) ? ' ' : c);
        }
        m_output.push_back('"');
    }
    return EndLine();
}

// --- reading

bool CKLFile::ReadRawLine() {
    if (AtEnd()) {
        m_line[0] = '\0';
        m_lineLength = 0;
        return false;
    }
    const char* begin = m_data.data() + m_position;
    const std::size_t available = m_end - m_position;
    const auto* feed = static_cast<const char*>(std::memchr(begin, '\n', available));
    std::size_t length = feed != nullptr ? static_cast<std::size_t>(feed - begin) : available;
    m_position += feed != nullptr ? length + 1 : length;
    if (length > 0 && begin[length - 1] == '\r') {
        --length;
    }
    // An overlong line keeps its start; the rest of it is dropped.
    length = std::min(length, kMaxLine);
    for (std::size_t i = 0; i < length; ++i) {
        m_line[i] = begin[i] == '\r' ? ' ' : begin[i];
    }
    m_line[length] = '\0';
    m_lineLength = length;
    return true;
}

// At the end of the data there is no value: reporting the line read before would hand stale
// data to the caller as if it were the next value.
bool CKLFile::ReadValueLine() {
    do {
        if (!ReadRawLine()) {
            return false;
        }
    } while (m_line[0] == ';');
    return m_line[0] != '%';
}

void CKLFile::FailRead() {
    m_line[0] = '\0';
    m_lineLength = 0;
}

const char* CKLFile::TextValue() const {
    const bool escaped = m_line[0] == '\\' && IsEscapable(m_line[1]);
    return m_line.data() + (escaped ? 1 : 0);
}

bool CKLFile::LineIs(std::string_view marker, std::string_view tag) const {
    return m_lineLength == marker.size() + tag.size() &&
           std::memcmp(m_line.data(), marker.data(), marker.size()) == 0 &&
           std::memcmp(m_line.data() + marker.size(), tag.data(), tag.size()) == 0;
}

bool CKLFile::FindSection(std::string_view tag) {
    if (!m_reading) {
        FailRead();
        return false;
    }
    m_saved = m_position;
    while (ReadRawLine()) {
        if (LineIs(kSectionStart, tag)) {
            return true;
        }
        // The end of the enclosing (or next) section bounds the search.
        if (m_lineLength >= kSectionEnd.size() &&
            std::memcmp(m_line.data(), kSectionEnd.data(), kSectionEnd.size()) == 0) {
            m_position = m_saved;
            return false;
        }
    }
    return false;
}

bool CKLFile::FindChildSection(std::string_view tag) {
    if (!m_reading) {
        FailRead();
        return false;
    }
    const std::size_t start = m_position;
    const auto startsWith = [this](std::string_view marker) {
        return m_lineLength >= marker.size() &&
               std::memcmp(m_line.data(), marker.data(), marker.size()) == 0;
    };
    int depth = 0;
    while (ReadRawLine()) {
        if (depth == 0 && LineIs(kSectionStart, tag)) {
            return true;
        }
        if (startsWith(kSectionEnd)) {
            if (depth == 0) {
                break;
            }
            --depth;
        } else if (startsWith(kSectionStart)) {
            ++depth;
        }
    }
    m_position = start;
    m_saved = start;
    return false;
}

bool CKLFile::SkipToSectionEnd(std::string_view tag) {
    if (!m_reading) {
        FailRead();
        return false;
    }
    m_saved = m_position;
    while (ReadRawLine()) {
        if (LineIs(kSectionEnd, tag)) {
            return true;
        }
    }
    return false;
}

template <typename T>
bool CKLFile::ReadInteger(T& dest) {
    if (!m_reading) {
        FailRead();
        dest = 0;
        return false;
    }
    m_saved = m_position;
    if (!ReadValueLine()) {
        m_position = m_saved;
        dest = 0;
        return false;
    }
    dest = static_cast<T>(ParseDecimal(m_line.data()));
    return true;
}

bool CKLFile::ReadNumber(std::int32_t& dest) {
    return ReadInteger(dest);
}
bool CKLFile::ReadNumber(std::uint32_t& dest) {
    return ReadInteger(dest);
}
bool CKLFile::ReadNumber(std::int16_t& dest) {
    return ReadInteger(dest);
}
bool CKLFile::ReadNumber(std::uint16_t& dest) {
    return ReadInteger(dest);
}
bool CKLFile::ReadNumber(std::int8_t& dest) {
    return ReadInteger(dest);
}
bool CKLFile::ReadNumber(std::uint8_t& dest) {
    return ReadInteger(dest);
}

bool CKLFile::ReadFlag(bool& dest) {
    std::int32_t value = 0;
    const bool ok = ReadInteger(value);
    dest = value != 0;
    return ok;
}

bool CKLFile::ReadText(char* dest, std::size_t size) {
    if (!m_reading) {
        FailRead();
        return false;
    }
    if (dest == nullptr || size == 0) {
        return false;
    }
    m_saved = m_position;
    if (!ReadValueLine()) {
        m_position = m_saved;
        return false;
    }
    const char* text = TextValue();
    const std::size_t length = strnlen(text, size - 1);
    std::memcpy(dest, text, length);
    std::memset(dest + length, 0, size - length);
    return true;
}

bool CKLFile::ReadLine(std::string& dest) {
    if (!m_reading) {
        FailRead();
        return false;
    }
    m_saved = m_position;
    if (!ReadValueLine()) {
        m_position = m_saved;
        return false;
    }
    dest.assign(TextValue());
    return true;
}

bool CKLFile::ReadByteLines(std::uint8_t* bytes, int count) {
    if (bytes == nullptr) {
        count = 0;
    }
    for (int i = 0; i < count; ++i) {
        if (!ReadInteger(bytes[i])) {
            std::fill(bytes + i, bytes + count, std::uint8_t{0});
            return false;
        }
    }
    if (!m_reading) {
        FailRead();
        return false;
    }
    return true;
}

bool CKLFile::ReadByteList(std::uint8_t* bytes, int count) {
    if (bytes == nullptr) {
        count = 0;
    }
    m_saved = m_position;
    if (!m_reading || !ReadValueLine()) {
        if (!m_reading) {
            FailRead();
        }
        m_position = m_saved;
        std::fill(bytes, bytes + std::max(count, 0), std::uint8_t{0});
        return false;
    }
    const char* cursor = m_line.data();
    for (int i = 0; i < count; ++i) {
        bytes[i] = static_cast<std::uint8_t>(ParseDecimal(cursor));
        const char* comma = std::strchr(cursor, ',');
        if (comma == nullptr) {
            std::fill(bytes + i + 1, bytes + count, std::uint8_t{0});
            break;
        }
        cursor = comma + 1;
    }
    return true;
}

bool CKLFile::ReadQuotedFive(char* first, std::size_t size) {
    constexpr int kFields = 5;
    const bool usable = first != nullptr && size > 0;
    m_saved = m_position;
    if (!m_reading || !usable || !ReadValueLine()) {
        if (!m_reading) {
            FailRead();
        }
        m_position = m_saved;
        if (usable) {
            std::memset(first, 0, kFields * size);
        }
        return false;
    }
    const char* cursor = m_line.data();
    for (int k = 0; k < kFields; ++k) {
        NextQuoted(cursor, first + static_cast<std::size_t>(k) * size, '"', size);
    }
    return true;
}

bool CKLFile::NextQuoted(const char*& cursor, char* dest, char delimiter, std::size_t size) {
    const char* open = nullptr;
    const char* close = nullptr;
    if (cursor != nullptr && delimiter != '\0') {
        open = std::strchr(cursor, delimiter);
        close = open != nullptr ? std::strchr(open + 1, delimiter) : nullptr;
    }
    const char* from = close != nullptr ? open + 1 : cursor;
    std::size_t length = 0;
    if (close != nullptr) {
        length = static_cast<std::size_t>(close - from);
    } else if (from != nullptr) {
        length = std::strlen(from);
    }
    if (dest != nullptr && size > 0) {
        length = std::min(length, size - 1);
        if (length > 0) {
            std::memcpy(dest, from, length);
        }
        dest[length] = '\0';
    }
    if (close != nullptr) {
        cursor = close + 1;
        return true;
    }
    return false;
}

std::int32_t CKLFile::ParseDecimal(const char* text) {
    if (text == nullptr) {
        return 0;
    }
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    while (IsBlank(*p)) {
        ++p;
    }
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        ++p;
    }
    // Unsigned arithmetic: an overlong number wraps around instead of overflowing.
    std::uint32_t value = 0;
    while (*p >= '0' && *p <= '9') {
        value = value * 10u + static_cast<std::uint32_t>(*p - '0');
        ++p;
    }
    if (negative) {
        value = 0u - value;
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace kw
