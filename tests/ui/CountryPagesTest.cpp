#include "GuiTest.h"
#include "gui/editors/country/CountryCupsPage.h"
#include "gui/editors/country/CountryGeneralPage.h"
#include "gui/editors/country/CountryListPages.h"
#include "gui/editors/country/CountryLookPage.h"
#include "gui/editors/country/DlgCountry.h"
#include "gui/editors/player/DateFields.h"

namespace kw {

using namespace test;

// A page that reports when the window loads and stores it.
class CRecordingPage : public CCountryPage {
public:
    using CCountryPage::CCountryPage;
    void Load() override { ++loads; }
    void Store() override { ++stores; }
    bool Differs() const override { return false; }
    int loads = 0;
    int stores = 0;
};

// The country window "Land Einstellungen" with its general and look pages, on the small demo's
// default country, driven with the keyboard and the mouse.
class CountryPagesTest : public CDemoGuiTest {
    Q_OBJECT

private slots:
    void typedValuesAreOneEditNamedAfterTheCountryAndEachWayOutStores();
    void theTabsStandInTheirOrderAndOkWithoutEditsLeavesTheDocumentClean();

private:
    const SCountrySettings& Settings() const {
        return m_document->World().Country(kDefaultCountry).Settings();
    }
    // The window, shown and active.
    std::unique_ptr<CDlgCountry> Open() {
        return ShownActive(std::make_unique<CDlgCountry>(*m_document, kDefaultCountry));
    }
};

void CountryPagesTest::theTabsStandInTheirOrderAndOkWithoutEditsLeavesTheDocumentClean() {
    const std::string before = Dump();
    auto dialog = Open();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Land Einstellungen"));
    const QStringList expected = {QStringLiteral("Allgemeine Informationen"),
                                  QStringLiteral("Ligasystem"),
                                  QStringLiteral("Pokal"),
                                  QStringLiteral("Jugendspieler"),
                                  QStringLiteral("Schiedsrichter"),
                                  QStringLiteral("Sonstige Trainer/Manager"),
                                  QStringLiteral("Spieler Aussehen")};
    QCOMPARE(dialog->Tabs().count(), static_cast<int>(expected.size()));
    for (int tab = 0; tab < dialog->Tabs().count(); ++tab) {
        QCOMPARE(dialog->Tabs().tabText(tab), expected[tab]);
    }
    QVERIFY(qobject_cast<CCountryGeneralPage*>(dialog->Page(CDlgCountry::kGeneral)) != nullptr);
    QVERIFY(qobject_cast<CCountryLookPage*>(dialog->Page(CDlgCountry::kLook)) != nullptr);
    QVERIFY(qobject_cast<CCountryCupsPage*>(dialog->Page(CDlgCountry::kCups)) != nullptr);
    QVERIFY(qobject_cast<CCountryRefereesPage*>(dialog->Page(CDlgCountry::kReferees)) != nullptr);
    // The league system and the person pages need the installation.
    QCOMPARE(dialog->Page(CDlgCountry::kLeagueSystem), nullptr);
    // The continent is shown, not edited.
    const int continent = m_document->World().Country(kDefaultCountry).Continent();
    auto& shown = Child<QWidget>(*dialog, QStringLiteral("continent%1").arg(continent));
    QVERIFY(!shown.isEnabled());
    // Leaving a tab stores its page, entering one loads it.
    auto* page = new CRecordingPage;
    dialog->SetPage(CDlgCountry::kCups, page);
    QCOMPARE(dialog->Page(CDlgCountry::kCups), page);
    QCOMPARE(page->loads, 0);
    for (int tab = 0; tab < CDlgCountry::kTabCount; ++tab) {
        ShowTab(dialog->Tabs(), tab);
    }
    QCOMPARE(page->loads, 1);
    QCOMPARE(page->stores, 1);
    ShowTab(dialog->Tabs(), CDlgCountry::kCups);
    QCOMPARE(page->loads, 2);
    PressOk(*dialog);
    QCOMPARE(page->stores, 2);
    QCOMPARE(Dump(), before);
    QCOMPARE(Edits(), std::size_t{0});
    QVERIFY(!m_document->IsModified());
    QVERIFY(!m_document->InGroup());
}

void CountryPagesTest::typedValuesAreOneEditNamedAfterTheCountryAndEachWayOutStores() {
    const std::string before = Dump();
    const SCountrySettings old = Settings();
    auto dialog = Open();
    Retype(*dialog, QStringLiteral("associationName"), QStringLiteral("NEUERVERBAND"));
    Retype(*dialog, QStringLiteral("presidentSurname"), QStringLiteral("Müller"));
    // The field takes 19 letters; the record keeps 15 of them (CountryPagesTest in tests/editing).
    auto& firstName = Child<QLineEdit>(*dialog, QStringLiteral("presidentFirstName"));
    Retype(firstName, QStringLiteral("Abcdefghijklmnopqrstuvw"));
    QCOMPARE(firstName.text(), QStringLiteral("Abcdefghijklmnopqrs"));
    // The day held to the month's length: PersonalDataRules in tests/editing, and reached by
    // these fields in PlayerPagesATest.
    auto& date = Child<CDateFields>(*dialog, QStringLiteral("presidentBirthDate"));
    TypeNumber(*date.YearField(), 1952);
    TypeNumber(*date.MonthField(), 2);
    TypeNumber(*date.DayField(), 29);
    auto& climate = Child<QComboBox>(*dialog, QStringLiteral("climate"));
    climate.setFocus();
    const int climateBefore = climate.currentIndex();
    QTest::keyClick(&climate, climateBefore == 0 ? Qt::Key_Down : Qt::Key_Up);
    auto& titles = Child<CValueScrollBar>(*dialog, QStringLiteral("worldChampionships"));
    titles.setFocus();
    QTest::keyClick(&titles, Qt::Key_Right);
    QTest::keyClick(&titles, Qt::Key_Right);
    QCOMPARE(Child<QLabel>(*dialog, QStringLiteral("worldChampionshipsNumber")).text(),
             QString::number(old.titles[SCountrySettings::kWorldChampionships] + 2));
    auto& generate = Child<QCheckBox>(*dialog, QStringLiteral("generateNames"));
    const bool generated = generate.isChecked();
    generate.setFocus();
    QTest::keyClick(&generate, Qt::Key_Space);
    QCOMPARE(generate.isChecked(), !generated);
    auto& notes = Child<QPlainTextEdit>(*dialog, QStringLiteral("notes"));
    notes.setFocus();
    notes.moveCursor(QTextCursor::End);
    QTest::keyClick(&notes, Qt::Key_Return);
    QTest::keyClicks(&notes, QStringLiteral("Neue Zeile"));

    ShowTab(dialog->Tabs(), CDlgCountry::kLook);
    TypeNumber(Child<CSpinEditCtrl>(*dialog, QStringLiteral("averageHeight")), 191);
    // No face selected stores an empty set: every selected entry clicked off.
    QVERIFY(old.faces != 0);
    auto& faces = Child<QListWidget>(*dialog, QStringLiteral("faces"));
    QVERIFY(!faces.selectedItems().isEmpty());
    for (int row = 0; row < faces.count(); ++row) {
        if (faces.item(row)->isSelected()) {
            ClickRow(faces, row);
        }
    }
    QVERIFY(faces.selectedItems().isEmpty());
    // A further hair colour clicked on.
    auto& colours = Child<QListWidget>(*dialog, QStringLiteral("hairColours"));
    int added = -1;
    for (int row = 0; row < colours.count() && added < 0; ++row) {
        if (!colours.item(row)->isSelected()) {
            added = colours.item(row)->data(Qt::UserRole).toInt();
            ClickRow(colours, row);
        }
    }
    PressOk(*dialog);

    QCOMPARE(Settings().associationName.View(), std::string_view("NEUERVERB"));
    QCOMPARE(Settings().president.surname.View(), std::string_view("M\xFCller"));
    QCOMPARE(Settings().president.firstName.View(), std::string_view("Abcdefghijklmno"));
    QCOMPARE(Settings().presidentBirthDate, CDate::FromYmd(1952, 2, 29));
    QCOMPARE(static_cast<int>(Settings().climate), climateBefore == 0 ? 1 : climateBefore - 1);
    QCOMPARE(Settings().titles[SCountrySettings::kWorldChampionships],
             static_cast<std::uint16_t>(old.titles[SCountrySettings::kWorldChampionships] + 2));
    QCOMPARE((Settings().optionFlags & 0x02) != 0, (old.optionFlags & 0x02) == 0);
    QCOMPARE(Settings().notes, old.notes + "\r\nNeue Zeile");
    QCOMPARE(static_cast<int>(Settings().averageHeight), 191);
    QCOMPARE(Settings().faces, 0u);
    QCOMPARE(Settings().beards, old.beards);
    if (added >= 0) {
        QCOMPARE(Settings().hairColours, old.hairColours | (1u << added));
    }
    // Only what was edited is written: CountryValuesTest in tests/editing.

    QCOMPARE(Edits(), std::size_t{1});
    const CCountry& country = m_document->World().Country(kDefaultCountry);
    QCOMPARE(m_document->UndoDescription().value_or(""),
             Cp1252ToUtf8(country.Name(m_document->Language())));
    ExpectUndoneAndSound(before);

    // Escape and the close box store the shown page (with its imperial averages), each as an edit
    // of its own.
    const std::string typed = Dump();
    auto looks = Open();
    ShowTab(looks->Tabs(), CDlgCountry::kLook);
    // The imperial texts and the ranges: CountryLookAveragesTest and CountryValuesTest in
    // tests/editing.
    TypeNumber(Child<CSpinEditCtrl>(*looks, QStringLiteral("averageHeight")), 180);
    QCOMPARE(Child<QLabel>(*looks, QStringLiteral("heightImperial")).text(),
             QStringLiteral("5' 10''"));
    TypeNumber(Child<CSpinEditCtrl>(*looks, QStringLiteral("averageWeight")), 70);
    QTest::keyClick(looks.get(), Qt::Key_Escape);
    QVERIFY(!looks->isVisible());
    QCOMPARE(looks->result(), static_cast<int>(QDialog::Accepted));
    QCOMPARE(static_cast<int>(Settings().averageHeight), 180);
    QCOMPARE(static_cast<int>(Settings().averageWeight), 70);
    QVERIFY(!m_document->InGroup());
    const std::string afterEscape = Dump();

    auto again = Open();
    Retype(*again, QStringLiteral("associationName"), QStringLiteral("ZU"));
    again->close();
    QCOMPARE(Settings().associationName.View(), std::string_view("ZU"));
    QCOMPARE(Edits(), std::size_t{3});
    // Each closing is an edit of its own.
    QVERIFY(m_document->Undo());
    QCOMPARE(Dump(), afterEscape);
    QVERIFY(m_document->Undo());
    QCOMPARE(Dump(), typed);
    QVERIFY(m_document->Redo());
    QVERIFY(m_document->Redo());
    QCOMPARE(CountryFault(*m_document, kDefaultCountry), QString());
}

}  // namespace kw

KW_GUI_TEST(CountryPagesTest);

#include "CountryPagesTest.moc"
