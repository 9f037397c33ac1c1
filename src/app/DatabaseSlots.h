#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace kw {

class CWorld;

// The databases held in memory side by side, one of them current. Every part of the program
// reaches the current database through this list; the current database's language is the
// program's current language.
class CDatabaseSlots {
public:
    static constexpr int kMaxSlots = 6;

    explicit CDatabaseSlots(std::filesystem::path installDirectory);
    ~CDatabaseSlots();
    CDatabaseSlots(const CDatabaseSlots&) = delete;
    CDatabaseSlots& operator=(const CDatabaseSlots&) = delete;

    // A new empty database with its countries initialised and its cup formats read, appended and
    // made current; nothing when six slots are taken.
    CWorld* AddSlot();
    // Makes slot `index` current; ignored outside the list.
    void SelectSlot(int index);
    // Makes the given database current when it is in the list.
    void SetCurrent(CWorld* world);
    // Takes the database out of the list and hands it to the caller; when it was current, the
    // first slot becomes current. Nothing when it is not in the list.
    std::unique_ptr<CWorld> RemoveSlot(CWorld* world);
    // Empties and destroys every database; no database is current afterwards.
    void RemoveAll();

    CWorld* Slot(int index) const;
    // The slot database's folder as text; empty outside the list.
    std::string SlotDirectory(int index) const;
    int Count() const { return static_cast<int>(m_slots.size()); }
    CWorld* Current() const { return m_current; }

private:
    std::filesystem::path m_installDirectory;
    std::vector<std::unique_ptr<CWorld>> m_slots;
    CWorld* m_current = nullptr;
};

}  // namespace kw
