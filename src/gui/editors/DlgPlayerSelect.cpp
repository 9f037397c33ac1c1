#include "gui/editors/DlgPlayerSelect.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <array>
#include <cstdint>
#include <vector>

#include "gui/controls/MyListBox.h"
#include "gui/editors/ChooserLists.h"
#include "model/Country.h"
#include "model/World.h"

namespace kw {

namespace {

// Player, position, nationality, strength, talent; in dialog units.
constexpr std::array kSelectColumns = {
    SListColumn{0, 88}, SListColumn{88, 120, EColumnAlign::Centre}, SListColumn{120, 188},
    SListColumn{188, 216, EColumnAlign::Right}, SListColumn{216, 244, EColumnAlign::Right}};
constexpr std::array kSelectHeaders = {QT_TRANSLATE_NOOP("kw::CDlgPlayerSelect", "Spieler"),
                                       QT_TRANSLATE_NOOP("kw::CDlgPlayerSelect", "Position"),
                                       QT_TRANSLATE_NOOP("kw::CDlgPlayerSelect", "Nationalität"),
                                       QT_TRANSLATE_NOOP("kw::CDlgPlayerSelect", "Stärke"),
                                       QT_TRANSLATE_NOOP("kw::CDlgPlayerSelect", "Talent")};
// The staff mode: person, role, nationality.
constexpr std::array kStaffColumns = {SListColumn{0, 88}, SListColumn{88, 176},
                                      SListColumn{176, 244}};
constexpr std::array kStaffHeaders = {QT_TRANSLATE_NOOP("kw::CDlgPlayerSelect", "Person"),
                                      QT_TRANSLATE_NOOP("kw::CDlgPlayerSelect", "Funktion"),
                                      QT_TRANSLATE_NOOP("kw::CDlgPlayerSelect", "Nationalität")};

constexpr int kChoiceListWidth = 26;  // average characters, of the country and club lists

}  // namespace

CDlgPlayerSelect::CDlgPlayerSelect(const CWorld& world, int language, int startCountry,
                                   QWidget* parent, EPersonChoice mode)
    : CDialogB(parent),
      m_world(world),
      m_language(language),
      m_mode(mode),
      m_countries(MakeChoiceList(QStringLiteral("countries"), kChoiceListWidth, this)),
      m_clubs(MakeChoiceList(QStringLiteral("clubs"), kChoiceListWidth, this)),
      m_players(new CMyListBox(this)) {
    setObjectName(QStringLiteral("DlgPlayerSelect"));
    setWindowTitle(tr("Bitte den gewünschten Spieler auswählen!"));

    const bool staff = mode == EPersonChoice::kStaff;
    const std::vector<SListColumn> columns =
        staff ? std::vector<SListColumn>(kStaffColumns.begin(), kStaffColumns.end())
              : std::vector<SListColumn>(kSelectColumns.begin(), kSelectColumns.end());
    const std::vector<const char*> headers =
        staff ? std::vector<const char*>(kStaffHeaders.begin(), kStaffHeaders.end())
              : std::vector<const char*>(kSelectHeaders.begin(), kSelectHeaders.end());
    m_players->setObjectName(QStringLiteral("players"));
    m_players->SetColumns(columns);
    m_players->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_players->setMinimumWidth(
        m_players->fontMetrics().averageCharWidth() * columns.back().end / 4 +
        m_players->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2 * m_players->frameWidth());
    // Each header as wide as its column, so that it stands over the column however wide the
    // list grows.
    auto* header = new QHBoxLayout;
    header->setSpacing(0);
    header->addSpacing(m_players->frameWidth());
    const std::vector<SColumnSpan> spans =
        m_players->Columns().Spans(m_players->fontMetrics().averageCharWidth(), INT32_MAX);
    for (std::size_t column = 0; column < columns.size(); ++column) {
        auto* label = new QLabel(tr(headers[column]), this);
        label->setAlignment(column == 0 || columns[column].align == EColumnAlign::Left
                                ? Qt::AlignLeft
                                : Qt::AlignCenter);
        label->setFixedWidth(spans[column].right - spans[column].left);
        header->addWidget(label);
    }
    header->addStretch();
    auto* playerLayout = new QVBoxLayout;
    playerLayout->addLayout(header);
    playerLayout->addWidget(m_players, 1);

    // A list does not take its name from the group box around it.
    const QString countryCaption = tr("Land");
    const QString clubCaption = tr("Verein");
    const QString personCaption = staff ? tr("Person") : tr("Spieler");
    m_countries->setAccessibleName(countryCaption);
    m_clubs->setAccessibleName(clubCaption);
    m_players->setAccessibleName(personCaption);
    auto* lists = new QHBoxLayout;
    lists->addWidget(ChoiceGroup(countryCaption, m_countries, this), 2);
    lists->addWidget(ChoiceGroup(clubCaption, m_clubs, this), 2);
    auto* players = new QGroupBox(personCaption, this);
    players->setLayout(playerLayout);
    lists->addWidget(players, 5);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    m_ok = AddChooserButtons(*this, *layout);

    connect(m_countries, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        ShowClubs(item != nullptr ? item->data(Qt::UserRole).toInt() : 0);
    });
    connect(m_clubs, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        ShowPlayers(item != nullptr ? item->data(Qt::UserRole).toUInt() : 0);
    });
    connect(m_players, &QListWidget::itemSelectionChanged, this,
            [this] { m_ok->setEnabled(SelectedPlayer() != 0); });
    connect(m_players, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    FillChoices(*m_countries, ChoosableCountries(world, language));
    SelectChoice(*m_countries, startCountry);
    m_ok->setEnabled(SelectedPlayer() != 0);
    m_countries->setFocus();
}

std::optional<std::uint32_t> CDlgPlayerSelect::Choose(const CWorld& world, int language,
                                                      int startCountry, QWidget* parent,
                                                      EPersonChoice mode) {
    CDlgPlayerSelect dialog(world, language, startCountry, parent, mode);
    return RunChooser(dialog, dialog.Players());
}

std::uint32_t CDlgPlayerSelect::SelectedPlayer() const {
    return SelectedChoice(*m_players);
}

void CDlgPlayerSelect::ShowClubs(int country) {
    FillClubChoices(*m_clubs, m_world, m_language, country, false);
    if (m_clubs->count() > 0) {
        m_clubs->setCurrentRow(0);
    } else {
        ShowPlayers(0);
    }
}

void CDlgPlayerSelect::ShowPlayers(std::uint32_t clubId) {
    m_players->clear();
    const CClub* club = clubId != 0 ? m_world.Country(ClubCountry(clubId)).Club(clubId) : nullptr;
    if (club != nullptr) {
        for (const SChoiceEntry& entry : m_mode == EPersonChoice::kStaff
                                             ? ChoosableStaff(*club, m_language)
                                             : ChoosablePlayers(*club, m_language)) {
            const int row = m_players->AddRow(entry.text);
            m_players->item(row)->setData(Qt::UserRole, entry.value);
        }
    }
    m_ok->setEnabled(SelectedPlayer() != 0);
}

}  // namespace kw
