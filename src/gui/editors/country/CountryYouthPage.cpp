#include "gui/editors/country/CountryYouthPage.h"

#include <QPushButton>

#include <algorithm>
#include <array>
#include <optional>

#include "document/DatabaseDocument.h"
#include "editing/CountryPoolCommands.h"
#include "gui/controls/MyListBox.h"
#include "gui/editors/country/DlgPoolEntry.h"
#include "model/Country.h"
#include "model/World.h"

namespace kw {

namespace {

// "Name", "Nationalität", "Fähigkeit", "Mannschaftsteil", "Bevorzugter Verein" in dialog units.
constexpr std::array kYouthColumns = {SListColumn{0, 80}, SListColumn{80, 160},
                                      SListColumn{160, 270}, SListColumn{270, 350},
                                      SListColumn{350, 480}};
constexpr std::size_t kNoSlot = static_cast<std::size_t>(-1);

}  // namespace

CCountryYouthPage::CCountryYouthPage(CDatabaseDocument& document, int country,
                                     const SCountryWindowContext& /*context*/, QWidget* parent)
    : CCountryPersonListPage(document, country, QStringLiteral("pool"), kYouthColumns,
                             {tr("Name"), tr("Nationalität"), tr("Fähigkeit"),
                              tr("Mannschaftsteil"), tr("Bevorzugter Verein")},
                             parent) {
    setObjectName(QStringLiteral("CountryYouthPage"));
    m_list->setAccessibleName(tr("Jugendspielerliste"));
    m_new->setAccessibleName(tr("Neuer Jugendspieler"));
    m_change->setAccessibleName(tr("Jugendspieler ändern"));
    m_delete->setAccessibleName(tr("Jugendspieler löschen"));
    connect(m_new, &QPushButton::clicked, this, &CCountryYouthPage::NewEntry);
}

void CCountryYouthPage::Load() {
    const int row = m_list->currentRow();
    Fill(row >= 0 ? m_slots[static_cast<std::size_t>(row)] : kNoSlot, std::max(row, 0));
}

void CCountryYouthPage::Fill(std::size_t slot, int row) {
    m_list->clear();
    m_slots.clear();
    for (const SPoolRow& pool : PoolRows(m_document.World(), m_country, m_document.Language())) {
        m_slots.push_back(pool.slot);
        m_list->AddRow(pool.text);
    }
    SelectRow(PositionOf(m_slots, slot), row);
}

void CCountryYouthPage::NewEntry() {
    const std::optional<CPoolEntry> entry = CDlgPoolEntry::Ask(
        m_document.World(), m_document.Language(), BlankPoolEntry(m_country), this);
    if (!entry) {
        return;
    }
    if (const std::optional<std::size_t> slot = AddPoolEntry(m_document, m_country, *entry)) {
        Fill(*slot, m_list->currentRow());
    }
}

void CCountryYouthPage::ChangeSelected() {
    const int row = m_list->currentRow();
    if (row < 0) {
        return;
    }
    const std::size_t slot = m_slots[static_cast<std::size_t>(row)];
    const std::optional<CPoolEntry> entry =
        CDlgPoolEntry::Ask(m_document.World(), m_document.Language(),
                           m_document.World().Country(m_country).PlayerPool().at(slot), this);
    if (entry && ReplacePoolEntry(m_document, m_country, slot, *entry)) {
        Fill(slot, row);
    }
}

void CCountryYouthPage::DeleteSelected() {
    const int row = m_list->currentRow();
    if (row >= 0 &&
        RemovePoolEntry(m_document, m_country, m_slots[static_cast<std::size_t>(row)])) {
        Fill(m_slots.size(), row);
    }
}

}  // namespace kw
