#include "editors/country/CountryManagersPage.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

#include "controls/MyListBox.h"
#include "document/DatabaseDocument.h"
#include "editors/country/CountryPersonList.h"
#include "editors/country/DlgFurtherManager.h"
#include "editors/country/DlgStaffEntry.h"
#include "model/Country.h"
#include "model/World.h"

namespace kw {

namespace {

// "Name" and "Funktion" in dialog units.
constexpr std::array kColumns = {SListColumn{0, 120}, SListColumn{120, 240}};

}  // namespace

CCountryManagersPage::CCountryManagersPage(CDatabaseDocument& document, int country,
                                           const SCountryWindowContext& /*context*/,
                                           QWidget* parent)
    : CCountryPage(parent),
      m_document(document),
      m_country(country),
      m_list(new CMyListBox(this)),
      m_new(new QPushButton(QStringLiteral("&Neu"), this)),
      m_change(new QPushButton(QStringLiteral("\u00c4&ndern"), this)),
      m_delete(new QPushButton(QStringLiteral("&L\u00f6schen"), this)),
      m_newMenu(new QMenu(this)) {
    setObjectName(QStringLiteral("CountryManagersPage"));
    m_list->setObjectName(QStringLiteral("staff"));
    QHBoxLayout* header = PersonListHeadings(
        *m_list, kColumns, {QStringLiteral("Name"), QStringLiteral("Funktion")}, this);
    QVBoxLayout* commands = PersonListCommands(*m_new, *m_change, *m_delete);
    m_newMenu->setObjectName(QStringLiteral("newMenu"));
    m_newMenu->addAction(QStringLiteral("Neuer &Trainer"), this, &CCountryManagersPage::NewManager);
    m_newMenu->addAction(QStringLiteral("Neuer &Mitarbeiter"), this,
                         &CCountryManagersPage::NewStaffEntry);
    m_new->setMenu(m_newMenu);
    connect(m_change, &QPushButton::clicked, this, &CCountryManagersPage::ChangeSelected);
    connect(m_delete, &QPushButton::clicked, this, &CCountryManagersPage::DeleteSelected);
    OnRowActivated(*m_list, [this] { ChangeSelected(); });
    connect(m_list, &QListWidget::currentRowChanged, this, &CCountryManagersPage::EnableButtons);
    LayOutPersonList(*this, header, *m_list, commands);
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
    const auto found = ref ? std::find(m_refs.begin(), m_refs.end(), *ref) : m_refs.end();
    m_list->setCurrentRow(found != m_refs.end() ? static_cast<int>(found - m_refs.begin())
                                                : std::min(row, m_list->count() - 1));
    EnableButtons();
}

void CCountryManagersPage::EnableButtons() {
    const bool selected = m_list->currentRow() >= 0;
    m_change->setEnabled(selected);
    m_delete->setEnabled(selected);
}

void CCountryManagersPage::NewManager() {
    const std::optional<CManager> manager = CDlgFurtherManager::Ask(
        m_document.World(), BlankCountryManager(m_document.World(), m_country), this);
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
            CDlgFurtherManager::Ask(world, *world.Manager(ref.key), this);
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
