#include "storage/NameLists.h"

#include <algorithm>
#include <utility>

#include "platform/Random.h"
#include "storage/KLFile.h"
#include "storage/TextHelpers.h"

namespace kw {

namespace {

void ReadNames(CTextFileLines& lines, CNameList& list) {
    std::int32_t group = 0;
    std::string line;
    while (lines.ReadLine(line, CNameList::kLineLimit)) {
        NormaliseSpaces(line);
        if (!line.empty() && line.front() == '%') {
            group = CKLFile::ParseDecimal(line.c_str() + 1);
        } else {
            list.Add(group, std::move(line));
        }
    }
}

}  // namespace

bool CNameList::Load(const std::filesystem::path& path) {
    Clear();
    CTextFileLines lines;
    if (!lines.Open(path)) {
        return false;
    }
    ReadNames(lines, *this);
    return true;
}

void CNameList::LoadFromMemory(std::string_view data) {
    Clear();
    CTextFileLines lines;
    lines.OpenFromMemory(data);
    ReadNames(lines, *this);
}

void CNameList::Add(std::int32_t group, std::string name) {
    m_groups[group].push_back(std::move(name));
}

std::span<const std::string> CNameList::Names(std::int32_t group) const {
    const auto found = m_groups.find(group);
    if (found == m_groups.end()) {
        return {};
    }
    return found->second;
}

std::size_t RandomNameIndex(int randomNumber, std::size_t count) {
    const auto scaled = static_cast<std::size_t>(std::max(randomNumber, 0)) * count / 32767;
    return std::min(scaled, count - 1);
}

std::optional<std::string> PickRandomName(const CNameList& list, std::int32_t group,
                                          CRandom& random) {
    std::span<const std::string> names = list.Names(group);
    if (names.empty()) {
        names = list.Names(0);
    }
    if (names.empty()) {
        return std::nullopt;
    }
    return names[RandomNameIndex(random.Next(), names.size())];
}

}  // namespace kw
