#include "GuiTest.h"
#include "editing/RefereeRules.h"
#include "editing/StadiumRules.h"
#include "gui/controls/MyListBox.h"
#include "gui/editors/DlgRefereeChange.h"
#include "gui/editors/DlgReferees.h"
#include "gui/editors/DlgStadium.h"
#include "gui/editors/DlgStadiumlist.h"
#include "gui/editors/country/CountryCoachPage.h"
#include "gui/editors/country/CountryListPages.h"
#include "gui/editors/country/DlgCountry.h"
#include "gui/editors/country/DlgCountrySubPage.h"
#include "gui/editors/player/DateFields.h"
#include "model/Manager.h"

namespace kw {

using namespace test;

// The country window's referee page, and the stadium-list and national-coach pages in their
// small window, on the small demo's default country, driven with the mouse and the keyboard.
class CountryRefereesCoachTest : public CDemoGuiTest {
    Q_OBJECT

private:
    void Opened() override;

private slots:
    void refereesAndTheCoachAreEditedThroughTheirPages();
    void theStadiumPageListsAndViewingThePagesLeavesTheDocumentClean();

private:
    const CCountry& Country() const { return m_document->World().Country(kDefaultCountry); }
    const CManager& Coach() const { return Country().Settings().nationalCoach; }
    // The country window with the referee page in its tab, shown on that tab and active.
    std::unique_ptr<CDlgCountry> OpenReferees();
    // A page of the country in its small window, shown and active.
    std::unique_ptr<CDlgCountrySubPage> OpenSubPage(CCountryPage* page) {
        return ShownActive(
            std::make_unique<CDlgCountrySubPage>(*m_document, kDefaultCountry, page));
    }
};

void CountryRefereesCoachTest::Opened() {
    QVERIFY(Country().Referees().size() >= 3);
    QVERIFY(Country().Stadiums().size() >= 2);
}

std::unique_ptr<CDlgCountry> CountryRefereesCoachTest::OpenReferees() {
    auto dialog = std::make_unique<CDlgCountry>(*m_document, kDefaultCountry);
    dialog->SetPage(CDlgCountry::kReferees, new CCountryRefereesPage(*m_document, kDefaultCountry));
    ShowActive(*dialog);
    ShowTab(dialog->Tabs(), CDlgCountry::kReferees);
    return dialog;
}

void CountryRefereesCoachTest::refereesAndTheCoachAreEditedThroughTheirPages() {
    const std::string before = Dump();
    const std::size_t count = Country().Referees().size();
    auto dialog = OpenReferees();
    auto& list = Child<CMyListBox>(*dialog, QStringLiteral("referees"));
    QCOMPARE(list.count(), static_cast<int>(count));
    // The page has no close button of its own: the window's OK is the only one.
    QCOMPARE(dialog->findChildren<QDialogButtonBox*>().size(), 1);

    // The list's own commands: StadiumRefereeTest, on the list in its window. Enter on the list
    // changes the selected referee although the list is a page.
    WhenModal<CDlgRefereeChange>(*this, [](CDlgRefereeChange& change) {
        Retype(change, QStringLiteral("firstName"), QStringLiteral("Abcdefghijklmnopqrs"));
        QTest::mouseClick(&Child<QRadioButton>(change, QStringLiteral("trait0")), Qt::LeftButton);
        PressOk(change);
    });
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Home);
    QTest::keyClick(&list, Qt::Key_Return);
    QVERIFY(dialog->isVisible());
    QCOMPARE(Country().Referees()[0].FirstName().View(), std::string_view("Abcdefghijklmno"));
    QCOMPARE(Country().Referees()[0].Character(), std::int8_t{0});
    QCOMPARE(QString::fromStdString(list.Row(0)),
             Cp1252ToQString(RefereeListRow(Country().Referees()[0])));

    const CReferee third = Country().Referees()[2];
    list.setCurrentRow(1);
    Click(*dialog, QStringLiteral("delete"));
    QCOMPARE(Country().Referees().size(), count - 1);
    QCOMPARE(list.count(), static_cast<int>(count - 1));
    QCOMPARE(Country().Referees()[1], third);
    PressOk(*dialog);

    // The window's session is one edit named after the country.
    QCOMPARE(Edits(), std::size_t{1});
    QCOMPARE(m_document->UndoDescription().value_or(""),
             Cp1252ToUtf8(Country().Name(m_document->Language())));
    // Loaded again after the undo, the page shows the list as the country holds it.
    QVERIFY(m_document->Undo());
    QCOMPARE(Dump(), before);
    dialog->Page(CDlgCountry::kReferees)->Load();
    QCOMPARE(list.count(), static_cast<int>(count));
    QCOMPARE(QString::fromStdString(list.Row(0)),
             Cp1252ToQString(RefereeListRow(Country().Referees()[0])));
    QVERIFY(m_document->Redo());
    QCOMPARE(CountryFault(*m_document, kDefaultCountry), QString());

    // The coach typed in his page is stored on Escape as one undoable edit.
    const std::string withReferees = Dump();
    const CManager old = Coach();
    auto host = OpenSubPage(new CCountryCoachPage(*m_document, kDefaultCountry));
    QVERIFY(host->windowTitle().endsWith(QStringLiteral("Nationaltrainer")));
    // The coach's own words for the abilities and languages.
    QStringList labels;
    for (const QLabel* label : host->findChildren<QLabel*>()) {
        labels << label->text();
    }
    for (const char* text :
         {"&Motivationsfähigkeit", "T&orwarttraining", "Fremdsprache &1", "Fremdsprache &3"}) {
        QVERIFY2(labels.contains(QString::fromUtf8(text)), text);
    }
    // The record keeps no picture.
    QCOMPARE(Child<QPushButton>(*host, QStringLiteral("choosePicture")).toolTip(),
             ResourceQString(ids::kValueNotStored));
    auto& surname = Child<QLineEdit>(*host, QStringLiteral("coachSurname"));
    QCOMPARE(surname.text(), Cp1252ToQString(old.Surname().View()));
    Retype(surname, QStringLiteral("Kammerer"));
    const int training = old.TrainingValues()[1] == 12 ? 7 : 12;
    TypeNumber(Child<CSpinEditCtrl>(*host, QStringLiteral("trainingDesign")), training);
    auto& date = Child<CDateFields>(*host, QStringLiteral("coachBirthDate"));
    TypeNumber(*date.YearField(), 1964);
    TypeNumber(*date.MonthField(), 2);
    TypeNumber(*date.DayField(), 29);
    QCOMPARE(Child<QLabel>(*host, QStringLiteral("coachAge")).text(), QStringLiteral("42"));
    auto& firstName = Child<QLineEdit>(*host, QStringLiteral("coachFirstName"));
    Retype(firstName, QStringLiteral("Abcdefghijklmnopqrstuvw"));
    // The field takes 19 letters; the record keeps 15 of them.
    QCOMPARE(firstName.text(), QStringLiteral("Abcdefghijklmnopqrs"));
    auto& nationality = Child<QComboBox>(*host, QStringLiteral("coachNationality"));
    nationality.setFocus();
    const int chosen = nationality.currentIndex() == 1 ? 2 : 1;
    nationality.setCurrentIndex(chosen);
    auto& national = Child<QWidget>(*host, QStringLiteral("nationalExperience"));
    national.setFocus();
    const int experience = Coach().NationalExperience();
    QTest::keyClick(&national, experience == 0 ? Qt::Key_Right : Qt::Key_Left);
    QTest::keyClick(host.get(), Qt::Key_Escape);
    QVERIFY(!host->isVisible());
    QCOMPARE(host->result(), static_cast<int>(QDialog::Accepted));
    QCOMPARE(Coach().Surname().View(), std::string_view("Kammerer"));
    QCOMPARE(static_cast<int>(Coach().TrainingValues()[1]), training);
    QCOMPARE(Coach().BirthDate(), CDate::FromYmd(1964, 2, 29));
    // Only what was edited is written: CountryPersonListsTest in
    // tests/editing/CountryPagesTest.cpp.
    QCOMPARE(Coach().FirstName().View(), std::string_view("Abcdefghijklmno"));
    QCOMPARE(Coach().Nationality(), nationality.itemData(chosen).toInt());
    QCOMPARE(static_cast<int>(Coach().NationalExperience()), experience == 0 ? 1 : experience - 1);
    QCOMPARE(Edits(), std::size_t{2});
    QVERIFY(!m_document->InGroup());
    ExpectUndoneAndSound(withReferees);
}

// The stadium page lists the country's stadiums and Enter opens one although the list is a page;
// viewing it and the coach's page, every field visited, leaves the document clean (the referee
// page in the country window: CountryPagesTest).
void CountryRefereesCoachTest::theStadiumPageListsAndViewingThePagesLeavesTheDocumentClean() {
    const std::string before = Dump();
    for (const bool coach : {true, false}) {
        auto* stadiums = coach ? nullptr : new CCountryStadiumsPage(*m_document, kDefaultCountry);
        auto host = OpenSubPage(
            coach ? static_cast<CCountryPage*>(new CCountryCoachPage(*m_document, kDefaultCountry))
                  : stadiums);
        for (int step = 0; step < 20; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        if (stadiums != nullptr) {
            QVERIFY(host->windowTitle().endsWith(QStringLiteral("Stadienliste")));
            CMyListBox& list = stadiums->Stadiums().List();
            QCOMPARE(list.count(), static_cast<int>(Country().Stadiums().size()));
            for (int index = 0; index < list.count(); ++index) {
                QCOMPARE(list.Row(index),
                         StadiumListRow(Country().Stadiums()[static_cast<std::size_t>(index)],
                                        index + 1));
            }
            // Escape leaves the stadium unchanged.
            bool opened = false;
            WhenModal<CDlgStadium>(*this, [this, &opened](CDlgStadium& stadium) {
                opened = true;
                QCOMPARE(stadium.Values(), StadiumValuesOf(Country().Stadiums()[1]));
                QTest::keyClick(&stadium, Qt::Key_Escape);
            });
            list.setFocus();
            QTest::keyClick(&list, Qt::Key_Home);
            QTest::keyClick(&list, Qt::Key_Down);
            QTest::keyClick(&list, Qt::Key_Return);
            QVERIFY(opened);
            QVERIFY(host->isVisible());
        }
        PressOk(*host);
    }
    QCOMPARE(Dump(), before);
    QCOMPARE(Edits(), std::size_t{0});
    QVERIFY(!m_document->IsModified());
    QVERIFY(!m_document->InGroup());
}

}  // namespace kw

KW_GUI_TEST(CountryRefereesCoachTest);

#include "CountryRefereesCoachTest.moc"
