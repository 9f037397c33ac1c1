#include <limits>

#include "GuiTest.h"
#include "competition/Competition.h"
#include "competition/Cup.h"
#include "editing/ContinentalSettings.h"
#include "editing/CupSettingsRules.h"
#include "gui/editors/Dlg5Year.h"
#include "gui/editors/DlgInternationalCompetition.h"
#include "gui/editors/DlgStadiumSelect.h"
#include "gui/editors/country/CountryCupsPage.h"
#include "gui/editors/country/DlgCountry.h"
#include "model/Rules.h"

namespace kw {

using namespace test;

// The country window's page "Pokal" and "Kontinentale Einstellungen" on the small demo, driven
// with the keyboard and the mouse.
class CupsContinentalTest : public CDemoGuiTest {
    Q_OBJECT

private slots:
    void aNewModeForLeagueCupTwoLeavesTheOtherCups();
    void prizesSaturateInTheirKindAndNoCupRemovesTheNationalCup();
    void continentalSettingsAreStoredOnOkOnly();

private:
    const CDBCup* Cup(ECountryCup which) {
        return dynamic_cast<const CDBCup*>(
            World().Competition(CountryCupId(kDefaultCountry, which)));
    }
    // The country window showing the cups page, active.
    std::unique_ptr<CDlgCountry> OpenCups();
    CCountryCupsPage& Page(CDlgCountry& dialog) {
        return *static_cast<CCountryCupsPage*>(dialog.Page(CDlgCountry::kCups));
    }
};

std::unique_ptr<CDlgCountry> CupsContinentalTest::OpenCups() {
    auto dialog = std::make_unique<CDlgCountry>(*m_document, kDefaultCountry);
    dialog->SetPage(CDlgCountry::kCups, new CCountryCupsPage(*m_document, kDefaultCountry));
    ShowActive(*dialog);
    ShowTab(dialog->Tabs(), CDlgCountry::kCups);
    return dialog;
}

void CupsContinentalTest::aNewModeForLeagueCupTwoLeavesTheOtherCups() {
    const std::string before = Dump();

    auto dialog = OpenCups();
    CCountryCupsPage& page = Page(*dialog);
    QComboBox& mode = page.CupMode(3);
    QVERIFY(mode.count() >= 2);
    const int format = mode.itemData(1).toInt();
    Choose(mode, format);
    // The cup has a format now, so its prizes can be entered at once.
    QVERIFY(page.PrizeCups().findText(QStringLiteral("Ligapokal 3")) >= 0);
    PressOk(*dialog);

    const CDBCup* remade = Cup(ECountryCup::League2);
    QVERIFY(remade != nullptr);
    QCOMPARE(int{remade->FormatNumber()}, format);
    // The other cups stay as they were: EmptyWorldTest in tests/editing/CountryPagesTest.cpp.
    QCOMPARE(CupSetting(World().Country(kDefaultCountry), ECountryCup::League2), format);
    // The new cup has no dates yet: it alone keeps the country from being complete until the
    // calendar gives it its matchdays.
    QVERIFY(CountryFault(*m_document, kDefaultCountry)
                .endsWith(QStringLiteral(": %1:%2")
                              .arg(remade->Id(), 0, 16)
                              .arg(kFaultMatchdayCount, 0, 16)));
    QVERIFY(m_document->Undo());
    QCOMPARE(Dump(), before);
    QCOMPARE(CountryFault(*m_document, kDefaultCountry), QString());
}

// Prizes looked at stay, typed ones saturate in their kind; "no cup" removes the national cup.
void CupsContinentalTest::prizesSaturateInTheirKindAndNoCupRemovesTheNationalCup() {
    const std::string before = Dump();
    auto dialog = OpenCups();
    CCountryCupsPage& page = Page(*dialog);
    // Looking at every cup's prize fields changes nothing.
    for (int entry = 0; entry < page.PrizeCups().count(); ++entry) {
        Choose(page.PrizeCups(), page.PrizeCups().itemData(entry).toInt());
        QTest::mouseClick(&page.PrizeKind(1), Qt::LeftButton);
        QTest::mouseClick(&page.PrizeKind(0), Qt::LeftButton);
    }
    PressOk(*dialog);
    QCOMPARE(Edits(), std::size_t{0});
    QVERIFY(!m_document->IsModified());
    QCOMPARE(Dump(), before);

    dialog = OpenCups();
    CCountryCupsPage& edited = Page(*dialog);
    Choose(edited.PrizeCups(), 0);
    QCOMPARE(edited.PrizeCups().currentText(), QStringLiteral("Pokal"));
    QVERIFY(edited.PrizeKind(0).isChecked());
    Retype(edited.PrizeField(0), QStringLiteral("99999999999"));
    // The field takes ten digits.
    QCOMPARE(edited.PrizeField(0).text(), QStringLiteral("9999999999"));
    QTest::mouseClick(&edited.PrizeKind(1), Qt::LeftButton);
    QVERIFY(edited.PrizeKind(1).isChecked());
    Retype(edited.PrizeField(7), QStringLiteral("1234"));
    QTest::mouseClick(&edited.PrizeKind(0), Qt::LeftButton);
    QCOMPARE(edited.PrizeField(0).text(), QStringLiteral("9999999999"));
    PressOk(*dialog);

    const CDBCup* national = Cup(ECountryCup::National);
    QVERIFY(national != nullptr);
    QCOMPARE(national->RoundValue(0, 0), std::numeric_limits<std::int32_t>::max());
    QCOMPARE(national->RoundValue(1, 7), 1234);
    ExpectUndoneAndSound(before);

    // "No cup" removes the national cup with its dates; one undo brings it back.
    QVERIFY(Cup(ECountryCup::National)->EnteredMatchdays(0) > 0);
    const std::string withPrizes = Dump();
    const std::size_t edits = Edits();
    dialog = OpenCups();
    Choose(Page(*dialog).CupMode(0), 0);
    PressOk(*dialog);

    QCOMPARE(Cup(ECountryCup::National), nullptr);
    QCOMPARE(World().Country(kDefaultCountry).Settings().nationalCupSetting, 0);
    QCOMPARE(Edits(), edits + 1);
    ExpectUndoneAndSound(withPrizes);
}

// Cancel drops the copy and an unedited OK records nothing; a club holds only one of the two
// continental titles, and a chosen venue and a typed name are stored as one edit.
void CupsContinentalTest::continentalSettingsAreStoredOnOkOnly() {
    const std::string before = Dump();
    const std::size_t edits = Edits();
    bool ranked = false;
    WhenModal<CDlgInternationalCompetition>(*this, [&ranked](CDlgInternationalCompetition& dialog) {
        ShowActive(dialog);
        WhenModal<CDlgSelectClub>(dialog, [](CDlgSelectClub& chooser) { ChooseClub(chooser, 0); });
        QTest::mouseClick(dialog.HolderButton(0, 0), Qt::LeftButton);
        QVERIFY(!dialog.HolderText(0, 0)->text().isEmpty());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        ranked = true;
    });
    QVERIFY(!CDlgInternationalCompetition::Edit(*m_document, nullptr));
    QVERIFY(ranked);
    QCOMPARE(Edits(), edits);
    QCOMPARE(Dump(), before);

    // The five-year ranking opens for the continent shown; an OK without edits records nothing.
    bool opened = false;
    WhenModal<CDlgInternationalCompetition>(*this, [&opened](CDlgInternationalCompetition& dialog) {
        ShowActive(dialog);
        WhenModal<CDlg5Year>(dialog, [&opened](CDlg5Year& ranking) {
            opened = ranking.List().topLevelItemCount() > 0;
            ranking.reject();
        });
        QTest::mouseClick(&dialog.RankingButton(), Qt::LeftButton);
        PressOk(dialog);
    });
    QVERIFY(!CDlgInternationalCompetition::Edit(*m_document, nullptr));
    QVERIFY(opened);
    QCOMPARE(Edits(), edits);
    QCOMPARE(Dump(), before);

    std::uint32_t first = 0;
    std::uint32_t second = 0;
    std::uint32_t chosen = 0;
    bool checked = false;
    WhenModal<CDlgInternationalCompetition>(*this, [this, &first, &second, &chosen, &checked](
                                                       CDlgInternationalCompetition& dialog) {
        ShowActive(dialog);
        // The qualification's controls are there, out of sight (which are:
        // ContinentalCompetitionsTest in tests/editing).
        QVERIFY(dialog.NameField(0, 2) != nullptr);
        QVERIFY(!dialog.NameField(0, 2)->isVisibleTo(&dialog));
        QVERIFY(dialog.NameField(0, 1)->isVisibleTo(&dialog));
        QCOMPARE(dialog.VenueButton(1, 0), nullptr);

        WhenModal<CDlgSelectClub>(
            dialog, [&first](CDlgSelectClub& chooser) { first = ChooseClub(chooser, 0); });
        QTest::mouseClick(dialog.HolderButton(0, 0), Qt::LeftButton);
        QVERIFY(first != 0);
        QVERIFY(!dialog.HolderText(0, 0)->text().isEmpty());
        // The same club for the second title.
        WhenModal<CDlgSelectClub>(dialog, [&first, &second](CDlgSelectClub& chooser) {
            second = ChooseClub(chooser, first);
        });
        QTest::mouseClick(dialog.HolderButton(0, 1), Qt::LeftButton);
        QCOMPARE(second, first);
        QVERIFY(dialog.HolderText(0, 0)->text().isEmpty());
        QCOMPARE(dialog.HolderText(0, 1)->text(),
                 Cp1252ToQString(TitleHolderText(World(), first, kDefaultLanguage)));
        WhenModal<CDlgStadiumSelect>(dialog, [&chosen](CDlgStadiumSelect& picker) {
            QVERIFY(picker.Stadiums().count() >= 2);
            ClickRow(picker.Stadiums(), 1);
            chosen = picker.ChosenVenue().value_or(0);
            QTest::mouseClick(picker.findChild<QPushButton*>(QStringLiteral("ok")), Qt::LeftButton);
        });
        QTest::mouseClick(dialog.VenueButton(0, 1), Qt::LeftButton);
        QVERIFY(chosen != 0);
        QVERIFY(dialog.VenueText(0, 1)->text().contains(
            Cp1252ToQString(World()
                                .Country(StadiumRefCountry(chosen))
                                .Stadiums()[static_cast<std::size_t>(StadiumRefNumber(chosen) - 1)]
                                .Name()
                                .View())));
        // A typed name goes into the current language.
        Retype(*dialog.NameField(0, 1), QStringLiteral("Pokal der Pokale"));
        checked = true;
        PressOk(dialog);
    });
    QVERIFY(CDlgInternationalCompetition::Edit(*m_document, nullptr));
    QVERIFY(checked);
    QCOMPARE(World().Rules().TitleHolder(0, 0), 0u);
    QCOMPARE(World().Rules().TitleHolder(1, 0), first);
    QCOMPARE(World().Rules().Venue(1, 0), chosen);
    QCOMPARE(World().Rules().CompetitionName(1, 0, m_document->Language()),
             std::string_view("Pokal der Pokale"));
    QCOMPARE(Edits(), edits + 1);
    ExpectUndoneAndSound(before);
}

}  // namespace kw

KW_GUI_TEST(CupsContinentalTest);

#include "CupsContinentalTest.moc"
