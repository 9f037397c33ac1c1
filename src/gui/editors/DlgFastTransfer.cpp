#include "gui/editors/DlgFastTransfer.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "document/DatabaseDocument.h"
#include "editing/FastTransfer.h"
#include "editing/SquadCommands.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/SmallControls.h"
#include "model/World.h"

namespace kw {

namespace {

// Shown after "Bisher" while no player is chosen or the chosen one is not found.
const QString kNoNumber = QStringLiteral("-");

void SelectData(QListWidget& list, int value) {
    for (int row = 0; row < list.count(); ++row) {
        if (list.item(row)->data(Qt::UserRole).toInt() == value) {
            list.setCurrentRow(row);
            list.scrollToItem(list.item(row));
            return;
        }
    }
    if (list.count() > 0) {
        list.setCurrentRow(0);
    }
}

}  // namespace

CDlgFastTransfer::CDlgFastTransfer(CDatabaseDocument& document, int country, QWidget* parent)
    : CDialogB(parent),
      m_document(document),
      m_sourceCountries(new QComboBox(this)),
      m_players(new QTreeWidget(this)),
      m_targetCountries(new QListWidget(this)),
      m_targetClubs(new QListWidget(this)),
      m_currentNumber(new QLabel(kNoNumber, this)),
      m_freeNumbers(new QComboBox(this)),
      m_transfer(new QPushButton(tr("Transfer durchführen"), this)) {
    setObjectName(QStringLiteral("DlgFastTransfer"));
    setWindowTitle(tr("Kickwerk 06 - Schnelle Transfers"));
    const CWorld& world = document.World();
    const int charWidth = fontMetrics().averageCharWidth();

    m_sourceCountries->setObjectName(QStringLiteral("country"));
    m_targetCountries->setObjectName(QStringLiteral("newCountry"));
    for (const SChoiceEntry& entry : ChoosableCountries(world, document.Language())) {
        m_sourceCountries->addItem(Cp1252ToQString(entry.text), entry.value);
        auto* item = new QListWidgetItem(Cp1252ToQString(entry.text), m_targetCountries);
        item->setData(Qt::UserRole, entry.value);
    }
    m_players->setObjectName(QStringLiteral("players"));
    m_players->setAccessibleName(tr("Spieler"));
    m_players->setRootIsDecorated(false);
    m_players->setUniformRowHeights(true);
    m_players->setAllColumnsShowFocus(true);
    m_players->setHeaderLabels({tr("Spieler (Verein)"), tr("Pos.")});
    m_players->header()->setSectionsMovable(false);
    m_players->setColumnWidth(0, 40 * charWidth);
    m_players->setMinimumSize(52 * charWidth, fontMetrics().height() * 22);
    // The country names are known now: the list is as wide as the longest; club names vary by
    // country and get room for the usual lengths.
    const int listExtra =
        style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2 * m_targetCountries->frameWidth() + 4;
    m_targetCountries->setMinimumWidth(m_targetCountries->sizeHintForColumn(0) + listExtra);
    m_targetClubs->setObjectName(QStringLiteral("newClub"));
    m_targetClubs->setMinimumWidth(34 * charWidth + listExtra);
    m_currentNumber->setObjectName(QStringLiteral("currentNumber"));
    m_freeNumbers->setObjectName(QStringLiteral("freeNumbers"));
    m_freeNumbers->setMinimumContentsLength(4);
    m_transfer->setObjectName(QStringLiteral("transfer"));

    auto* source = new QVBoxLayout;
    auto* sourceCountry = new QHBoxLayout;
    sourceCountry->addWidget(MakeBuddy(tr("Land"), m_sourceCountries, this));
    sourceCountry->addWidget(m_sourceCountries, 1);
    source->addLayout(sourceCountry);
    source->addWidget(m_players, 1);

    auto* numbers = new QGroupBox(tr("Rückennummer"), this);
    auto* numberForm = new QFormLayout(numbers);
    numberForm->addRow(tr("Bisher"), m_currentNumber);
    numberForm->addRow(MakeBuddy(tr("Verfügbar"), m_freeNumbers, this), m_freeNumbers);

    auto* target = new QVBoxLayout;
    auto* targetLists = new QHBoxLayout;
    auto* countryColumn = new QVBoxLayout;
    // Screen readers do not name a list by its buddy: the label's text names it.
    const QString newCountry = tr("Neues Land");
    const QString newClub = tr("Neuer Verein");
    m_targetCountries->setAccessibleName(newCountry);
    m_targetClubs->setAccessibleName(newClub);
    countryColumn->addWidget(MakeBuddy(newCountry, m_targetCountries, this));
    countryColumn->addWidget(m_targetCountries, 1);
    auto* clubColumn = new QVBoxLayout;
    clubColumn->addWidget(MakeBuddy(newClub, m_targetClubs, this));
    clubColumn->addWidget(m_targetClubs, 1);
    targetLists->addLayout(countryColumn);
    targetLists->addLayout(clubColumn);
    target->addLayout(targetLists, 1);
    target->addWidget(numbers);

    auto* lists = new QHBoxLayout;
    lists->addLayout(source, 1);
    lists->addLayout(target, 1);

    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    close->setObjectName(QStringLiteral("buttons"));
    close->button(QDialogButtonBox::Close)->setText(tr("Schließen"));
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_transfer->setAutoDefault(false);
    auto* commands = new QHBoxLayout;
    commands->addWidget(m_transfer);
    commands->addStretch(1);
    commands->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(commands);

    m_sourceCountries->setCurrentIndex(
        std::max(0, m_sourceCountries->findData(ValidCountry(country))));
    SelectData(*m_targetCountries, ValidCountry(country));
    FillPlayers();
    FillClubs();

    connect(m_sourceCountries, &QComboBox::currentIndexChanged, this,
            &CDlgFastTransfer::FillPlayers);
    connect(m_players, &QTreeWidget::itemSelectionChanged, this,
            &CDlgFastTransfer::ShowCurrentNumber);
    connect(m_targetCountries, &QListWidget::itemSelectionChanged, this,
            &CDlgFastTransfer::FillClubs);
    connect(m_targetClubs, &QListWidget::itemSelectionChanged, this,
            &CDlgFastTransfer::FillFreeNumbers);
    connect(m_transfer, &QPushButton::clicked, this, &CDlgFastTransfer::Transfer);
    m_sourceCountries->setFocus();
}

void CDlgFastTransfer::Show(CDatabaseDocument& document, int country, QWidget* parent) {
    CDlgFastTransfer dialog(document, country, parent);
    dialog.exec();
}

int CDlgFastTransfer::SourceCountry() const {
    return m_sourceCountries->currentData().toInt();
}

int CDlgFastTransfer::TargetCountry() const {
    const QListWidgetItem* item = m_targetCountries->currentItem();
    return item != nullptr && item->isSelected() ? item->data(Qt::UserRole).toInt() : 0;
}

std::uint32_t CDlgFastTransfer::ChosenPlayer() const {
    const QList<QTreeWidgetItem*> selected = m_players->selectedItems();
    return selected.isEmpty() ? 0 : selected.front()->data(0, Qt::UserRole).toUInt();
}

std::uint32_t CDlgFastTransfer::ChosenClub() const {
    const QListWidgetItem* item = m_targetClubs->currentItem();
    return item != nullptr && item->isSelected() ? item->data(Qt::UserRole).toUInt() : 0;
}

void CDlgFastTransfer::Transfer() {
    const SFastTransfer transfer{SourceCountry(), ChosenPlayer(), ChosenClub(),
                                 m_freeNumbers->currentData().toInt()};
    if (!PerformFastTransfer(m_document, transfer)) {
        return;
    }
    FillPlayers();
    FillFreeNumbers();
}

void CDlgFastTransfer::FillPlayers() {
    const CWorld& world = m_document.World();
    const QSignalBlocker blocker(m_players);
    m_players->clear();
    for (const SChoiceEntry& entry :
         FastTransferPlayers(world, SourceCountry(), m_document.Language())) {
        const std::string_view text = entry.text;
        const std::size_t tab = text.find('\t');
        auto* item = new QTreeWidgetItem(m_players);
        item->setText(0, Cp1252ToQString(text.substr(0, tab)));
        if (tab != std::string_view::npos) {
            item->setText(1, Cp1252ToQString(text.substr(tab + 1)));
        }
        item->setData(0, Qt::UserRole, entry.value);
    }
    ShowCurrentNumber();
}

void CDlgFastTransfer::ShowCurrentNumber() {
    const std::optional<int> number =
        FastTransferCurrentNumber(m_document.World(), SourceCountry(), ChosenPlayer());
    m_currentNumber->setText(number ? QString::number(*number) : kNoNumber);
}

void CDlgFastTransfer::FillClubs() {
    const CWorld& world = m_document.World();
    const QSignalBlocker blocker(m_targetClubs);
    m_targetClubs->clear();
    const int country = TargetCountry();
    if (country != 0) {
        for (const SChoiceEntry& entry :
             ChoosableClubs(world.Country(country), m_document.Language(), false)) {
            auto* item = new QListWidgetItem(Cp1252ToQString(entry.text), m_targetClubs);
            item->setData(Qt::UserRole, entry.value);
        }
    }
    FillFreeNumbers();
}

void CDlgFastTransfer::FillFreeNumbers() {
    m_freeNumbers->clear();
    const CClub* club = FindLiveClub(m_document.World(), ChosenClub());
    if (club == nullptr) {
        return;
    }
    for (const int number : FreeShirtNumbers(*club)) {
        m_freeNumbers->addItem(QString::number(number), number);
    }
    // The lowest free number is the chosen one.
    m_freeNumbers->setCurrentIndex(m_freeNumbers->count() > 0 ? 0 : -1);
}

}  // namespace kw
