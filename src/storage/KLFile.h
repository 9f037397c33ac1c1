#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "storage/RecordVersion.h"

namespace kw {

class CAtomicFile;

// Reader and writer of the KL tagged text format in which every database file is stored:
// sections opened by "%INDEX%<tag>" and closed by "%INDEXEND%<tag>", one value per line, ";"
// comment lines. Lines end with CR LF on disk; the reader takes LF alike.
//
// A file is either read (loaded whole, then parsed in place) or written (replaced atomically when
// Close succeeds). Reads never fail hard: a missing value reads as zero and the position is
// restored, so older files with fewer trailing values stay readable.
//
// Text values are kept safe for the line format: line breaks become blanks, lines are capped at
// kMaxLine characters, and a text that begins with ';' or '%', or with '\' followed by ';', '%'
// or '\', is written with a leading '\' that ReadText and ReadLine remove again (only before
// those three characters). Quotes inside a quoted list become apostrophes.
class CKLFile {
public:
    // Only a guard against absurd input: larger files do not open at all, so they are never read,
    // and later saved, cut.
    static constexpr std::size_t kMaxFileSize = std::size_t{256} << 20;
    static constexpr std::size_t kLineCapacity = 1024;
    static constexpr std::size_t kMaxLine = kLineCapacity - 1;

    CKLFile();
    ~CKLFile();
    CKLFile(const CKLFile&) = delete;
    CKLFile& operator=(const CKLFile&) = delete;

    // Loads the whole file; an empty file opens and holds no lines. False when the file cannot be
    // opened or read to its end, or is larger than kMaxFileSize.
    bool OpenForRead(const std::filesystem::path& path);
    // Reads from a copy of the given bytes, as if they were a file (tests, archives); false beyond
    // kMaxFileSize.
    bool OpenForReadFromMemory(std::string_view data);
    // Starts a new file; the target is replaced only by a successful Close.
    bool OpenForWrite(const std::filesystem::path& path);
    // Ends reading, or commits the written file. False when any write, the flush or the rename
    // failed; the previous file then stays as it was.
    bool Close();

    // The record version that readers of this file gate their fields on: the VERSION section
    // read last in it (ReadVersionSection), else the current data version. Opening resets it.
    std::uint32_t RecordVersion() const { return m_recordVersion; }
    void SetRecordVersion(std::uint32_t version) { m_recordVersion = version; }
    bool IsOpen() const;

    // --- writing: one line each; false when no file is open for writing or a write failed.
    bool BeginSection(std::string_view tag);
    bool EndSection(std::string_view tag);
    bool WriteText(const char* text);
    bool WriteText(std::string_view text);
    bool WriteFormatted(const char* format, ...) __attribute__((format(printf, 2, 3)));
    bool WriteHex(std::uint32_t value);
    bool WriteNumber(std::int8_t value);
    bool WriteNumber(std::uint8_t value);
    bool WriteNumber(std::int16_t value);
    bool WriteNumber(std::uint16_t value);
    bool WriteNumber(std::int32_t value);
    // All elements on one line, "3,0,12,255"; count at least 1.
    bool WriteByteList(const std::uint8_t* bytes, std::int16_t count);
    // One line per element; nothing for a count below 1.
    bool WriteByteLines(const std::uint8_t* bytes, std::int16_t count);
    // count strings at first, first + stride, ... as "\"a\",\"b\",\"c\"" (at most kMaxLine).
    bool WriteQuotedList(const char* first, int count, std::size_t stride);

    // --- searching forward from the current position.
    bool FindSection(std::string_view tag);
    // Like FindSection, but only among the sections of the current level: whole sections of
    // other tags (and what they nest) are passed over, so a stray section cannot hide the ones
    // behind it. The end of the enclosing section bounds the search; when the tag is not found
    // the position stays where it was.
    bool FindChildSection(std::string_view tag);
    bool SkipToSectionEnd(std::string_view tag);

    // --- reading one value line each.
    bool ReadText(char* dest, std::size_t size);
    bool ReadLine(std::string& dest);
    bool ReadNumber(std::int32_t& dest);
    bool ReadNumber(std::uint32_t& dest);
    bool ReadNumber(std::int16_t& dest);
    bool ReadNumber(std::uint16_t& dest);
    bool ReadNumber(std::int8_t& dest);
    bool ReadNumber(std::uint8_t& dest);
    bool ReadFlag(bool& dest);
    bool ReadByteLines(std::uint8_t* bytes, int count);
    bool ReadByteList(std::uint8_t* bytes, int count);
    // Five texts of `size` bytes each, one behind the other, from one line of quoted texts.
    bool ReadQuotedFive(char* first, std::size_t size);

    // Copies the text between the next two delimiters at or after cursor into dest (at most
    // size-1 characters) and moves the cursor behind the closing one. Without two delimiters it
    // copies the rest of the text, leaves the cursor and returns false.
    static bool NextQuoted(const char*& cursor, char* dest, char delimiter, std::size_t size);

    // The decimal conversion of every number read: blanks, one sign, digits; no digits give 0.
    static std::int32_t ParseDecimal(const char* text);

private:
    bool WriteLine(std::string_view line);
    bool CanWrite() const;
    bool EndLine();
    bool ReadRawLine();
    bool ReadValueLine();
    bool LineIs(std::string_view marker, std::string_view tag) const;
    void FailRead();
    const char* TextValue() const;
    template <typename T>
    bool ReadInteger(T& dest);
    bool AtEnd() const { return m_position >= m_end; }

    std::unique_ptr<CAtomicFile> m_writer;
    std::string m_data;
    bool m_reading = false;
    std::size_t m_saved = 0;
    std::size_t m_position = 0;
    std::size_t m_end = 0;
    std::array<char, kLineCapacity> m_line{};
    std::size_t m_lineLength = 0;
    // Written lines collect here and go to the file in large chunks.
    std::string m_output;
    bool m_writeFailed = false;
    std::uint32_t m_recordVersion = kDataVersion;
};

// A number line as a signed value; 0 when the line holds none.
inline std::int32_t ReadInt32(CKLFile& file) {
    std::int32_t value = 0;
    file.ReadNumber(value);
    return value;
}

}  // namespace kw
