// libFuzzer harness of the commit record read on every open (ParseCommitRecord) and the recovery
// built on it, in a folder with one pending file. The first byte chooses the record: 0 the rest
// as it is; else the record a commit writes for that file, cut after the position the next two
// bytes give and the bytes after them XORed over it. A record that does not read as whole must
// roll back: no file is replaced, inside the folder or beside it.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "FuzzFile.h"
#include "platform/CommitRecord.h"
#include "platform/CommitRecovery.h"
#include "platform/FileContents.h"

namespace {

namespace fs = std::filesystem;

void Write(const fs::path& path, const std::string& text) {
    kw::fuzz::WriteFuzzFile(path.lexically_relative(kw::fuzz::FuzzDirectory()).string(),
                            reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

std::string Record(const fs::path& folder, const std::uint8_t* data, std::size_t size) {
    if (size == 0 || data[0] == 0) {
        return size == 0 ? std::string()
                         : std::string(reinterpret_cast<const char*>(data) + 1, size - 1);
    }
    std::string record = kw::FormatCommitRecord(
        folder, {{folder / "Country1.sav.tmp-abc123", folder / "Country1.sav", 3}});
    if (size >= 3) {
        record.resize(static_cast<std::size_t>(data[1] | (data[2] << 8)) % (record.size() + 1));
    }
    for (std::size_t i = 3; i < size && !record.empty(); ++i) {
        record[(i - 3) % record.size()] =
            static_cast<char>(record[(i - 3) % record.size()] ^ data[i]);
    }
    return record;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fs::path folder = kw::fuzz::FuzzDirectory() / "commit";
    const fs::path beside = kw::fuzz::FuzzDirectory() / "Beside.sav";
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    Write(folder / "Country1.sav", "old");
    Write(folder / "Country1.sav.tmp-abc123", "new");
    Write(beside, "old");
    Write(fs::path(beside) += ".tmp-abc123", "new");

    const std::string record = Record(folder, data, size);
    Write(folder / kw::kCommitRecordName, record);
    const bool whole = kw::ParseCommitRecord(folder, record).complete;
    kw::RecoverDatabaseFolder(folder);
    if (!whole &&
        (kw::ReadFileText(folder / "Country1.sav") != "old" || kw::ReadFileText(beside) != "old")) {
        std::abort();
    }
    return 0;
}
