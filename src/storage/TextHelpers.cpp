#include "storage/TextHelpers.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <system_error>

#include "platform/AtomicFile.h"
#include "platform/FileContents.h"
#include "platform/StringTable.h"
#include "storage/TextFolding.h"

namespace kw {

bool CTextFileLines::Open(const std::filesystem::path& path) {
    const auto data = ReadFileText(path);
    OpenFromMemory(data.value_or(""));
    return data.has_value();
}

void CTextFileLines::OpenFromMemory(std::string_view data) {
    m_data.clear();
    m_data.reserve(data.size());
    std::copy_if(data.begin(), data.end(), std::back_inserter(m_data),
                 [](char c) { return c != '\r'; });
    m_position = 0;
}

bool CTextFileLines::ReadLine(std::string& line, std::size_t limit) {
    line.clear();
    if (m_position >= m_data.size() || limit == 0) {
        return false;
    }
    const std::size_t available = std::min(limit, m_data.size() - m_position);
    std::size_t length = available;
    const std::size_t end = m_data.find('\n', m_position);
    if (end != std::string::npos && end - m_position < available) {
        length = end - m_position + 1;
    }
    line.assign(m_data, m_position, length);
    m_position += length;
    return true;
}

namespace {

bool IsBlank(char c) {
    return c == ' ';
}

}  // namespace

std::string FoldAccents(std::string_view text) {
    return FoldText(text);
}

std::string FoldAccents(std::string_view text, std::size_t fieldSize) {
    std::string folded;
    if (fieldSize == 0) {
        return folded;
    }
    const std::size_t limit = fieldSize - 1;
    folded.reserve(std::min(limit, text.size() * 2));
    for (const char character : text) {
        if (folded.size() >= limit) {
            break;
        }
        const SFoldedCharacter fold = FoldCharacter(static_cast<unsigned char>(character));
        if (fold.second == '\0') {
            folded += fold.first;
        } else if (folded.size() + 2 <= limit) {
            folded += fold.first;
            folded += fold.second;
        } else {
            folded += character;
        }
    }
    return folded;
}

std::string FoldForSearch(std::string_view text) {
    std::string folded = FoldAccents(text, 128);
    for (char& character : folded) {
        if (character >= 'a' && character <= 'z') {
            character = static_cast<char>(character - 'a' + 'A');
        }
    }
    return folded;
}

int CompareFolded(std::string_view a, std::string_view b) {
    CFoldedCharacters left(a);
    CFoldedCharacters right(b);
    for (;;) {
        char l = '\0';
        char r = '\0';
        const bool hasLeft = left.Next(l);
        const bool hasRight = right.Next(r);
        if (!hasLeft || !hasRight) {
            return static_cast<int>(hasLeft) - static_cast<int>(hasRight);
        }
        if (l != r) {
            return static_cast<unsigned char>(l) < static_cast<unsigned char>(r) ? -1 : 1;
        }
    }
}

bool MatchWildcard(std::string_view text, std::string_view pattern) {
    std::size_t t = 0;
    for (std::size_t p = 0; p < pattern.size(); ++p) {
        const char wanted = pattern[p];
        if (wanted == '*') {
            if (p + 1 == pattern.size()) {
                return true;
            }
            const char next = pattern[p + 1];
            const std::string_view rest = pattern.substr(p + 2);
            for (; t < text.size(); ++t) {
                if ((next == '?' || text[t] == next) && MatchWildcard(text.substr(t + 1), rest)) {
                    return true;
                }
            }
            return false;
        }
        if (t >= text.size() || (wanted != '?' && wanted != text[t])) {
            return false;
        }
        ++t;
    }
    return t == text.size();
}

bool NormaliseSpaces(std::string& text) {
    std::string normalised;
    normalised.reserve(text.size());
    for (char c : text) {
        if (c == '\r' || c == '\n' || c == '\t') {
            c = ' ';
        }
        if (IsBlank(c) && (normalised.empty() || IsBlank(normalised.back()))) {
            continue;
        }
        normalised += c;
    }
    while (!normalised.empty() && IsBlank(normalised.back())) {
        normalised.pop_back();
    }
    if (normalised == text) {
        return false;
    }
    text = std::move(normalised);
    return true;
}

void StripLineEnd(std::string& text) {
    if (!text.empty()) {
        const auto last = static_cast<unsigned char>(text.back());
        if (last >= 1 && last <= 31) {
            text.pop_back();
        }
    }
}

std::string FormatThousands(std::int32_t value) {
    // From the absolute value in 64 bits, so the most negative number has one too.
    const long long magnitude = value < 0 ? -static_cast<long long>(value) : value;
    std::string digits;
    if (magnitude < 1000) {
        digits = FormatPrintf("%lld", magnitude);
    } else if (magnitude < 1000000) {
        digits = FormatPrintf("%lld.%03lld", magnitude / 1000, magnitude % 1000);
    } else {
        digits = FormatPrintf("%lld.%03lld.%03lld", magnitude / 1000000, magnitude / 1000 % 1000,
                              magnitude % 1000);
    }
    return value < 0 ? "- " + digits : digits;
}

std::string FormatHeightImperial(int centimetres) {
    // The factors are single-precision constants widened to double; the products are double.
    constexpr double kFeetPerCentimetre = 0.0328084f;
    constexpr double kCentimetresPerFoot = 30.48f;
    constexpr double kInchesPerCentimetre = 0.3937008f;
    const int feet = static_cast<int>(centimetres * kFeetPerCentimetre);
    const int inches =
        static_cast<int>((centimetres - feet * kCentimetresPerFoot) * kInchesPerCentimetre);
    return FormatPrintf("%i' %i''", feet, inches);
}

std::string FormatWeightImperial(int kilograms) {
    constexpr double kStonesPerKilogram = 0.15752994;
    constexpr double kKilogramsPerStone = 6.348;
    constexpr double kPoundsPerKilogram = 2.2046227;
    const int stones = static_cast<int>(kilograms * kStonesPerKilogram);
    const int pounds =
        static_cast<int>((kilograms - stones * kKilogramsPerStone) * kPoundsPerKilogram);
    if (pounds >= 1) {
        return FormatPrintf("%ist %ilbs", stones, pounds);
    }
    return FormatPrintf("%ist", stones);
}

void RemoveDuplicateSlots(std::span<std::uint8_t, 4> slots) {
    std::array<std::uint8_t, 4> kept{};
    std::size_t used = 0;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const bool earlier =
            std::find(slots.begin(), slots.begin() + static_cast<std::ptrdiff_t>(i), slots[i]) !=
            slots.begin() + static_cast<std::ptrdiff_t>(i);
        if (slots[i] != 0 && !earlier) {
            kept[used++] = slots[i];
        }
    }
    std::copy(kept.begin(), kept.end(), slots.begin());
}

bool WriteFileCreatingDirs(const std::filesystem::path& path, std::string_view data,
                           bool createDirs) {
    if (path.empty() || data.empty()) {
        return false;
    }
    // Paths from the data files may still carry Windows separators.
    std::string spelled = path.string();
    std::replace(spelled.begin(), spelled.end(), '\\', '/');
    const std::filesystem::path target(spelled);
    if (WriteFileAtomically(target, data)) {
        return true;
    }
    if (!createDirs || !target.has_parent_path()) {
        return false;
    }
    std::error_code error;
    std::filesystem::create_directories(target.parent_path(), error);
    return WriteFileAtomically(target, data);
}

}  // namespace kw
