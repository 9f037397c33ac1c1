#pragma once

#include <cstdint>

namespace kw {

class CKLFile;

// Every versioned record begins with a VERSION section. Readers gate fields on the version read
// last in the same file, which the file carries (CKLFile::RecordVersion), so that files read at
// the same time on different threads never see each other's versions.
constexpr std::uint32_t MakeRecordVersion(std::uint32_t major, std::uint32_t minor) {
    return (major << 16) | minor;
}
inline constexpr std::uint32_t kDataVersion = MakeRecordVersion(8198, 4);  // 0x20060004

constexpr std::uint32_t RecordMajor(std::uint32_t version) {
    return version >> 16;
}

bool WriteVersionSection(CKLFile& file);
// Reads the VERSION section and makes it the file's record version: a missing section gives 1, and
// a major below 8198 is taken as the last minor (0xFFFF) of that major.
std::uint32_t ReadVersionSection(CKLFile& file);

}  // namespace kw
