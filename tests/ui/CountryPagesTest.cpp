#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <memory>
#include <string>

#include "DemoDocument.h"
#include "IsolatedGuiTest.h"
#include "app/DatabaseSlots.h"
#include "demo/DemoGenerator.h"
#include "document/DatabaseDocument.h"
#include "exports/WorldDump.h"
#include "gui/controls/SpinEditCtrl.h"
#include "gui/controls/ValueScrollBar.h"
#include "gui/editors/country/CountryCupsPage.h"
#include "gui/editors/country/CountryGeneralPage.h"
#include "gui/editors/country/CountryListPages.h"
#include "gui/editors/country/CountryLookPage.h"
#include "gui/editors/country/DlgCountry.h"
#include "gui/editors/player/DateFields.h"
#include "model/Country.h"
#include "model/World.h"
#include "platform/Cp1252.h"
#include "platform/Progress.h"
#include "platform/ScriptedUserInterface.h"
#include "storage/Identifiers.h"

namespace kw {

namespace fs = std::filesystem;

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
class CountryPagesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void theTabsStandInTheirOrder();
    void typedValuesOfBothPagesAreOneUndoableEditNamedAfterTheCountry();
    void aNineteenLetterFirstNameKeepsFifteen();
    void the29thOfFebruaryIsKeptOnlyInALeapYear();
    void noFaceSelectedStoresAnEmptySet();
    void theAveragesShowTheirImperialValues();
    void okWithoutEditsLeavesTheDocumentClean();
    void escapeAndTheCloseBoxStoreTheShownPage();
    void leavingATabStoresItsPageAndEnteringOneLoadsIt();

private:
    const SCountrySettings& Settings() const {
        return m_document->World().Country(kDefaultCountry).Settings();
    }
    std::string Dump() const { return DumpWorldJson(m_document->World()); }
    std::size_t Edits() const { return m_document->History().Count(); }
    // The window, shown and active.
    std::unique_ptr<CDlgCountry> Open();
    static void ShowTab(CDlgCountry& dialog, int tab);
    static void PressOk(CDlgCountry& dialog);
    static void ReplaceText(QLineEdit& field, const QString& text);
    // Types into the numeric field and leaves it with Tab, as a user does.
    static void TypeNumber(CSpinEditCtrl& field, int value);
    template <typename T>
    static T& Child(QWidget& parent, const QString& name);

    QTemporaryDir m_demo;
    std::unique_ptr<CDatabaseSlots> m_slots;
    CDatabaseDocument* m_document = nullptr;
    CScriptedUserInterface m_ui;
};

void CountryPagesTest::initTestCase() {
    QVERIFY(m_demo.isValid());
    CSilentProgress progress;
    QVERIFY(demo::GenerateDemoInstallation(m_demo.path().toStdString(), demo::EDemoScale::kSmall, 1,
                                           progress)
                .ok);
}

void CountryPagesTest::init() {
    m_slots = std::make_unique<CDatabaseSlots>(m_demo.path().toStdString());
    m_ui = CScriptedUserInterface{};
    m_document = m_slots->AddSlot();
    QVERIFY(m_document != nullptr);
    CSilentProgress progress;
    QVERIFY(OpenDatabase(*m_document, fs::path(m_demo.path().toStdString()) / "database", progress,
                         m_ui));
    QVERIFY(!m_document->IsModified());
}

void CountryPagesTest::cleanup() {
    m_slots.reset();
}

std::unique_ptr<CDlgCountry> CountryPagesTest::Open() {
    auto dialog = std::make_unique<CDlgCountry>(*m_document, kDefaultCountry);
    dialog->show();
    // Active, so that focus moves as it does for the user (on a real X server too).
    dialog->activateWindow();
    if (!QTest::qWaitForWindowActive(dialog.get())) {
        qFatal("country window not active");
    }
    return dialog;
}

void CountryPagesTest::ShowTab(CDlgCountry& dialog, int tab) {
    QTabBar* bar = dialog.Tabs().tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
    QCOMPARE(dialog.Tabs().currentIndex(), tab);
}

void CountryPagesTest::PressOk(CDlgCountry& dialog) {
    auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttons"));
    QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
}

void CountryPagesTest::ReplaceText(QLineEdit& field, const QString& text) {
    field.setFocus();
    field.selectAll();
    QTest::keyClick(&field, Qt::Key_Delete);
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(&field, c.toLatin1());
        } else {
            // As a keyboard with accents sends the letter.
            QTest::sendKeyEvent(QTest::Click, &field, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

void CountryPagesTest::TypeNumber(CSpinEditCtrl& field, int value) {
    ReplaceText(*field.Field(), QString::number(value));
    QTest::keyClick(field.Field(), Qt::Key_Tab);
}

template <typename T>
T& CountryPagesTest::Child(QWidget& parent, const QString& name) {
    T* child = parent.findChild<T*>(name);
    if (child == nullptr) {
        qFatal("no child %s", qPrintable(name));
    }
    return *child;
}

void CountryPagesTest::theTabsStandInTheirOrder() {
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
    PressOk(*dialog);
}

void CountryPagesTest::typedValuesOfBothPagesAreOneUndoableEditNamedAfterTheCountry() {
    const std::string before = Dump();
    const SCountrySettings old = Settings();
    auto dialog = Open();
    ReplaceText(Child<QLineEdit>(*dialog, QStringLiteral("associationName")),
                QStringLiteral("NEUERVERBAND"));
    ReplaceText(Child<QLineEdit>(*dialog, QStringLiteral("presidentSurname")),
                QStringLiteral("Müller"));
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

    ShowTab(*dialog, CDlgCountry::kLook);
    TypeNumber(Child<CSpinEditCtrl>(*dialog, QStringLiteral("averageHeight")), 191);
    PressOk(*dialog);

    QCOMPARE(Settings().associationName.View(), std::string_view("NEUERVERB"));
    QCOMPARE(Settings().president.surname.View(), std::string_view("M\xFCller"));
    QCOMPARE(static_cast<int>(Settings().climate), climateBefore == 0 ? 1 : climateBefore - 1);
    QCOMPARE(Settings().titles[SCountrySettings::kWorldChampionships],
             static_cast<std::uint16_t>(old.titles[SCountrySettings::kWorldChampionships] + 2));
    QCOMPARE((Settings().optionFlags & 0x02) != 0, (old.optionFlags & 0x02) == 0);
    QCOMPARE(Settings().notes, old.notes + "\r\nNeue Zeile");
    QCOMPARE(static_cast<int>(Settings().averageHeight), 191);
    // What was not touched is as it was.
    QCOMPARE(Settings().president.firstName, old.president.firstName);
    QCOMPARE(Settings().faces, old.faces);
    QCOMPARE(Settings().languages, old.languages);

    QCOMPARE(Edits(), std::size_t{1});
    const CCountry& country = m_document->World().Country(kDefaultCountry);
    QCOMPARE(m_document->UndoDescription().value_or(""),
             Cp1252ToUtf8(country.Name(m_document->Language())));
    QVERIFY(m_document->Undo());
    QCOMPARE(Dump(), before);
    QVERIFY(!m_document->IsModified());
    QVERIFY(m_document->Redo());
    QCOMPARE(test::CountryFault(*m_document, kDefaultCountry), QString());
}

void CountryPagesTest::aNineteenLetterFirstNameKeepsFifteen() {
    const std::string before = Dump();
    auto dialog = Open();
    auto& field = Child<QLineEdit>(*dialog, QStringLiteral("presidentFirstName"));
    ReplaceText(field, QStringLiteral("Abcdefghijklmnopqrstuvw"));
    // The field takes 19 letters; the record keeps 15 of them.
    QCOMPARE(field.text(), QStringLiteral("Abcdefghijklmnopqrs"));
    ReplaceText(Child<QLineEdit>(*dialog, QStringLiteral("presidentSurname")),
                QStringLiteral("Zyxwvutsrqponmlkjihgf"));
    PressOk(*dialog);
    QCOMPARE(Settings().president.firstName.View(), std::string_view("Abcdefghijklmno"));
    QCOMPARE(Settings().president.surname.View(), std::string_view("Zyxwvutsrqponmlkjih"));
    QVERIFY(m_document->Undo());
    QCOMPARE(Dump(), before);
    QVERIFY(m_document->Redo());
    QCOMPARE(test::CountryFault(*m_document, kDefaultCountry), QString());
}

void CountryPagesTest::the29thOfFebruaryIsKeptOnlyInALeapYear() {
    const std::string before = Dump();
    auto dialog = Open();
    auto& date = Child<CDateFields>(*dialog, QStringLiteral("presidentBirthDate"));
    TypeNumber(*date.YearField(), 1952);
    TypeNumber(*date.MonthField(), 2);
    TypeNumber(*date.DayField(), 29);
    QCOMPARE(date.Date(), CDate::FromYmd(1952, 2, 29));
    ShowTab(*dialog, CDlgCountry::kLook);
    QCOMPARE(Settings().presidentBirthDate, CDate::FromYmd(1952, 2, 29));

    ShowTab(*dialog, CDlgCountry::kGeneral);
    QCOMPARE(date.DayField()->StoredValue(), 29);
    TypeNumber(*date.YearField(), 1953);
    QCOMPARE(date.DayField()->StoredValue(), 28);
    TypeNumber(*date.DayField(), 30);
    PressOk(*dialog);
    QCOMPARE(Settings().presidentBirthDate, CDate::FromYmd(1953, 2, 28));
    QCOMPARE(Edits(), std::size_t{1});
    QVERIFY(m_document->Undo());
    QCOMPARE(Dump(), before);
    QVERIFY(m_document->Redo());
    QCOMPARE(test::CountryFault(*m_document, kDefaultCountry), QString());
}

void CountryPagesTest::noFaceSelectedStoresAnEmptySet() {
    QVERIFY(Settings().faces != 0);
    const std::string before = Dump();
    const std::uint32_t beards = Settings().beards;
    auto dialog = Open();
    ShowTab(*dialog, CDlgCountry::kLook);
    auto& faces = Child<QListWidget>(*dialog, QStringLiteral("faces"));
    QVERIFY(!faces.selectedItems().isEmpty());
    // Every selected entry clicked off.
    for (int row = 0; row < faces.count(); ++row) {
        QListWidgetItem* item = faces.item(row);
        if (item->isSelected()) {
            faces.scrollToItem(item);
            QTest::mouseClick(faces.viewport(), Qt::LeftButton, {},
                              faces.visualItemRect(item).center());
        }
    }
    QVERIFY(faces.selectedItems().isEmpty());
    // A further hair colour clicked on.
    auto& colours = Child<QListWidget>(*dialog, QStringLiteral("hairColours"));
    int added = -1;
    for (int row = 0; row < colours.count() && added < 0; ++row) {
        if (!colours.item(row)->isSelected()) {
            added = colours.item(row)->data(Qt::UserRole).toInt();
            QTest::mouseClick(colours.viewport(), Qt::LeftButton, {},
                              colours.visualItemRect(colours.item(row)).center());
        }
    }
    const std::uint32_t colourSet = Settings().hairColours;
    PressOk(*dialog);
    QCOMPARE(Settings().faces, 0u);
    QCOMPARE(Settings().beards, beards);
    if (added >= 0) {
        QCOMPARE(Settings().hairColours, colourSet | (1u << added));
    }
    QVERIFY(m_document->Undo());
    QCOMPARE(Dump(), before);
    QVERIFY(m_document->Redo());
    QCOMPARE(test::CountryFault(*m_document, kDefaultCountry), QString());
}

void CountryPagesTest::theAveragesShowTheirImperialValues() {
    const std::string before = Dump();
    auto dialog = Open();
    ShowTab(*dialog, CDlgCountry::kLook);
    TypeNumber(Child<CSpinEditCtrl>(*dialog, QStringLiteral("averageHeight")), 180);
    QCOMPARE(Child<QLabel>(*dialog, QStringLiteral("heightImperial")).text(),
             QStringLiteral("5' 10''"));
    TypeNumber(Child<CSpinEditCtrl>(*dialog, QStringLiteral("averageWeight")), 70);
    QCOMPARE(Child<QLabel>(*dialog, QStringLiteral("weightImperial")).text(),
             QStringLiteral("11st"));
    // Beyond the range the field holds the value at its end.
    TypeNumber(Child<CSpinEditCtrl>(*dialog, QStringLiteral("averageWeight")), 400);
    QCOMPARE(Child<CSpinEditCtrl>(*dialog, QStringLiteral("averageWeight")).StoredValue(), 150);
    PressOk(*dialog);
    QCOMPARE(static_cast<int>(Settings().averageHeight), 180);
    QCOMPARE(static_cast<int>(Settings().averageWeight), 150);
    QVERIFY(m_document->Undo());
    QCOMPARE(Dump(), before);
    QVERIFY(m_document->Redo());
    QCOMPARE(test::CountryFault(*m_document, kDefaultCountry), QString());
}

void CountryPagesTest::okWithoutEditsLeavesTheDocumentClean() {
    const std::string before = Dump();
    auto dialog = Open();
    for (int tab = 0; tab < CDlgCountry::kTabCount; ++tab) {
        ShowTab(*dialog, tab);
    }
    ShowTab(*dialog, CDlgCountry::kGeneral);
    PressOk(*dialog);
    QCOMPARE(Dump(), before);
    QCOMPARE(Edits(), std::size_t{0});
    QVERIFY(!m_document->IsModified());
    QVERIFY(!m_document->InGroup());
}

void CountryPagesTest::escapeAndTheCloseBoxStoreTheShownPage() {
    const std::string before = Dump();
    auto dialog = Open();
    ShowTab(*dialog, CDlgCountry::kLook);
    TypeNumber(Child<CSpinEditCtrl>(*dialog, QStringLiteral("averageHeight")), 175);
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), static_cast<int>(QDialog::Accepted));
    QCOMPARE(static_cast<int>(Settings().averageHeight), 175);
    QVERIFY(!m_document->InGroup());
    const std::string afterEscape = Dump();

    auto again = Open();
    ReplaceText(Child<QLineEdit>(*again, QStringLiteral("associationName")), QStringLiteral("ZU"));
    again->close();
    QCOMPARE(Settings().associationName.View(), std::string_view("ZU"));
    QCOMPARE(Edits(), std::size_t{2});
    // Each closing is an edit of its own.
    QVERIFY(m_document->Undo());
    QCOMPARE(Dump(), afterEscape);
    QVERIFY(m_document->Undo());
    QCOMPARE(Dump(), before);
    QVERIFY(m_document->Redo());
    QVERIFY(m_document->Redo());
    QCOMPARE(test::CountryFault(*m_document, kDefaultCountry), QString());
}

void CountryPagesTest::leavingATabStoresItsPageAndEnteringOneLoadsIt() {
    auto dialog = Open();
    auto* page = new CRecordingPage;
    dialog->SetPage(CDlgCountry::kCups, page);
    QCOMPARE(dialog->Page(CDlgCountry::kCups), page);
    QCOMPARE(dialog->Tabs().tabText(CDlgCountry::kCups), QStringLiteral("Pokal"));
    QCOMPARE(page->loads, 0);
    ShowTab(*dialog, CDlgCountry::kCups);
    QCOMPARE(page->loads, 1);
    QCOMPARE(page->stores, 0);
    ShowTab(*dialog, CDlgCountry::kLook);
    QCOMPARE(page->stores, 1);
    ShowTab(*dialog, CDlgCountry::kCups);
    QCOMPARE(page->loads, 2);
    PressOk(*dialog);
    QCOMPARE(page->stores, 2);
}

}  // namespace kw

int main(int argc, char** argv) {
    return kw::test::RunIsolatedGuiTest<kw::CountryPagesTest>(argc, argv);
}

#include "CountryPagesTest.moc"
