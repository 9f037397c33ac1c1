#include "app/DatabaseSlots.h"

#include <algorithm>

#include "model/World.h"

namespace kw {

CDatabaseSlots::CDatabaseSlots(std::filesystem::path installDirectory)
    : m_installDirectory(std::move(installDirectory)) {}

CDatabaseSlots::~CDatabaseSlots() {
    RemoveAll();
}

CWorld* CDatabaseSlots::AddSlot() {
    if (Count() >= kMaxSlots) {
        return nullptr;
    }
    auto world = std::make_unique<CWorld>(m_installDirectory);
    m_current = world.get();
    m_slots.push_back(std::move(world));
    m_current->InitialiseCountries();
    m_current->LoadCupFormats();
    return m_current;
}

void CDatabaseSlots::SelectSlot(int index) {
    if (CWorld* world = Slot(index)) {
        m_current = world;
    }
}

void CDatabaseSlots::SetCurrent(CWorld* world) {
    const auto found = std::find_if(m_slots.begin(), m_slots.end(),
                                    [world](const auto& slot) { return slot.get() == world; });
    if (found != m_slots.end()) {
        m_current = world;
    }
}

std::unique_ptr<CWorld> CDatabaseSlots::RemoveSlot(CWorld* world) {
    const auto found = std::find_if(m_slots.begin(), m_slots.end(),
                                    [world](const auto& slot) { return slot.get() == world; });
    if (found == m_slots.end()) {
        return nullptr;
    }
    std::unique_ptr<CWorld> removed = std::move(*found);
    m_slots.erase(found);
    if (m_current == world) {
        m_current = m_slots.empty() ? nullptr : m_slots.front().get();
    }
    return removed;
}

void CDatabaseSlots::RemoveAll() {
    for (auto& slot : m_slots) {
        slot->Empty();
    }
    m_slots.clear();
    m_current = nullptr;
}

CWorld* CDatabaseSlots::Slot(int index) const {
    if (index < 0 || index >= Count()) {
        return nullptr;
    }
    return m_slots[static_cast<std::size_t>(index)].get();
}

std::string CDatabaseSlots::SlotDirectory(int index) const {
    const CWorld* world = Slot(index);
    return world != nullptr ? world->Directory().string() : std::string();
}

}  // namespace kw
