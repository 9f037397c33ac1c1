#include "exports/master/SideOutputs.h"

#include <cstdio>
#include <memory>

#include "platform/OwnedFile.h"
#include "platform/Paths.h"

namespace kw {

void CSideOutputs::Append(std::string_view fileName, std::string_view lines) const {
    if (lines.empty()) {
        return;
    }
    const std::filesystem::path path = PathForWriting(m_folder, fileName);
    const FilePointer file = OpenFile(path, "ab");
    if (file) {
        std::fwrite(lines.data(), 1, lines.size(), file.get());
    }
}

}  // namespace kw
