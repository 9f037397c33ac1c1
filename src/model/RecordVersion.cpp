#include "model/RecordVersion.h"

#include <atomic>

#include "storage/KLFile.h"

namespace kw {

namespace {
std::atomic<std::uint32_t> g_loadedVersion{kDataVersion};
constexpr char kVersionTag[] = "VERSION";
}  // namespace

std::uint32_t LoadedRecordVersion() {
    return g_loadedVersion.load(std::memory_order_relaxed);
}

void SetLoadedRecordVersion(std::uint32_t version) {
    g_loadedVersion.store(version, std::memory_order_relaxed);
}

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
    SetLoadedRecordVersion(version);
    return version;
}

}  // namespace kw
