#include "gui/editors/DlgManagerList.h"

#include <QMenu>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

#include <array>
#include <optional>

#include "document/DatabaseDocument.h"
#include "editing/SquadChoices.h"
#include "editing/SquadCommands.h"
#include "editing/StaffCommands.h"
#include "editing/StaffKinds.h"
#include "editing/StaffList.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/MyListBox.h"
#include "gui/editors/DlgPlayerSelect.h"
#include "gui/editors/DlgSelectClub.h"
#include "model/Club.h"
#include "model/World.h"
#include "storage/Identifiers.h"

namespace kw {

namespace {

// Name and role; in dialog units.
constexpr std::array kManagerColumns = {SListColumn{0, 110}, SListColumn{110, 208}};

}  // namespace

CDlgManagerList::CDlgManagerList(CDatabaseDocument& document, std::uint32_t clubId, QWidget* parent)
    : QWidget(parent), m_document(document), m_clubId(clubId), m_list(new CMyListBox(this)) {
    setObjectName(QStringLiteral("DlgManagerList"));
    m_list->setObjectName(QStringLiteral("staff"));
    m_list->setAccessibleName(tr("Personal"));
    m_list->SetColumns({kManagerColumns.begin(), kManagerColumns.end()});
    // Name and role in full beside a scroll bar.
    m_list->setMinimumWidth(
        m_list->fontMetrics().averageCharWidth() * kManagerColumns.back().end / 4 +
        m_list->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2 * m_list->frameWidth());
    connect(m_list, &QListWidget::currentRowChanged, this,
            [this] { emit personChosen(CurrentPerson()); });
    connect(m_list, &CMyListBox::ContextMenuRequested, this,
            [this](const QPoint& position) { Menu()->exec(position); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list);
    Rebuild();
}

void CDlgManagerList::Rebuild() {
    const std::uint32_t current = CurrentPerson();
    const QSignalBlocker blocker(m_list);
    m_list->clear();
    const CClub* club = FindLiveClub(m_document.World(), m_clubId);
    if (club == nullptr) {
        return;
    }
    for (const SChoiceEntry& row : SquadStaffRows(*club)) {
        const int index = m_list->AddRow(row.text);
        m_list->item(index)->setData(Qt::UserRole, row.value);
        if (row.value == current) {
            m_list->setCurrentRow(index);
        }
    }
}

void CDlgManagerList::SelectPerson(std::uint32_t personId) {
    const QSignalBlocker blocker(m_list);
    m_list->setCurrentRow(-1);
    for (int row = 0; row < m_list->count(); ++row) {
        if (personId != 0 && m_list->item(row)->data(Qt::UserRole).toUInt() == personId) {
            m_list->setCurrentRow(row);
            m_list->scrollToItem(m_list->item(row));
        }
    }
}

std::uint32_t CDlgManagerList::CurrentPerson() const {
    const QListWidgetItem* item = m_list->currentItem();
    return item != nullptr && m_list->currentRow() >= 0 ? item->data(Qt::UserRole).toUInt() : 0;
}

std::unique_ptr<QMenu> CDlgManagerList::Menu() {
    const CClub* club = FindLiveClub(m_document.World(), m_clubId);
    const bool selected = CurrentPerson() != 0;
    auto menu = std::make_unique<QMenu>(this);
    menu->setObjectName(QStringLiteral("staffMenu"));
    for (int kind = kFirstStaffKind; kind <= kLastStaffKind; ++kind) {
        menu->addAction(Cp1252ToQString(NewStaffCommandText(kind)), this,
                        [this, kind] { NewPerson(kind); })
            ->setEnabled(club != nullptr && CanCreateStaffKind(*club, kind));
    }
    menu->addSeparator();
    menu->addAction(tr("Person transferieren"), this, &CDlgManagerList::TransferPerson)
        ->setEnabled(selected);
    menu->addAction(tr("Person holen"), this, &CDlgManagerList::FetchPerson)
        ->setEnabled(club != nullptr && CanReceivePerson(*club));
    menu->addAction(tr("Eintrag löschen"), this, &CDlgManagerList::DeletePerson)
        ->setEnabled(selected);
    return menu;
}

void CDlgManagerList::NewPerson(int kind) {
    emit aboutToChange();
    const std::uint32_t id = NewStaffPerson(m_document, m_clubId, kind);
    if (id != 0) {
        Changed(id);
    }
}

void CDlgManagerList::TransferPerson() {
    emit aboutToChange();
    const std::uint32_t person = CurrentPerson();
    if (person == 0) {
        return;
    }
    const std::optional<std::uint32_t> target = CDlgSelectClub::Choose(
        m_document.World(), m_document.Language(), ClubCountry(m_clubId), this);
    if (target && TransferStaffPerson(m_document, m_clubId, person, *target)) {
        Changed(0);
    }
}

void CDlgManagerList::FetchPerson() {
    emit aboutToChange();
    const std::optional<std::uint32_t> chosen =
        CDlgPlayerSelect::Choose(m_document.World(), m_document.Language(), ClubCountry(m_clubId),
                                 this, EPersonChoice::kStaff);
    if (chosen && FetchStaffPerson(m_document, m_clubId, *chosen)) {
        Changed(*chosen);
    }
}

void CDlgManagerList::DeletePerson() {
    emit aboutToChange();
    const std::uint32_t person = CurrentPerson();
    if (person != 0 && DeleteStaffPerson(m_document, m_clubId, person)) {
        Changed(0);
    }
}

void CDlgManagerList::Changed(std::uint32_t personId) {
    Rebuild();
    SelectPerson(personId);
    emit clubChanged();
    emit personChosen(personId);
}

}  // namespace kw
