#include "assets/BigWriter.h"

#include <limits>
#include <string_view>

#include "assets/OrvelBig.h"
#include "platform/AtomicFile.h"
#include "platform/ByteOrder.h"
#include "storage/PackedCodec.h"

namespace kw {

namespace {

void PutBigEndian(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
    WriteBigEndian(out.data() + at, value, 4);
}

}  // namespace

std::vector<std::uint8_t> BuildBigArchive(const std::vector<SBigFile>& files) {
    std::vector<std::vector<std::uint8_t>> packed(files.size());
    std::size_t directoryEnd = kBigHeaderSize;
    std::size_t total = 0;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (files[i].name.size() > COrvelBig::kMaxNameLength) {
            return {};
        }
        if (files[i].pack) {
            packed[i] = PackData(files[i].data);
        }
        directoryEnd += 8 + files[i].name.size() + 1;
        total += files[i].pack ? packed[i].size() : files[i].data.size();
    }
    if (directoryEnd + total > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        return {};
    }
    std::vector<std::uint8_t> big(directoryEnd, 0);
    big.reserve(directoryEnd + total);
    const std::string_view magic = "BIGF";
    std::copy(magic.begin(), magic.end(), big.begin());
    PutBigEndian(big, 8, static_cast<std::uint32_t>(files.size()));
    PutBigEndian(big, 12, static_cast<std::uint32_t>(directoryEnd));
    std::size_t record = kBigHeaderSize;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::vector<std::uint8_t>& data = files[i].pack ? packed[i] : files[i].data;
        PutBigEndian(big, record, static_cast<std::uint32_t>(big.size()));
        PutBigEndian(big, record + 4, static_cast<std::uint32_t>(data.size()));
        std::copy(files[i].name.begin(), files[i].name.end(), big.begin() + record + 8);
        record += 8 + files[i].name.size() + 1;
        big.insert(big.end(), data.begin(), data.end());
    }
    const auto size = static_cast<std::uint32_t>(big.size());
    // The archive size is the one field the game's own archives store little-endian.
    WriteLittleEndian(big.data() + 4, size, 4);
    return big;
}

bool WriteBigArchive(const std::filesystem::path& path, const std::vector<SBigFile>& files,
                     bool packWhole) {
    std::vector<std::uint8_t> big = BuildBigArchive(files);
    if (big.empty()) {
        return false;
    }
    if (packWhole) {
        // Readers know a packed archive only by the header of the 24-bit size form.
        if (big.size() >= (std::size_t{1} << 24)) {
            return false;
        }
        big = PackData(big);
        if (big.empty()) {
            return false;
        }
    }
    return WriteFileAtomically(
        path, std::string_view(reinterpret_cast<const char*>(big.data()), big.size()));
}

}  // namespace kw
