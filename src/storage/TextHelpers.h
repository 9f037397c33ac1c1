#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace kw {

// The lines of a text file as the C library's line reader hands them out of a file opened in text
// mode: each line keeps its LF, and a line longer than the limit is handed out in pieces, the rest
// counting as the next line. CR is no character of any text: CR LF and LF end lines alike.
class CTextFileLines {
public:
    // Reads the whole file; false when it cannot be opened.
    bool Open(const std::filesystem::path& path);
    // Reads from the given bytes as if they were a file.
    void OpenFromMemory(std::string_view data);

    // The next line of at most `limit` characters (its LF included). False at the end of the file.
    bool ReadLine(std::string& line, std::size_t limit);

private:
    std::string m_data;
    std::size_t m_position = 0;
};

// Small text and number helpers shared by the editors and tools. Texts are Windows-1252 bytes.

// The text folded through the one folding table (storage/TextFolding.h): accents dropped, case
// kept, Œ œ Æ æ ß written as two letters.
std::string FoldAccents(std::string_view text);

// The folded text as it fits a field of `fieldSize` bytes that keeps its terminating zero: at most
// fieldSize - 1 characters. A two-letter expansion is written only when both letters fit; else the
// byte itself is kept. A field size of 0 gives an empty text.
std::string FoldAccents(std::string_view text, std::size_t fieldSize);

// Compares two texts after folding, character by character, so "Straße" equals "Strasse" and "Æ"
// equals "AE". Case counts. 0 when equal; otherwise negative or
// positive by the first folded character that differs (a text that ends first is the smaller).
int CompareFolded(std::string_view a, std::string_view b);

// A name or search criterion as the searches compare it: folded into a field of 128 bytes (at most
// 127 characters) and A to Z upper-cased, so "Müller", "MULLER" and "muller" agree.
std::string FoldForSearch(std::string_view text);

// True when `pattern` matches the whole of `text`: '*' matches any run of characters, the empty run
// included, '?' any one character, everything else itself byte for byte (case counts). The
// character right after a '*' is what the star searches for, so in "**" the second star only
// matches a literal '*'.
bool MatchWildcard(std::string_view text, std::string_view pattern);

// Turns CR, LF and tab into blanks, collapses runs of blanks to one and drops blanks at the start
// and the end. True when the text changed.
bool NormaliseSpaces(std::string& text);

// Removes the last character when it is a control character (code 1 to 31), as a line end is.
void StripLineEnd(std::string& text);

// "999", "1.000", "12.345.678", "1234.567.890"; negative numbers as "- 2.500".
std::string FormatThousands(std::int32_t value);

// Feet and inches, "5' 10''" for 180 cm.
std::string FormatHeightImperial(int centimetres);

// Stones and pounds, "11st" for 70 kg, "12st 8lbs" for 80 kg; the pounds only when at least one.
std::string FormatWeightImperial(int kilograms);

// Four one-byte choices (positions, languages): a value already chosen in an earlier slot becomes
// 0, then the remaining non-zero values close up to the front in their order, zeros behind.
void RemoveDuplicateSlots(std::span<std::uint8_t, 4> slots);

// Writes `data` to `path`, replacing the file as a whole. Both '/' and '\' separate folders. When
// the file cannot be written and `createDirs` is set, creates the missing folders and tries once
// more. False for an empty path or empty data, or when the file still cannot be written.
bool WriteFileCreatingDirs(const std::filesystem::path& path, std::string_view data,
                           bool createDirs);

}  // namespace kw
