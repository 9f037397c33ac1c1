#include "assets/RakelPlayerMapping.h"

#include "assets/RakelListFile.h"
#include "platform/FileContents.h"
#include "storage/TextHelpers.h"

namespace kw {

bool CRakelPlayerMapping::Load(const std::filesystem::path& path) {
    const std::optional<std::string> text = ReadFileText(path);
    LoadFromText(text.value_or(std::string()), path.filename().string());
    return text.has_value();
}

void CRakelPlayerMapping::LoadFromText(std::string_view text, std::string fileName) {
    m_fileName = std::move(fileName);
    m_players.clear();
    std::vector<std::string> fullNames;
    std::vector<std::string> nicknames;
    for (const RakelRecord& record : SplitRakelList(text)) {
        if (record.size() < 3) {
            continue;
        }
        const std::optional<std::int32_t> id = ParseRakelNumber(record[0]);
        if (!id.has_value()) {
            continue;
        }
        std::string fullName = record[1] + ' ' + record[2];
        NormaliseSpaces(fullName);
        std::string nickname = record.size() >= 4 ? record[3] : std::string();
        NormaliseSpaces(nickname);
        if (fullName.empty() && nickname.empty()) {
            continue;
        }
        fullNames.push_back(fullName);
        nicknames.push_back(nickname);
        m_players.push_back({id.value(), std::move(fullName), std::move(nickname)});
    }
    m_byFullName.Build(fullNames);
    m_byNickname.Build(nicknames);
}

std::optional<std::int32_t> CRakelPlayerMapping::FindByFullName(std::string_view name) const {
    return IdOf(m_byFullName.Find(name));
}

std::optional<std::int32_t> CRakelPlayerMapping::FindByNickname(std::string_view nickname) const {
    return IdOf(m_byNickname.Find(nickname));
}

std::optional<std::int32_t> CRakelPlayerMapping::IdOf(std::optional<std::size_t> entry) const {
    if (!entry) {
        return std::nullopt;
    }
    return m_players[*entry].id;
}

}  // namespace kw
