// Feeds random and cut input through every read and search; run under the sanitizers this shows
// that no input makes the reader touch memory outside its buffers.

#include "storage/KLFile.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <random>
#include <string>
#include <string_view>

namespace {

using kw::CKLFile;

constexpr std::array<std::string_view, 4> kTags = {"A", "CLUB", "PLAYER", ""};

std::string ValidFile() {
    return "%INDEX%CLUB\r\n"
           "; comment\r\n"
           "17\r\n"
           "\"Erster\",\"Zweiter\",\"Dritter\",\"Vierter\",\"F\xFCnfter\"\r\n"
           "1,2,3,255\r\n"
           "%INDEX%PLAYER\r\n"
           "-5\r\n"
           "\\;escaped\r\n"
           "%INDEXEND%PLAYER\r\n"
           "%INDEX%A\r\n"
           "%INDEXEND%A\r\n"
           "text value\r\n"
           "%INDEXEND%CLUB\r\n";
}

char BiasedByte(std::mt19937& random) {
    static constexpr std::string_view kFavourites = "0123456789\n\n\n\r;%\",-+ \\AZ";
    const unsigned pick = random() % 4;
    if (pick < 3) {
        return kFavourites[random() % kFavourites.size()];
    }
    return static_cast<char>(random() & 0xFF);
}

std::string RandomInput(std::mt19937& random) {
    std::string data;
    const std::size_t length = random() % 3000;
    while (data.size() < length) {
        const unsigned draw = random() % 1000;
        if (draw < 15) {
            data += "%INDEX%";
            data += kTags[random() % kTags.size()];
            data += "\r\n";
        } else if (draw < 30) {
            data += "%INDEXEND%";
            data += kTags[random() % kTags.size()];
            data += "\n";
        } else if (draw < 32) {
            // Long runs without a line end exercise the line limit.
            data.append(random() % 2500, BiasedByte(random));
        } else {
            data.push_back(BiasedByte(random));
        }
    }
    return data;
}

// Results are checked for the invariants every caller relies on: terminated texts, no bytes past
// the destination, no line breaks in values, list lengths within the line limit.
class Exerciser {
public:
    explicit Exerciser(std::mt19937& random) : m_random(random) {}

    // Successful searches and reads, to show that the inputs reach past the first line.
    int Successes() const { return m_successes; }

    // Entering a section first gets past the marker that begins every valid file.
    void Run(std::string_view data, int steps, std::string_view enter = {}) {
        CKLFile file;
        ASSERT_TRUE(file.OpenForReadFromMemory(data));
        if (!enter.empty()) {
            m_successes += file.FindSection(enter) ? 1 : 0;
        }
        for (int i = 0; i < steps; ++i) {
            Step(file);
            if (::testing::Test::HasFatalFailure()) {
                return;
            }
        }
    }

private:
    static constexpr char kGuard = '\x5A';

    void Step(CKLFile& file) {
        const std::string_view tag = kTags[m_random() % kTags.size()];
        // Searches often run to the end of the data, so they are picked less often than reads.
        const unsigned draw = m_random() % 64;
        switch (draw < 2 ? draw : 2 + draw % 6) {
            case 0:
                m_successes += file.FindSection(tag) ? 1 : 0;
                break;
            case 1:
                m_successes += file.SkipToSectionEnd(tag) ? 1 : 0;
                break;
            case 2: {
                const std::size_t size = 1 + m_random() % 40;
                std::array<char, 48> text;
                text.fill(kGuard);
                if (file.ReadText(text.data(), size)) {
                    ++m_successes;
                    ASSERT_EQ(text[size - 1], '\0');
                    CheckValue(text.data());
                }
                for (std::size_t i = size; i < text.size(); ++i) {
                    ASSERT_EQ(text[i], kGuard);
                }
                break;
            }
            case 3: {
                std::string line;
                if (file.ReadLine(line)) {
                    ++m_successes;
                    ASSERT_LE(line.size(), CKLFile::kMaxLine);
                    CheckValue(line.c_str());
                }
                break;
            }
            case 4: {
                std::int32_t number = 0;
                std::uint8_t small = 0;
                bool flag = false;
                m_successes += file.ReadNumber(number) ? 1 : 0;
                file.ReadNumber(small);
                file.ReadFlag(flag);
                break;
            }
            case 5: {
                const int count = static_cast<int>(m_random() % 20);
                std::array<std::uint8_t, 24> bytes;
                bytes.fill(0xA5);
                const bool lines = m_random() % 2 == 0;
                const bool ok = lines ? file.ReadByteLines(bytes.data(), count)
                                      : file.ReadByteList(bytes.data(), count);
                for (std::size_t i = static_cast<std::size_t>(count); i < bytes.size(); ++i) {
                    ASSERT_EQ(bytes[i], 0xA5);
                }
                if (!ok && count > 0) {
                    // At least the last element was not read; a failed list zeroes them all.
                    ASSERT_EQ(bytes[static_cast<std::size_t>(count) - 1], 0);
                    if (!lines) {
                        ASSERT_EQ(bytes[0], 0);
                    }
                }
                break;
            }
            case 6: {
                const std::size_t size = 1 + m_random() % 31;
                std::array<char, 5 * 32 + 8> five;
                five.fill(kGuard);
                file.ReadQuotedFive(five.data(), size);
                for (std::size_t k = 0; k < 5; ++k) {
                    const char* field = five.data() + k * size;
                    ASSERT_NE(std::memchr(field, '\0', size), nullptr);
                    CheckValue(field);
                }
                for (std::size_t i = 5 * size; i < five.size(); ++i) {
                    ASSERT_EQ(five[i], kGuard);
                }
                break;
            }
            default: {
                std::array<char, 1024> line;
                if (file.ReadText(line.data(), line.size())) {
                    const char* cursor = line.data();
                    std::array<char, 12> part;
                    while (CKLFile::NextQuoted(cursor, part.data(), '"', part.size())) {
                        ASSERT_LE(std::strlen(part.data()), part.size() - 1);
                    }
                }
                break;
            }
        }
    }

    static void CheckValue(const char* text) {
        ASSERT_EQ(std::strpbrk(text, "\r\n"), nullptr) << text;
    }

    std::mt19937& m_random;
    int m_successes = 0;
};

TEST(KLFileRobustness, RandomInputsNeverBreakTheReader) {
    std::mt19937 random(20060004u);
    Exerciser exerciser(random);
    for (int round = 0; round < 3000; ++round) {
        const std::string data = RandomInput(random);
        exerciser.Run(data, 150);
        ASSERT_FALSE(::testing::Test::HasFatalFailure()) << "round " << round;
    }
    EXPECT_GT(exerciser.Successes(), 5000);
}

TEST(KLFileRobustness, EveryTruncationOfAValidFileReadsSafely) {
    std::mt19937 random(14u);
    Exerciser exerciser(random);
    const std::string valid = ValidFile();
    for (std::size_t length = 0; length <= valid.size(); ++length) {
        for (int pass = 0; pass < 8; ++pass) {
            exerciser.Run(std::string_view(valid).substr(0, length), 150, pass % 2 ? "CLUB" : "");
            ASSERT_FALSE(::testing::Test::HasFatalFailure()) << "length " << length;
        }
    }
    EXPECT_GT(exerciser.Successes(), 1000);
}

}  // namespace
