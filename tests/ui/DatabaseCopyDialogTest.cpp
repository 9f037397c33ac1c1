#include <QDragEnterEvent>
#include <QMimeData>

#include "GuiTest.h"
#include "gui/mainwindow/DlgClubCopy.h"
#include "gui/mainwindow/DlgDatabaseCopy.h"
#include "gui/mainwindow/SyncTreeWidget.h"

namespace kw {

using namespace test;

namespace fs = std::filesystem;
using Kind = CScriptedUserInterface::Message::Kind;

// The synchronisation dialog on two copies of the small demo database: slot 0 and slot 1 (the
// current one, so the left tree shows slot 1 and the right one slot 0).
class DatabaseCopyDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void choicesShowTheSlotsAndDropsOfOtherKindsAreRefused();
    void clubOnCountryCopiesIntoItsNamesakeAndTheMasksAreRemembered();

private:
    // A country of the demo with clubs, and its first club other than the national team.
    const CClub& DemoClub() const;
    SSyncItem ClubRecord(int slot, const CClub& club) const;
    SSyncItem CountryRecord(int slot, int country) const;
    // Answers the next modal club copy dialog: `act` may change it, then it is accepted.
    void WhenClubDialog(std::function<void(CDlgClubCopy&)> act);

    CSmallDemoInstallation m_demo;
    std::unique_ptr<CDatabaseSlots> m_slots;
    CScriptedUserInterface m_ui;
};

void DatabaseCopyDialogTest::initTestCase() {
    QVERIFY(m_demo.Generate());
}

void DatabaseCopyDialogTest::init() {
    const fs::path install = m_demo.Path();
    m_slots = std::make_unique<CDatabaseSlots>(install);
    m_ui = CScriptedUserInterface{};
    CSilentProgress progress;
    for (int slot = 0; slot < 2; ++slot) {
        CDatabaseDocument* document = m_slots->AddSlot();
        QVERIFY(document != nullptr);
        QVERIFY(OpenDatabase(*document, install / "database", progress, m_ui));
    }
}

void DatabaseCopyDialogTest::cleanup() {
    m_slots.reset();
}

const CClub& DatabaseCopyDialogTest::DemoClub() const {
    const CWorld& world = m_slots->Slot(1)->World();
    for (int number = 1; number <= kCountryCount; ++number) {
        const CCountry& country = world.Country(number);
        if (country.Continent() < 6 && country.ClubCount() > 0) {
            for (const auto& entry : country.Clubs()) {
                if (!entry.second->IsNationalTeam()) {
                    return *entry.second;
                }
            }
        }
    }
    qFatal("no demo club");
}

SSyncItem DatabaseCopyDialogTest::ClubRecord(int slot, const CClub& club) const {
    const int continent = m_slots->Slot(slot)->World().Country(club.Country()).Continent();
    return SSyncItem::Club(slot, continent, club.Country(), club.Id());
}

SSyncItem DatabaseCopyDialogTest::CountryRecord(int slot, int country) const {
    const int continent = m_slots->Slot(slot)->World().Country(country).Continent();
    return SSyncItem::Country(slot, continent, country);
}

void DatabaseCopyDialogTest::WhenClubDialog(std::function<void(CDlgClubCopy&)> act) {
    WhenModal<CDlgClubCopy>(*this, [act = std::move(act)](CDlgClubCopy& dialog) {
        act(dialog);
        dialog.accept();
    });
}

// The current slot shows left and slot 0 right; a continent onto another and, after a real drag
// and drop, a country onto a club are refused; Enter does not close the dialog.
void DatabaseCopyDialogTest::choicesShowTheSlotsAndDropsOfOtherKindsAreRefused() {
    CDlgDatabaseCopy dialog(*m_slots, m_ui);
    auto* left = dialog.findChild<QComboBox*>(QStringLiteral("leftDatabase"));
    auto* right = dialog.findChild<QComboBox*>(QStringLiteral("rightDatabase"));
    QVERIFY(left != nullptr && right != nullptr);
    QCOMPARE(left->count(), 2);
    QCOMPARE(left->currentData().toInt(), 1);
    QCOMPARE(right->currentData().toInt(), 0);
    QCOMPARE(left->itemText(0), QStringLiteral("database"));

    auto* tree = dialog.findChild<CSyncTreeWidget*>(QStringLiteral("rightTree"));
    const CClub& club = DemoClub();
    QVERIFY(tree->Find(ClubRecord(0, club)) != nullptr);
    QVERIFY(tree->Find(ClubRecord(1, club)) == nullptr);
    // Choosing the other database refills the tree with its nodes.
    right->setCurrentIndex(1);
    QVERIFY(tree->Find(ClubRecord(1, club)) != nullptr);
    right->setCurrentIndex(0);

    dialog.Drop(SSyncItem::Continent(1, 0), SSyncItem::Continent(0, 1));
    QCOMPARE(m_ui.Texts(Kind::Error),
             std::vector<std::string>{std::string(GuiString(ids::kSyncDifferentContinents))});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClick(&dialog, Qt::Key_Return);
    QTest::keyClick(&dialog, Qt::Key_Enter);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), 0);

    auto* leftTree = dialog.findChild<CSyncTreeWidget*>(QStringLiteral("leftTree"));

    QTreeWidgetItem* country = leftTree->Reveal(CountryRecord(1, club.Country()));
    QVERIFY(country != nullptr);
    std::unique_ptr<QMimeData> data(leftTree->model()->mimeData({leftTree->currentIndex()}));
    QVERIFY(data != nullptr);
    QTreeWidgetItem* target = tree->Reveal(ClubRecord(0, club));
    QVERIFY(target != nullptr);
    const QPoint at = tree->visualItemRect(target).center();

    QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(tree->viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QDragMoveEvent move(at, Qt::CopyAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(tree->viewport(), &move);
    QVERIFY(move.isAccepted());
    QCOMPARE(tree->DropHighlight(), target);
    QDropEvent drop(at, Qt::CopyAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(tree->viewport(), &drop);
    QCOMPARE(tree->DropHighlight(), nullptr);

    QTRY_COMPARE(m_ui.Messages().size(), std::size_t{2});
    QCOMPARE(m_ui.Messages().back().text, std::string(GuiString(ids::kSyncSameKindsOnly)));
    QVERIFY(!m_slots->Slot(0)->IsModified());
}

void DatabaseCopyDialogTest::clubOnCountryCopiesIntoItsNamesakeAndTheMasksAreRemembered() {
    const CClub& club = DemoClub();
    CClub& source = *m_slots->Slot(1)->WorldForOperations().Country(club.Country()).Club(club.Id());
    const std::int16_t targetYear =
        m_slots->Slot(0)->World().Country(club.Country()).Club(club.Id())->FoundingYear();
    source.SetFoundingYear(static_cast<std::int16_t>(targetYear + 7));

    CDlgDatabaseCopy dialog(*m_slots, m_ui);
    dialog.show();
    bool asked = false;
    WhenClubDialog([&asked](CDlgClubCopy&) { asked = true; });
    dialog.Drop(ClubRecord(1, club), CountryRecord(0, club.Country()));

    QVERIFY(asked);
    CDatabaseDocument& target = *m_slots->Slot(0);
    const CCountry& country = target.World().Country(club.Country());
    QCOMPARE(country.Club(club.Id())->FoundingYear(), targetYear + 7);
    QCOMPARE(country.ClubCount(), m_slots->Slot(1)->World().Country(club.Country()).ClubCount());
    QVERIFY(m_ui.Messages().empty());
    // The target node is shown again.
    auto* tree = dialog.findChild<CSyncTreeWidget*>(QStringLiteral("rightTree"));
    QVERIFY(tree->currentItem() != nullptr);
    QCOMPARE(CSyncTreeWidget::Record(*tree->currentItem()), ClubRecord(0, club));
    QVERIFY(tree->currentItem()->parent()->isExpanded());

    QVERIFY(target.Undo());
    // Undo puts back the country as it was, as another object.
    QCOMPARE(target.World().Country(club.Country()).Club(club.Id())->FoundingYear(), targetYear);
    QCOMPARE(source.FoundingYear(), targetYear + 7);
    QVERIFY(!target.IsModified());

    // The masks chosen are remembered while the dialog is open.
    QCOMPARE(dialog.ClubMask(), kAllClubCopyGroups);
    QCOMPARE(dialog.CountryMask(), kAllCountryCopyGroups);

    WhenClubDialog([](CDlgClubCopy& copy) {
        auto* history = copy.findChild<QCheckBox*>(QStringLiteral("group800"));
        QVERIFY(history != nullptr && history->isChecked());
        QTest::keyClick(history, Qt::Key_Space);
    });
    dialog.Drop(ClubRecord(1, club), ClubRecord(0, club));
    QCOMPARE(dialog.ClubMask(), kAllClubCopyGroups & ~clubcopy::kHistory);

    bool historyChecked = true;
    bool kitChecked = false;
    WhenClubDialog([&](CDlgClubCopy& copy) {
        historyChecked = copy.findChild<QCheckBox*>(QStringLiteral("group800"))->isChecked();
        kitChecked = copy.findChild<QCheckBox*>(QStringLiteral("group40"))->isChecked();
    });
    dialog.Drop(ClubRecord(1, club), ClubRecord(0, club));
    QVERIFY(!historyChecked);
    QVERIFY(kitChecked);
    QCOMPARE(dialog.CountryMask(), kAllCountryCopyGroups);
}

}  // namespace kw

KW_GUI_TEST(DatabaseCopyDialogTest);
#include "DatabaseCopyDialogTest.moc"
