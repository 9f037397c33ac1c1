#pragma once

#include <QWidget>

#include <array>
#include <cstdint>

#include "reports/ClubList.h"
#include "reports/WorldStatistics.h"
#include "tools/QuickFind.h"

class QComboBox;
class QGroupBox;
class QListWidget;
class QPushButton;

namespace kw {

class CDatabaseDocument;
class CMyListBox;
class CQuickFindBar;
class CStatisticsGroup;

// The browsing part of the main window: continent, its countries, the selected country's clubs
// and the statistics of that country and of the whole database. Reads the document's current
// world; changes nothing in it but through the signals.
class CMainMenuView : public QWidget {
    Q_OBJECT

public:
    static constexpr int kContinents = 6;

    // Where the user is in one database: each open database keeps its own while another is shown.
    struct SSelection {
        int continent = 0;
        int previousContinent = 0;
        int country = 0;
        std::array<int, kContinents> countryPerContinent{};
        // Where the country list was scrolled to on each continent; -1 where it never showed.
        std::array<int, kContinents> scrollPerContinent = NoScrollPositions();
    };

    explicit CMainMenuView(const CDatabaseDocument& document, QWidget* parent = nullptr);

    static constexpr std::array<int, kContinents> NoScrollPositions() {
        return {-1, -1, -1, -1, -1, -1};
    }

    // Shows another database (a slot change); the caller refreshes.
    void SetDocument(const CDatabaseDocument& document);
    // Back to "Europa" with its default country, as for a database read anew.
    void ResetSelection();
    SSelection Selection() const;
    // Takes up a selection kept from before; the caller refreshes.
    void RestoreSelection(const SSelection& selection);
    // Refills every list and both statistics columns, keeping the selections.
    void ShowWorld();
    void SetLanguageSelectionVisible(bool visible);

    int SelectedContinent() const { return m_continent; }
    int SelectedCountry() const { return m_country; }
    std::uint32_t SelectedClub() const { return m_club; }
    int ClubRows() const;
    // Shows the club's continent and country and selects the club in the club list.
    void SelectClub(std::uint32_t clubId);
    QPushButton& MasterButton() const { return *m_masterButton; }
    // Selects the hit's country and club (in MainMenuViewQuickFind.cpp).
    void ShowFound(const SFindHit& hit);

signals:
    // The user chose the database language (0 to 4).
    void languageChosen(int language);
    void masterRequested();
    // "Kontinentale &Einstellungen": the continental competitions' settings.
    void continentalSettingsRequested();
    // "&Landeinstellungen": the country window on the selected country.
    void countryEditRequested();
    // "&Verein": the club editor on the selected club.
    void clubEditRequested();
    // "Spieler&kader" or a double click on a club: the squad dialog on the selected club.
    void squadEditRequested();
    // "&Globale Einstellungen" (shown with the language choice only).
    void globalRulesRequested();
    // "&Nationalmannschaften".
    void nationalTeamsRequested();
    // "Schnelle &Transfers" and "&Freie Spieler".
    void fastTransfersRequested();
    void playersWithoutClubRequested();
    // "&Doppelte Spieler anzeigen".
    void duplicatesRequested();
    // "Spielerverglei&ch": the button stays hidden; the "Assistenten" menu offers the comparison.
    void comparisonRequested();
    // "Spieler &suchen".
    void playerSearchRequested();
    // The right mouse button on the club list, at that screen position.
    void clubMenuRequested(const QPoint& globalPos);
    // A quick-find hit was chosen and shown: its editor is wanted.
    void foundOpenRequested(const kw::SFindHit& hit);

private:
    QGroupBox* CreateLanguageGroup();
    QGroupBox* CreateContinentGroup();
    QGroupBox* CreateCountryGroup();
    QGroupBox* CreateClubGroup();
    QGroupBox* CreateAssistantGroup();
    QGroupBox* CreateExportGroup();
    void CreateStatisticsGroups();
    CQuickFindBar* CreateQuickFind();

    void ChooseContinent(int continent);
    void ChooseCountry(int number);
    // Shows the country's continent and the country, and selects the club when not 0.
    void ShowInLists(int country, std::uint32_t clubId);
    void SortClubs(EClubListOrder order);
    void FillLanguages();
    void FillCountries();
    // Keeps the country list's scroll position under the continent it shows.
    void RememberCountryScroll();
    // The remembered view when the remembered country is selected again, else the selection at
    // the top.
    void ScrollCountries(int selectedRow, bool rememberedCountry);
    void FillClubs();
    // The club's buttons work only with a club selected.
    void EnableClubButtons();
    void ShowStatistics(const SStatistics& country);

    const CDatabaseDocument* m_document;

    int m_continent = 0;
    int m_previousContinent = 0;
    int m_country = 0;
    // The country last selected on each continent, so that going back reselects it.
    std::array<int, kContinents> m_countryPerContinent{};
    std::array<int, kContinents> m_scrollPerContinent = NoScrollPositions();
    // The continent whose countries the list shows; -1 while it shows another selection's.
    int m_listedContinent = -1;
    EClubListOrder m_order = EClubListOrder::kName;
    // The country whose clubs the club list shows; 0 while it shows another database's.
    int m_listedClubsCountry = 0;
    std::uint32_t m_club = 0;
    SStatistics m_totals;

    QGroupBox* m_languageGroup = nullptr;
    QComboBox* m_languages = nullptr;
    QComboBox* m_continents = nullptr;
    QListWidget* m_countries = nullptr;
    CMyListBox* m_clubs = nullptr;
    QPushButton* m_masterButton = nullptr;
    QPushButton* m_editClubButton = nullptr;
    QPushButton* m_squadButton = nullptr;
    CStatisticsGroup* m_statistics = nullptr;
    CStatisticsGroup* m_talents = nullptr;
    CQuickFindBar* m_quickFind = nullptr;
};

}  // namespace kw
