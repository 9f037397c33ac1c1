#include "assets/RakelClubMapping.h"

#include "assets/RakelListFile.h"
#include "platform/FileContents.h"
#include "storage/TextHelpers.h"

namespace kw {

bool CRakelClubMapping::Load(const std::filesystem::path& path) {
    const std::optional<std::string> text = ReadFileText(path);
    LoadFromText(text.value_or(std::string()), path.filename().string());
    return text.has_value();
}

void CRakelClubMapping::LoadFromText(std::string_view text, std::string fileName) {
    m_fileName = std::move(fileName);
    m_clubs.clear();
    std::vector<std::string> names;
    for (const RakelRecord& record : SplitRakelList(text)) {
        if (record.size() < 2) {
            continue;
        }
        const std::optional<std::int32_t> id = ParseRakelNumber(record[0]);
        std::string name = record[1];
        NormaliseSpaces(name);
        if (!id.has_value() || name.empty()) {
            continue;
        }
        std::string secondName = record.size() >= 3 ? record[2] : std::string();
        NormaliseSpaces(secondName);
        names.push_back(name);
        m_clubs.push_back({id.value(), std::move(name), std::move(secondName)});
    }
    m_byName.Build(names);
}

}  // namespace kw
