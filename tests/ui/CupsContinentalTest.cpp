#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include <cstdint>
#include <limits>
#include <memory>
#include <string>

#include "DemoDocument.h"
#include "IsolatedGuiTest.h"
#include "ModalDialogs.h"
#include "competition/Competition.h"
#include "competition/Cup.h"
#include "document/DatabaseDocument.h"
#include "editing/ContinentalSettings.h"
#include "editing/CupSettingsRules.h"
#include "exports/WorldDump.h"
#include "gui/controls/ControlText.h"
#include "gui/editors/Dlg5Year.h"
#include "gui/editors/DlgInternationalCompetition.h"
#include "gui/editors/DlgSelectClub.h"
#include "gui/editors/DlgStadiumSelect.h"
#include "gui/editors/country/CountryCupsPage.h"
#include "gui/editors/country/DlgCountry.h"
#include "model/Country.h"
#include "model/Rules.h"
#include "model/World.h"
#include "platform/Cp1252.h"
#include "storage/Identifiers.h"

namespace kw {

// The country window's page "Pokal" and "Kontinentale Einstellungen" on the small demo, driven
// with the keyboard and the mouse.
class CupsContinentalTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void noCupRemovesTheNationalCupWithItsDatesAndOneUndoBringsItBack();
    void aNewModeForLeagueCupTwoLeavesTheOtherCups();
    void typedPrizesSaturateAndEachKindKeepsItsFields();
    void okWithoutEditsRecordsNothing();
    void aClubHoldsOnlyOneOfTheTwoEuropeanTitles();
    void aVenueChosenThroughThePickerIsStored();
    void cancelDropsTheCopyAndAnUneditedOkRecordsNothing();

private:
    const CWorld& World() const { return m_document->World(); }
    const CDBCup* Cup(ECountryCup which) {
        return dynamic_cast<const CDBCup*>(
            World().Competition(CountryCupId(kDefaultCountry, which)));
    }
    std::string Dump() { return DumpWorldJson(World()); }
    std::size_t Edits() const { return m_document->History().Count(); }
    // The country window showing the cups page, active.
    std::unique_ptr<CDlgCountry> OpenCups();
    CCountryCupsPage& Page(CDlgCountry& dialog) {
        return *static_cast<CCountryCupsPage*>(dialog.Page(CDlgCountry::kCups));
    }
    static void PressOk(QDialog& dialog);
    static bool Activate(QWidget& window);
    // Moves the closed list to the entry with the value with the arrow keys, as a user does.
    static void Pick(QComboBox& list, int value);
    static void ReplaceText(QLineEdit& field, const QString& text);
    static void ClickRow(QListWidget& list, int row);
    // In the club chooser: the first club of the country it opens on, confirmed with OK.
    static std::uint32_t ChooseFirstClub(CDlgSelectClub& chooser);
    // Clicks the club's country, then the club, and confirms; 0 when it is not listed.
    static std::uint32_t ChooseClub(CDlgSelectClub& chooser, std::uint32_t club);

    test::CSmallDemoInstallation m_demo;
    std::unique_ptr<test::COpenDemo> m_open;
    CDatabaseDocument* m_document = nullptr;
};

void CupsContinentalTest::initTestCase() {
    QVERIFY(m_demo.Generate());
}

void CupsContinentalTest::init() {
    m_open = std::make_unique<test::COpenDemo>(m_demo.Path());
    QVERIFY(m_open->IsOpen());
    m_document = &m_open->Document();
    QVERIFY(!m_document->IsModified());
}

void CupsContinentalTest::cleanup() {
    m_open.reset();
}

std::unique_ptr<CDlgCountry> CupsContinentalTest::OpenCups() {
    auto dialog = std::make_unique<CDlgCountry>(*m_document, kDefaultCountry);
    dialog->SetPage(CDlgCountry::kCups, new CCountryCupsPage(*m_document, kDefaultCountry));
    dialog->show();
    if (!Activate(*dialog)) {
        qFatal("country window not active");
    }
    QTabBar* bar = dialog->Tabs().tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(CDlgCountry::kCups).center());
    if (dialog->Tabs().currentIndex() != CDlgCountry::kCups) {
        qFatal("cups tab not shown");
    }
    return dialog;
}

void CupsContinentalTest::PressOk(QDialog& dialog) {
    auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttons"));
    QVERIFY(buttons != nullptr);
    QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
}

bool CupsContinentalTest::Activate(QWidget& window) {
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

void CupsContinentalTest::Pick(QComboBox& list, int value) {
    const int target = list.findData(value);
    QVERIFY(target >= 0);
    list.setFocus();
    for (int guard = 0; list.currentIndex() != target && guard < 500; ++guard) {
        QTest::keyClick(&list, list.currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
    }
    QCOMPARE(list.currentIndex(), target);
}

void CupsContinentalTest::ReplaceText(QLineEdit& field, const QString& text) {
    field.setFocus();
    field.selectAll();
    QTest::keyClicks(&field, text);
}

void CupsContinentalTest::ClickRow(QListWidget& list, int row) {
    list.scrollToItem(list.item(row));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualItemRect(list.item(row)).center());
}

std::uint32_t CupsContinentalTest::ChooseFirstClub(CDlgSelectClub& chooser) {
    if (chooser.Clubs().count() == 0) {
        return 0;
    }
    ClickRow(chooser.Clubs(), 0);
    const std::uint32_t club = chooser.SelectedClub();
    auto* buttons = chooser.findChild<QDialogButtonBox*>(QStringLiteral("buttons"));
    QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    return club;
}

std::uint32_t CupsContinentalTest::ChooseClub(CDlgSelectClub& chooser, std::uint32_t club) {
    const auto rowOf = [](const QListWidget& list, std::uint32_t value) {
        for (int row = 0; row < list.count(); ++row) {
            if (list.item(row)->data(Qt::UserRole).toUInt() == value) {
                return row;
            }
        }
        return -1;
    };
    const int countryRow =
        rowOf(chooser.Countries(), static_cast<std::uint32_t>(ClubCountry(club)));
    if (countryRow < 0) {
        return 0;
    }
    ClickRow(chooser.Countries(), countryRow);
    const int clubRow = rowOf(chooser.Clubs(), club);
    if (clubRow < 0) {
        return 0;
    }
    ClickRow(chooser.Clubs(), clubRow);
    const std::uint32_t chosen = chooser.SelectedClub();
    auto* buttons = chooser.findChild<QDialogButtonBox*>(QStringLiteral("buttons"));
    QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    return chosen;
}

void CupsContinentalTest::noCupRemovesTheNationalCupWithItsDatesAndOneUndoBringsItBack() {
    const CDBCup* national = Cup(ECountryCup::National);
    QVERIFY(national != nullptr);
    QVERIFY(national->EnteredMatchdays(0) > 0);
    const std::string before = Dump();
    const std::size_t edits = Edits();

    auto dialog = OpenCups();
    QComboBox& mode = Page(*dialog).CupMode(0);
    QCOMPARE(mode.itemText(0), QStringLiteral(" Kein Pokal"));
    Pick(mode, 0);
    PressOk(*dialog);

    QCOMPARE(Cup(ECountryCup::National), nullptr);
    QCOMPARE(World().Country(kDefaultCountry).Settings().nationalCupSetting, 0);
    QCOMPARE(Edits(), edits + 1);
    QVERIFY(m_document->Undo());
    QCOMPARE(Dump(), before);
    QVERIFY(Cup(ECountryCup::National) != nullptr);
    QVERIFY(Cup(ECountryCup::National)->EnteredMatchdays(0) > 0);
    QVERIFY(m_document->Redo());
    QCOMPARE(test::CountryFault(*m_document, kDefaultCountry), QString());
}

void CupsContinentalTest::aNewModeForLeagueCupTwoLeavesTheOtherCups() {
    const CDBCup* national = Cup(ECountryCup::National);
    QVERIFY(national != nullptr);
    const PrizeMatrix nationalPrizes = ReadPrizeMoney(*national);
    const int nationalDays = national->EnteredMatchdays(0);
    const std::uint8_t nationalFormat = national->FormatNumber();
    const std::uint32_t leagueSettings =
        World().Country(kDefaultCountry).Settings().leagueCupSettings;
    const std::string before = Dump();

    auto dialog = OpenCups();
    CCountryCupsPage& page = Page(*dialog);
    QComboBox& mode = page.CupMode(3);
    QVERIFY(mode.count() >= 2);
    const int format = mode.itemData(1).toInt();
    Pick(mode, format);
    // The cup has a format now, so its prizes can be entered at once.
    QVERIFY(page.PrizeCups().findText(QStringLiteral("Ligapokal 3")) >= 0);
    PressOk(*dialog);

    const CDBCup* remade = Cup(ECountryCup::League2);
    QVERIFY(remade != nullptr);
    QCOMPARE(int{remade->FormatNumber()}, format);
    QCOMPARE(CupSetting(World().Country(kDefaultCountry), ECountryCup::League2), format);
    QCOMPARE(World().Country(kDefaultCountry).Settings().leagueCupSettings & ~0x00FF0000u,
             leagueSettings & ~0x00FF0000u);
    national = Cup(ECountryCup::National);
    QVERIFY(national != nullptr);
    QCOMPARE(national->EnteredMatchdays(0), nationalDays);
    QCOMPARE(national->FormatNumber(), nationalFormat);
    QVERIFY(ReadPrizeMoney(*national) == nationalPrizes);
    // The new cup has no dates yet: it alone keeps the country from being complete until the
    // calendar gives it its matchdays.
    QVERIFY(test::CountryFault(*m_document, kDefaultCountry)
                .endsWith(QStringLiteral(": %1:%2")
                              .arg(remade->Id(), 0, 16)
                              .arg(kFaultMatchdayCount, 0, 16)));
    QVERIFY(m_document->Undo());
    QCOMPARE(Dump(), before);
    QCOMPARE(test::CountryFault(*m_document, kDefaultCountry), QString());
}

void CupsContinentalTest::typedPrizesSaturateAndEachKindKeepsItsFields() {
    const std::string before = Dump();
    auto dialog = OpenCups();
    CCountryCupsPage& page = Page(*dialog);
    Pick(page.PrizeCups(), 0);
    QCOMPARE(page.PrizeCups().currentText(), QStringLiteral("Pokal"));
    QVERIFY(page.PrizeKind(0).isChecked());
    ReplaceText(page.PrizeField(0), QStringLiteral("99999999999"));
    // The field takes ten digits.
    QCOMPARE(page.PrizeField(0).text(), QStringLiteral("9999999999"));
    QTest::mouseClick(&page.PrizeKind(1), Qt::LeftButton);
    QVERIFY(page.PrizeKind(1).isChecked());
    ReplaceText(page.PrizeField(7), QStringLiteral("1234"));
    QTest::mouseClick(&page.PrizeKind(0), Qt::LeftButton);
    QCOMPARE(page.PrizeField(0).text(), QStringLiteral("9999999999"));
    PressOk(*dialog);

    const CDBCup* national = Cup(ECountryCup::National);
    QVERIFY(national != nullptr);
    QCOMPARE(national->RoundValue(0, 0), std::numeric_limits<std::int32_t>::max());
    QCOMPARE(national->RoundValue(1, 7), 1234);
    QVERIFY(m_document->Undo());
    QCOMPARE(Dump(), before);
    QVERIFY(m_document->Redo());
    QCOMPARE(test::CountryFault(*m_document, kDefaultCountry), QString());
}

void CupsContinentalTest::okWithoutEditsRecordsNothing() {
    const std::string before = Dump();
    const std::size_t edits = Edits();
    auto dialog = OpenCups();
    CCountryCupsPage& page = Page(*dialog);
    // Looking at every cup's prize fields changes nothing.
    for (int entry = 0; entry < page.PrizeCups().count(); ++entry) {
        Pick(page.PrizeCups(), page.PrizeCups().itemData(entry).toInt());
        QTest::mouseClick(&page.PrizeKind(1), Qt::LeftButton);
        QTest::mouseClick(&page.PrizeKind(0), Qt::LeftButton);
    }
    PressOk(*dialog);
    QCOMPARE(Edits(), edits);
    QCOMPARE(Dump(), before);
    QVERIFY(!m_document->IsModified());
}

void CupsContinentalTest::aClubHoldsOnlyOneOfTheTwoEuropeanTitles() {
    const std::string before = Dump();
    const std::size_t edits = Edits();
    std::uint32_t first = 0;
    std::uint32_t second = 0;
    bool checked = false;
    test::WhenModal<CDlgInternationalCompetition>(
        *this, [this, &first, &second, &checked](CDlgInternationalCompetition& dialog) {
            QVERIFY(Activate(dialog));
            QCOMPARE(dialog.Tabs().count(), kContinentCount);
            QCOMPARE(dialog.Tabs().tabText(0), QStringLiteral("Europa"));
            QCOMPARE(dialog.Tabs().tabText(5), QStringLiteral("Ozeanien"));
            // The qualification's controls are there, out of sight.
            QVERIFY(dialog.NameField(0, 2) != nullptr);
            QVERIFY(!dialog.NameField(0, 2)->isVisibleTo(&dialog));
            QVERIFY(dialog.NameField(0, 1)->isVisibleTo(&dialog));
            QCOMPARE(dialog.VenueButton(1, 0), nullptr);

            test::WhenModal<CDlgSelectClub>(
                dialog, [&first](CDlgSelectClub& chooser) { first = ChooseFirstClub(chooser); });
            QTest::mouseClick(dialog.HolderButton(0, 0), Qt::LeftButton);
            QVERIFY(first != 0);
            QVERIFY(!dialog.HolderText(0, 0)->text().isEmpty());
            // The same club for the second title.
            test::WhenModal<CDlgSelectClub>(dialog, [&first, &second](CDlgSelectClub& chooser) {
                second = ChooseClub(chooser, first);
            });
            QTest::mouseClick(dialog.HolderButton(0, 1), Qt::LeftButton);
            QCOMPARE(second, first);
            QVERIFY(dialog.HolderText(0, 0)->text().isEmpty());
            QCOMPARE(dialog.HolderText(0, 1)->text(),
                     Cp1252ToQString(TitleHolderText(World(), first, kDefaultLanguage)));
            checked = true;
            PressOk(dialog);
        });
    QVERIFY(CDlgInternationalCompetition::Edit(*m_document, nullptr));
    QVERIFY(checked);
    QCOMPARE(World().Rules().TitleHolder(0, 0), 0u);
    QCOMPARE(World().Rules().TitleHolder(1, 0), first);
    QCOMPARE(Edits(), edits + 1);
    QVERIFY(m_document->Undo());
    QCOMPARE(Dump(), before);
    QVERIFY(m_document->Redo());
    QCOMPARE(test::CountryFault(*m_document, kDefaultCountry), QString());
}

void CupsContinentalTest::aVenueChosenThroughThePickerIsStored() {
    const std::string before = Dump();
    std::uint32_t chosen = 0;
    test::WhenModal<CDlgInternationalCompetition>(*this, [this, &chosen](
                                                             CDlgInternationalCompetition& dialog) {
        QVERIFY(Activate(dialog));
        test::WhenModal<CDlgStadiumSelect>(dialog, [&chosen](CDlgStadiumSelect& picker) {
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
        ReplaceText(*dialog.NameField(0, 1), QStringLiteral("Pokal der Pokale"));
        PressOk(dialog);
    });
    QVERIFY(CDlgInternationalCompetition::Edit(*m_document, nullptr));
    QCOMPARE(World().Rules().Venue(1, 0), chosen);
    QCOMPARE(World().Rules().CompetitionName(1, 0, m_document->Language()),
             std::string_view("Pokal der Pokale"));
    QVERIFY(m_document->Undo());
    QCOMPARE(Dump(), before);
    QVERIFY(m_document->Redo());
    QCOMPARE(test::CountryFault(*m_document, kDefaultCountry), QString());
}

void CupsContinentalTest::cancelDropsTheCopyAndAnUneditedOkRecordsNothing() {
    const std::string before = Dump();
    const std::size_t edits = Edits();
    bool ranked = false;
    test::WhenModal<CDlgInternationalCompetition>(
        *this, [&ranked](CDlgInternationalCompetition& dialog) {
            QVERIFY(Activate(dialog));
            test::WhenModal<CDlgSelectClub>(
                dialog, [](CDlgSelectClub& chooser) { ChooseFirstClub(chooser); });
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
    test::WhenModal<CDlgInternationalCompetition>(
        *this, [&opened](CDlgInternationalCompetition& dialog) {
            QVERIFY(Activate(dialog));
            test::WhenModal<CDlg5Year>(dialog, [&opened](CDlg5Year& ranking) {
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
}

}  // namespace kw

int main(int argc, char** argv) {
    return kw::test::RunIsolatedGuiTest<kw::CupsContinentalTest>(argc, argv);
}

#include "CupsContinentalTest.moc"
