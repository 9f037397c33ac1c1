#include "GuiTest.h"
#include "gui/controls/DlgInputBox.h"
#include "gui/editors/DlgPlayerlistClub.h"
#include "gui/editors/club/DlgClubParent.h"
#include "gui/mainwindow/DlgDatabaseDiff.h"
#include "gui/mainwindow/QtText.h"
#include "storage/TextHelpers.h"

namespace kw {

using namespace test;

// Quick find in the main window and the database diff window, on the small demo, driven through
// their widgets.
class QuickFindDiffTest : public CMainWindowGuiTest {
    Q_OBJECT

private slots:
    void quickFindOpensWhatItFindsAndCompareListsTheDifferences();

private:
    // A club on a continent other than the one the window starts on (Europe), with players.
    static const CClub& FarClub(const CWorld& world);
    // What a user types for a name: the name folded as the search folds it (ASCII, so QTest can
    // type it), in lower case.
    static QString Typed(std::string_view name);
};

const CClub& QuickFindDiffTest::FarClub(const CWorld& world) {
    for (int number = 1; number <= kCountryCount; ++number) {
        const CCountry& country = world.Country(number);
        const int continent = country.Continent();
        if (continent == 0 || continent >= 6 || country.ClubCount() < 3) {
            continue;
        }
        const CClub& club = *std::next(country.Clubs().begin(), 1)->second;
        if (!club.PersonIds().empty()) {
            return club;
        }
    }
    qFatal("no club outside Europe");
}

QString QuickFindDiffTest::Typed(std::string_view name) {
    const QString folded = QString::fromLatin1(FoldForSearch(name)).toLower();
    for (const QChar c : folded) {
        if (c.unicode() > 0x7E) {
            qFatal("name not typeable");
        }
    }
    return folded;
}

void QuickFindDiffTest::quickFindOpensWhatItFindsAndCompareListsTheDifferences() {
    DlgMainMenu window(m_context, m_ui);
    // Active, so that the shortcut reaches it (on a real X server without a window manager too).
    ShowActive(window);
    const CWorld& world = window.World();
    const std::string before = DumpWorldJson(world);
    const CClub& club = FarClub(world);
    const int country = ClubCountry(club.Id());
    QVERIFY(CurrentCountry(window) != country);

    auto& field = Child<QLineEdit>(window, "quickFind");
    auto& results = Child<QTreeWidget>(window, "quickFindResults");
    QVERIFY(!results.isVisibleTo(&window));
    // Ctrl+F focuses the field; many hits give a notice; Escape clears.
    auto& notice = Child<QLabel>(window, "quickFindNotice");
    auto& countries = Child<QListWidget>(window, "countries");
    countries.setFocus();
    QTest::keyClick(&countries, Qt::Key_F, Qt::ControlModifier);
    QVERIFY(field.hasFocus());
    QTest::keyClicks(&field, QStringLiteral("*"));
    QCOMPARE(results.topLevelItemCount(), 200);
    QVERIFY(notice.isVisibleTo(&window));
    QVERIFY(notice.text().contains(QStringLiteral("nur die ersten 200")));
    QTest::keyClicks(&field, QStringLiteral("zzqqxx"));
    QCOMPARE(results.topLevelItemCount(), 0);
    QCOMPARE(notice.text(), QStringLiteral("Keine Treffer."));
    QTest::keyClick(&field, Qt::Key_Escape);
    QVERIFY(field.text().isEmpty());
    QVERIFY(!results.isVisibleTo(&window));
    QVERIFY(!notice.isVisibleTo(&window));

    QTest::keyClicks(&field, Typed(club.Name(kDefaultLanguage)));
    QVERIFY(results.isVisibleTo(&window));
    QVERIFY(results.topLevelItemCount() >= 1);
    const QTreeWidgetItem& first = *results.topLevelItem(0);
    QCOMPARE(first.text(0), QStringLiteral("Verein"));
    QCOMPARE(first.text(1), FromCp1252(club.Name(kDefaultLanguage)));
    QCOMPARE(first.text(2), FromCp1252(world.Country(country).Name(kDefaultLanguage)));

    QString opened;
    {
        QObject scope;
        WhenModal<CDlgClubParent>(
            scope, [&opened](CDlgClubParent& dialog) { opened = dialog.windowTitle(); });
        QTest::keyClick(&field, Qt::Key_Return);
    }
    QVERIFY(!opened.isEmpty());
    QVERIFY(opened.contains(FromCp1252(club.Name(kDefaultLanguage))));
    QCOMPARE(CurrentCountry(window), country);
    QCOMPARE(CurrentClub(window), club.Id());

    // A player of the club: Down into the list, then Enter there opens the squad. Another
    // country is shown first, so that the club being current again proves the jump.
    countries.setCurrentRow(RowWithData(countries, kDefaultCountry));
    QVERIFY(CurrentCountry(window) != country);
    const CPlayer* player = nullptr;
    for (const std::uint32_t id : club.PersonIds()) {
        if (world.Person(id)->IsPlayer()) {
            player = world.Person(id);
            break;
        }
    }
    QVERIFY(player != nullptr);
    const QString name = FromCp1252(player->FirstName().View()) + QStringLiteral(" ") +
                         FromCp1252(player->Surname().View());
    field.clear();
    QTest::keyClicks(&field, Typed(ToCp1252(name)));
    QVERIFY(results.topLevelItemCount() >= 1);
    QCOMPARE(results.topLevelItem(0)->text(0), QStringLiteral("Spieler"));
    QCOMPARE(results.topLevelItem(0)->text(1), name);
    QCOMPARE(results.topLevelItem(0)->text(3), FromCp1252(club.Name(kDefaultLanguage)));
    QTest::keyClick(&field, Qt::Key_Down);
    bool squadOpened = false;
    {
        QObject scope;
        WhenModal<CDlgPlayerlistClub>(scope,
                                      [&squadOpened](CDlgPlayerlistClub&) { squadOpened = true; });
        QTest::keyClick(&results, Qt::Key_Return);
    }
    QVERIFY(squadOpened);
    QCOMPARE(CurrentClub(window), club.Id());

    // Finding and looking changes nothing.
    QCOMPARE(window.Document().History().Count(), std::size_t{0});
    QCOMPARE(DumpWorldJson(world), before);
    QVERIFY(ReferenceFaults(world).empty());

    // Comparing needs two databases and lists the differences.
    QAction* compare = Action(window, QStringLiteral("Datenbanken vergleichen"));
    QVERIFY(compare != nullptr);
    QVERIFY(!compare->isEnabled());
    NewDatabase(window, QStringLiteral("Leere Welt"));
    QVERIFY(compare->isEnabled());

    int topLevel = 0;
    QString summary;
    QString other;
    {
        QObject scope;
        WhenModal<CDlgDatabaseDiff>(scope, [&](CDlgDatabaseDiff& dialog) {
            topLevel = Child<QTreeWidget>(dialog, "differences").topLevelItemCount();
            summary = Child<QLabel>(dialog, "summary").text();
            other = Child<QComboBox>(dialog, "otherDatabase").currentText();
        });
        compare->trigger();
    }
    // The new, empty database against the demo: every country with clubs differs.
    QVERIFY(topLevel > 1);
    QVERIFY(summary.contains(QStringLiteral("unterscheiden sich")));
    QVERIFY(other.startsWith(QStringLiteral("1 ")));

    // Identical databases, then one changed player, in the diff window itself.
    COpenDemo one(m_install->path().toStdString());
    COpenDemo two(m_install->path().toStdString());
    QVERIFY(one.IsOpen() && two.IsOpen());
    {
        CDlgDatabaseDiff dialog({{QStringLiteral("1 eins"), &one.Document()},
                                 {QStringLiteral("2 zwei"), &two.Document()}},
                                0);
        QCOMPARE(Child<QTreeWidget>(dialog, "differences").topLevelItemCount(), 0);
        QCOMPARE(Child<QLabel>(dialog, "summary").text(),
                 QStringLiteral("Die Datenbanken sind gleich."));
    }

    CWorld& copy = two.Document().WorldForOperations();
    const CClub& changedClub = FarClub(copy);
    CPlayer& changed = *copy.Person(changedClub.PersonIds().front());
    const int ability = changed.Abilities()[1];
    changed.SetAbility(1, static_cast<std::uint8_t>(ability == 40 ? 41 : 40));
    CDlgDatabaseDiff dialog(
        {{QStringLiteral("1 eins"), &one.Document()}, {QStringLiteral("2 zwei"), &two.Document()}},
        0);
    auto& tree = Child<QTreeWidget>(dialog, "differences");
    QCOMPARE(tree.topLevelItemCount(), 1);
    const QTreeWidgetItem& countryItem = *tree.topLevelItem(0);
    QVERIFY(countryItem.text(0).startsWith(QString::number(ClubCountry(changedClub.Id())) +
                                           QStringLiteral(" ")));
    QCOMPARE(countryItem.childCount(), 1);
    QCOMPARE(countryItem.child(0)->text(0), QStringLiteral("Personen (1)"));
    const QTreeWidgetItem& record = *countryItem.child(0)->child(0);
    QVERIFY(record.text(0).startsWith(QStringLiteral("geändert: ") +
                                      FromCp1252(changed.Surname().View())));
    QCOMPARE(record.childCount(), 1);
    QCOMPARE(record.child(0)->text(0),
             QStringLiteral("abilities[1]: %1 → %2").arg(ability).arg(changed.Abilities()[1]));
    QCOMPARE(Child<QLabel>(dialog, "summary").text(),
             QStringLiteral("1 Eintrag unterscheidet sich."));
}

}  // namespace kw

KW_GUI_TEST(QuickFindDiffTest);

#include "QuickFindDiffTest.moc"
