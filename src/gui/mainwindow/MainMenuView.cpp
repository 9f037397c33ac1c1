#include "gui/mainwindow/MainMenuView.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "document/DatabaseDocument.h"
#include "gui/controls/GuiStrings.h"
#include "gui/controls/MyListBox.h"
#include "gui/mainwindow/QtText.h"
#include "gui/mainwindow/QuickFindBar.h"
#include "gui/mainwindow/StatisticsGroup.h"
#include "model/Country.h"
#include "model/World.h"
#include "platform/StringTable.h"
#include "storage/Identifiers.h"
#include "storage/TextCollation.h"

namespace kw {

namespace {

// The country number taken when a continent has no country at all.
constexpr int kCountryOfEmptyContinent = 21;

struct SChoice {
    int stringId;
    int value;
};

constexpr std::array kContinentChoices = {
    SChoice{ids::kContinentEurope, 0},       SChoice{ids::kContinentSouthAmerica, 1},
    SChoice{ids::kContinentNorthAmerica, 2}, SChoice{ids::kContinentAfrica, 3},
    SChoice{ids::kContinentAsia, 4},         SChoice{ids::kContinentOceania, 5},
};

constexpr std::array kLanguageChoices = {
    SChoice{ids::kLanguageGerman, 0},  SChoice{ids::kLanguageEnglish, 1},
    SChoice{ids::kLanguageFrench, 2},  SChoice{ids::kLanguageSpanish, 3},
    SChoice{ids::kLanguageItalian, 4},
};

// Texts (Windows-1252) with the values they stand for, sorted by text.
using SortedEntries = std::vector<std::pair<std::string, int>>;

void SortByText(SortedEntries& entries) {
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return CollateText(a.first, b.first) < 0;
    });
}

// A drop-down list sorted by its texts, each entry carrying its value.
template <std::size_t N>
QComboBox* SortedChoices(const std::array<SChoice, N>& choices, QWidget* parent) {
    SortedEntries entries;
    for (const SChoice& choice : choices) {
        entries.emplace_back(GuiString(choice.stringId), choice.value);
    }
    SortByText(entries);
    auto* box = new QComboBox(parent);
    for (const auto& entry : entries) {
        box->addItem(FromCp1252(entry.first), entry.second);
    }
    return box;
}

QPushButton* Button(const QString& text, QWidget* parent, bool enabled = false) {
    auto* button = new QPushButton(text, parent);
    // Their dialogs are not there yet.
    button->setEnabled(enabled);
    return button;
}

QString Number(int value) {
    return QString::number(value);
}

QString Average(double value) {
    return QString::asprintf("%2.2f", value);
}

}  // namespace

CMainMenuView::CMainMenuView(const CDatabaseDocument& document, QWidget* parent)
    : QWidget(parent), m_document(&document) {
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->addWidget(CreateQuickFind());
    auto* columns = new QHBoxLayout;
    rows->addLayout(columns, 1);

    auto* left = new QVBoxLayout;
    left->addWidget(CreateLanguageGroup());
    left->addWidget(CreateContinentGroup());
    left->addWidget(CreateCountryGroup(), 1);
    columns->addLayout(left);

    columns->addWidget(CreateClubGroup(), 1);

    auto* right = new QVBoxLayout;
    right->addWidget(CreateAssistantGroup());
    right->addWidget(CreateExportGroup());
    CreateStatisticsGroups();
    right->addWidget(m_statistics);
    right->addWidget(m_talents);
    right->addStretch();
    columns->addLayout(right);

    ResetSelection();
}

QGroupBox* CMainMenuView::CreateLanguageGroup() {
    m_languageGroup = new QGroupBox(tr("Sprache der Datenbank"), this);
    m_languageGroup->setObjectName(QStringLiteral("languageGroup"));
    auto* layout = new QVBoxLayout(m_languageGroup);
    m_languages = SortedChoices(kLanguageChoices, m_languageGroup);
    m_languages->setObjectName(QStringLiteral("languages"));
    m_languages->setAccessibleName(m_languageGroup->title());
    connect(m_languages, &QComboBox::activated, this,
            [this] { emit languageChosen(m_languages->currentData().toInt()); });
    layout->addWidget(m_languages);
    QPushButton* rules = Button(tr("&Globale Einstellungen"), m_languageGroup, true);
    rules->setObjectName(QStringLiteral("globalRules"));
    connect(rules, &QPushButton::clicked, this, &CMainMenuView::globalRulesRequested);
    layout->addWidget(rules);
    m_languageGroup->setVisible(false);
    return m_languageGroup;
}

QGroupBox* CMainMenuView::CreateContinentGroup() {
    auto* group = new QGroupBox(tr("Kontinent"), this);
    auto* layout = new QVBoxLayout(group);
    m_continents = SortedChoices(kContinentChoices, group);
    m_continents->setObjectName(QStringLiteral("continents"));
    m_continents->setAccessibleName(group->title());
    connect(m_continents, &QComboBox::currentIndexChanged, this,
            [this] { ChooseContinent(m_continents->currentData().toInt()); });
    layout->addWidget(m_continents);
    QPushButton* continental = Button(tr("Kontinentale &Einstellungen"), group, true);
    continental->setObjectName(QStringLiteral("continentalSettings"));
    connect(continental, &QPushButton::clicked, this, &CMainMenuView::continentalSettingsRequested);
    layout->addWidget(continental);
    return group;
}

QGroupBox* CMainMenuView::CreateCountryGroup() {
    auto* group = new QGroupBox(tr("Land"), this);
    auto* layout = new QVBoxLayout(group);
    m_countries = new QListWidget(group);
    m_countries->setObjectName(QStringLiteral("countries"));
    m_countries->setAccessibleName(tr("Länder"));
    m_countries->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(m_countries, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item != nullptr) {
            ChooseCountry(item->data(Qt::UserRole).toInt());
        }
    });
    layout->addWidget(m_countries, 1);
    QPushButton* settings = Button(tr("&Landeinstellungen"), group, true);
    settings->setObjectName(QStringLiteral("countrySettings"));
    connect(settings, &QPushButton::clicked, this, &CMainMenuView::countryEditRequested);
    layout->addWidget(settings);
    return group;
}

QGroupBox* CMainMenuView::CreateClubGroup() {
    auto* group = new QGroupBox(tr("Verein"), this);
    auto* layout = new QVBoxLayout(group);

    // Name, league and strength; the names get the room that club names of 30 characters need.
    // The sort buttons stand above the columns they sort, as wide as them.
    constexpr std::array kColumns = {SListColumn{0, 124}, SListColumn{124, 208},
                                     SListColumn{208, 248}};
    struct SSort {
        const char* caption;
        // The caption alone would name the name column's button like the club button below.
        const char* accessibleName;
        const char* objectName;
        EClubListOrder order;
    };
    constexpr std::array kSorts = {
        SSort{QT_TR_NOOP("Verein"), QT_TR_NOOP("Nach Verein sortieren"), "sortByName",
              EClubListOrder::kName},
        SSort{QT_TR_NOOP("Liga"), QT_TR_NOOP("Nach Liga sortieren"), "sortByLeague",
              EClubListOrder::kLeague},
        SSort{QT_TR_NOOP("Ø - Stärke"), QT_TR_NOOP("Nach Stärke sortieren"), "sortByStrength",
              EClubListOrder::kStrength},
    };
    auto* sortRow = new QHBoxLayout;
    sortRow->setSpacing(0);
    for (std::size_t column = 0; column < kSorts.size(); ++column) {
        auto* button = new QPushButton(tr(kSorts[column].caption), group);
        button->setAccessibleName(tr(kSorts[column].accessibleName));
        button->setObjectName(QString::fromLatin1(kSorts[column].objectName));
        const EClubListOrder order = kSorts[column].order;
        connect(button, &QPushButton::clicked, this, [this, order] { SortClubs(order); });
        sortRow->addWidget(button, kColumns[column].end - kColumns[column].start);
    }
    layout->addLayout(sortRow);

    m_clubs = new CMyListBox(group);
    m_clubs->setObjectName(QStringLiteral("clubs"));
    m_clubs->setAccessibleName(tr("Vereine"));
    m_clubs->SetColumns({kColumns.begin(), kColumns.end()});
    // Columns clip their texts; there is nothing to scroll to sideways.
    m_clubs->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_clubs->setMinimumWidth(m_clubs->fontMetrics().averageCharWidth() * kColumns.back().end / 4 +
                             m_clubs->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                             2 * m_clubs->frameWidth());
    connect(m_clubs, &QListWidget::currentRowChanged, this, [this](int row) {
        m_club = row >= 0 ? m_clubs->item(row)->data(Qt::UserRole).toUInt() : 0;
        EnableClubButtons();
    });
    connect(m_clubs, &CMyListBox::ContextMenuRequested, this, &CMainMenuView::clubMenuRequested);
    layout->addWidget(m_clubs, 1);

    auto* buttons = new QHBoxLayout;
    m_editClubButton = Button(tr("&Verein"), group);
    m_editClubButton->setObjectName(QStringLiteral("editClub"));
    connect(m_editClubButton, &QPushButton::clicked, this, &CMainMenuView::clubEditRequested);
    buttons->addWidget(m_editClubButton);
    m_squadButton = Button(tr("Spieler&kader"), group);
    m_squadButton->setObjectName(QStringLiteral("editSquad"));
    connect(m_squadButton, &QPushButton::clicked, this, &CMainMenuView::squadEditRequested);
    connect(m_clubs, &QListWidget::itemDoubleClicked, this, &CMainMenuView::squadEditRequested);
    buttons->addWidget(m_squadButton);
    layout->addLayout(buttons);
    return group;
}

QGroupBox* CMainMenuView::CreateAssistantGroup() {
    auto* group = new QGroupBox(tr("Assistenten"), this);
    auto* layout = new QVBoxLayout(group);
    QPushButton* fastTransfers = Button(tr("Schnelle &Transfers"), group, true);
    fastTransfers->setObjectName(QStringLiteral("fastTransfers"));
    connect(fastTransfers, &QPushButton::clicked, this, &CMainMenuView::fastTransfersRequested);
    layout->addWidget(fastTransfers);
    QPushButton* search = Button(tr("Spieler &suchen"), group, true);
    search->setObjectName(QStringLiteral("searchPlayers"));
    connect(search, &QPushButton::clicked, this, &CMainMenuView::playerSearchRequested);
    layout->addWidget(search);
    QPushButton* duplicates = Button(tr("&Doppelte Spieler anzeigen"), group, true);
    duplicates->setObjectName(QStringLiteral("duplicates"));
    connect(duplicates, &QPushButton::clicked, this, &CMainMenuView::duplicatesRequested);
    layout->addWidget(duplicates);
    QPushButton* nationalTeams = Button(tr("&Nationalmannschaften"), group, true);
    nationalTeams->setObjectName(QStringLiteral("nationalTeams"));
    connect(nationalTeams, &QPushButton::clicked, this, &CMainMenuView::nationalTeamsRequested);
    layout->addWidget(nationalTeams);
    QPushButton* playersWithoutClub = Button(tr("&Freie Spieler"), group, true);
    playersWithoutClub->setObjectName(QStringLiteral("playersWithoutClub"));
    connect(playersWithoutClub, &QPushButton::clicked, this,
            &CMainMenuView::playersWithoutClubRequested);
    layout->addWidget(playersWithoutClub);
    QPushButton* comparison = Button(tr("Spielerverglei&ch"), group, true);
    comparison->setObjectName(QStringLiteral("comparison"));
    comparison->setVisible(false);
    connect(comparison, &QPushButton::clicked, this, &CMainMenuView::comparisonRequested);
    layout->addWidget(comparison);
    return group;
}

QGroupBox* CMainMenuView::CreateExportGroup() {
    auto* group = new QGroupBox(tr("Exportieren"), this);
    auto* layout = new QVBoxLayout(group);
    m_masterButton = Button(tr("Aktuelle Datenbank ins Spiel ein&binden"), group, true);
    m_masterButton->setObjectName(QStringLiteral("buildMaster"));
    connect(m_masterButton, &QPushButton::clicked, this, &CMainMenuView::masterRequested);
    layout->addWidget(m_masterButton);
    return group;
}

void CMainMenuView::CreateStatisticsGroups() {
    m_statistics = new CStatisticsGroup(tr("Statistik ( Ausgewähltes Land / Total )"),
                                        {{"leagues", tr("Ligen:")},
                                         {"clubs", tr("Vereine:")},
                                         {"players", tr("Spieler:")},
                                         {"clubStrength", tr("Ø - Vereinsstärke:")},
                                         {"playerStrength", tr("Ø - Spielerstärke:")}},
                                        this);
    m_talents = new CStatisticsGroup(tr("Spielertalent ( Ausgewähltes Land / Total )"),
                                     {{"talent0", tr("Normal:")},
                                      {"talent1", tr("Groß:")},
                                      {"talent2", tr("Sehr groß:")},
                                      {"talent3", tr("Ausgezeichnet:")},
                                      {"talent4", tr("Gigantisch:")}},
                                     this);
}

void CMainMenuView::SetDocument(const CDatabaseDocument& document) {
    m_document = &document;
    m_listedClubsCountry = 0;
}

void CMainMenuView::ResetSelection() {
    m_continent = 0;
    m_previousContinent = 0;
    m_country = kDefaultCountry;
    m_countryPerContinent.fill(0);
    m_countryPerContinent[0] = kDefaultCountry;
    m_scrollPerContinent = NoScrollPositions();
    m_listedContinent = -1;
    m_listedClubsCountry = 0;
    const QSignalBlocker blocker(m_continents);
    m_continents->setCurrentIndex(m_continents->findData(m_continent));
}

CMainMenuView::SSelection CMainMenuView::Selection() const {
    SSelection selection{m_continent, m_previousContinent, m_country, m_countryPerContinent,
                         m_scrollPerContinent};
    if (m_listedContinent >= 0) {
        selection.scrollPerContinent[static_cast<std::size_t>(m_listedContinent)] =
            m_countries->verticalScrollBar()->value();
    }
    return selection;
}

void CMainMenuView::RestoreSelection(const SSelection& selection) {
    m_continent = selection.continent;
    m_previousContinent = selection.previousContinent;
    m_country = selection.country;
    m_countryPerContinent = selection.countryPerContinent;
    m_scrollPerContinent = selection.scrollPerContinent;
    m_listedContinent = -1;
    m_listedClubsCountry = 0;
    const QSignalBlocker blocker(m_continents);
    m_continents->setCurrentIndex(m_continents->findData(m_continent));
}

void CMainMenuView::ShowWorld() {
    m_totals = TotalStatistics(m_document->World());
    m_quickFind->SetDocument(*m_document);
    FillLanguages();
    RememberCountryScroll();
    FillCountries();
    FillClubs();
}

int CMainMenuView::ClubRows() const {
    return m_clubs->count();
}

void CMainMenuView::SelectClub(std::uint32_t clubId) {
    ShowInLists(ClubCountry(clubId), clubId);
}

void CMainMenuView::ShowInLists(int country, std::uint32_t clubId) {
    // Players without club and countries on no shown continent have no place in the lists.
    if (country < 1 || country > kCountryCount) {
        return;
    }
    const int continent = m_document->World().Country(country).Continent();
    if (continent >= kContinents) {
        return;
    }
    RememberCountryScroll();
    if (continent != m_continent) {
        m_previousContinent = m_continent;
        m_continent = continent;
        const QSignalBlocker blocker(m_continents);
        m_continents->setCurrentIndex(m_continents->findData(continent));
    }
    m_countryPerContinent[static_cast<std::size_t>(continent)] = country;
    FillCountries();
    FillClubs();
    for (int row = 0; clubId != 0 && row < m_clubs->count(); ++row) {
        if (SameClub(m_clubs->item(row)->data(Qt::UserRole).toUInt(), clubId)) {
            m_clubs->setCurrentRow(row);
            m_clubs->scrollToItem(m_clubs->item(row));
            return;
        }
    }
}

void CMainMenuView::SetLanguageSelectionVisible(bool visible) {
    m_languageGroup->setVisible(visible);
}

void CMainMenuView::ChooseContinent(int continent) {
    if (continent == m_continent) {
        return;
    }
    RememberCountryScroll();
    m_previousContinent = m_continent;
    m_continent = continent;
    FillCountries();
    FillClubs();
}

void CMainMenuView::ChooseCountry(int number) {
    m_country = number;
    m_countryPerContinent[static_cast<std::size_t>(m_continent)] = number;
    FillClubs();
}

void CMainMenuView::SortClubs(EClubListOrder order) {
    m_order = order;
    FillClubs();
}

void CMainMenuView::FillLanguages() {
    const QSignalBlocker blocker(m_languages);
    m_languages->setCurrentIndex(m_languages->findData(m_document->Language()));
}

void CMainMenuView::FillCountries() {
    const CWorld& world = m_document->World();
    const int language = m_document->Language();
    SortedEntries entries;
    for (int number = 1; number <= kCountryCount; ++number) {
        const CCountry& country = world.Country(number);
        if (country.Continent() == m_continent) {
            entries.emplace_back(country.Name(language), number);
        }
    }
    SortByText(entries);

    const QSignalBlocker blocker(m_countries);
    m_countries->clear();
    const int remembered = m_countryPerContinent[static_cast<std::size_t>(m_continent)];
    int selected = entries.empty() ? -1 : 0;
    for (const auto& entry : entries) {
        auto* item = new QListWidgetItem(FromCp1252(entry.first), m_countries);
        item->setData(Qt::UserRole, entry.second);
        if (entry.second == remembered) {
            selected = m_countries->count() - 1;
        }
    }
    if (selected < 0) {
        m_listedContinent = m_continent;
        m_country = kCountryOfEmptyContinent;
        return;
    }
    m_countries->setCurrentRow(selected);
    m_country = entries[static_cast<std::size_t>(selected)].second;
    ScrollCountries(selected, m_country == remembered);
    m_countryPerContinent[static_cast<std::size_t>(m_continent)] = m_country;
}

void CMainMenuView::RememberCountryScroll() {
    if (m_listedContinent >= 0) {
        m_scrollPerContinent[static_cast<std::size_t>(m_listedContinent)] =
            m_countries->verticalScrollBar()->value();
    }
}

void CMainMenuView::ScrollCountries(int selectedRow, bool rememberedCountry) {
    m_listedContinent = m_continent;
    const int remembered = m_scrollPerContinent[static_cast<std::size_t>(m_continent)];
    // The scroll range follows the new rows only once they are laid out.
    m_countries->doItemsLayout();
    if (rememberedCountry && remembered >= 0) {
        m_countries->verticalScrollBar()->setValue(remembered);
    } else {
        m_countries->scrollToItem(m_countries->item(selectedRow), QAbstractItemView::PositionAtTop);
    }
}

void CMainMenuView::FillClubs() {
    const CWorld& world = m_document->World();
    const CCountry& country = world.Country(m_country);
    std::vector<SClubListEntry> entries = ClubListEntries(country, m_document->Language());
    SortClubList(entries, m_order);

    std::vector<std::uint32_t> listed;
    for (int row = 0; m_listedClubsCountry == m_country && row < m_clubs->count(); ++row) {
        listed.push_back(m_clubs->item(row)->data(Qt::UserRole).toUInt());
    }
    const int selected =
        ClubListRowToSelect(entries, std::move(listed), m_club, m_clubs->currentRow());
    const int scrolled = m_clubs->verticalScrollBar()->value();
    const QSignalBlocker blocker(m_clubs);
    m_clubs->clear();
    for (const SClubListEntry& entry : entries) {
        const int row = m_clubs->AddRow(ClubListRowText(entry));
        m_clubs->item(row)->setData(Qt::UserRole, entry.clubId);
    }
    m_listedClubsCountry = m_country;
    m_club = 0;
    m_clubs->doItemsLayout();
    m_clubs->verticalScrollBar()->setValue(scrolled);
    if (selected >= 0) {
        m_clubs->setCurrentRow(selected);
        m_club = entries[static_cast<std::size_t>(selected)].clubId;
        m_clubs->scrollToItem(m_clubs->item(selected));
    }
    EnableClubButtons();
    ShowStatistics(CountryStatistics(country));
}

void CMainMenuView::EnableClubButtons() {
    m_editClubButton->setEnabled(m_club != 0);
    // For the national team it opens the national teams dialog.
    m_squadButton->setEnabled(m_club != 0);
}

void CMainMenuView::ShowStatistics(const SStatistics& country) {
    m_statistics->SetRow(0, Number(country.leagues), Number(m_totals.leagues));
    m_statistics->SetRow(1, Number(country.clubs), Number(m_totals.clubs));
    m_statistics->SetRow(2, Number(country.players), Number(m_totals.players));
    m_statistics->SetRow(3, Average(country.AverageClubStrength()),
                         Average(m_totals.AverageClubStrength()));
    m_statistics->SetRow(4, Average(country.AveragePlayerStrength()),
                         Average(m_totals.AveragePlayerStrength()));
    for (int talent = 0; talent < SStatistics::kTalentClasses; ++talent) {
        const auto index = static_cast<std::size_t>(talent);
        m_talents->SetRow(talent, Number(country.talents[index]), Number(m_totals.talents[index]));
    }
}

}  // namespace kw
