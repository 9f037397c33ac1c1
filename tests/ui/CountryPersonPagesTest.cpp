#include "GuiTest.h"
#include "editing/CountryStaffCommands.h"
#include "gui/controls/MyListBox.h"
#include "gui/editors/country/CountryManagersPage.h"
#include "gui/editors/country/CountryWindowContext.h"
#include "gui/editors/country/CountryYouthPage.h"
#include "gui/editors/country/DlgCountry.h"
#include "gui/editors/country/DlgFurtherManager.h"
#include "gui/editors/country/DlgPoolEntry.h"
#include "gui/editors/country/DlgStaffEntry.h"

namespace kw {

using namespace test;

// The country window's pages "Jugendspieler" and "Sonstige Trainer/Manager" on the small demo's
// default country, driven with the mouse and the keyboard.
class CountryPersonPagesTest : public CDemoGuiTest {
    Q_OBJECT

private slots:
    void youthPlayersCoachesAndStaffAreEditedAsOneEditOfTheWindow();
    void viewingBothPagesAndCancellingTheirDialogsLeavesTheDocumentClean();

private:
    static constexpr int kCountry = kDefaultCountry;

    const CCountry& Country() const { return m_document->World().Country(kCountry); }
    // The window with both pages, shown and active, the tab `tab` chosen.
    std::unique_ptr<CDlgCountry> Open(int tab);
    CCountryYouthPage& Youth(CDlgCountry& dialog) const;
    CCountryManagersPage& Managers(CDlgCountry& dialog) const;
    // Opens the "Neu" menu of the page as the mouse does and chooses its item `item`.
    void ChooseNew(CCountryManagersPage& page, int item);
    // One undo gives `original` back, the redo the edited world, which is sound.
    void ExpectSoundUndoAndRedo(const std::string& original);
    static int RowStartingWith(const CMyListBox& list, const QString& start);
    // The row as the list holds it, tabs between its columns.
    static QString RowText(const CMyListBox& list, int row) {
        return Cp1252ToQString(list.Row(row));
    }

    void Opened() override {
        m_context = std::make_unique<SCountryWindowContext>(
            SCountryWindowContext{m_demo.Installation(), nullptr, m_demo.Path()});
        QVERIFY(Country().UsedPoolEntries() >= 2);
        QVERIFY(!Country().ManagerIds().empty());
        QVERIFY(!Country().Staff().empty());
    }

    std::unique_ptr<SCountryWindowContext> m_context;
};

std::unique_ptr<CDlgCountry> CountryPersonPagesTest::Open(int tab) {
    auto dialog = std::make_unique<CDlgCountry>(*m_document, kCountry);
    dialog->SetPage(CDlgCountry::kYouth, new CCountryYouthPage(*m_document, kCountry, *m_context));
    dialog->SetPage(CDlgCountry::kManagers,
                    new CCountryManagersPage(*m_document, kCountry, *m_context));
    ShowActive(*dialog);
    ShowTab(dialog->Tabs(), tab);
    return dialog;
}

CCountryYouthPage& CountryPersonPagesTest::Youth(CDlgCountry& dialog) const {
    return *qobject_cast<CCountryYouthPage*>(dialog.Page(CDlgCountry::kYouth));
}

CCountryManagersPage& CountryPersonPagesTest::Managers(CDlgCountry& dialog) const {
    return *qobject_cast<CCountryManagersPage*>(dialog.Page(CDlgCountry::kManagers));
}

void CountryPersonPagesTest::ChooseNew(CCountryManagersPage& page, int item) {
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, timer, [timer, item] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            timer->stop();
            timer->deleteLater();
            QAction* action = menu->actions().at(item);
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        }
    });
    timer->start(10);
    QTest::mouseClick(page.findChild<QPushButton*>(QStringLiteral("new")), Qt::LeftButton);
}

void CountryPersonPagesTest::ExpectSoundUndoAndRedo(const std::string& original) {
    const std::string edited = Dump();
    QVERIFY(m_document->Undo());
    QCOMPARE(Dump(), original);
    QVERIFY(m_document->Redo());
    QCOMPARE(Dump(), edited);
    QCOMPARE(CountryFault(*m_document, kCountry), QString());
}

int CountryPersonPagesTest::RowStartingWith(const CMyListBox& list, const QString& start) {
    for (int row = 0; row < list.count(); ++row) {
        if (RowText(list, row).startsWith(start)) {
            return row;
        }
    }
    return -1;
}

void CountryPersonPagesTest::youthPlayersCoachesAndStaffAreEditedAsOneEditOfTheWindow() {
    const std::string original = Dump();
    const int used = Country().UsedPoolEntries();
    auto dialog = Open(CDlgCountry::kYouth);
    CCountryYouthPage& page = Youth(*dialog);
    QCOMPARE(page.List().count(), used);

    bool okGreyedWithoutSurname = false;
    WhenModal<CDlgPoolEntry>(*this, [&](CDlgPoolEntry& entry) {
        auto* buttons = entry.findChild<QDialogButtonBox*>(QStringLiteral("buttons"));
        okGreyedWithoutSurname = !buttons->button(QDialogButtonBox::Ok)->isEnabled();
        Retype(entry, QStringLiteral("firstName"), QStringLiteral("Karl"));
        Retype(entry, QStringLiteral("surname"), QStringLiteral("Zoller"));
        auto* part = entry.findChild<QComboBox*>(QStringLiteral("teamPart"));
        part->setFocus();
        QTest::keyClick(part, Qt::Key_End);
        auto* createAClub = entry.findChild<QCheckBox*>(QStringLiteral("createAClub"));
        createAClub->setFocus();
        QTest::keyClick(createAClub, Qt::Key_Space);
        PressOk(entry);
    });
    Click(page, QStringLiteral("new"));
    QVERIFY(okGreyedWithoutSurname);

    QCOMPARE(page.List().count(), used + 1);
    const int row = page.List().currentRow();
    QVERIFY(RowText(page.List(), row).startsWith(QStringLiteral("Zoller,K.")));
    const auto& pool = Country().PlayerPool();
    const auto added = std::find_if(pool.begin(), pool.end(), [](const CPoolEntry& e) {
        return e.Surname().View() == "Zoller";
    });
    QVERIFY(added != pool.end());
    QCOMPARE(added->FirstName().View(), std::string_view("Karl"));
    QCOMPARE(static_cast<int>(added->Nationality()), kCountry);
    QCOMPARE(static_cast<int>(added->TeamPart()), CPoolEntry::kTeamPartCount - 1);
    QCOMPARE(added->PreferredClub(), CPoolEntry::kCreateAClub);

    ClickRow(page.List(), 1);
    WhenModal<CDlgPoolEntry>(*this, [](CDlgPoolEntry& entry) {
        Retype(entry, QStringLiteral("surname"), QStringLiteral("Neumann"));
        PressOk(entry);
    });
    Click(page, QStringLiteral("change"));
    QCOMPARE(page.List().currentRow(), 1);
    QVERIFY(RowText(page.List(), 1).startsWith(QStringLiteral("Neumann")));

    // Emptying the surname greys OK: the entry would vanish.
    bool okGreyed = false;
    WhenModal<CDlgPoolEntry>(*this, [&okGreyed](CDlgPoolEntry& entry) {
        Retype(entry, QStringLiteral("surname"), QString());
        okGreyed = !Child<QDialogButtonBox>(entry, QStringLiteral("buttons"))
                        .button(QDialogButtonBox::Ok)
                        ->isEnabled();
    });
    Click(page, QStringLiteral("change"));
    QVERIFY(okGreyed);
    QCOMPARE(Country().UsedPoolEntries(), used + 1);

    ClickRow(page.List(), 0);
    const QString second = RowText(page.List(), 1);
    Click(page, QStringLiteral("delete"));
    QCOMPARE(page.List().count(), used);
    QCOMPARE(RowText(page.List(), 0), second);
    QCOMPARE(Country().UsedPoolEntries(), used);

    // Coaches and staff are changed, deleted and added on the other page, in the same edit.
    const std::size_t managers = Country().ManagerIds().size();
    const std::size_t staff = Country().Staff().size();
    const std::uint32_t firstCoach = Country().ManagerIds().front();
    ShowTab(dialog->Tabs(), CDlgCountry::kManagers);
    CCountryManagersPage& people = Managers(*dialog);
    QCOMPARE(static_cast<std::size_t>(people.List().count()), managers + staff);

    // The first staff pool entry stands right after the coaches; Enter on it opens its dialog.
    ClickRow(people.List(), static_cast<int>(managers));
    WhenModal<CDlgStaffEntry>(*this, [](CDlgStaffEntry& entry) {
        Retype(entry, QStringLiteral("firstName"), QStringLiteral("Ole"));
        Retype(entry, QStringLiteral("surname"), QStringLiteral("Brasche"));
        PressOk(entry);
    });
    people.List().setFocus();
    QTest::keyClick(&people.List(), Qt::Key_Return);
    // The Enter that changed the row did not confirm the window too.
    QVERIFY(dialog->isVisible());
    QCOMPARE(Country().Staff().front().Surname().View(), std::string_view("Brasche"));
    QVERIFY(RowText(people.List(), static_cast<int>(managers))
                .startsWith(QStringLiteral("Brasche, O.\t")));

    ClickRow(people.List(), 0);
    Click(people, QStringLiteral("delete"));
    QCOMPARE(m_document->World().Manager(firstCoach), nullptr);
    QCOMPARE(Country().ManagerIds().size(), managers - 1);
    QCOMPARE(people.List().currentRow(), 0);

    // A new coach and a new staff member join through the "Neu" menu.
    WhenModal<CDlgFurtherManager>(*this, [](CDlgFurtherManager& coach) {
        Retype(coach, QStringLiteral("firstName"), QStringLiteral("Bendix"));
        Retype(coach, QStringLiteral("surname"), QStringLiteral("Krause"));
        Retype(coach, QStringLiteral("nickname"), QStringLiteral("Der General"));
        PressOk(coach);
    });
    ChooseNew(people, 0);
    QTRY_VERIFY(RowStartingWith(people.List(), QStringLiteral("Krause, B.\tTrainer")) >= 0);
    const int coachRow = RowStartingWith(people.List(), QStringLiteral("Krause, B.\tTrainer"));
    QVERIFY(coachRow < static_cast<int>(managers));
    QCOMPARE(people.List().currentRow(), coachRow);
    const std::uint32_t id = Country().ManagerIds().back();
    QCOMPARE(m_document->World().Manager(id)->Nickname().View(), std::string_view("Der General"));
    QCOMPARE(m_document->World().Manager(id)->Nationality(), kCountry);

    WhenModal<CDlgStaffEntry>(*this, [](CDlgStaffEntry& entry) {
        Retype(entry, QStringLiteral("surname"), QStringLiteral("Moll"));
        auto* job = entry.findChild<QComboBox*>(QStringLiteral("job"));
        job->setFocus();
        QTest::keyClick(job, Qt::Key_End);
        PressOk(entry);
    });
    ChooseNew(people, 1);
    QTRY_COMPARE(static_cast<std::size_t>(people.List().count()), managers + staff + 1);
    QCOMPARE(people.List().currentRow(), people.List().count() - 1);
    QCOMPARE(Country().Staff().back().Surname().View(), std::string_view("Moll"));
    QCOMPARE(static_cast<int>(Country().Staff().back().Job()), kStaffJobCount - 1);

    PressOk(*dialog);
    QCOMPARE(Edits(), std::size_t{1});
    QCOMPARE(*m_document->UndoDescription(), Cp1252ToUtf8(Country().Name(m_document->Language())));
    ExpectSoundUndoAndRedo(original);
}

void CountryPersonPagesTest::viewingBothPagesAndCancellingTheirDialogsLeavesTheDocumentClean() {
    const std::string original = Dump();
    auto dialog = Open(CDlgCountry::kYouth);
    ClickRow(Youth(*dialog).List(), 0);
    // OK on an untouched entry changes nothing.
    WhenModal<CDlgPoolEntry>(*this, [](CDlgPoolEntry& entry) { PressOk(entry); });
    Click(Youth(*dialog), QStringLiteral("change"));
    // A typed name, then Escape: in a changed entry and in a new one.
    for (const QString& button : {QStringLiteral("change"), QStringLiteral("new")}) {
        WhenModal<CDlgPoolEntry>(*this, [](CDlgPoolEntry& entry) {
            Retype(entry, QStringLiteral("surname"), QStringLiteral("Anders"));
            QTest::keyClick(&entry, Qt::Key_Escape);
        });
        Click(Youth(*dialog), button);
    }

    ShowTab(dialog->Tabs(), CDlgCountry::kManagers);
    CCountryManagersPage& managers = Managers(*dialog);
    ClickRow(managers.List(), 0);
    WhenModal<CDlgFurtherManager>(*this, [](CDlgFurtherManager& coach) { PressOk(coach); });
    Click(managers, QStringLiteral("change"));
    ClickRow(managers.List(), static_cast<int>(Country().ManagerIds().size()));
    WhenModal<CDlgStaffEntry>(*this, [](CDlgStaffEntry& entry) { PressOk(entry); });
    Click(managers, QStringLiteral("change"));
    PressOk(*dialog);
    QVERIFY(!m_document->IsModified());
    QCOMPARE(Edits(), std::size_t{0});
    QCOMPARE(Dump(), original);
}

}  // namespace kw

KW_GUI_TEST(CountryPersonPagesTest);

#include "CountryPersonPagesTest.moc"
