#include "model/StadiumList.h"

#include "platform/Paths.h"
#include "platform/StringTable.h"
#include "storage/KLFile.h"

namespace kw {

CStadiumList::CStadiumList() {
    for (int which = 0; which < CStadium::kTemplateCount; ++which) {
        m_templates[static_cast<std::size_t>(which)] = CStadium::Template(which);
    }
}

bool CStadiumList::Load(const std::filesystem::path& databaseDirectory) {
    return Load(databaseDirectory, ResourceString(ids::kLanguageDirectory));
}

bool CStadiumList::Load(const std::filesystem::path& databaseDirectory,
                        std::string_view languageDirectory) {
    m_entries.clear();
    for (int which = 0; which < CStadium::kTemplateCount; ++which) {
        m_templates[static_cast<std::size_t>(which)] = CStadium::Template(which);
    }
    const auto path =
        FindExisting(databaseDirectory, std::string(languageDirectory) + "/StadiumList.txt");
    CKLFile file;
    if (!path || !file.OpenForRead(*path)) {
        return false;
    }
    std::int32_t count = 0;
    file.ReadNumber(count);
    // The count is not trusted for allocation: entries are taken while their lines exist.
    for (std::int32_t i = 0; i < count; ++i) {
        SEntry entry;
        if (!file.ReadLine(entry.name)) {
            break;
        }
        file.ReadFlag(entry.flag);
        file.ReadNumber(entry.number);
        m_entries.push_back(std::move(entry));
    }
    return true;
}

}  // namespace kw
