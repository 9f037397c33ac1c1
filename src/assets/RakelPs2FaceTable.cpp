#include "assets/RakelPs2FaceTable.h"

#include "assets/RakelListFile.h"
#include "platform/FileContents.h"

namespace kw {

bool CRakelPs2FaceTable::Load(const std::filesystem::path& path) {
    const std::optional<std::string> text = ReadFileText(path);
    LoadFromText(text.value_or(std::string()), path.filename().string());
    return text.has_value();
}

void CRakelPs2FaceTable::LoadFromText(std::string_view text, std::string fileName) {
    m_fileName = std::move(fileName);
    m_entries.clear();
    m_byFace.clear();
    for (const RakelRecord& record : SplitRakelList(text)) {
        if (record.size() < 2) {
            continue;
        }
        const std::int32_t ps2Face = ParseRakelNumber(record[0]).value_or(-1);
        // Face 0 is "none": a player without a face keeps none.
        const std::int32_t face = ParseRakelNumber(record[1]).value_or(0);
        if (ps2Face < 0 || face == 0) {
            continue;
        }
        m_byFace.try_emplace(face, m_entries.size());
        m_entries.push_back({ps2Face, face, record.size() >= 3 ? record[2] : std::string()});
    }
}

std::optional<std::size_t> CRakelPs2FaceTable::FindByFace(std::int32_t face) const {
    const auto found = m_byFace.find(face);
    if (found == m_byFace.end()) {
        return std::nullopt;
    }
    return found->second;
}

}  // namespace kw
