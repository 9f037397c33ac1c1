#include "editors/country/CountryYouthPage.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <optional>

#include "controls/MyListBox.h"
#include "document/DatabaseDocument.h"
#include "editing/CountryPoolCommands.h"
#include "editors/country/CountryPersonList.h"
#include "editors/country/DlgPoolEntry.h"
#include "model/Country.h"
#include "model/World.h"

namespace kw {

namespace {

// "Name", "Nationalität", "Fähigkeit", "Mannschaftsteil", "Bevorzugter Verein" in dialog units.
constexpr std::array kColumns = {SListColumn{0, 80}, SListColumn{80, 160}, SListColumn{160, 270},
                                 SListColumn{270, 350}, SListColumn{350, 480}};
constexpr std::size_t kNoSlot = static_cast<std::size_t>(-1);

}  // namespace

CCountryYouthPage::CCountryYouthPage(CDatabaseDocument& document, int country,
                                     const SCountryWindowContext& /*context*/, QWidget* parent)
    : CCountryPage(parent),
      m_document(document),
      m_country(country),
      m_list(new CMyListBox(this)),
      m_new(new QPushButton(QStringLiteral("&Neu"), this)),
      m_change(new QPushButton(QStringLiteral("\u00c4&ndern"), this)),
      m_delete(new QPushButton(QStringLiteral("&L\u00f6schen"), this)) {
    setObjectName(QStringLiteral("CountryYouthPage"));
    m_list->setObjectName(QStringLiteral("pool"));
    QHBoxLayout* header =
        PersonListHeadings(*m_list, kColumns,
                           {QStringLiteral("Name"), QStringLiteral("Nationalit\u00e4t"),
                            QStringLiteral("F\u00e4higkeit"), QStringLiteral("Mannschaftsteil"),
                            QStringLiteral("Bevorzugter Verein")},
                           this);
    QVBoxLayout* commands = PersonListCommands(*m_new, *m_change, *m_delete);
    connect(m_new, &QPushButton::clicked, this, &CCountryYouthPage::NewEntry);
    connect(m_change, &QPushButton::clicked, this, &CCountryYouthPage::ChangeSelected);
    connect(m_delete, &QPushButton::clicked, this, &CCountryYouthPage::DeleteSelected);
    OnRowActivated(*m_list, [this] { ChangeSelected(); });
    connect(m_list, &QListWidget::currentRowChanged, this, &CCountryYouthPage::EnableButtons);
    LayOutPersonList(*this, header, *m_list, commands);
}

void CCountryYouthPage::Load() {
    const int row = m_list->currentRow();
    Fill(row >= 0 ? m_slots[static_cast<std::size_t>(row)] : kNoSlot, std::max(row, 0));
}

void CCountryYouthPage::Fill(std::size_t slot, int row) {
    m_list->clear();
    m_slots.clear();
    for (const SPoolRow& pool : PoolRows(m_document.World(), m_country)) {
        m_slots.push_back(pool.slot);
        m_list->AddRow(pool.text);
    }
    const auto found = std::find(m_slots.begin(), m_slots.end(), slot);
    m_list->setCurrentRow(found != m_slots.end() ? static_cast<int>(found - m_slots.begin())
                                                 : std::min(row, m_list->count() - 1));
    EnableButtons();
}

void CCountryYouthPage::EnableButtons() {
    const bool selected = m_list->currentRow() >= 0;
    m_change->setEnabled(selected);
    m_delete->setEnabled(selected);
}

void CCountryYouthPage::NewEntry() {
    const std::optional<CPoolEntry> entry =
        CDlgPoolEntry::Ask(m_document.World(), BlankPoolEntry(m_country), this);
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
    const std::optional<CPoolEntry> entry = CDlgPoolEntry::Ask(
        m_document.World(), m_document.World().Country(m_country).PlayerPool().at(slot), this);
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
