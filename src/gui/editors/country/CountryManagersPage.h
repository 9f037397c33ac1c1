#pragma once

#include <optional>
#include <vector>

#include "editing/CountryStaffCommands.h"
#include "gui/editors/country/CountryPersonList.h"

class QMenu;

namespace kw {

struct SCountryWindowContext;

// "Sonstige Trainer/Manager" of the country window: the country's further managers ("Trainer")
// and its staff pool, each row the short name and the role. "&Neu" offers "Neuer Trainer" (a
// further manager, edited in `CDlgFurtherManager` with the manager panel) and "Neuer Mitarbeiter"
// (a staff pool entry, edited in `CDlgStaffEntry` with the staff panel); "Ä&ndern" (also a double
// click or Enter on a row) opens the row's dialog; "&Löschen" removes the row's record.
class CCountryManagersPage : public CCountryPersonListPage {
    Q_OBJECT

public:
    CCountryManagersPage(CDatabaseDocument& document, int country,
                         const SCountryWindowContext& context, QWidget* parent = nullptr);

    void Load() override;

    QMenu& NewMenu() const { return *m_newMenu; }

    void NewManager();
    void NewStaffEntry();
    void ChangeSelected() override;
    void DeleteSelected() override;

private:
    // Refills the list and selects the row of `ref` (else the row at `row`, held to the list).
    void Fill(const std::optional<SCountryStaffRef>& ref, int row);

    std::vector<SCountryStaffRef> m_refs;
    QMenu* m_newMenu;
};

}  // namespace kw
