#pragma once

#include <cstdint>

namespace kw {

class CKLFile;

// Every versioned record begins with a VERSION section. Readers gate fields on the version read
// last, which is one value shared by every reader of a load.
constexpr std::uint32_t MakeRecordVersion(std::uint32_t major, std::uint32_t minor) {
    return (major << 16) | minor;
}
inline constexpr std::uint32_t kDataVersion = MakeRecordVersion(8198, 4);  // 0x20060004

std::uint32_t LoadedRecordVersion();
void SetLoadedRecordVersion(std::uint32_t version);
inline std::uint32_t LoadedRecordMajor() {
    return LoadedRecordVersion() >> 16;
}
inline bool LoadedVersionAtLeast(std::uint32_t major, std::uint32_t minor) {
    return LoadedRecordVersion() >= MakeRecordVersion(major, minor);
}

bool WriteVersionSection(CKLFile& file);
// Reads the VERSION section and makes it the loaded version: a missing section gives 1, and a
// major below 8198 is taken as the last minor (0xFFFF) of that major.
std::uint32_t ReadVersionSection(CKLFile& file);

}  // namespace kw
