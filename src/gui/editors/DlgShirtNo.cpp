#include "gui/editors/DlgShirtNo.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "gui/controls/ControlText.h"
#include "gui/controls/GuiStrings.h"
#include "gui/editors/ShirtNumberList.h"
#include "model/Player.h"

namespace kw {

namespace {

// Tall enough for the list's lines without scrolling.
void FitLines(CShirtNumberList& list, int lines) {
    const int line = std::max(list.fontMetrics().height(), list.sizeHintForRow(0));
    list.setMinimumHeight(line * lines + 2 * list.frameWidth());
}

}  // namespace

CDlgShirtNo::CDlgShirtNo(std::vector<CPlayer*> players, QWidget* parent)
    : CDialogB(parent),
      m_players(std::move(players)),
      m_unplaced(new CShirtNumberList),
      m_unplacedLabel(new QLabel(ResourceQString(ids::kWithoutShirtNumber))) {
    setObjectName(QStringLiteral("DlgShirtNo"));
    setWindowTitle(tr("Kickwerk 06 - Rückennummern"));
    for (const CPlayer* player : m_players) {
        m_numbers.push_back(player->ShirtNumbers()[kShirtNumberSlot]);
    }

    auto* lists = new QGridLayout;
    for (int i = 0; i < kShirtNumberLists; ++i) {
        auto* list = new CShirtNumberList;
        list->setObjectName(QStringLiteral("numbers%1").arg(i + 1));
        const int first = i * kShirtNumbersPerList + 1;
        const int last = first + kShirtNumbersPerList - 1;
        auto* label = new QLabel(QStringLiteral("&%1 - %2").arg(first).arg(last));
        label->setBuddy(list);
        // A list does not take its name from its buddy label.
        list->setAccessibleName(tr("Rückennummern %1 bis %2").arg(first).arg(last));
        lists->addWidget(label, 0, i);
        lists->addWidget(list, 1, i);
        m_lists[static_cast<std::size_t>(i)] = list;
    }
    m_unplaced->setObjectName(QStringLiteral("withoutNumber"));
    m_unplacedLabel->setBuddy(m_unplaced);
    m_unplaced->setAccessibleName(tr("Spieler ohne Rückennummer"));
    lists->addWidget(m_unplacedLabel, 2, 0, 1, kShirtNumberLists);
    lists->addWidget(m_unplaced, 3, 0, 1, kShirtNumberLists);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(ResourceQString(ids::kOk));
    buttons->button(QDialogButtonBox::Cancel)->setText(ResourceQString(ids::kCancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgShirtNo::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgShirtNo::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addWidget(buttons);

    for (CShirtNumberList* list : m_lists) {
        connect(list, &CShirtNumberList::PlayerDropped, this, &CDlgShirtNo::DropPlayer);
    }
    Fill();
    for (CShirtNumberList* list : m_lists) {
        FitLines(*list, kShirtNumbersPerList);
    }
}

CShirtNumberList& CDlgShirtNo::ListOf(int number) const {
    const int list = std::clamp((number - 1) / kShirtNumbersPerList, 0, kShirtNumberLists - 1);
    return *m_lists[static_cast<std::size_t>(list)];
}

void CDlgShirtNo::DropPlayer(int player, int number) {
    if (player < 0 || !DropOnShirtNumber(m_numbers, static_cast<std::size_t>(player), number)) {
        return;
    }
    Fill();
}

void CDlgShirtNo::Fill() {
    const SShirtPlacement placement = PlaceShirtNumbers(m_numbers);
    for (CShirtNumberList* list : m_lists) {
        list->clear();
    }
    for (int number = 1; number <= kMaxShirtNumber; ++number) {
        const int player = placement.holder[static_cast<std::size_t>(number)];
        const CPlayer* shown = player >= 0 ? m_players[static_cast<std::size_t>(player)] : nullptr;
        ListOf(number).AddLine(ShirtNumberRow(number, shown), number, player);
    }
    m_unplaced->clear();
    for (const int player : placement.unplaced) {
        m_unplaced->AddLine(ShirtNumberRow(0, m_players[static_cast<std::size_t>(player)]), 0,
                            player);
    }
    m_unplaced->setVisible(!placement.unplaced.empty());
    m_unplacedLabel->setVisible(!placement.unplaced.empty());
}

void CDlgShirtNo::accept() {
    for (std::size_t i = 0; i < m_players.size(); ++i) {
        if (m_numbers[i] != m_players[i]->ShirtNumbers()[kShirtNumberSlot]) {
            m_players[i]->SetShirtNumber(kShirtNumberSlot, static_cast<std::uint8_t>(m_numbers[i]));
        }
    }
    CDialogB::accept();
}

}  // namespace kw
