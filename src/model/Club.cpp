#include "model/Club.h"

namespace kw {

CClub::CClub(CWorld& world, std::uint32_t id) : m_world(world), m_id(id) {}

}  // namespace kw
