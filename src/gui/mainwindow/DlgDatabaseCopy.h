#pragma once

#include <cstdint>

#include "gui/controls/DialogB.h"
#include "tools/DatabaseSync.h"

class QComboBox;

namespace kw {

class CDatabaseSlots;
class CSyncTreeWidget;
class IUserInterface;

// "Datenbanken synchronisieren": two open databases side by side, each chosen in a list and
// shown as a tree of continents, countries and clubs. Dragging a node onto another copies it
// there (club, country or continent), each copy one undoable change of the target database.
// Enter does nothing; the dialog is closed with its close box.
class CDlgDatabaseCopy : public CDialogB {
    Q_OBJECT

public:
    CDlgDatabaseCopy(CDatabaseSlots& databases, IUserInterface& ui, QWidget* parent = nullptr);

    // What a drop of `dragged` on `target` does: refuse with a message, ask for the groups, copy
    // and show the target node again.
    void Drop(const SSyncItem& dragged, const SSyncItem& target);

    std::uint32_t ClubMask() const { return m_clubMask; }
    std::uint32_t CountryMask() const { return m_countryMask; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct SSide {
        QComboBox* choice = nullptr;
        CSyncTreeWidget* tree = nullptr;
    };

    // `name` prefixes the object names; the other two are what a screen reader calls the parts.
    SSide MakeSide(const char* name, int slot, const QString& choiceName, const QString& treeName);
    void FillTree(const SSide& side);
    // Asks for the groups of the copy; false when cancelled.
    bool AskMask(const SDropDecision& decision);

    CDatabaseSlots& m_databases;
    IUserInterface& m_ui;
    SSide m_left;
    SSide m_right;
    std::uint32_t m_clubMask = kAllClubCopyGroups;
    std::uint32_t m_countryMask = kAllCountryCopyGroups;
};

}  // namespace kw
