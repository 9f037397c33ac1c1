#include <QSpinBox>

#include "GuiTest.h"
#include "document/RecordEdits.h"
#include "gui/controls/MyTabCtrl.h"
#include "gui/editors/EditorPage.h"
#include "gui/editors/club/DlgClubParent.h"
#include "model/ClubNames.h"

namespace kw {

using namespace test;

// The club editor on the small demo database, driven through its controls.
class ClubEditorTest : public CDemoGuiTest {
    Q_OBJECT

private slots:
    void buttonsAndCancelAfterEditingBothPagesLeaveTheClubUnchanged();
    void okWithoutEditsKeepsOddValuesAndTheLanguageChoiceSwitchesTexts();
    void editAndOkRecordOneEditThatUndoTakesBackExactly();
    void clubButtonOfTheMainWindowOpensTheEditor();

private:
    // A club of the demo with other clubs in its country.
    const CClub& DemoClub() const;
    std::unique_ptr<CDlgClubParent> OpenEditor(const CClub& club, bool languageSelection = false);
    // The page with that title, chosen with the mouse.
    static void ShowTab(CDlgClubParent& dialog, const QString& title);
    std::string CountryDump(const CClub& club) const;
};

const CClub& ClubEditorTest::DemoClub() const {
    return *ClubsWhere(World(), [this](const CClub& club) {
                return !club.FirstTeam().empty() &&
                       World().Country(club.Country()).ClubCount() >= 3;
            }).at(0);
}

std::unique_ptr<CDlgClubParent> ClubEditorTest::OpenEditor(const CClub& club,
                                                           bool languageSelection) {
    auto dialog = std::make_unique<CDlgClubParent>(*m_document, club, m_demo.Installation(),
                                                   nullptr, m_demo.Context().cityDirectory,
                                                   SClubEditorOptions{languageSelection});
    dialog->show();
    [&] { QVERIFY(QTest::qWaitForWindowExposed(dialog.get())); }();
    return dialog;
}

void ClubEditorTest::ShowTab(CDlgClubParent& dialog, const QString& title) {
    QTabBar* bar = dialog.Tabs().tabBar();
    int index = 0;
    while (index < bar->count() && bar->tabText(index) != title) {
        ++index;
    }
    QVERIFY(index < bar->count());
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    QCOMPARE(dialog.Tabs().currentIndex(), index);
}

std::string ClubEditorTest::CountryDump(const CClub& club) const {
    return DumpWorldJson(m_document->World(), club.Country());
}

void ClubEditorTest::buttonsAndCancelAfterEditingBothPagesLeaveTheClubUnchanged() {
    const CClub& club = DemoClub();
    const std::string before = CountryDump(club);
    auto dialog = OpenEditor(club);
    QCOMPARE(int(m_document->Language()), 0);
    auto& button = Child<QPushButton>(*dialog, QStringLiteral("article0"));
    // Four presses come back to the start (the articles and their order: ClubButtons in
    // tests/editing).
    const auto articles = ClubArticles(0);
    const int start = club.ArticleChoice(CClub::kClubArticle, 0);
    QCOMPARE(button.text(), Cp1252ToQString(articles[static_cast<std::size_t>(start)]));
    for (int press = 1; press <= 4; ++press) {
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(button.text(),
                 Cp1252ToQString(articles[static_cast<std::size_t>((start + press) % 4)]));
    }
    QCOMPARE(int(dialog->WorkingCopy().ArticleChoice(CClub::kClubArticle, 0)), start);
    // "Im Satz" shows the sentence with the name as typed.
    auto& sentence = Child<QPushButton>(*dialog, QStringLiteral("sentence0"));
    Retype(*dialog, QStringLiteral("name"), QStringLiteral("Neuer Name"));
    QVERIFY2(sentence.text().contains(QStringLiteral("Neuer Name")), qPrintable(sentence.text()));
    const QString first = sentence.text();
    QTest::mouseClick(&sentence, Qt::LeftButton);
    QVERIFY(sentence.text() != first);
    Click(*dialog, QStringLiteral("article1"));
    ShowTab(*dialog, QStringLiteral("Historische Daten"));
    Retype(*dialog, QStringLiteral("statistic0"), QStringLiteral("4321"));
    Retype(*dialog, QStringLiteral("recordOpponent2"), QStringLiteral("Irgendwer"));
    ShowTab(*dialog, QStringLiteral("Allgemeine Informationen"));
    // The working copy took the edits of both pages; the club did not.
    QCOMPARE(dialog->WorkingCopy().Statistics()[0], 4321);
    QCOMPARE(Child<QLineEdit>(*dialog, QStringLiteral("name")).text(),
             QStringLiteral("Neuer Name"));
    QTest::mouseClick(Child<QDialogButtonBox>(*dialog, QStringLiteral("buttons"))
                          .button(QDialogButtonBox::Cancel),
                      Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(CountryDump(club), before);
    QCOMPARE(Edits(), std::size_t{0});

    // Escape is Cancel as well.
    dialog = OpenEditor(club);
    Retype(*dialog, QStringLiteral("name"), QStringLiteral("Anders"));
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(CountryDump(club), before);
    QVERIFY(!m_document->IsModified());
}

void ClubEditorTest::okWithoutEditsKeepsOddValuesAndTheLanguageChoiceSwitchesTexts() {
    const CClub& club = DemoClub();
    const CWorld& world = m_document->World();
    std::uint32_t foreign = 0;
    for (const auto& entry : world.Country(club.Country() == 14 ? 21 : 14).Clubs()) {
        foreign = entry.first;
    }
    CClub odd = club;
    odd.SetInitialAssets(1234567);
    odd.SetCreditLine(4711);
    odd.SetFoundingYear(1700);
    odd.SetFanFriendship(foreign);
    odd.SetRival(0, foreign);
    odd.SetRival(3, world.Country(club.Country()).Clubs().begin()->first);
    odd.SetName(0, "Ein Vereinsname mit 29 Zeichen");
    odd.SetAlternativeName(0, "Ganz anders");
    odd.SetAlternativeAbbreviation(0, "GA");
    odd.SetFansName("Neunzehn Zeichen!!");
    odd.SetPrestige(33);
    odd.SetPointsDeduction(5);
    odd.SetPublicCompany(2);
    odd.SetBiggestMatchAttendance(1234567);
    odd.SetStatistic(0, 123456);
    odd.RecordResult(CClub::kHomeWin).SetGoalsFor(-2);
    odd.RecordResult(CClub::kHomeWin).SetOpponent("Ein Gegner mit neunundzwanzig!");
    m_document->Do(std::make_unique<CClubValuesEdit>("Vorbereitung", odd));
    QVERIFY(club.HasSameData(odd));
    const std::string before = CountryDump(club);

    auto dialog = OpenEditor(club);
    ShowTab(*dialog, QStringLiteral("Historische Daten"));
    ShowTab(*dialog, QStringLiteral("Allgemeine Informationen"));
    // Values the controls cannot show are no change of the page.
    QVERIFY(!TabEditorPage(dialog->Tabs(), dialog->Tabs().currentIndex())->Differs());
    PressOk(*dialog);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(CountryDump(club), before);
    QCOMPARE(Edits(), std::size_t{1});
    QCOMPARE(club.InitialAssets(), 1234567);
    QCOMPARE(club.CreditLine(), 4711);
    QCOMPARE(club.Rivals()[3], odd.Rivals()[3]);

    // The language choice switches the texts and the caption.
    auto closed = OpenEditor(club);
    QVERIFY(!Child<QComboBox>(*closed, QStringLiteral("language")).isEnabled());
    closed->reject();

    auto languages = OpenEditor(club, true);
    QVERIFY(languages->windowTitle().startsWith(QStringLiteral("Kickwerk 06 - Verein - ")));
    QVERIFY(languages->windowTitle().endsWith(Cp1252ToQString(club.Name(0))));
    auto& name = Child<QLineEdit>(*languages, QStringLiteral("name"));
    Retype(name, QStringLiteral("Deutscher Name"));
    auto& language = Child<QComboBox>(*languages, QStringLiteral("language"));
    language.setFocus();
    QTest::keyClick(&language, Qt::Key_Down);  // "Englisch"
    QCOMPARE(language.currentData().toInt(), 1);
    QCOMPARE(name.text(), Cp1252ToQString(club.Name(1)));
    QVERIFY(languages->windowTitle().endsWith(Cp1252ToQString(club.Name(1))));
    // The German name typed before stays in the copy; the document's language is untouched.
    QCOMPARE(languages->WorkingCopy().Name(0), std::string("Deutscher Name"));
    QCOMPARE(int(m_document->Language()), 0);
    Retype(name, QStringLiteral("English Name"));
    PressOk(*languages);
    QCOMPARE(club.Name(0), std::string("Deutscher Name"));
    QCOMPARE(club.Name(1), std::string("English Name"));
}

void ClubEditorTest::editAndOkRecordOneEditThatUndoTakesBackExactly() {
    const CClub& club = DemoClub();
    const std::string before = CountryDump(club);
    auto dialog = OpenEditor(club);
    // No club is its own rival.
    const int others = m_document->World().Country(club.Country()).ClubCount() - 1;
    for (const char* name : {"friendlyClub", "rival0", "rival1", "rival2"}) {
        auto& combo = Child<QComboBox>(*dialog, QString::fromLatin1(name));
        QCOMPARE(combo.count(), others + 1);
        QCOMPARE(combo.itemText(0), ResourceQString(ids::kNotAvailable));
        QCOMPARE(combo.itemData(0).toUInt(), 0u);
        QCOMPARE(combo.findData(club.Id()), -1);
    }
    // Typing stops at what the record holds (each field's capacity: ClubTextFields in
    // tests/editing).
    for (const char* name : {"name", "fansName", "mascot"}) {
        Retype(*dialog, QString::fromLatin1(name), QString(40, QLatin1Char('x')));
    }
    QCOMPARE(Child<QLineEdit>(*dialog, QStringLiteral("name")).text(),
             QString(20, QLatin1Char('x')));
    // The starting money at its lowest position is minus twenty million (the steps and how
    // stored money is shown again: ClubMoneySpin in tests/editing).
    auto& money = Child<QSpinBox>(*dialog, QStringLiteral("money"));
    money.setFocus();
    money.selectAll();
    QTest::keyClicks(&money, QStringLiteral("-20000000"));
    QTest::keyClick(&money, Qt::Key_Return);
    QCOMPARE(money.value(), 0);
    QCOMPARE(money.text(), QStringLiteral("- 20.000.000"));
    // Lower than the lowest position does not go.
    QTest::keyClick(&money, Qt::Key_Down);
    QCOMPARE(money.value(), 0);
    Retype(*dialog, QStringLiteral("name"), QStringLiteral("Umbenannt"));
    QVERIFY(TabEditorPage(dialog->Tabs(), dialog->Tabs().currentIndex())->Differs());
    auto& bar = Child<CValueScrollBar>(*dialog, QStringLiteral("prestige0"));
    bar.setFocus();
    const int prestige = bar.Value();
    QTest::keyClick(&bar, prestige < 20 ? Qt::Key_Right : Qt::Key_Left);
    const int moved = bar.Value();
    QVERIFY(moved != prestige);
    QCOMPARE(Child<QLabel>(*dialog, QStringLiteral("prestigeValue0")).text(),
             QString::number(moved));
    QTest::mouseClick(&Child<QRadioButton>(*dialog, QStringLiteral("deduction6")), Qt::LeftButton);
    ShowTab(*dialog, QStringLiteral("Historische Daten"));
    Retype(*dialog, QStringLiteral("recordResult0"), QStringLiteral("9:1"));
    Retype(*dialog, QStringLiteral("success0"), QStringLiteral("1950,1951"));
    PressOk(*dialog);

    QCOMPARE(Edits(), std::size_t{1});
    QCOMPARE(m_document->UndoDescription().value_or(""), std::string("Verein bearbeiten"));
    QCOMPARE(club.Name(0), std::string("Umbenannt"));
    QCOMPARE(club.AlternativeNames()[0].View(), std::string("Umbenannt"));
    QCOMPARE(int(club.Prestige()), moved);
    QCOMPARE(int(club.PointsDeduction()), 6);
    QCOMPARE(int(club.RecordResult(CClub::kHomeWin).GoalsFor()), 9);
    QCOMPARE(club.Successes(CClub::kChampionships), std::string("1950,1951"));
    QCOMPARE(club.FansName().View(), std::string(19, 'x'));
    QCOMPARE(club.Mascot().View(), std::string(19, 'x'));
    QCOMPARE(club.InitialAssets(), -20000000);
    QCOMPARE(club.CreditLine(), 0);

    QVERIFY(m_document->Undo());
    QCOMPARE(CountryDump(club), before);
}

void ClubEditorTest::clubButtonOfTheMainWindowOpensTheEditor() {
    const std::unique_ptr<QTemporaryDir> install = CopyInstallation(m_demo.Path());
    QVERIFY(install != nullptr);
    SAppContext context = ContextFor(*install);
    CScriptedUserInterface ui;
    DlgMainMenu window(context, ui);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto& button = Child<QPushButton>(window, QStringLiteral("editClub"));
    QVERIFY(button.isEnabled());

    QString caption;
    WhenModal<CDlgClubParent>(window, [&caption](CDlgClubParent& dialog) {
        caption = dialog.windowTitle();
        Retype(dialog, QStringLiteral("name"), QStringLiteral("Vom Knopf"));
        PressOk(dialog);
    });
    QTest::mouseClick(&button, Qt::LeftButton);
    QVERIFY(caption.startsWith(QStringLiteral("Kickwerk 06 - Verein - ")));
    QCOMPARE(window.Document().UndoDescription().value_or(""), std::string("Verein bearbeiten"));
    // The club list shows the new name.
    auto& clubs = Child<QListWidget>(window, QStringLiteral("clubs"));
    QVERIFY(!clubs.findItems(QStringLiteral("Vom Knopf"), Qt::MatchStartsWith).isEmpty());
}

}  // namespace kw

KW_GUI_TEST(ClubEditorTest);

#include "ClubEditorTest.moc"
