#pragma once

#include <cstdint>

namespace kw {

// Competition id: ((country << 8) + type) << 16 + index; the international root is 0xFA000000.
inline constexpr std::uint32_t kInternationalRootId = 0xFA000000;
inline constexpr int kRootType = 0;

constexpr std::uint32_t MakeCompetitionId(int country, int type, int index) {
    return ((static_cast<std::uint32_t>(country) << 8) + static_cast<std::uint32_t>(type)) << 16 |
           static_cast<std::uint32_t>(index);
}
constexpr int CompetitionCountry(std::uint32_t id) {
    return static_cast<int>(id >> 24);
}
constexpr int CompetitionType(std::uint32_t id) {
    return static_cast<int>((id >> 16) & 0xFF);
}
constexpr int CompetitionIndex(std::uint32_t id) {
    return static_cast<int>(id & 0xFFFF);
}

// A node of a competition tree, kept in the world's registry by id.
class CDBCompetition {
public:
    explicit CDBCompetition(std::uint32_t id) : m_id(id) {}
    virtual ~CDBCompetition() = default;
    CDBCompetition(const CDBCompetition&) = delete;
    CDBCompetition& operator=(const CDBCompetition&) = delete;

    std::uint32_t Id() const { return m_id; }

private:
    std::uint32_t m_id;
};

// The root of a country's competition tree (type 0, index 0).
class CDBRoot : public CDBCompetition {
public:
    explicit CDBRoot(int country) : CDBCompetition(MakeCompetitionId(country, kRootType, 0)) {}
};

}  // namespace kw
