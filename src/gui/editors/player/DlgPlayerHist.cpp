#include "gui/editors/player/DlgPlayerHist.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

#include "document/DatabaseDocument.h"
#include "editing/PlayerContractRules.h"
#include "editing/PlayerHistoryRules.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/MyListBox.h"
#include "gui/controls/NotStoredValue.h"
#include "gui/controls/SpinEditCtrl.h"
#include "gui/editors/player/DateSpinFields.h"
#include "gui/editors/player/PageFields.h"
#include "gui/editors/player/PageTyping.h"
#include "model/World.h"

namespace kw {

namespace {

// The list's columns in dialog units: club, start, end, games, goals, loan.
constexpr std::array<SListColumn, 6> kCareerColumns = {{
    {0, 120, EColumnAlign::Left},
    {124, 170, EColumnAlign::Left},
    {174, 220, EColumnAlign::Left},
    {224, 250, EColumnAlign::Right},
    {254, 276, EColumnAlign::Right},
    {282, 320, EColumnAlign::Centre},
}};

// The headings and the columns each spans ("Zeitraum" over start and end).
struct SHeading {
    const char* text;
    std::size_t first;
    std::size_t last;
};
constexpr std::array<SHeading, 5> kHeadings = {{
    {QT_TRANSLATE_NOOP("kw::CDlgPlayerHist", "Verein"), 0, 0},
    {QT_TRANSLATE_NOOP("kw::CDlgPlayerHist", "Zeitraum"), 1, 2},
    {QT_TRANSLATE_NOOP("kw::CDlgPlayerHist", "Spiele"), 3, 3},
    {QT_TRANSLATE_NOOP("kw::CDlgPlayerHist", "Tore"), 4, 4},
    {QT_TRANSLATE_NOOP("kw::CDlgPlayerHist", "Geliehen"), 5, 5},
}};

CSpinEditCtrl* MakeSpin(QWidget* parent, const QString& name, int maximum) {
    auto* spin = new CSpinEditCtrl(parent);
    spin->setObjectName(name);
    spin->SetRange(0, maximum);
    FitSpinToDigits(*spin, static_cast<int>(QString::number(maximum).size()));
    return spin;
}

}  // namespace

CDlgPlayerHist::CDlgPlayerHist(SPlayerEditContext& context, QWidget* parent)
    : CPlayerPage(context, parent) {
    setObjectName(QStringLiteral("DlgPlayerHist"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeStatisticsBox());
    layout->addWidget(MakeCareerHeader());
    m_career = new CMyListBox(this);
    m_career->setObjectName(QStringLiteral("career"));
    m_career->setAccessibleName(tr("Karriere"));
    m_career->SetColumns({kCareerColumns.begin(), kCareerColumns.end()});
    m_career->setMinimumWidth(
        m_career->fontMetrics().averageCharWidth() * kCareerColumns.back().end / 4 + 40);
    layout->addWidget(m_career, 1);
    layout->addWidget(MakeEntryBox());
    connect(m_career, &QListWidget::currentRowChanged, this, &CDlgPlayerHist::RowChosen);
    ShowEntry();
}

QGroupBox* CDlgPlayerHist::MakeStatisticsBox() {
    auto* box = new QGroupBox(tr("Statistische Daten"), this);
    auto* grid = new QGridLayout(box);
    m_firstClub = MakeClubNameLabel(box, QStringLiteral("firstClub"));
    const QString firstClub = tr("Erster Verein");
    auto* chooseFirst = MakeChooseClubButton(box, QStringLiteral("chooseFirstClub"), firstClub);
    AddFieldRow(grid, firstClub, m_firstClub, chooseFirst);
    m_lastClub = MakeClubNameLabel(box, QStringLiteral("lastClub"));
    const QString lastClub = tr("Letzter Verein");
    auto* chooseLast = MakeChooseClubButton(box, QStringLiteral("chooseLastClub"), lastClub);
    AddFieldRow(grid, lastClub, m_lastClub, chooseLast);
    connect(chooseFirst, &QPushButton::clicked, this, [this] { ChooseClub(m_firstClubId); });
    connect(chooseLast, &QPushButton::clicked, this, [this] { ChooseClub(m_lastClubId); });
    m_contractStart = new CDateSpinFields(kContractStartYears, box);
    m_contractStart->setObjectName(QStringLiteral("contractStart"));
    AddFieldRow(grid, tr("&Start des Vertrages"), m_contractStart);

    // The record has no field for caps and international goals.
    m_caps = MakeSpin(box, QStringLiteral("caps"), kMaxLeagueGames);
    m_capGoals = MakeSpin(box, QStringLiteral("capGoals"), kMaxCareerGoals);
    ShowNotStored(*m_caps);
    ShowNotStored(*m_capGoals);
    auto* capsRow = new QHBoxLayout;
    capsRow->addWidget(m_caps);
    auto* goalsLabel = new QLabel(tr("Tore"), box);
    goalsLabel->setBuddy(m_capGoals);
    // "Tore" alone would not tell these goals from the career entry's.
    NameTypingFields(*m_capGoals, tr("Tore in Länderspielen"));
    capsRow->addWidget(goalsLabel);
    capsRow->addWidget(m_capGoals);
    capsRow->addStretch(1);
    auto* capsLabel = new QLabel(tr("Länderspiele"), box);
    capsLabel->setBuddy(m_caps);
    NameTypingFields(*m_caps, capsLabel->text());
    const int capsLine = grid->rowCount();
    grid->addWidget(capsLabel, capsLine, 0);
    grid->addLayout(capsRow, capsLine, 1, 1, 2);

    m_inNationalTeam = new QCheckBox(tr("Derzeit in der &Nationalmannschaft"), box);
    m_inNationalTeam->setObjectName(QStringLiteral("inNationalTeam"));
    m_retiredFromNationalTeam =
        new QCheckBox(tr("&Möchte nicht mehr für Nationalmannschaft spielen"), box);
    m_retiredFromNationalTeam->setObjectName(QStringLiteral("retiredFromNationalTeam"));
    grid->addWidget(m_inNationalTeam, grid->rowCount(), 0, 1, 3);
    grid->addWidget(m_retiredFromNationalTeam, grid->rowCount(), 0, 1, 3);
    grid->setColumnStretch(1, 1);
    return box;
}

QWidget* CDlgPlayerHist::MakeCareerHeader() {
    auto* header = new QWidget(this);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    const int unit = std::max(1, header->fontMetrics().averageCharWidth());
    for (const SHeading& heading : kHeadings) {
        auto* label = new QLabel(tr(heading.text), header);
        const int end = heading.last + 1 < kCareerColumns.size()
                            ? kCareerColumns[heading.last + 1].start
                            : kCareerColumns[heading.last].end;
        label->setFixedWidth((end - kCareerColumns[heading.first].start) * unit / 4);
        row->addWidget(label);
    }
    row->addStretch(1);
    return header;
}

QGroupBox* CDlgPlayerHist::MakeEntryBox() {
    m_entryBox = new QGroupBox(tr("Eintrag"), this);
    auto* grid = new QGridLayout(m_entryBox);
    m_entryClub = MakeClubNameLabel(m_entryBox, QStringLiteral("entryClub"));
    auto* chooseEntryClub =
        MakeChooseClubButton(m_entryBox, QStringLiteral("chooseEntryClub"), m_entryBox->title());
    AddFieldRow(grid, tr("Verein"), m_entryClub, chooseEntryClub);
    connect(chooseEntryClub, &QPushButton::clicked, this, &CDlgPlayerHist::ChooseEntryClub);
    m_entryStart = new CDateSpinFields(kCareerYears, m_entryBox);
    m_entryStart->setObjectName(QStringLiteral("entryStart"));
    m_entryEnd = new CDateSpinFields(kCareerYears, m_entryBox);
    m_entryEnd->setObjectName(QStringLiteral("entryEnd"));
    AddFieldRow(grid, tr("S&tartdatum"), m_entryStart);
    AddFieldRow(grid, tr("&Enddatum"), m_entryEnd);
    m_entryGames = MakeSpin(m_entryBox, QStringLiteral("entryGames"), kMaxLeagueGames);
    m_entryGoals = MakeSpin(m_entryBox, QStringLiteral("entryGoals"), kMaxCareerGoals);
    AddFieldRow(grid, tr("&Ligaspiele"), m_entryGames);
    AddFieldRow(grid, tr("T&ore"), m_entryGoals);
    m_entryLoan = new QCheckBox(tr("&ausgeliehen"), m_entryBox);
    m_entryLoan->setObjectName(QStringLiteral("entryLoan"));
    grid->addWidget(m_entryLoan, grid->rowCount(), 0, 1, 3);
    grid->setColumnStretch(1, 1);

    connect(m_entryStart, &CDateSpinFields::DateEdited, this, &CDlgPlayerHist::EntryEdited);
    connect(m_entryEnd, &CDateSpinFields::DateEdited, this, &CDlgPlayerHist::EntryEdited);
    connect(m_entryGames, &CSpinEditCtrl::SpinEditChanged, this, &CDlgPlayerHist::EntryEdited);
    connect(m_entryGoals, &CSpinEditCtrl::SpinEditChanged, this, &CDlgPlayerHist::EntryEdited);
    connect(m_entryLoan, &QCheckBox::toggled, this, &CDlgPlayerHist::EntryEdited);
    return m_entryBox;
}

void CDlgPlayerHist::LoadPage(const CPlayer* player) {
    m_loadedFirstClub = player != nullptr ? player->FirstClub() : 0;
    m_loadedLastClub = player != nullptr ? player->PreviousClub() : 0;
    m_firstClubId = m_loadedFirstClub;
    m_lastClubId = m_loadedLastClub;
    ShowClubs();
    m_contractStart->Load(player != nullptr ? player->ContractStart() : CDate());
    const std::uint8_t flags =
        player != nullptr ? player->NationalTeamBytes()[kNationalFlagsByte] : 0;
    m_inNationalTeam->setChecked((flags & kInNationalTeamBit) != 0);
    m_retiredFromNationalTeam->setChecked((flags & kNationalTeamRetiredBit) != 0);
    m_loadedInNationalTeam = m_inNationalTeam->isChecked();
    m_loadedRetired = m_retiredFromNationalTeam->isChecked();
    m_loadedCareer = player != nullptr ? player->History() : std::vector<SHistoryEntry>();
    m_editedCareer = m_loadedCareer;
    FillCareer(m_editedCareer.empty()
                   ? -1
                   : static_cast<std::ptrdiff_t>(CareerDisplayOrder(m_editedCareer).front()));
}

void CDlgPlayerHist::StoreInto(CPlayer& copy) const {
    FinishTyping(*this);
    if (m_contractStart->IsChanged()) {
        copy.SetContractStart(m_contractStart->Date());
    }
    if (m_firstClubId != m_loadedFirstClub) {
        copy.SetFirstClub(m_firstClubId);
    }
    if (m_lastClubId != m_loadedLastClub) {
        copy.SetPreviousClub(m_lastClubId);
    }
    std::uint8_t flags = copy.NationalTeamBytes()[kNationalFlagsByte];
    if (m_inNationalTeam->isChecked() != m_loadedInNationalTeam) {
        flags =
            static_cast<std::uint8_t>(m_inNationalTeam->isChecked() ? flags | kInNationalTeamBit
                                                                    : flags & ~kInNationalTeamBit);
    }
    if (m_retiredFromNationalTeam->isChecked() != m_loadedRetired) {
        flags = static_cast<std::uint8_t>(m_retiredFromNationalTeam->isChecked()
                                              ? flags | kNationalTeamRetiredBit
                                              : flags & ~kNationalTeamRetiredBit);
    }
    copy.SetNationalTeamByte(kNationalFlagsByte, flags);
    std::vector<SHistoryEntry>& career = copy.History();
    const std::size_t count = std::min(career.size(), m_editedCareer.size());
    for (std::size_t entry = 0; entry < count; ++entry) {
        WriteChangedEntryFields(m_loadedCareer[entry], m_editedCareer[entry], career[entry]);
    }
}

void CDlgPlayerHist::ShowClubs() {
    const CWorld& world = Context().document.World();
    const int language = Context().document.Language();
    m_firstClub->setText(Cp1252ToQString(ShownClubName(world, m_firstClubId, language)));
    m_lastClub->setText(Cp1252ToQString(ShownClubName(world, m_lastClubId, language)));
}

void CDlgPlayerHist::ChooseClub(std::uint32_t& reference) {
    if (const std::optional<std::uint32_t> chosen = ChooseClubReference(reference)) {
        reference = *chosen;
        ShowClubs();
    }
}

void CDlgPlayerHist::ChooseEntryClub() {
    FinishTyping(*this);
    if (m_entry < 0) {
        return;
    }
    const auto index = static_cast<std::size_t>(m_entry);
    if (const std::optional<std::uint32_t> chosen =
            ChooseClubReference(m_editedCareer[index].club)) {
        m_editedCareer[index].club = *chosen;
        // The row shows the new club.
        FillCareer(m_entry);
    }
}

void CDlgPlayerHist::FillCareer(std::ptrdiff_t entry) {
    const CWorld& world = Context().document.World();
    const int language = Context().document.Language();
    m_order = CareerDisplayOrder(m_editedCareer);
    {
        const QSignalBlocker blocker(m_career);
        m_career->clear();
        for (std::size_t index : m_order) {
            m_career->AddRow(CareerRowText(world, m_editedCareer[index], language));
        }
        const auto row = std::find(m_order.begin(), m_order.end(), static_cast<std::size_t>(entry));
        m_career->setCurrentRow(
            entry >= 0 && row != m_order.end() ? static_cast<int>(row - m_order.begin()) : -1);
    }
    m_entry = m_career->currentRow() >= 0 ? entry : -1;
    ShowEntry();
}

void CDlgPlayerHist::RowChosen(int row) {
    FinishTyping(*this);
    m_entry = row >= 0 && static_cast<std::size_t>(row) < m_order.size()
                  ? static_cast<std::ptrdiff_t>(m_order[static_cast<std::size_t>(row)])
                  : -1;
    ShowEntry();
}

void CDlgPlayerHist::ShowEntry() {
    const bool shown = m_entry >= 0;
    const SHistoryEntry entry =
        shown ? m_editedCareer[static_cast<std::size_t>(m_entry)] : SHistoryEntry();
    m_entryWhenShown = entry;
    const QSignalBlocker games(m_entryGames);
    const QSignalBlocker goals(m_entryGoals);
    const QSignalBlocker loan(m_entryLoan);
    const CDatabaseDocument& document = Context().document;
    m_entryClub->setText(
        shown ? Cp1252ToQString(ShownClubName(document.World(), entry.club, document.Language()))
              : QString());
    m_entryStart->Load(entry.from);
    m_entryEnd->Load(entry.until);
    m_entryGames->SetValue(entry.games);
    m_entryGoals->SetValue(entry.goals);
    m_gamesWhenShown = m_entryGames->StoredValue();
    m_goalsWhenShown = m_entryGoals->StoredValue();
    m_entryLoan->setChecked(entry.flag != 0);
    m_entryBox->setEnabled(shown);
}

void CDlgPlayerHist::EntryEdited() {
    if (m_entry < 0) {
        return;
    }
    SHistoryEntry& entry = m_editedCareer[static_cast<std::size_t>(m_entry)];
    const SHistoryEntry& shown = m_entryWhenShown;
    // A field put back to what it showed gives the entry's value, not the field's reading of it
    // (a count beyond the field's range stays as it is).
    entry.from = m_entryStart->IsChanged() ? m_entryStart->Date() : shown.from;
    entry.until = m_entryEnd->IsChanged() ? m_entryEnd->Date() : shown.until;
    entry.games = m_entryGames->StoredValue() != m_gamesWhenShown
                      ? static_cast<std::uint16_t>(m_entryGames->StoredValue())
                      : shown.games;
    entry.goals = m_entryGoals->StoredValue() != m_goalsWhenShown
                      ? static_cast<std::uint16_t>(m_entryGoals->StoredValue())
                      : shown.goals;
    entry.flag = m_entryLoan->isChecked() != (shown.flag != 0)
                     ? static_cast<std::uint8_t>(m_entryLoan->isChecked() ? 1 : 0)
                     : shown.flag;
    // The row shows the new values; a new start date may give the entry another place.
    FillCareer(m_entry);
}

}  // namespace kw
