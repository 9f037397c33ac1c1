#include "storage/PackedCodec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "CountriesData.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Counting(std::size_t count) {
    Bytes data(count);
    std::iota(data.begin(), data.end(), std::uint8_t{0});
    return data;
}

Bytes RandomBytes(std::mt19937& random, std::size_t count, unsigned alphabet = 256) {
    Bytes data(count);
    for (auto& byte : data) {
        byte = static_cast<std::uint8_t>(random() % alphabet);
    }
    return data;
}

// Like a KL country file: similar lines at many distances.
Bytes CountryText(std::mt19937& random, std::size_t count) {
    std::string text;
    while (text.size() < count) {
        // Drawn in separate statements: the order of operands within one expression is
        // left to the compiler, and the pinned digest below must not depend on it.
        const auto name = random() % 500;
        const auto id = random() % 100000;
        text += "%INDEX%PLAYER\r\n" + std::to_string(id) + "\r\n\"Spieler " + std::to_string(name) +
                "\",\"Player\"\r\n%INDEXEND%PLAYER\r\n";
    }
    text.resize(count);
    return Bytes(text.begin(), text.end());
}

// Rows of 32-bit pixels in flat colour areas with a noisy edge, as badge images are.
Bytes ImageRows(std::mt19937& random, std::size_t count) {
    const std::uint8_t colours[3][4] = {{200, 30, 30, 255}, {250, 250, 250, 255}, {0, 0, 0, 0}};
    Bytes image;
    while (image.size() < count) {
        const std::size_t edge = 10 + random() % 8;
        for (std::size_t x = 0; x < 64; ++x) {
            const auto& colour = colours[x < edge ? 2 : (x / 16) % 2];
            image.insert(image.end(), colour, colour + 4);
        }
    }
    image.resize(count);
    return image;
}

// The hand-made country files of the countries tests, as a real sample of KL text.
Bytes FixtureCountryFiles() {
    const auto folder = kw::test::CountriesData() / "database";
    Bytes all;
    for (int number = 5; number <= 8; ++number) {
        std::ifstream in(folder / ("Country" + std::to_string(number) + ".sav"), std::ios::binary);
        all.insert(all.end(), std::istreambuf_iterator<char>(in), {});
    }
    EXPECT_FALSE(all.empty()) << "no country files in " << folder;
    return all;
}

// Inputs of every kind the archives carry, at sizes from empty to beyond the chain window.
std::vector<Bytes> Corpus() {
    std::mt19937 random(1906);
    const Bytes country = FixtureCountryFiles();
    std::vector<Bytes> corpus;
    for (int i = 0; i < 240; ++i) {
        const std::size_t size =
            i < 60 ? static_cast<std::size_t>(i) : random() % (i < 230 ? 20000 : 200000);
        switch (i % 6) {
            case 0:
                corpus.push_back(RandomBytes(random, size));
                break;
            case 1:
                corpus.push_back(RandomBytes(random, size, 2 + i % 5));
                break;
            case 2:
                corpus.push_back(CountryText(random, size));
                break;
            case 3:
                corpus.push_back(ImageRows(random, size));
                break;
            case 4:
                corpus.push_back(Bytes(size, static_cast<std::uint8_t>(i)));
                break;
            default: {
                const std::size_t start = random() % std::max<std::size_t>(country.size(), 1);
                Bytes slice(country.begin() + static_cast<std::ptrdiff_t>(start), country.end());
                slice.resize(std::min(size, slice.size()));
                corpus.push_back(std::move(slice));
            }
        }
    }
    corpus.push_back(country);
    return corpus;
}

// No copy starts with fewer than 8 input bytes left, and none reaches into the last 4.
void ExpectCopiesLeaveTheTail(const Bytes& packed, std::size_t size) {
    std::size_t in = (packed[0] & 0x80) != 0 ? 6 : 5;
    std::size_t out = 0;
    while (in < packed.size()) {
        const std::uint8_t b0 = packed[in];
        std::size_t command = 1;
        std::size_t literals = b0 & 3;
        std::size_t copy = 0;
        if (b0 < 0x80) {
            command = 2;
            copy = ((b0 >> 2) & 7) + 3;
        } else if (b0 < 0xC0) {
            command = 3;
            literals = packed[in + 1] >> 6;
            copy = (b0 & 0x3F) + 4;
        } else if (b0 < 0xE0) {
            command = 4;
            copy = ((b0 & 0x0C) << 6) + packed[in + 3] + 5;
        } else if (b0 < 0xFC) {
            literals = ((b0 & 0x1F) + 1) * 4;
        }
        in += command + literals;
        out += literals;
        if (copy != 0) {
            EXPECT_LE(out + 8, size);
            EXPECT_LE(out + copy + 4, size);
            out += copy;
        }
        if (b0 >= 0xFC) {
            break;
        }
    }
    EXPECT_EQ(out, size);
}

// Other readers of the format depend on the exact bytes, so a faster search must not change a
// single one: the digest of the corpus packed by the straightforward search (before any speed-up).
TEST(PackedCodec, RoundTripPropertyOverSizesAndKindsAndTheOutputBytesStay) {
    std::uint64_t digest = 14695981039346656037u;
    for (const Bytes& data : Corpus()) {
        const Bytes packed = kw::PackData(data);
        for (const std::uint8_t byte : packed) {
            digest = (digest ^ byte) * 1099511628211u;
        }
        ASSERT_FALSE(packed.empty());
        EXPECT_LE(packed.size(), kw::PackDataBound(data.size()));
        EXPECT_EQ(packed.size(), kw::PackedDataLength(data));
        EXPECT_EQ(kw::UnpackedDataSize(packed), data.size());
        ASSERT_EQ(kw::UnpackData(packed), data) << "size " << data.size();
        ExpectCopiesLeaveTheTail(packed, data.size());
    }
    EXPECT_EQ(digest, 4099863744924390447u);
}

TEST(PackedCodec, PinsTheEncoderOutput) {
    EXPECT_EQ(kw::PackData(Bytes{}), (Bytes{0x10, 0xFB, 0, 0, 0, 0xFC}));
    EXPECT_EQ(kw::PackData(Bytes{'a', 'b', 'c'}),
              (Bytes{0x10, 0xFB, 0, 0, 3, 0xFF, 'a', 'b', 'c'}));
    // A repeated byte: one literal inside an overlapping 4-byte copy at offset 0, then the tail.
    EXPECT_EQ(kw::PackData(Bytes(1000, 'a')), (Bytes{0x10, 0xFB, 0x00, 0x03, 0xE8, 0xCD, 0, 0, 0xDE,
                                                     'a', 0xE0, 'a', 'a', 'a', 'a', 0xFC}));
    // The longest copy is 1028 bytes.
    const Bytes packed = kw::PackData(Bytes(3000, 'z'));
    EXPECT_EQ((Bytes(packed.begin() + 5, packed.begin() + 10)), (Bytes{0xCD, 0, 0, 0xFF, 'z'}));

    // A match may start with 8 bytes left but not with 7; the last 4 bytes stay literal.
    Bytes data = Counting(40);
    data.insert(data.end(), {0, 1, 2, 3, 4, 5, 6, 7});
    Bytes expected{0x10, 0xFB, 0, 0, 48, 0xE9};
    expected.insert(expected.end(), data.begin(), data.begin() + 40);
    expected.insert(expected.end(), {0x04, 39, 0xE0, 4, 5, 6, 7, 0xFC});
    EXPECT_EQ(kw::PackData(data), expected);
    data.pop_back();
    expected = {0x10, 0xFB, 0, 0, 47, 0xEA};
    expected.insert(expected.end(), data.begin(), data.begin() + 44);
    expected.insert(expected.end(), {0xFF, 4, 5, 6});
    EXPECT_EQ(kw::PackData(data), expected);
    // Sizes above twenty-four bits use the long header.
    data.assign(0x1000001, 1);
    const Bytes large = kw::PackData(data);
    ASSERT_GE(large.size(), 6u);
    EXPECT_EQ((Bytes(large.begin(), large.begin() + 6)), (Bytes{0x90, 0xFB, 1, 0, 0, 1}));
    EXPECT_EQ(kw::UnpackData(large), data);
}

TEST(PackedCodec, IncompressibleInputStaysWithinTheBound) {
    std::mt19937 random(11);
    const Bytes data = RandomBytes(random, 1 << 20);
    const std::size_t length = kw::PackedDataLength(data);
    // A buffer of the input length plus 1032 bytes would be overrun.
    EXPECT_GT(length, data.size() + 1032);
    EXPECT_LE(length, kw::PackDataBound(data.size()));
    Bytes exact(length);
    EXPECT_EQ(kw::PackData(data, exact), length);
    Bytes tooSmall(length - 1);
    EXPECT_EQ(kw::PackData(data, tooSmall), 0u);
    EXPECT_EQ(kw::UnpackData(exact), data);
}

TEST(PackedCodec, HeaderVariantsTheSizeQueryAndDamagedStreams) {
    // Bit 0 of the type adds a packed-size field of the same width before the unpacked size.
    Bytes packed = kw::PackData(Counting(100));
    packed[0] = 0x11;
    packed.insert(packed.begin() + 2, {0, 0, 99});
    packed.push_back(0xAB);  // whatever follows the stream is not consumed
    EXPECT_EQ(kw::UnpackedDataSize(packed), 100u);
    Bytes out(100);
    const auto result = kw::UnpackData(packed, out);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->packedLength, packed.size() - 1);
    EXPECT_EQ(out, Counting(100));

    EXPECT_EQ(kw::UnpackedDataSize(Bytes{0x46, 0xFB, 1, 2, 3}), 0x010203u);
    EXPECT_EQ(kw::UnpackedDataSize(Bytes{0xB5, 0xFB, 9, 9, 9, 9, 1, 2, 3, 4}), 0x01020304u);
    EXPECT_EQ(kw::UnpackedDataSize(Bytes{0xC8, 0xFB, 1, 2, 3, 4}), 0u);
    EXPECT_EQ(kw::UnpackedDataSize(Bytes{0x10, 0xFA, 1, 2, 3}), 0u);
    // Family members other than 0x10 and 0x90 are known by size but not unpacked.
    packed[0] = 0x18;
    EXPECT_FALSE(kw::UnpackData(packed, out));
    // Damaged streams are refused.
    // Copy from before the start of the output.
    EXPECT_FALSE(kw::UnpackData(Bytes{0x10, 0xFB, 0, 0, 4, 0x01, 0x05, 'a', 0xFC}, out));
    // Commands or literals that run past the input.
    EXPECT_FALSE(kw::UnpackData(Bytes{0x10, 0xFB, 0, 0, 8, 0xE1, 'a', 'b'}, out));
    EXPECT_FALSE(kw::UnpackData(Bytes{0x10, 0xFB, 0, 0, 8, 0xC0, 0}, out));
    // Output beyond the stated size, a stop short of it, a destination smaller than it.
    EXPECT_FALSE(kw::UnpackData(Bytes{0x10, 0xFB, 0, 0, 2, 0xFF, 'a', 'b', 'c'}, out));
    EXPECT_FALSE(kw::UnpackData(Bytes{0x10, 0xFB, 0, 0, 4, 0xFF, 'a', 'b', 'c'}, out));
    Bytes small(2);
    EXPECT_FALSE(kw::UnpackData(Bytes{0x10, 0xFB, 0, 0, 3, 0xFF, 'a', 'b', 'c'}, small));
    // Stated sizes the input could never produce, or above the limit, are refused up front.
    EXPECT_FALSE(kw::UnpackData(Bytes{0x90, 0xFB, 0xFF, 0xFF, 0xFF, 0xFF, 0xFC}));
    EXPECT_FALSE(kw::UnpackData(kw::PackData(Bytes(5000, 0)), 4999));
}

// Cut, flipped and random streams must fail or succeed cleanly; under the sanitizers this shows
// that no input makes the unpacker touch memory outside its buffers.
TEST(PackedCodec, HostileInputNeverEscapesTheBuffers) {
    std::mt19937 random(2006);
    const Bytes valid = kw::PackData(CountryText(random, 3000));
    for (int round = 0; round < 20000; ++round) {
        Bytes packed = valid;
        if (round % 3 == 0) {
            packed = RandomBytes(random, 5 + random() % 64);
            packed[0] = 0x10;
            packed[1] = 0xFB;
            packed[2] = 0;
        } else if (round % 3 == 1) {
            packed.resize(random() % packed.size());
        } else {
            for (unsigned flips = 1 + random() % 4; flips > 0; --flips) {
                packed[2 + random() % (packed.size() - 2)] ^= 1 << (random() % 8);
            }
        }
        if (const auto unpacked = kw::UnpackData(packed)) {
            EXPECT_EQ(unpacked->size(), kw::UnpackedDataSize(packed));
        }
    }
}

}  // namespace
