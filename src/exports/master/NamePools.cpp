#include "exports/master/NamePools.h"

#include <cstdlib>

#include "exports/master/BinaryWriter.h"
#include "platform/FileContents.h"
#include "platform/Paths.h"

namespace kw {

namespace {

int ClampGroup(int group) {
    return group >= 0 && group < CNamePools::kGroupCount ? group : 0;
}

}  // namespace

const CNamePools::SPool& CNamePools::Pool(int group, int kind) const {
    return m_pools.at(static_cast<std::size_t>(ClampGroup(group) * kKindCount + kind));
}

CNamePools::SPool& CNamePools::MutablePool(int group, int kind) {
    return m_pools.at(static_cast<std::size_t>(ClampGroup(group) * kKindCount + kind));
}

void CNamePools::Append(SPool& pool, std::string name, std::uint32_t count) {
    if (pool.names.size() >= kMaxNames) {
        return;
    }
    // A repeated name keeps the index of its first appearance for lookups.
    pool.index.try_emplace(name, static_cast<std::uint16_t>(pool.names.size()));
    pool.names.push_back(std::move(name));
    pool.counts.push_back(count);
}

void CNamePools::ResetWeightedGroups() {
    for (int group = 0; group < kWeightedGroups; ++group) {
        for (int kind = 0; kind < kKindCount; ++kind) {
            SPool& pool = MutablePool(group, kind);
            pool = SPool();
            Append(pool, " ", 1);
        }
    }
}

void CNamePools::LoadNameFiles(const std::filesystem::path& folder) {
    static constexpr std::pair<const char*, int> kFiles[] = {
        {"MaleNames.txt", namekind::kMaleFirst},
        {"FemaleNames.txt", namekind::kFemaleFirst},
        {"Surnames.txt", namekind::kSurname},
    };
    for (const auto& [name, kind] : kFiles) {
        if (const auto path = FindExisting(folder, name)) {
            LoadNameFile(kind, ReadFileText(*path).value_or(""));
        }
    }
}

void CNamePools::LoadNameFile(int kind, std::string_view data) {
    int group = 0;
    while (!data.empty()) {
        const std::size_t end = data.find('\n');
        std::string_view line = data.substr(0, end);
        data = end == std::string_view::npos ? std::string_view() : data.substr(end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.empty()) {
            continue;
        }
        if (line.front() == '%') {
            group = std::atoi(std::string(line.substr(1)).c_str());
            continue;
        }
        if (group < 0 || group >= kGroupCount) {
            continue;
        }
        SPool& pool = MutablePool(group, kind);
        Append(pool, std::string(line.substr(0, kFileNameLength)), 1);
        pool.fileCount = static_cast<std::uint32_t>(pool.names.size());
    }
}

std::uint16_t CNamePools::Add(int group, int kind, std::string_view name) {
    if (name.empty()) {
        return 0;
    }
    SPool& pool = MutablePool(group, kind);
    if (const auto found = pool.index.find(std::string(name)); found != pool.index.end()) {
        ++pool.counts[found->second];
        return found->second;
    }
    if (pool.names.size() >= kMaxNames) {
        return 0;
    }
    Append(pool, std::string(name), 1);
    return static_cast<std::uint16_t>(pool.names.size() - 1);
}

void CNamePools::Weigh(SPool& pool) {
    const std::size_t fileCount = std::min<std::size_t>(pool.fileCount, pool.names.size());
    if (fileCount < 2) {
        return;
    }
    std::uint64_t total = 0;
    for (std::size_t i = 1; i < fileCount; ++i) {
        total += pool.counts[i];
    }
    if (total == 0) {
        return;
    }
    std::uint64_t sum = 0;
    for (std::size_t i = 1; i < fileCount; ++i) {
        pool.counts[i] =
            static_cast<std::uint32_t>(pool.counts[i] * std::uint64_t{kWeightTotal} / total);
        sum += pool.counts[i];
    }
    for (std::size_t i = 1; i < fileCount && sum < kWeightTotal; ++i) {
        if (pool.counts[i] == 0) {
            pool.counts[i] = 1;
            ++sum;
        }
    }
    for (std::size_t i = 1; i < fileCount && sum < kWeightTotal; ++i) {
        ++pool.counts[i];
        ++sum;
    }
    for (std::size_t i = fileCount; i < pool.names.size(); ++i) {
        pool.counts[i] = 1;
    }
}

void CNamePools::FinaliseWeights() {
    for (int group = 0; group < kWeightedGroups; ++group) {
        for (int kind = 0; kind < kKindCount; ++kind) {
            Weigh(MutablePool(group, kind));
        }
    }
}

std::uint32_t CNamePools::TableSize(int group, int kind) const {
    std::uint32_t size = 12;
    for (const std::string& name : Pool(group, kind).names) {
        size += static_cast<std::uint32_t>(name.size()) + 9;
    }
    return size;
}

void CNamePools::WriteTable(CBinaryWriter& out, int group, int kind) const {
    const SPool& pool = Pool(group, kind);
    out.U32(static_cast<std::uint32_t>(pool.names.size()));
    out.U32(pool.fileCount);
    out.U32(0);
    for (std::size_t i = 0; i < pool.names.size(); ++i) {
        out.String(pool.names[i]);
        out.U32(pool.counts[i]);
    }
    out.Zeros(static_cast<std::uint32_t>(4 * pool.names.size()));
}

}  // namespace kw
