#include "assets/RakelFaceMapping.h"

#include "assets/RakelListFile.h"
#include "platform/FileContents.h"
#include "storage/TextHelpers.h"

namespace kw {

bool CRakelFaceMapping::Load(const std::filesystem::path& path) {
    const std::optional<std::string> text = ReadFileText(path);
    LoadFromText(text.value_or(std::string()), path.filename().string());
    return text.has_value();
}

void CRakelFaceMapping::LoadFromText(std::string_view text, std::string fileName) {
    m_fileName = std::move(fileName);
    m_faces.clear();
    std::vector<std::string> names;
    for (const RakelRecord& record : SplitRakelList(text)) {
        if (record.size() < 3) {
            continue;
        }
        const std::optional<std::int32_t> face = ParseRakelNumber(record[0]);
        std::string fullName = record[1] + ' ' + record[2];
        NormaliseSpaces(fullName);
        if (!face.has_value() || fullName.empty()) {
            continue;
        }
        names.push_back(std::move(fullName));
        m_faces.push_back(face.value());
    }
    m_byFullName.Build(names);
}

std::optional<std::int32_t> CRakelFaceMapping::FindFace(std::string_view fullName) const {
    const std::optional<std::size_t> entry = m_byFullName.Find(fullName);
    if (!entry) {
        return std::nullopt;
    }
    return m_faces[*entry];
}

}  // namespace kw
