#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace kw {

class CDatabaseDocument;
class IProgress;
class IUserInterface;

// The databases held in memory side by side, each an undoable document, one of them current.
// This list owns every open database: the main window and the batch build reach databases only
// through it. The current database's language is the program's current language.
class CDatabaseSlots {
public:
    static constexpr int kMaxSlots = 6;

    explicit CDatabaseSlots(std::filesystem::path installDirectory);
    ~CDatabaseSlots();
    CDatabaseSlots(const CDatabaseSlots&) = delete;
    CDatabaseSlots& operator=(const CDatabaseSlots&) = delete;

    // A new empty database with its countries initialised and its cup formats read, appended and
    // made current; nothing when six slots are taken.
    CDatabaseDocument* AddSlot();
    // Makes slot `index` current; ignored outside the list.
    void SelectSlot(int index);
    // Makes the given database current when it is in the list.
    void SetCurrent(CDatabaseDocument* document);
    // Takes the database out of the list and hands it to the caller; when it was current, the
    // first slot becomes current. Nothing when it is not in the list.
    std::unique_ptr<CDatabaseDocument> RemoveSlot(CDatabaseDocument* document);
    // Empties and destroys every database; no database is current afterwards.
    void RemoveAll();

    CDatabaseDocument* Slot(int index) const;
    // The slot database's folder as text; empty outside the list.
    std::string SlotDirectory(int index) const;
    int Count() const { return static_cast<int>(m_slots.size()); }
    CDatabaseDocument* Current() const { return m_current; }

private:
    std::filesystem::path m_installDirectory;
    std::vector<std::unique_ptr<CDatabaseDocument>> m_slots;
    CDatabaseDocument* m_current = nullptr;
};

// Reads the database in `directory` into the document's world (found in any letter case) and
// starts its history afresh: what the main window and the batch build open goes through here.
// Country files that exist but cannot be read whole are named (in the document's language) through
// `ui` once.
bool OpenDatabase(CDatabaseDocument& document, const std::filesystem::path& directory,
                  IProgress& progress, IUserInterface& ui);

}  // namespace kw
