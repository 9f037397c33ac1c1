#include "gui/editors/DlgPlayerWithoutClub.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <array>
#include <optional>

#include "document/DatabaseDocument.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/ListContextMenu.h"
#include "gui/editors/DlgSelectClub.h"
#include "model/World.h"

namespace kw {

namespace {

// "Name", "Nationalität", "Position", "Stärke": widths in dialog units (a quarter of the
// average character width each).
constexpr std::array kWithoutClubHeaders = {
    QT_TRANSLATE_NOOP("kw::CDlgPlayerWithoutClub", "Name"),
    QT_TRANSLATE_NOOP("kw::CDlgPlayerWithoutClub", "Nationalität"),
    QT_TRANSLATE_NOOP("kw::CDlgPlayerWithoutClub", "Position"),
    QT_TRANSLATE_NOOP("kw::CDlgPlayerWithoutClub", "Stärke")};
constexpr std::array kWidths = {140, 120, 56, 56};
constexpr int kPositionColumn = 2;
constexpr int kStrengthColumn = 3;

std::vector<std::uint32_t> RowIds(const std::vector<SWithoutClubRow>& rows) {
    std::vector<std::uint32_t> ids;
    ids.reserve(rows.size());
    for (const SWithoutClubRow& row : rows) {
        ids.push_back(row.personId);
    }
    return ids;
}

}  // namespace

CDlgPlayerWithoutClub::CDlgPlayerWithoutClub(CDatabaseDocument& document, int startCountry,
                                             QWidget* parent)
    : CDialogB(parent),
      m_document(document),
      m_startCountry(startCountry),
      m_list(new QTreeWidget(this)),
      m_move(new QPushButton(tr("&Wechsel zu Verein"), this)),
      m_delete(new QPushButton(tr("&Löschen"), this)) {
    setObjectName(QStringLiteral("DlgPlayerWithoutClub"));
    setWindowTitle(tr("Spieler ohne Verein"));

    m_list->setObjectName(QStringLiteral("players"));
    m_list->setAccessibleName(tr("Spieler ohne Verein"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    QStringList headers;
    for (const char* header : kWithoutClubHeaders) {
        headers << tr(header);
    }
    m_list->setHeaderLabels(headers);
    m_list->header()->setSectionsMovable(false);
    m_list->headerItem()->setTextAlignment(kPositionColumn, Qt::AlignCenter);
    m_list->headerItem()->setTextAlignment(kStrengthColumn, Qt::AlignRight | Qt::AlignVCenter);
    const int charWidth = m_list->fontMetrics().averageCharWidth();
    int total = 0;
    for (std::size_t column = 0; column < kWidths.size(); ++column) {
        const int width = kWidths[column] * charWidth / 4;
        m_list->setColumnWidth(static_cast<int>(column), width);
        total += width;
    }
    m_list->setMinimumSize(total + 4 * charWidth, m_list->fontMetrics().height() * 20);

    m_move->setObjectName(QStringLiteral("moveToClub"));
    m_delete->setObjectName(QStringLiteral("delete"));
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    close->setObjectName(QStringLiteral("buttons"));
    QPushButton* closeButton = close->button(QDialogButtonBox::Close);
    closeButton->setText(tr("Schließen"));
    // Enter closes the window rather than starting a command on the selection.
    m_move->setAutoDefault(false);
    m_delete->setAutoDefault(false);
    closeButton->setDefault(true);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* commands = new QHBoxLayout;
    commands->addWidget(m_move);
    commands->addWidget(m_delete);
    commands->addStretch(1);
    commands->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(commands);

    connect(m_list, &QTreeWidget::itemSelectionChanged, this,
            &CDlgPlayerWithoutClub::EnableButtons);
    connect(m_move, &QPushButton::clicked, this, &CDlgPlayerWithoutClub::MoveSelectedToClub);
    connect(m_delete, &QPushButton::clicked, this, &CDlgPlayerWithoutClub::DeleteSelected);
    ConnectContextMenu(*m_list, [this](const QPoint& at) {
        QMenu menu(this);
        AddMenuItemFromControl(menu, *m_move, m_move->isEnabled());
        AddMenuItemFromControl(menu, *m_delete, m_delete->isEnabled());
        menu.exec(at);
    });
    Rebuild();
    if (!m_rows.empty()) {
        m_list->setCurrentItem(m_list->topLevelItem(0));
    }
    EnableButtons();
    m_list->setFocus();
}

void CDlgPlayerWithoutClub::Show(CDatabaseDocument& document, int startCountry, QWidget* parent) {
    CDlgPlayerWithoutClub dialog(document, startCountry, parent);
    dialog.exec();
}

std::vector<std::uint32_t> CDlgPlayerWithoutClub::SelectedIds() const {
    std::vector<std::uint32_t> ids;
    for (int row = 0; row < m_list->topLevelItemCount(); ++row) {
        if (m_list->topLevelItem(row)->isSelected()) {
            ids.push_back(m_rows[static_cast<std::size_t>(row)].personId);
        }
    }
    return ids;
}

void CDlgPlayerWithoutClub::MoveSelectedToClub() {
    const std::vector<std::uint32_t> chosen = SelectedIds();
    if (chosen.empty()) {
        return;
    }
    const std::optional<std::uint32_t> club =
        CDlgSelectClub::Choose(m_document.World(), m_document.Language(), m_startCountry, this);
    if (!club) {
        return;
    }
    const std::vector<std::uint32_t> before = RowIds(m_rows);
    const int previousRow = m_list->indexOfTopLevelItem(m_list->currentItem());
    MoveWithoutClubPlayersToClub(m_document, chosen, *club);
    RebuildAfterCommand(before, previousRow);
}

void CDlgPlayerWithoutClub::DeleteSelected() {
    const std::vector<std::uint32_t> chosen = SelectedIds();
    if (chosen.empty()) {
        return;
    }
    const std::vector<std::uint32_t> before = RowIds(m_rows);
    const int previousRow = m_list->indexOfTopLevelItem(m_list->currentItem());
    DeleteWithoutClubPlayers(m_document, chosen);
    RebuildAfterCommand(before, previousRow);
}

void CDlgPlayerWithoutClub::Rebuild() {
    const CWorld& world = m_document.World();
    m_rows = WithoutClubRows(world, m_document.Language());
    m_list->clear();
    for (const SWithoutClubRow& row : m_rows) {
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(0, Cp1252ToQString(row.name));
        item->setText(1, Cp1252ToQString(row.nationality));
        item->setText(kPositionColumn, Cp1252ToQString(row.position));
        item->setTextAlignment(kPositionColumn, Qt::AlignCenter);
        item->setText(kStrengthColumn, Cp1252ToQString(WithoutClubStrengthText(row.strength)));
        item->setTextAlignment(kStrengthColumn, Qt::AlignRight | Qt::AlignVCenter);
    }
}

void CDlgPlayerWithoutClub::RebuildAfterCommand(const std::vector<std::uint32_t>& before,
                                                int previousRow) {
    Rebuild();
    const int row = WithoutClubRowAfterCommand(before, RowIds(m_rows), previousRow);
    if (row >= 0) {
        QTreeWidgetItem* item = m_list->topLevelItem(row);
        m_list->setCurrentItem(item);
        m_list->scrollToItem(item);
    }
    EnableButtons();
}

void CDlgPlayerWithoutClub::EnableButtons() {
    const bool selected = !m_list->selectedItems().isEmpty();
    m_move->setEnabled(selected);
    m_delete->setEnabled(selected);
}

}  // namespace kw
