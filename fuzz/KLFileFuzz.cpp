// libFuzzer harness of the KL reader: the first bytes choose the operations, the rest is the file.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "storage/KLFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t kScript = 16;
    if (size < kScript) {
        return 0;
    }
    constexpr std::array<std::string_view, 4> kTags = {"A", "CLUB", "PLAYER", ""};
    const std::string_view file(reinterpret_cast<const char*>(data) + kScript, size - kScript);
    kw::CKLFile reader;
    reader.OpenForReadFromMemory(file);
    for (int round = 0; round < 8; ++round) {
        for (std::size_t i = 0; i < kScript; ++i) {
            const std::uint8_t code = data[i];
            const std::string_view tag = kTags[code >> 6];
            std::array<char, 5 * 31> text{};
            std::array<std::uint8_t, 16> bytes{};
            std::string line;
            std::int32_t i32 = 0;
            std::int16_t i16 = 0;
            std::uint8_t u8 = 0;
            bool flag = false;
            switch (code % 10) {
                case 0:
                    reader.FindSection(tag);
                    break;
                case 1:
                    reader.SkipToSectionEnd(tag);
                    break;
                case 2:
                    reader.ReadText(text.data(), 1 + code % text.size());
                    break;
                case 3:
                    reader.ReadLine(line);
                    break;
                case 4:
                    reader.ReadNumber(i32);
                    reader.ReadNumber(i16);
                    break;
                case 5:
                    reader.ReadNumber(u8);
                    reader.ReadFlag(flag);
                    break;
                case 6:
                    reader.ReadByteLines(bytes.data(), code % 17);
                    break;
                case 7:
                    reader.ReadByteList(bytes.data(), code % 17);
                    break;
                case 8:
                    reader.ReadQuotedFive(text.data(), 1 + code % 31);
                    break;
                default:
                    if (reader.ReadText(text.data(), text.size())) {
                        const char* cursor = text.data();
                        std::array<char, 8> part{};
                        while (kw::CKLFile::NextQuoted(cursor, part.data(), '"', part.size())) {
                        }
                    }
                    break;
            }
        }
    }
    return 0;
}
