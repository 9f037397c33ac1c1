#include "storage/RecordVersion.h"

#include "storage/KLFile.h"

namespace kw {

namespace {
constexpr char kVersionTag[] = "VERSION";
}  // namespace

bool WriteVersionSection(CKLFile& file) {
    return file.BeginSection(kVersionTag) &&
           file.WriteNumber(static_cast<std::int32_t>(kDataVersion)) &&
           file.EndSection(kVersionTag);
}

std::uint32_t ReadVersionSection(CKLFile& file) {
    std::uint32_t version = 1;
    if (file.FindSection(kVersionTag)) {
        file.ReadNumber(version);
        file.SkipToSectionEnd(kVersionTag);
        if ((version >> 16) < 8198) {
            version |= 0xFFFF;
        }
    }
    file.SetRecordVersion(version);
    return version;
}

}  // namespace kw
