#include "gui/editors/country/CountryManagersPage.h"

#include <QMenu>
#include <QPushButton>

#include <algorithm>
#include <array>

#include "document/DatabaseDocument.h"
#include "gui/controls/MyListBox.h"
#include "gui/editors/country/DlgFurtherManager.h"
#include "gui/editors/country/DlgStaffEntry.h"
#include "model/Country.h"
#include "model/World.h"

namespace kw {

namespace {

// "Name" and "Funktion" in dialog units.
constexpr std::array kManagerColumns = {SListColumn{0, 120}, SListColumn{120, 240}};

}  // namespace

CCountryManagersPage::CCountryManagersPage(CDatabaseDocument& document, int country,
                                           const SCountryWindowContext& /*context*/,
                                           QWidget* parent)
    : CCountryPersonListPage(document, country, QStringLiteral("staff"), kManagerColumns,
                             {tr("Name"), tr("Funktion")}, parent),
      m_newMenu(new QMenu(this)) {
    setObjectName(QStringLiteral("CountryManagersPage"));
    m_newMenu->setObjectName(QStringLiteral("newMenu"));
    m_newMenu->addAction(tr("Neuer &Trainer"), this, &CCountryManagersPage::NewManager);
    m_newMenu->addAction(tr("Neuer &Mitarbeiter"), this, &CCountryManagersPage::NewStaffEntry);
    m_new->setMenu(m_newMenu);
    m_list->setAccessibleName(tr("Trainer- und Mitarbeiterliste"));
    m_new->setAccessibleName(tr("Neuer Trainer oder Mitarbeiter"));
    m_change->setAccessibleName(tr("Trainer oder Mitarbeiter ändern"));
    m_delete->setAccessibleName(tr("Trainer oder Mitarbeiter löschen"));
}

void CCountryManagersPage::Load() {
    const int row = m_list->currentRow();
    Fill(row >= 0 ? std::optional(m_refs[static_cast<std::size_t>(row)]) : std::nullopt,
         std::max(row, 0));
}

void CCountryManagersPage::Fill(const std::optional<SCountryStaffRef>& ref, int row) {
    m_list->clear();
    m_refs.clear();
    for (const SCountryStaffRow& staff : CountryStaffRows(m_document.World(), m_country)) {
        m_refs.push_back(staff.ref);
        m_list->AddRow(staff.text);
    }
    SelectRow(ref ? PositionOf(m_refs, *ref) : -1, row);
}

void CCountryManagersPage::NewManager() {
    const std::optional<CManager> manager =
        CDlgFurtherManager::Ask(m_document.World(), m_document.Language(),
                                BlankCountryManager(m_document.World(), m_country), this);
    if (!manager) {
        return;
    }
    if (const auto ref = AddCountryManager(m_document, m_country, *manager)) {
        Fill(ref, m_list->currentRow());
    }
}

void CCountryManagersPage::NewStaffEntry() {
    const std::optional<CStaffEntry> entry = CDlgStaffEntry::Ask(CStaffEntry(), this);
    if (!entry) {
        return;
    }
    if (const auto ref = AddCountryStaffEntry(m_document, m_country, *entry)) {
        Fill(ref, m_list->currentRow());
    }
}

void CCountryManagersPage::ChangeSelected() {
    const int row = m_list->currentRow();
    if (row < 0) {
        return;
    }
    const SCountryStaffRef ref = m_refs[static_cast<std::size_t>(row)];
    const CWorld& world = m_document.World();
    bool changed = false;
    if (ref.record == ECountryStaffRecord::kManager) {
        const std::optional<CManager> manager =
            CDlgFurtherManager::Ask(world, m_document.Language(), *world.Manager(ref.key), this);
        changed = manager && ReplaceCountryManager(m_document, m_country, ref.key, *manager);
    } else {
        const std::optional<CStaffEntry> entry =
            CDlgStaffEntry::Ask(world.Country(m_country).Staff().at(ref.key), this);
        changed = entry && ReplaceCountryStaffEntry(m_document, m_country, ref.key, *entry);
    }
    if (changed) {
        Fill(ref, row);
    }
}

void CCountryManagersPage::DeleteSelected() {
    const int row = m_list->currentRow();
    if (row >= 0 &&
        DeleteCountryStaff(m_document, m_country, m_refs[static_cast<std::size_t>(row)])) {
        Fill(std::nullopt, row);
    }
}

}  // namespace kw
