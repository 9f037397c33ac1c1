#include "gui/editors/DlgCalendar.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "competition/Competition.h"
#include "document/DatabaseDocument.h"
#include "editing/CalendarCheck.h"
#include "editing/LeagueComposition.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/DlgErrorMessage.h"
#include "gui/controls/DlgErrorSingle.h"
#include "gui/controls/GuiStrings.h"
#include "gui/controls/ValueScrollBar.h"
#include "model/Country.h"
#include "model/World.h"
#include "storage/Identifiers.h"

namespace kw {

namespace {

constexpr int kDateColumn = 0;
constexpr int kInternationalColumn = 1;
constexpr int kFirstCompetitionColumn = 2;
constexpr int kMonthsPerRow = 6;

// National-team days stand out: leagues must keep clear of them.
const QColor kNationalTeamDayColour(255, 205, 205);
const QColor kInternationalDayColour(215, 230, 255);

QTableWidgetItem* Cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

// The faults in the message list: "OK" (false: stay in the calendar) or "Egal" (true).
bool ChoseToPass(const SCalendarCheckResult& result, QWidget* parent) {
    CDlgErrorMessage messages(parent);
    messages.setObjectName(QStringLiteral("calendarFaults"));
    messages.SetButtonTexts(ids::kOk, ids::kNoMatter);
    if (result.headed) {
        messages.SetHeading(QStringToCp1252(QCoreApplication::translate(
            "kw::CDlgCalendar", "Die folgenden Fehler sind aufgetreten!")));
    }
    for (const std::string& line : result.lines) {
        messages.AddText(line);
    }
    return messages.exec() != QDialog::Accepted;
}

}  // namespace

CDlgCalendar::CDlgCalendar(CDatabaseDocument& document, int country, QWidget* parent)
    : CLiveEditDialog(document, QStringToCp1252(tr("Rahmenterminkalender")), parent),
      m_document(document),
      m_country(country) {
    setObjectName(QStringLiteral("DlgCalendar"));
    setWindowTitle(tr("Kickwerk 06 - Rahmenterminkalender"));
    setModal(true);

    auto* monthLayout = new QGridLayout;
    auto* monthGroup = new QButtonGroup(this);
    for (int month = 1; month <= 12; ++month) {
        auto* button = new QPushButton(Cp1252ToQString(MonthName(month)), this);
        button->setObjectName(QStringLiteral("month%1").arg(month));
        button->setCheckable(true);
        button->setAutoDefault(false);
        monthGroup->addButton(button, month);
        monthLayout->addWidget(button, (month - 1) / kMonthsPerRow, (month - 1) % kMonthsPerRow);
        m_months[static_cast<std::size_t>(month - 1)] = button;
    }
    connect(monthGroup, &QButtonGroup::idClicked, this, &CDlgCalendar::ShowMonth);

    m_seasonBar = new CValueScrollBar(EScrollDirection::Plain, Qt::Horizontal, this);
    m_seasonBar->setObjectName(QStringLiteral("season"));
    m_seasonBar->setAccessibleName(tr("Saison"));
    m_seasonBar->setRange(0, kCalendarViewCount - 1);
    m_seasonBar->setPageStep(1);
    m_seasonBar->setMinimumWidth(fontMetrics().averageCharWidth() * 16);
    m_seasonLabel = new QLabel(this);
    m_seasonLabel->setObjectName(QStringLiteral("seasonLabel"));
    connect(m_seasonBar, &CValueScrollBar::BarValueChanged, this, &CDlgCalendar::ShowCalendar);

    auto* modeLayout = new QVBoxLayout;
    const std::array<QString, 3> modeTexts = {tr("Spieltag nur für eine Liga"),
                                              tr("Spieltag für alle Ligen"),
                                              tr("Spieltag für gleiche Ligen")};
    for (std::size_t mode = 0; mode < m_modes.size(); ++mode) {
        m_modes[mode] = new QRadioButton(modeTexts[mode], this);
        m_modes[mode]->setObjectName(QStringLiteral("mode%1").arg(mode));
        modeLayout->addWidget(m_modes[mode]);
    }
    m_modes[0]->setChecked(true);
    auto* modeGroup = new QGroupBox(this);
    modeGroup->setLayout(modeLayout);

    m_comparison = new QComboBox(this);
    m_comparison->setObjectName(QStringLiteral("comparison"));
    // The empty first entry shows no comparison.
    m_comparison->addItem(QString());
    m_comparisonCountries =
        ComparisonCountries(m_document.World(), m_country, m_document.Language());
    for (const SComparisonCountry& other : m_comparisonCountries) {
        m_comparison->addItem(Cp1252ToQString(other.name), other.number);
    }
    connect(m_comparison, &QComboBox::currentIndexChanged, this, &CDlgCalendar::Fill);
    auto* comparisonLabel = new QLabel(tr("Vergleich mit Liga"), this);
    comparisonLabel->setBuddy(m_comparison);

    auto* seasonLayout = new QHBoxLayout;
    seasonLayout->addWidget(m_seasonBar);
    seasonLayout->addWidget(m_seasonLabel);
    seasonLayout->addStretch();
    auto* comparisonLayout = new QHBoxLayout;
    comparisonLayout->addWidget(comparisonLabel);
    comparisonLayout->addWidget(m_comparison, 1);
    auto* settings = new QVBoxLayout;
    settings->addLayout(seasonLayout);
    settings->addLayout(comparisonLayout);
    settings->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(monthLayout, 3);
    top->addLayout(settings, 1);
    top->addWidget(modeGroup);

    m_table = new QTableWidget(this);
    m_table->setObjectName(QStringLiteral("calendar"));
    m_table->setAccessibleName(tr("Kalender"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_table->verticalHeader()->hide();
    // A month fits on the screen: rows only as high as their text.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(m_table, &QTableWidget::cellClicked, this, &CDlgCalendar::Toggle);
    // Without a mouse: Space toggles the current cell.
    auto* toggle = new QAction(m_table);
    toggle->setShortcut(QKeySequence(Qt::Key_Space));
    toggle->setShortcutContext(Qt::WidgetShortcut);
    connect(toggle, &QAction::triggered, this,
            [this] { Toggle(m_table->currentRow(), m_table->currentColumn()); });
    m_table->addAction(toggle);

    m_check = new QPushButton(tr("&Prüfen"), this);
    m_check->setObjectName(QStringLiteral("check"));
    m_check->setAutoDefault(false);
    connect(m_check, &QPushButton::clicked, this, &CDlgCalendar::CheckOnDemand);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CDlgCalendar::accept);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(m_check);
    bottom->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_table, 1);
    layout->addLayout(bottom);

    setTabOrder(m_months.back(), m_seasonBar);
    setTabOrder(m_seasonBar, m_comparison);
    setTabOrder(m_comparison, m_modes[0]);
    setTabOrder(m_modes[2], m_table);
    setTabOrder(m_table, m_check);
    setTabOrder(m_check, ok);

    m_columns = CalendarColumns(m_document.World(), m_country, m_document.Language());
    m_seasonLabel->setText(Cp1252ToQString(kw::SeasonLabel(m_calendar)));
    m_months[static_cast<std::size_t>(m_month - 1)]->setChecked(true);
    Fill();
    resize(sizeHint().expandedTo(QSize(900, 600)));
}

void CDlgCalendar::Edit(CDatabaseDocument& document, int country, QWidget* parent) {
    if (country < 1 || country > kCountryCount) {
        return;
    }
    CDlgCalendar dialog(document, country, parent);
    dialog.exec();
}

void CDlgCalendar::ShowMonth(int month) {
    if (month < 1 || month > 12) {
        return;
    }
    m_month = month;
    m_months[static_cast<std::size_t>(month - 1)]->setChecked(true);
    Fill();
}

void CDlgCalendar::ShowCalendar(int calendar) {
    m_calendar = std::clamp(calendar, 0, kCalendarViewCount - 1);
    m_seasonLabel->setText(Cp1252ToQString(kw::SeasonLabel(m_calendar)));
    Fill();
}

int CDlgCalendar::ColumnOf(std::uint32_t competitionId) const {
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].competitionId == competitionId) {
            return kFirstCompetitionColumn + static_cast<int>(i);
        }
    }
    return -1;
}

int CDlgCalendar::RowOf(int day) const {
    const auto found = std::find(m_days.begin(), m_days.end(), day);
    return found == m_days.end() ? -1 : static_cast<int>(found - m_days.begin());
}

void CDlgCalendar::Fill() {
    const CWorld& world = m_document.World();
    m_days = MonthDays(m_calendar, m_month);
    const bool comparing = m_comparison->currentIndex() > 0;
    const int columns =
        kFirstCompetitionColumn + static_cast<int>(m_columns.size()) + (comparing ? 1 : 0);
    const int currentRow = m_table->currentRow();
    const int currentColumn = m_table->currentColumn();

    QStringList headers = {tr("Datum"), tr("Int. Wettb.")};
    for (const SCalendarColumn& column : m_columns) {
        headers.append(Cp1252ToQString(column.name));
    }
    if (comparing) {
        const int other = m_comparison->currentData().toInt();
        const CDBCompetition* league = world.Competition(MakeCompetitionId(other, kLeagueType, 0));
        headers.append(league != nullptr
                           ? tr("%1: %2", "country: its first league")
                                 .arg(m_comparison->currentText(),
                                      Cp1252ToQString(LeagueName(*league, m_document.Language())))
                           : m_comparison->currentText());
    }
    m_table->clear();
    m_table->setColumnCount(columns);
    m_table->setRowCount(static_cast<int>(m_days.size()));
    m_table->setHorizontalHeaderLabels(headers);

    const InternationalDayTable international = MergedInternationalDays(
        world.InternationalDays(), world.Country(m_country).Continent(), m_calendar);
    for (int row = 0; row < static_cast<int>(m_days.size()); ++row) {
        const int day = m_days[static_cast<std::size_t>(row)];
        QTableWidgetItem* date = Cell(Cp1252ToQString(DayText(m_calendar, day)));
        date->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        m_table->setItem(row, kDateColumn, date);
        FillInternational(row, day, international);
        for (std::size_t i = 0; i < m_columns.size(); ++i) {
            m_table->setItem(row, kFirstCompetitionColumn + static_cast<int>(i),
                             Cell(Cp1252ToQString(CompetitionCellText(
                                 world, m_columns[i].competitionId, m_calendar, day))));
        }
        if (comparing) {
            FillComparison(row, day);
        }
    }
    if (currentRow >= 0 && currentColumn >= 0) {
        m_table->setCurrentCell(std::min(currentRow, m_table->rowCount() - 1),
                                std::min(currentColumn, columns - 1));
    }
}

void CDlgCalendar::FillInternational(int row, int day, const InternationalDayTable& international) {
    const std::uint8_t code = international[static_cast<std::size_t>(day)];
    QTableWidgetItem* cell = Cell(Cp1252ToQString(InternationalDayText(code)));
    if (code != 0) {
        cell->setToolTip(QString::number(code));
        cell->setBackground(code == kNationalTeamDay ? kNationalTeamDayColour
                                                     : kInternationalDayColour);
        cell->setForeground(Qt::black);
    }
    m_table->setItem(row, kInternationalColumn, cell);
}

void CDlgCalendar::FillComparison(int row, int day) {
    const int other = m_comparison->currentData().toInt();
    QTableWidgetItem* cell = Cell(Cp1252ToQString(CompetitionCellText(
        m_document.World(), MakeCompetitionId(other, kLeagueType, 0), m_calendar, day)));
    cell->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
    m_table->setItem(row, kFirstCompetitionColumn + static_cast<int>(m_columns.size()), cell);
}

ECalendarMode CDlgCalendar::Mode() const {
    for (std::size_t mode = 0; mode < m_modes.size(); ++mode) {
        if (m_modes[mode]->isChecked()) {
            return static_cast<ECalendarMode>(mode);
        }
    }
    return ECalendarMode::kOneLeague;
}

void CDlgCalendar::Toggle(int row, int column) {
    const int index = column - kFirstCompetitionColumn;
    if (row < 0 || row >= static_cast<int>(m_days.size()) || index < 0 ||
        index >= static_cast<int>(m_columns.size())) {
        return;
    }
    if (ToggleCalendarDay(m_document, m_country,
                          m_columns[static_cast<std::size_t>(index)].competitionId, Mode(),
                          m_calendar, m_days[static_cast<std::size_t>(row)])) {
        Fill();
    }
}

void CDlgCalendar::CheckOnDemand() {
    const SCalendarCheckResult result = CheckCalendars(
        m_document.World(), m_country, ECalendarCheck::kOnDemand, m_document.Language());
    if (result.faultsListed) {
        ChoseToPass(result, this);
        return;
    }
    CDlgErrorSingle confirmation(this);
    confirmation.setObjectName(QStringLiteral("calendarSound"));
    for (const std::string& line : result.lines) {
        confirmation.AddText(line);
    }
    confirmation.exec();
}

bool CDlgCalendar::CheckBeforeClosing() {
    const SCalendarCheckResult result = CheckCalendars(
        m_document.World(), m_country, ECalendarCheck::kAtClose, m_document.Language());
    return !result.faultsListed || ChoseToPass(result, this);
}

void CDlgCalendar::accept() {
    if (CheckBeforeClosing()) {
        QDialog::accept();
    }
}

}  // namespace kw
