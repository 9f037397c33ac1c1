#pragma once

#include <vector>

#include "editing/CountryStaffCommands.h"
#include "editors/country/CountryPage.h"

class QMenu;
class QPushButton;

namespace kw {

class CDatabaseDocument;
class CMyListBox;
struct SCountryWindowContext;

// "Sonstige Trainer/Manager" of the country window: the country's further managers ("Trainer")
// and its staff pool, each row the short name and the role. "&Neu" offers "Neuer Trainer" (a
// further manager, edited in `CDlgFurtherManager` with the manager panel) and "Neuer Mitarbeiter"
// (a staff pool entry, edited in `CDlgStaffEntry` with the staff panel); "Ä&ndern" (also a double
// click or Enter on a row) opens the row's dialog; "&Löschen" removes the row's record. Each
// command is one undoable edit performed at once, so Store() has nothing left to write; a
// cancelled dialog records nothing.
class CCountryManagersPage : public CCountryPage {
    Q_OBJECT

public:
    CCountryManagersPage(CDatabaseDocument& document, int country,
                         const SCountryWindowContext& context, QWidget* parent = nullptr);

    void Load() override;
    void Store() override {}

    CMyListBox& List() const { return *m_list; }
    QMenu& NewMenu() const { return *m_newMenu; }

    void NewManager();
    void NewStaffEntry();
    void ChangeSelected();
    void DeleteSelected();

private:
    // Refills the list and selects the row of `ref` (else the row at `row`, held to the list).
    void Fill(const std::optional<SCountryStaffRef>& ref, int row);
    void EnableButtons();

    CDatabaseDocument& m_document;
    const int m_country;
    std::vector<SCountryStaffRef> m_refs;
    CMyListBox* m_list;
    QPushButton* m_new;
    QPushButton* m_change;
    QPushButton* m_delete;
    QMenu* m_newMenu;
};

}  // namespace kw
