#include "GuiTest.h"
#include "gui/editors/DlgPlayerlistClub.h"
#include "gui/mainwindow/DlgValidationReport.h"

namespace kw {

using namespace test;

constexpr int kGermany = 14;
constexpr int kPresident = 3;

// "Datenbank prüfen" on the small demo with faults made by hand, driven with mouse and keyboard.
class ValidationReportTest : public CDemoGuiTest {
    Q_OBJECT

private slots:
    void findingsAreGroupedSortableAndOpenTheirEditor();
    void mainWindowOffersTheReportOnF7();

private:
    // Two presidents in the first team of the first club of Germany: a squad error.
    CClub& MakeSquadFault();
    std::unique_ptr<CDlgValidationReport> OpenReport();
    // The row whose text contains `part`, below the country's and the kind's rows.
    static QTreeWidgetItem* Row(QTreeWidget& tree, const QString& country, const QString& kind,
                                const QString& part = {});
    // The finding of the two presidents, when the report lists it.
    static QTreeWidgetItem* SquadRow(QTreeWidget& tree) {
        return Row(tree, QStringLiteral("Deutschland"), QStringLiteral("Kaderpr\u00FCfung"),
                   QStringLiteral("Es darf nur ein Pr\u00E4sident in der ersten"));
    }
    CWorld& Live() const { return m_document->WorldForOperations(); }
};

CClub& ValidationReportTest::MakeSquadFault() {
    for (const auto& [id, club] : Live().Country(kGermany).Clubs()) {
        if (club->IsNationalTeam() || club->FirstTeam().size() < 3) {
            continue;
        }
        int made = 0;
        for (const std::uint32_t person : club->PersonIds()) {
            CPlayer& player = *Live().Person(person);
            if (made < 2 && player.Kind() == 0 && player.TeamFlag() == 0) {
                player.SetKind(kPresident);
                ++made;
            }
        }
        return *club;
    }
    throw std::runtime_error("Germany without a squad");
}

std::unique_ptr<CDlgValidationReport> ValidationReportTest::OpenReport() {
    const CInstallationData& installation = m_demo.Installation();
    auto report = std::make_unique<CDlgValidationReport>(
        *m_document, &installation.Tools(),
        SValidationEditors{installation, nullptr, m_demo.Context().installDirectory,
                           m_demo.Context().cityDirectory, false});
    report->show();
    // Waiting for the window lets the check finish first on a fast display: only its end counts.
    if (!QTest::qWaitForWindowExposed(report.get()) ||
        !QTest::qWaitFor([&report] { return !report->IsRunning(); })) {
        throw std::runtime_error("report not shown or not finished");
    }
    return report;
}

QTreeWidgetItem* ValidationReportTest::Row(QTreeWidget& tree, const QString& country,
                                           const QString& kind, const QString& part) {
    for (int top = 0; top < tree.topLevelItemCount(); ++top) {
        QTreeWidgetItem* countryItem = tree.topLevelItem(top);
        if (countryItem->text(0) != country) {
            continue;
        }
        for (int k = 0; k < countryItem->childCount(); ++k) {
            QTreeWidgetItem* kindItem = countryItem->child(k);
            if (kindItem->text(0) != kind) {
                continue;
            }
            if (part.isEmpty()) {
                return kindItem;
            }
            for (int r = 0; r < kindItem->childCount(); ++r) {
                if (kindItem->child(r)->text(0).contains(part)) {
                    return kindItem->child(r);
                }
            }
        }
    }
    return nullptr;
}

// Findings are grouped by country and kind, with counts, and sortable; a double click or Enter on
// the squad finding opens the squad dialog, and closing it or an edit runs the report again.
void ValidationReportTest::findingsAreGroupedSortableAndOpenTheirEditor() {
    const CClub& club = MakeSquadFault();
    const std::uint32_t clubId = club.Id();
    CClub& england = *Live().Country(50).Clubs().begin()->second;
    england.SetBadgePath("Nowhere\\Badge256\\none.tga");
    auto report = OpenReport();
    QTreeWidget& tree = report->Tree();

    QTreeWidgetItem* squad =
        Row(tree, QStringLiteral("Deutschland"), QStringLiteral("Kaderpr\u00FCfung"));
    QVERIFY(squad != nullptr);
    QVERIFY(squad->childCount() >= 1);
    QCOMPARE(squad->data(2, Qt::DisplayRole).toInt(), squad->childCount());
    QCOMPARE(squad->text(1), QStringLiteral("Fehler"));
    QVERIFY(SquadRow(tree) != nullptr);
    QTreeWidgetItem* badge = Row(tree, QStringLiteral("England"), QStringLiteral("Fehlende Wappen"),
                                 QStringLiteral("Nowhere"));
    QVERIFY(badge != nullptr);
    QCOMPARE(badge->text(1), QStringLiteral("Warnung"));

    // The country's count adds up its kinds'; each finding of the report is listed once.
    int listed = 0;
    for (int top = 0; top < tree.topLevelItemCount(); ++top) {
        QTreeWidgetItem* country = tree.topLevelItem(top);
        int kinds = 0;
        for (int k = 0; k < country->childCount(); ++k) {
            kinds += country->child(k)->childCount();
        }
        QCOMPARE(country->data(2, Qt::DisplayRole).toInt(), kinds);
        listed += kinds;
    }
    QCOMPARE(listed, static_cast<int>(report->Findings().size()));

    // A click on "Anzahl" twice sorts the countries by count, the largest first.
    QHeaderView* header = tree.header();
    ClickHeader(tree, 2);
    if (header->sortIndicatorOrder() != Qt::DescendingOrder) {
        ClickHeader(tree, 2);
    }
    QCOMPARE(header->sortIndicatorSection(), 2);
    for (int top = 1; top < tree.topLevelItemCount(); ++top) {
        QVERIFY(tree.topLevelItem(top - 1)->data(2, Qt::DisplayRole).toInt() >=
                tree.topLevelItem(top)->data(2, Qt::DisplayRole).toInt());
    }
    // Looking changed nothing.
    QCOMPARE(Edits(), std::size_t{0});

    QTreeWidgetItem* row = SquadRow(tree);
    QVERIFY(row->text(0).startsWith(
        QString::fromLatin1(std::string(club.Name(kDefaultLanguage)).c_str())));
    int opened = 0;
    WhenModal<CDlgPlayerlistClub>(*this, [&opened](CDlgPlayerlistClub& dialog) {
        ++opened;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Kickwerk 06 - Spielerkader"));
        // Its own check lists the fault again; "Egal" closes the dialog all the same.
        CloseWith(dialog, Qt::Key_Return, true);
    });
    tree.scrollToItem(row);
    // A user's double click: a click, then the second press as a double click.
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(row).center());
    QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(row).center());
    QCOMPARE(opened, 1);
    // Closed, the report runs again.
    QVERIFY(report->IsRunning());
    QTRY_VERIFY(!report->IsRunning());
    row = SquadRow(report->Tree());
    QVERIFY(row != nullptr);
    QVERIFY(ReferenceFaults(m_document->World()).empty());

    WhenModal<CDlgPlayerlistClub>(*this, [&opened](CDlgPlayerlistClub& dialog) {
        ++opened;
        CloseWith(dialog, Qt::Key_Escape, true);
    });
    tree.setFocus();
    tree.setCurrentItem(row);
    QTest::keyClick(&tree, Qt::Key_Return);
    QCOMPARE(opened, 2);
    QVERIFY(report->isVisible());
    QTRY_VERIFY(!report->IsRunning());

    // Mending the squad as one edit runs the report again, and the fault is gone.
    QVERIFY(
        m_document->Perform("Kader", SWorldScope::Countries({kGermany}), [clubId](CWorld& world) {
            for (const std::uint32_t person : world.Country(kGermany).Club(clubId)->PersonIds()) {
                if (world.Person(person)->Kind() == kPresident) {
                    world.Person(person)->SetKind(0);
                }
            }
            return true;
        }));
    QVERIFY(report->IsRunning());
    QTRY_VERIFY(!report->IsRunning());
    QCOMPARE(SquadRow(report->Tree()), nullptr);
}

void ValidationReportTest::mainWindowOffersTheReportOnF7() {
    const std::unique_ptr<QTemporaryDir> install = CopyInstallation(m_demo.Path());
    QVERIFY(install != nullptr);
    SAppContext context = ContextFor(*install);
    CScriptedUserInterface ui;
    DlgMainMenu window(context, ui);
    // The shortcut belongs to the active window.
    ShowActive(window);
    QAction* action = Action(window, QStringLiteral("&Datenbank pr\u00FCfen"));
    QVERIFY(action != nullptr);
    QCOMPARE(action->shortcut(), QKeySequence(Qt::Key_F7));
    int shown = 0;
    WhenModal<CDlgValidationReport>(*this, [&shown](CDlgValidationReport& report) {
        ++shown;
        QTRY_VERIFY(!report.IsRunning());
        QVERIFY(report.Tree().topLevelItemCount() > 0);
        QTest::keyClick(&report, Qt::Key_Escape);
    });
    QTest::keyClick(&window, Qt::Key_F7);
    QCOMPARE(shown, 1);
    QCOMPARE(window.Document().History().Count(), std::size_t{0});
}

}  // namespace kw

KW_GUI_TEST(ValidationReportTest);

#include "ValidationReportTest.moc"
