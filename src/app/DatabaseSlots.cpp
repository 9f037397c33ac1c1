#include "app/DatabaseSlots.h"

#include <algorithm>

#include "document/DatabaseDocument.h"
#include "model/World.h"

namespace kw {

CDatabaseSlots::CDatabaseSlots(std::filesystem::path installDirectory)
    : m_installDirectory(std::move(installDirectory)) {}

CDatabaseSlots::~CDatabaseSlots() {
    RemoveAll();
}

CDatabaseDocument* CDatabaseSlots::AddSlot() {
    if (Count() >= kMaxSlots) {
        return nullptr;
    }
    auto world = std::make_unique<CWorld>(m_installDirectory);
    world->InitialiseCountries();
    world->LoadCupFormats();
    m_slots.push_back(std::make_unique<CDatabaseDocument>(std::move(world)));
    m_current = m_slots.back().get();
    return m_current;
}

void CDatabaseSlots::SelectSlot(int index) {
    if (CDatabaseDocument* document = Slot(index)) {
        m_current = document;
    }
}

void CDatabaseSlots::SetCurrent(CDatabaseDocument* document) {
    const auto found = std::find_if(m_slots.begin(), m_slots.end(), [document](const auto& slot) {
        return slot.get() == document;
    });
    if (found != m_slots.end()) {
        m_current = document;
    }
}

std::unique_ptr<CDatabaseDocument> CDatabaseSlots::RemoveSlot(CDatabaseDocument* document) {
    const auto found = std::find_if(m_slots.begin(), m_slots.end(), [document](const auto& slot) {
        return slot.get() == document;
    });
    if (found == m_slots.end()) {
        return nullptr;
    }
    std::unique_ptr<CDatabaseDocument> removed = std::move(*found);
    m_slots.erase(found);
    if (m_current == document) {
        m_current = m_slots.empty() ? nullptr : m_slots.front().get();
    }
    return removed;
}

void CDatabaseSlots::RemoveAll() {
    for (auto& slot : m_slots) {
        slot->WorldForOperations().Empty();
    }
    m_slots.clear();
    m_current = nullptr;
}

CDatabaseDocument* CDatabaseSlots::Slot(int index) const {
    if (index < 0 || index >= Count()) {
        return nullptr;
    }
    return m_slots[static_cast<std::size_t>(index)].get();
}

std::string CDatabaseSlots::SlotDirectory(int index) const {
    const CDatabaseDocument* document = Slot(index);
    return document != nullptr ? document->World().Directory().string() : std::string();
}

bool OpenDatabase(CDatabaseDocument& document, const std::filesystem::path& directory,
                  IProgress& progress, IUserInterface& ui) {
    const bool read =
        document.WorldForOperations().Load(directory, progress, ui, document.Language());
    document.WorldReloaded();
    return read;
}

}  // namespace kw
