#pragma once

#include <cstdint>

namespace kw {

// A person of the database: player or staff member. Owned by the world's person table.
class CPlayer {
public:
    explicit CPlayer(std::uint32_t id) : m_id(id) {}

    std::uint32_t Id() const { return m_id; }

private:
    std::uint32_t m_id;
};

}  // namespace kw
