#include <QPrintDialog>

#include "GuiTest.h"
#include "editing/PlayerComparison.h"
#include "gui/editors/DlgPlayerCompare.h"
#include "gui/editors/DlgPlayerlistClub.h"
#include "gui/editors/PlayerCompareSide.h"
#include "gui/editors/PlayerDouble.h"
#include "gui/mainwindow/MainMenuView.h"
#include "gui/mainwindow/QtText.h"
#include "model/PlayerStrength.h"
#include "model/WorldPart.h"

namespace kw {

using namespace test;

namespace {

const QString kPlanted = QStringLiteral("Zyxwert, Quirin");
constexpr int kStriker = 17;

}  // namespace

// "Spieler doppelt" and "Spielervergleich" on the small demo, driven with the mouse and the
// keyboard. Three players of one name are planted (outside the history): two in clubs A and B of
// one country, born the same day, and one in club C of another country, born another day.
class PlayerDoubleCompareTest : public CDemoGuiTest {
    Q_OBJECT

private:
    void Opened() override;

private slots:
    void scopesAndTheBirthDateNarrowTheListThatIsSortedSavedAndPrinted();
    void theComparisonShowsTwoChosenStrikers();
    void theSquadDialogOpensTheDuplicatesOfItsClub();
    void theMainWindowOpensBothOnTheSelection();

private:
    // Clubs with players: two of one country and one of another.
    void Plant();
    int PlantedRows(const QTreeWidget& list) const;
    // Each test leaves the planted world as it found it.
    void Closing() override { ExpectUntouched(); }
    void ExpectUntouched() const;

    const CClub* m_a = nullptr;
    const CClub* m_b = nullptr;
    const CClub* m_c = nullptr;
    std::string m_before;
    std::size_t m_edits = 0;
};

void PlayerDoubleCompareTest::Opened() {
    Plant();
    m_before = Dump();
}

void PlayerDoubleCompareTest::Plant() {
    const CWorld& world = m_document->World();
    const std::vector<CClub*> found =
        ClubsWhere(world, [](const CClub& club) { return !club.FirstTeam().empty(); });
    const auto abroad = std::find_if(found.begin(), found.end(), [&found](const CClub* club) {
        return club->Country() != found.front()->Country();
    });
    if (found.size() < 2 || found[1]->Country() != found[0]->Country() || abroad == found.end()) {
        throw std::runtime_error("the demo lacks clubs for the planted players");
    }
    const std::vector<const CClub*> clubs = {found[0], found[1], *abroad};
    std::vector<std::uint32_t> planted;
    for (const CClub* club : clubs) {
        planted.push_back(club->FirstTeam().front()->Id());
    }
    // Set up as one edit; the dialogs must add none.
    QVERIFY(m_document->Perform("Testaufbau", SWorldScope::Everything(), [&planted](CWorld& live) {
        const std::vector<CDate> dates = {CDate::FromYmd(1984, 5, 6), CDate::FromYmd(1984, 5, 6),
                                          CDate::FromYmd(1986, 7, 8)};
        for (std::size_t i = 0; i < planted.size(); ++i) {
            CPlayer& player = *live.Person(planted[i]);
            player.SetSurname("Zyxwert");
            player.SetFirstName("Quirin");
            player.SetBirthDate(dates[i]);
        }
        return true;
    }));
    m_edits = Edits();
    m_a = clubs[0];
    m_b = clubs[1];
    m_c = clubs[2];
}

int PlayerDoubleCompareTest::PlantedRows(const QTreeWidget& list) const {
    int rows = 0;
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        rows += list.topLevelItem(row)->text(0) == kPlanted ? 1 : 0;
    }
    return rows;
}

void PlayerDoubleCompareTest::ExpectUntouched() const {
    QCOMPARE(Edits(), m_edits);
    QVERIFY(Dump() == m_before);
    QVERIFY(ReferenceFaults(m_document->World()).empty());
}

void PlayerDoubleCompareTest::scopesAndTheBirthDateNarrowTheListThatIsSortedSavedAndPrinted() {
    const CWorld& world = m_document->World();
    CPlayerDouble dialog(world, kDefaultLanguage, m_a->Country(), m_a->Id());
    ShowActive(dialog);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Kickwerk 06 - Spieler doppelt"));
    QRadioButton& all = dialog.ScopeButton(EDuplicateScope::All);
    QRadioButton& country = dialog.ScopeButton(EDuplicateScope::Country);
    QRadioButton& club = dialog.ScopeButton(EDuplicateScope::Club);
    QCOMPARE(all.text(), QStringLiteral("Alle"));
    QCOMPARE(country.text(), QStringLiteral("Nur von ") +
                                 FromCp1252(world.Country(m_a->Country()).Name(kDefaultLanguage)));
    QCOMPARE(club.text(), QStringLiteral("Nur von ") + FromCp1252(m_a->Name(kDefaultLanguage)));
    QVERIFY(all.isEnabled() && country.isEnabled() && club.isEnabled());
    QVERIFY(club.isChecked());
    QCOMPARE(dialog.List().columnCount(), 7);

    // Which pairs each scope holds and what the rows show: PlayerDuplicatesTest in tests/editing.
    // The club: only the pair A-B; the country: both pairs touch it; all: both.
    QCOMPARE(PlantedRows(dialog.List()), 1);
    QTest::mouseClick(&country, Qt::LeftButton);
    QVERIFY(country.isChecked());
    QCOMPARE(PlantedRows(dialog.List()), 2);
    QTest::mouseClick(&all, Qt::LeftButton);
    QCOMPARE(PlantedRows(dialog.List()), 2);
    const int everything = dialog.List().topLevelItemCount();
    QCOMPARE(static_cast<std::size_t>(everything), dialog.Pairs().size());
    QTest::mouseClick(&club, Qt::LeftButton);
    QCOMPARE(PlantedRows(dialog.List()), 1);

    // "Speichern" writes the list, one line per row after the title.
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("doppelt.txt"));
    QCOMPARE(dialog.SaveButton().text(), QStringLiteral("Speichern"));
    QCOMPARE(dialog.PrintButton().text(), QStringLiteral("Drucken"));
    WhenModal<QFileDialog>(*this, [&path](QFileDialog& files) { TypeFileName(files, path); });
    QTest::mouseClick(&dialog.SaveButton(), Qt::LeftButton);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    QVERIFY2(written.startsWith("Doppelte Spieler in der Datenbank\r\n"),
             written.left(120).constData());
    QVERIFY(written.contains("Zyxwert, Quirin\t"));
    QCOMPARE(written.count("\r\n"), dialog.List().topLevelItemCount() + 1);
    QVERIFY(dialog.isVisible());
    // "Drucken" asks for the printer first; cancelled, nothing is printed.
    bool asked = false;
    WhenModal<QPrintDialog>(*this, [&asked](QPrintDialog& printer) {
        asked = true;
        QTest::keyClick(&printer, Qt::Key_Escape);
    });
    QTest::mouseClick(&dialog.PrintButton(), Qt::LeftButton);
    QVERIFY(asked);
    QVERIFY(dialog.isVisible());

    // All of them: the birth date check keeps the pair born the same day.
    QTest::mouseClick(&all, Qt::LeftButton);
    QCheckBox& box = dialog.SameBirthDateBox();
    QCOMPARE(box.text(), QStringLiteral("Nur Spieler mit gleichem Geburtsdatum anzeigen"));
    QVERIFY(!box.isChecked());
    QCOMPARE(PlantedRows(dialog.List()), 2);
    box.setFocus();
    QTest::keyClick(&box, Qt::Key_Space);
    QVERIFY(box.isChecked());
    QCOMPARE(PlantedRows(dialog.List()), 1);
    QTest::keyClick(&box, Qt::Key_Space);
    QCOMPARE(PlantedRows(dialog.List()), 2);

    // Header clicks sort and a second click reverses.
    QTreeWidget& list = dialog.List();
    QVERIFY(list.topLevelItemCount() >= 2);
    const auto firstDates = [&dialog] {
        std::vector<std::int32_t> dates;
        for (const SDuplicatePair& pair : dialog.Pairs()) {
            dates.push_back(pair.first.player->BirthDate().Value());
        }
        return dates;
    };
    ClickHeader(list, 3);
    std::vector<std::int32_t> dates = firstDates();
    QVERIFY(std::is_sorted(dates.begin(), dates.end()));
    QCOMPARE(list.header()->sortIndicatorSection(), 3);
    QCOMPARE(list.header()->sortIndicatorOrder(), Qt::AscendingOrder);
    ClickHeader(list, 3);
    dates = firstDates();
    QVERIFY(std::is_sorted(dates.rbegin(), dates.rend()));
    QCOMPARE(list.header()->sortIndicatorOrder(), Qt::DescendingOrder);

    // The rows follow the pairs.
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        const SDuplicatePair& pair = dialog.Pairs()[static_cast<std::size_t>(row)];
        QCOMPARE(list.topLevelItem(row)->text(0),
                 FromCp1252(std::string(pair.first.player->Surname().View()) + ", " +
                            std::string(pair.first.player->FirstName().View())));
    }
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());

    // The national team is no club to narrow to.
    CPlayerDouble national(world, kDefaultLanguage, m_c->Country(),
                           world.Country(m_c->Country()).NationalTeam().Id());
    QVERIFY(!national.ScopeButton(EDuplicateScope::Club).isEnabled());
    QVERIFY(national.ScopeButton(EDuplicateScope::Country).isChecked());
    QCOMPARE(PlantedRows(national.List()), 1);
}

void PlayerDoubleCompareTest::theComparisonShowsTwoChosenStrikers() {
    const CWorld& world = m_document->World();
    // Two strikers of clubs in the first planted country.
    std::vector<const CPlayer*> strikers;
    std::vector<const CClub*> homes;
    for (const CClub* club : {m_a, m_b}) {
        for (const CPlayer* player : club->FirstTeam()) {
            if (player->MainPosition() == kStriker) {
                strikers.push_back(player);
                homes.push_back(club);
                break;
            }
        }
    }
    QCOMPARE(strikers.size(), std::size_t{2});

    CDlgPlayerCompare dialog(world, kDefaultLanguage, m_a->Country());
    ShowActive(dialog);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Spielervergleich"));
    QCOMPARE(dialog.Left().title(), QStringLiteral("Linker Spieler"));
    QCOMPARE(dialog.Right().title(), QStringLiteral("Rechter Spieler"));
    for (std::size_t side = 0; side < 2; ++side) {
        CPlayerCompareSide& half = side == 0 ? dialog.Left() : dialog.Right();
        const CPlayer& striker = *strikers[side];
        QCOMPARE(half.Countries().currentData().toInt(), m_a->Country());
        // The club with the keyboard: from the top down until it shows.
        Choose(half.Clubs(), static_cast<int>(homes[side]->Id()));
        QListWidget& players = half.Players();
        QCOMPARE(players.count(), homes[side]->PlayerCount());
        const int row = RowWithData(players, striker.Id());
        QVERIFY(row >= 0);
        ClickRow(players, row);
        QCOMPARE(half.ChosenPlayer(), striker.Id());
        QCOMPARE(players.item(row)->text(),
                 FromCp1252(striker.ShortName()) +
                     QStringLiteral(" (%1)").arg(PlayerStrength(striker), 0, 'f', 1));
        const auto texts = SummaryValueTexts(striker);
        for (int value = 0; value < kSummaryValueCount; ++value) {
            QCOMPARE(half.Value(value).text(), FromCp1252(texts[static_cast<std::size_t>(value)]));
        }
    }
    // The labels beside the values, named as PlayerSummaryValuesTest (tests/model) pins them.
    QStringList labels;
    for (const QLabel* label : dialog.Left().findChildren<QLabel*>()) {
        labels << label->text();
    }
    QVERIFY(labels.contains(QStringLiteral("Strafraumbeherr.")));
    PressOk(dialog);
}

void PlayerDoubleCompareTest::theSquadDialogOpensTheDuplicatesOfItsClub() {
    auto squad = std::make_unique<CDlgPlayerlistClub>(*m_document, m_b->Id(), m_demo.Installation(),
                                                      nullptr, m_demo.Context().installDirectory);
    ShowActive(*squad);
    bool shown = false;
    WhenModal<CPlayerDouble>(*this, [this, &shown](CPlayerDouble& dialog) {
        shown = true;
        QVERIFY(dialog.ScopeButton(EDuplicateScope::Club).isChecked());
        QCOMPARE(dialog.ScopeButton(EDuplicateScope::Club).text(),
                 QStringLiteral("Nur von ") + FromCp1252(m_b->Name(kDefaultLanguage)));
        QCOMPARE(PlantedRows(dialog.List()), 2);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    Click(*squad, QStringLiteral("duplicates"));
    QVERIFY(shown);
    squad.reset();
}

void PlayerDoubleCompareTest::theMainWindowOpensBothOnTheSelection() {
    // The window writes its restore archive into the installation: a copy of its own.
    const std::unique_ptr<QTemporaryDir> install = CopyInstallation(m_demo.Path());
    QVERIFY(install != nullptr);
    SAppContext context = ContextFor(*install);
    CScriptedUserInterface ui;
    DlgMainMenu window(context, ui);
    const auto* view = window.findChild<CMainMenuView*>();
    QVERIFY(view != nullptr);
    QAction* duplicates = Action(window, QStringLiteral("Doppelte Spieler anzeigen"));
    QAction* comparison = Action(window, QStringLiteral("Spielervergleich"));
    QVERIFY(duplicates != nullptr && comparison != nullptr);
    QVERIFY(duplicates->isEnabled() && comparison->isEnabled());
    QVERIFY(view->SelectedCountry() >= 1);

    // A club chosen in the window's list (the national team heads it).
    auto& clubs = Child<QListWidget>(window, QStringLiteral("clubs"));
    QVERIFY(clubs.count() >= 2);
    clubs.setCurrentRow(1);
    QVERIFY(view->SelectedClub() != 0 && !IsNationalTeam(view->SelectedClub()));

    bool shown = false;
    WhenModal<CPlayerDouble>(*this, [view, &shown](CPlayerDouble& dialog) {
        shown = true;
        QVERIFY(dialog.ScopeButton(EDuplicateScope::Country).isEnabled());
        QVERIFY(dialog.ScopeButton(EDuplicateScope::Club).isChecked());
        for (const SDuplicatePair& pair : dialog.Pairs()) {
            QVERIFY(pair.first.club->Id() == view->SelectedClub() ||
                    pair.second.club->Id() == view->SelectedClub());
        }
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    // The window's button opens it as the menu does; the comparison has no button.
    auto& button = Child<QPushButton>(window, QStringLiteral("duplicates"));
    QCOMPARE(button.text(), QStringLiteral("&Doppelte Spieler anzeigen"));
    QTest::mouseClick(&button, Qt::LeftButton);
    QVERIFY(shown);
    QCOMPARE(Child<QPushButton>(window, QStringLiteral("comparison")).text(),
             QStringLiteral("Spielerverglei&ch"));
    QVERIFY(Child<QPushButton>(window, QStringLiteral("comparison")).isHidden());

    shown = false;
    WhenModal<CDlgPlayerCompare>(*this, [view, &shown](CDlgPlayerCompare& dialog) {
        shown = true;
        QCOMPARE(dialog.Left().Countries().currentData().toInt(), view->SelectedCountry());
        QCOMPARE(dialog.Right().Countries().currentData().toInt(), view->SelectedCountry());
        QVERIFY(dialog.Left().ChosenPlayer() != 0);
        QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
    });
    comparison->trigger();
    QVERIFY(shown);
}

}  // namespace kw

KW_GUI_TEST(PlayerDoubleCompareTest);

#include "PlayerDoubleCompareTest.moc"
