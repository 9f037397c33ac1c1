#include <QSlider>
#include <QToolButton>

#include <fstream>

#include "GuiTest.h"
#include "app/InstallationData.h"
#include "assets/Tga.h"
#include "demo/DemoGenerator.h"
#include "editing/BadgeChoice.h"
#include "editing/KitColours.h"
#include "editing/KitDesignInput.h"
#include "gui/controls/ShowBitmap.h"
#include "gui/editors/DlgClubBadgeManage.h"
#include "gui/editors/club/DlgClubBadge.h"
#include "gui/editors/club/DlgClubShirts.h"
#include "gui/editors/club/DlgClubShirtsColor.h"
#include "model/ClubNames.h"

namespace kw {

using namespace test;

namespace fs = std::filesystem;

namespace {

// Team colours with red twice (numbers 1 and 3) and merchandise colours: number, "name,colour".
constexpr char kTeamColours[] =
    "4\n0\nSchwarz,0\n1\nRot,16711680\n2\nWeiss,16777215\n3\nAuch Rot,16711680\n";
constexpr char kMerchandiseColours[] = "3\n0\nGrau,8421504\n1\nGelb,16776960\n2\nGruen,65280\n";
// 40 characters: with its folder the path is longer than a club keeps.
constexpr char kLongBadge[] = "a_badge_whose_name_is_far_too_long_here_";

}  // namespace

// The badge and kit pages of the club editor on a working copy of a demo club, driven as a user
// drives them; the copy is compared with the club it was taken from.
class ClubBadgeKitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void badgePageShowsTheBadgeAndStoresTheChosenColoursOnly();
    void badgeDialogStoresTheChosenBadgeOnly();
    void designsColoursAndOriginalKitAreStoredAsChosen();

private:
    // The page on the working copy, loaded and shown.
    template <typename T>
    T& Page() {
        auto page = std::make_unique<T>(*m_context, nullptr);
        T& shown = *page;
        m_pages.push_back(std::move(page));
        shown.Load();
        shown.show();
        return shown;
    }
    // The badge group of the club's folder, with at least two badges.
    QString ClubBadgeName() const;

    QTemporaryDir m_install;
    SAppContext m_app;
    CScriptedUserInterface m_ui;
    std::unique_ptr<CInstallationData> m_installation;
    std::unique_ptr<CWorld> m_world;
    CClub* m_original = nullptr;
    std::unique_ptr<CClub> m_copy;
    std::unique_ptr<SClubEditContext> m_context;
    std::vector<std::unique_ptr<QWidget>> m_pages;
};

void ClubBadgeKitTest::initTestCase() {
    QVERIFY(m_install.isValid());
    const fs::path install = m_install.path().toStdString();
    CSilentProgress progress;
    QVERIFY(demo::GenerateDemoInstallation(install, demo::EDemoScale::kSmall, 1, progress).ok);
    WriteText(install / "database/ger/TeamColour.txt", kTeamColours);
    WriteText(install / "database/ger/MerchandiseColour.txt", kMerchandiseColours);

    SetUpDirectories(m_app, install);
    m_world = std::make_unique<CWorld>(install);
    QVERIFY(m_world->InitialiseCountries());
    QVERIFY(m_world->Load(install / "database", progress, m_ui));

    // A club with a badge of its own in a folder that holds others too.
    m_installation = std::make_unique<CInstallationData>();
    m_installation->Load(m_app);
    const auto& tools = m_installation->Tools();
    const auto groups = BuildBadgeGroups(tools.BadgeDirectory(), tools.BadgeArchive(), *m_world);
    for (int number = 1; number <= kCountryCount && m_original == nullptr; ++number) {
        for (const auto& entry : m_world->Country(number).Clubs()) {
            const std::string path(entry.second->BadgePath().View());
            const std::string folder = path.substr(0, path.find('\\'));
            for (const SBadgeGroup& group : groups) {
                if (group.folder == folder && folder != "color" && group.entries.size() >= 2 &&
                    tools.BadgeExists(path)) {
                    m_original = entry.second.get();
                }
            }
            if (m_original != nullptr) {
                break;
            }
        }
    }
    QVERIFY(m_original != nullptr);

    // A badge in the club's folder whose path the club could not keep.
    const std::string path(m_original->BadgePath().View());
    const fs::path longBadge = tools.BadgeDirectory() / path.substr(0, path.find('\\')) /
                               "Badge256" / (std::string(kLongBadge) + ".tga");
    fs::create_directories(longBadge.parent_path());
    const auto tga = EncodeTga(SImage(4, 4, Argb(1, 2, 3)), 24, TgaCoding::Uncompressed);
    WriteText(longBadge, std::string(tga.begin(), tga.end()));
}

void ClubBadgeKitTest::init() {
    m_copy = std::make_unique<CClub>(*m_original);
    m_context = std::make_unique<SClubEditContext>(
        SClubEditContext{*m_copy, *m_world, *m_installation, nullptr, {}, 0});
}

void ClubBadgeKitTest::cleanup() {
    m_pages.clear();
    m_context.reset();
    m_copy.reset();
}

QString ClubBadgeKitTest::ClubBadgeName() const {
    return QString::fromStdString(BadgeDisplayName(m_original->BadgePath().View()));
}

// Untouched pages store nothing, also with values beyond their lists; the badge page shows the
// badge and its colours and stores the chosen ones.
void ClubBadgeKitTest::badgePageShowsTheBadgeAndStoresTheChosenColoursOnly() {
    m_copy->SetColour(0, 3);    // a colour that stands twice in the table
    m_copy->SetColourStyle(4);  // no merchandise entry has this number
    CClubKit::SKit& home = m_copy->Kit().Kit(0);
    home.design = 0;        // below every slider
    home.secondStyle = 40;  // above
    home.thirdStyle = 9;
    m_copy->Kit().SetSharedValue(987654);  // no entry of the original kits
    const CClub before = *m_copy;

    auto& page = Page<CDlgClubBadge>();
    auto& shirts = Page<CDlgClubShirts>();
    // Looked at, focus moved through the fields, nothing changed.
    for (QLineEdit* field : shirts.findChildren<QLineEdit*>()) {
        field->setFocus();
        QApplication::processEvents();
    }
    page.Store();
    shirts.Store();
    QVERIFY(m_copy->HasSameData(before));

    m_copy->SetColour(0, 2);
    m_copy->SetColourStyle(1);
    page.Load();
    auto* badge = page.findChild<CShowBitmap*>(QStringLiteral("badge"));
    QVERIFY(badge->HasBitmap());
    QCOMPARE(page.findChild<QLabel*>(QStringLiteral("file"))->text(),
             QString::fromStdString(std::string(m_copy->BadgePath().View())));
    QCOMPARE(page.findChild<QComboBox*>(QStringLiteral("clubColour"))->currentText(),
             QStringLiteral("Weiss"));
    QCOMPARE(page.findChild<QComboBox*>(QStringLiteral("merchandiseColour"))->currentText(),
             QStringLiteral("Gelb"));

    // No path: no picture and "Keine Datei gewählt"; a missing badge: why it is missing.
    m_copy->SetBadgePath("");
    page.Load();
    QVERIFY(!badge->HasBitmap());
    QCOMPARE(page.findChild<QLabel*>(QStringLiteral("file"))->text(),
             QStringLiteral("Keine Datei gewählt"));
    m_copy->SetBadgePath("Nowhere\\Badge256\\none.tga");
    page.Load();
    QVERIFY(!badge->HasBitmap());
    QVERIFY(page.findChild<QLabel*>(QStringLiteral("file"))
                ->text()
                .contains(QStringLiteral("Badges\\Nowhere\\Badge256\\none.tga")));
    QVERIFY(m_ui.Texts(CScriptedUserInterface::Message::Kind::Error).empty());

    // A colour chosen changes exactly that number.
    m_copy->SetColour(0, 3);  // "Auch Rot", the same colour as number 1
    m_copy->SetColourStyle(0);
    CClub expected = *m_copy;
    page.Load();
    auto* club = page.findChild<QComboBox*>(QStringLiteral("clubColour"));
    QCOMPARE(club->currentText(), QStringLiteral("Auch Rot"));
    // Up to "Weiss" (2) and the merchandise colour down to "Gruen" (2).
    QTest::keyClick(club, Qt::Key_Up);
    auto* merchandise = page.findChild<QComboBox*>(QStringLiteral("merchandiseColour"));
    QTest::keyClick(merchandise, Qt::Key_End);
    page.Store();
    expected.SetColour(0, 2);
    expected.SetColourStyle(2);
    QVERIFY(m_copy->HasSameData(expected));

    // Back to the loaded entry: nothing more is written.
    page.Load();
    QTest::keyClick(club, Qt::Key_Up);
    QTest::keyClick(club, Qt::Key_Down);
    page.Store();
    QVERIFY(m_copy->HasSameData(expected));
}

// A path too long is refused and OK without a badge cancels; the club's badge is preselected, OK
// stores another, and no badge gives the colour template.
void ClubBadgeKitTest::badgeDialogStoresTheChosenBadgeOnly() {
    auto& page = Page<CDlgClubBadge>();
    const CClub before = *m_copy;
    QString message;
    bool stayedOpen = false;
    WhenModal<CDlgClubBadgeManage>(*this, [&](CDlgClubBadgeManage& dialog) {
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("badges"));
        const auto found = list->findItems(QString::fromLatin1(kLongBadge), Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(found.front()).center());
        WhenModal<QMessageBox>(*this, [&message](QMessageBox& box) {
            message = box.text();
            box.accept();
        });
        QTest::mouseClick(ButtonWithText(dialog, QStringLiteral("OK")), Qt::LeftButton);
        stayedOpen = dialog.isVisible();
        // Another folder, no badge chosen: OK is Cancel.
        auto* groups = dialog.findChild<QComboBox*>(QStringLiteral("groups"));
        QTest::keyClick(groups,
                        groups->currentIndex() + 1 < groups->count() ? Qt::Key_Down : Qt::Key_Up);
        QCOMPARE(list->currentItem(), nullptr);
        QTest::mouseClick(ButtonWithText(dialog, QStringLiteral("OK")), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
    });
    QTest::mouseClick(page.findChild<QPushButton*>(QStringLiteral("chooseBadge")), Qt::LeftButton);
    QVERIFY(stayedOpen);
    QVERIFY(message.contains(QString::fromLatin1(kLongBadge)));
    QVERIFY(message.contains(QStringLiteral("länger als 39 Zeichen")));
    QVERIFY(m_copy->HasSameData(before));

    QString chosen;
    QString preselected;
    WhenModal<CDlgClubBadgeManage>(*this, [&](CDlgClubBadgeManage& dialog) {
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("badges"));
        QVERIFY(list->currentItem() != nullptr);
        preselected = list->currentItem()->text();
        QVERIFY(dialog.findChild<CShowBitmap*>(QStringLiteral("preview"))->HasBitmap());
        // Another badge of the folder that a club can keep, clicked.
        int row = 0;
        while (row == list->currentRow() || list->item(row)->text() == QLatin1String(kLongBadge)) {
            ++row;
        }
        QListWidgetItem* other = list->item(row);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(other).center());
        QCOMPARE(list->currentRow(), row);
        chosen = dialog.findChild<QLineEdit*>(QStringLiteral("path"))->text();
        QTest::mouseClick(ButtonWithText(dialog, QStringLiteral("OK")), Qt::LeftButton);
    });
    QTest::mouseClick(page.findChild<QPushButton*>(QStringLiteral("chooseBadge")), Qt::LeftButton);
    QCOMPARE(preselected, ClubBadgeName());
    QVERIFY(!chosen.isEmpty());
    QCOMPARE(QString::fromStdString(std::string(m_copy->BadgePath().View())), chosen);
    QCOMPARE(page.findChild<QLabel*>(QStringLiteral("file"))->text(), chosen);
    CClub expected = *m_original;
    expected.SetBadgePath(chosen.toStdString());
    QVERIFY(m_copy->HasSameData(expected));

    // No badge gives the colour template.
    m_copy->SetColour(0, 19);
    WhenModal<CDlgClubBadgeManage>(*this, [](CDlgClubBadgeManage& dialog) {
        auto* groups = dialog.findChild<QComboBox*>(QStringLiteral("groups"));
        QTest::keyClick(groups, Qt::Key_Home);
        QCOMPARE(groups->currentText(), QStringLiteral(" Kein Wappen"));
        QCOMPARE(dialog.findChild<QListWidget*>(QStringLiteral("badges"))->count(), 0);
        QVERIFY(!dialog.findChild<CShowBitmap*>(QStringLiteral("preview"))->HasBitmap());
        QTest::mouseClick(ButtonWithText(dialog, QStringLiteral("OK")), Qt::LeftButton);
    });
    QTest::mouseClick(page.findChild<QPushButton*>(QStringLiteral("chooseBadge")), Qt::LeftButton);
    QCOMPARE(std::string(m_copy->BadgePath().View()), DefaultBadgePath(19));
}

// The rule for typed designs is ClubColours in tests/editing/ClubPagesTest.cpp; here the field and
// slider apply both of its outcomes; the colour buttons and the original kit list reach the copy
// too.
void ClubBadgeKitTest::designsColoursAndOriginalKitAreStoredAsChosen() {
    CClubKit::SKit& home = m_copy->Kit().Kit(0);
    home.design = 10;
    home.secondStyle = 5;
    home.thirdStyle = 2;
    m_copy->Kit().SetSharedValue(0);
    CClub expected = *m_copy;
    auto& page = Page<CDlgClubShirts>();

    auto* shirt = page.findChild<QWidget*>(QStringLiteral("homeShirtDesign"));
    auto* shirtField = shirt->findChild<QLineEdit*>();
    auto* shirtSlider = shirt->findChild<QSlider*>();
    QCOMPARE(shirtSlider->value(), 10);
    // Each keystroke counts: "9" moves the slider, "99" is above the maximum, so the field shows
    // the maximum and the slider stays at 9.
    shirtField->setFocus();
    shirtField->selectAll();
    QTest::keyClicks(shirtField, QStringLiteral("9"));
    QCOMPARE(shirtSlider->value(), 9);
    QTest::keyClicks(shirtField, QStringLiteral("9"));
    QCOMPARE(shirtField->text(), QStringLiteral("42"));
    QCOMPARE(shirtSlider->value(), 9);
    // The away shirt's slider moved with the keyboard.
    auto* awaySlider =
        page.findChild<QWidget*>(QStringLiteral("awayShirtDesign"))->findChild<QSlider*>();
    const int awayBefore = awaySlider->value();
    awaySlider->setFocus();
    QTest::keyClick(awaySlider, awayBefore < kShirtDesigns.maximum ? Qt::Key_Right : Qt::Key_Left);

    // White, the third colour of the table, for the away socks.
    WhenModal<CDlgClubShirtsColor>(*this, [](CDlgClubShirtsColor& dialog) {
        auto* white = dialog.findChild<QToolButton*>(QStringLiteral("swatch2"));
        QCOMPARE(white->toolTip(), QStringLiteral("Weiss"));
        QTest::mouseClick(white, Qt::LeftButton);
        QCOMPARE(dialog.Chosen(), (SKitRgb{255, 255, 255}));
        QTest::mouseClick(ButtonWithText(dialog, QStringLiteral("OK")), Qt::LeftButton);
    });
    QTest::mouseClick(page.findChild<QPushButton*>(QStringLiteral("awaySocksColour")),
                      Qt::LeftButton);
    // Cancel leaves the home shirt as it was, also after the red part was typed.
    WhenModal<CDlgClubShirtsColor>(*this, [](CDlgClubShirtsColor& dialog) {
        auto* red = dialog.findChild<QWidget*>(QStringLiteral("red"));
        red->setFocus();
        QTest::keyClick(red, Qt::Key_Up);
        QTest::mouseClick(ButtonWithText(dialog, QStringLiteral("Abbruch")), Qt::LeftButton);
    });
    QTest::mouseClick(page.findChild<QPushButton*>(QStringLiteral("homeShirtColour")),
                      Qt::LeftButton);

    // Without the renderer the placeholder shows and the views are off; the original kit is
    // chosen as with the preview.
    QVERIFY(page.findChild<QLabel*>(QStringLiteral("previewPlaceholder"))->isVisible());
    const QStringList names = AccessibleNames(page);
    QVERIFY(names.contains(QStringLiteral("Original Heim")));
    QVERIFY(names.contains(QStringLiteral("Original Auswärts")));
    for (int view = 0; view < 4; ++view) {
        QVERIFY(!page.findChild<QRadioButton*>(QStringLiteral("view%1").arg(view))->isEnabled());
    }
    QVERIFY(page.findChild<QRadioButton*>(QStringLiteral("view0"))->isChecked());
    auto* socks = page.findChild<QWidget*>(QStringLiteral("homeSocksDesign"));
    socks->findChild<QSlider*>()->setFocus();
    QTest::keyClick(socks->findChild<QSlider*>(), Qt::Key_End);
    auto* original = page.findChild<QComboBox*>(QStringLiteral("originalKit"));
    QCOMPARE(original->currentIndex(), 0);
    QCOMPARE(original->currentText(), QStringLiteral(" nicht vorhanden "));
    QTest::keyClick(original, Qt::Key_Down);
    QTest::keyClick(original, Qt::Key_Down);
    const int chosen = original->currentData().toInt();
    QVERIFY(chosen != 0);

    page.Store();
    expected.Kit().Kit(0).design = 9;
    expected.Kit().Kit(0).thirdStyle = static_cast<std::uint8_t>(kSocksDesigns.maximum);
    expected.Kit().Kit(1).design = static_cast<std::uint8_t>(
        awayBefore < kShirtDesigns.maximum ? awayBefore + 1 : awayBefore - 1);
    SetKitColour(expected.Kit().Kit(1), EKitColour::kSocks, {255, 255, 255});
    expected.Kit().SetSharedValue(chosen);
    QVERIFY(m_copy->HasSameData(expected));
}

}  // namespace kw

KW_GUI_TEST(ClubBadgeKitTest);

#include "ClubBadgeKitTest.moc"
