#include <QCompleter>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QPointer>

#include "GuiTest.h"
#include "editing/CityPicture.h"
#include "editing/ClubStadiumRules.h"
#include "gui/controls/ShowBitmap.h"
#include "gui/editors/DlgChairman.h"
#include "gui/editors/DlgShirtNo.h"
#include "gui/editors/ShirtNumberList.h"
#include "gui/editors/club/DlgClubStadium.h"

namespace kw {

using namespace test;

namespace fs = std::filesystem;

// The stadium page on working copies of the small demo's clubs, the shirt-number dialog and the
// board-stability panel on the demo's persons, all driven through their widgets.
class ClubStadiumTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void untouchedPageStoresNothingAlsoValuesItCannotShow();
    void eachControlStoresItsField();
    void stadiumNameIsEditedInTheContextsLanguage();
    void cityPictureShownAndChosenInTheCityFolderOnly();

    void shirtNumbersSwapOnOkOnlyAndInvalidOnesAreShownButNotStored();

    void chairmanBarStoresAtOnceWithItsText();

private:
    // The page on `club` (a working copy), loaded.
    std::unique_ptr<CDlgClubStadium> Page(CClub& club, int language = 0);
    CClub& DemoClub(int skip = 0);
    std::vector<CPlayer*> NewPlayers(const std::vector<int>& numbers);

    CSmallDemoInstallation m_demo;
    const SAppContext& m_app = m_demo.Context();
    std::unique_ptr<CWorld> m_world;
    std::unique_ptr<SClubEditContext> m_context;
};

void ClubStadiumTest::initTestCase() {
    QVERIFY(m_demo.Generate());
    CSilentProgress progress;
    m_world = std::make_unique<CWorld>(m_demo.Path());
    QVERIFY(m_world->InitialiseCountries());
    QVERIFY(m_world->Load(m_demo.Path() / "database", progress));
}

CClub& ClubStadiumTest::DemoClub(int skip) {
    return *ClubsWhere(*m_world, [](const CClub& club) {
                return club.Country() == kDefaultCountry;
            }).at(static_cast<std::size_t>(skip));
}

std::unique_ptr<CDlgClubStadium> ClubStadiumTest::Page(CClub& club, int language) {
    m_context = std::make_unique<SClubEditContext>(SClubEditContext{
        club, *m_world, m_demo.Installation(), nullptr, m_app.cityDirectory, language});
    auto page = std::make_unique<CDlgClubStadium>(*m_context, nullptr);
    page->Load();
    page->show();
    return page;
}

void ClubStadiumTest::untouchedPageStoresNothingAlsoValuesItCannotShow() {
    CClub club = DemoClub();
    club.SetStadiumNumber(500);  // beyond the country's stadium list
    club.SetStadiumType(7);
    club.SetStadiumFlags(0x83);
    club.SetStadiumCapacity(180000);  // beyond what the field would store
    club.SetSurrounding(2, 9);
    club.SetYouthCountry(230);
    club.SetPreferredCountry(1, 207);
    club.SetLatitude(MakeCoordinate(true, 95, 75));
    club.SetLongitude(MakeCoordinate(false, 1234, 99));
    const CClub before = club;

    auto page = Page(club);
    QVERIFY(AccessibleNames(*page).contains(QStringLiteral("Stadionkapazität")));
    QCOMPARE(Child<QComboBox>(*page, "venue").currentIndex(), -1);
    QCOMPARE(Child<QComboBox>(*page, "stadiumType").currentIndex(), -1);
    QCOMPARE(Child<QComboBox>(*page, "youthCountry").currentIndex(), -1);
    page->Store();
    QVERIFY(club.HasSameData(before));
    // Showing it again and leaving it again changes nothing either.
    page->Load();
    page->Store();
    QVERIFY(club.HasSameData(before));
}

// Every control on one page, each changed: the store writes each one's field and nothing else.
void ClubStadiumTest::eachControlStoresItsField() {
    CClub club = DemoClub();
    CClub expected = club;
    auto page = Page(club);
    // Each combo stores the value it moves to, read from the combo as the user sees it.
    const auto next = [&page](const char* name) {
        auto& combo = Child<QComboBox>(*page, name);
        const QVariant before = combo.currentData();
        combo.setFocus();
        QTest::keyClick(&combo,
                        combo.currentIndex() + 1 < combo.count() ? Qt::Key_Down : Qt::Key_Up);
        // An equal value would hide a control that stores nothing.
        if (combo.currentData() == before) {
            QTest::qFail(name, __FILE__, __LINE__);
        }
        return combo.currentData().toInt();
    };
    auto& box = Child<QCheckBox>(*page, "bigMainStand");
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(box.height() / 2, box.height() / 2));
    expected.SetStadiumFlags(static_cast<std::uint8_t>(club.StadiumFlags() ^ kBigMainStandFlag));
    expected.SetStadiumType(static_cast<std::uint8_t>(next("stadiumType")));
    expected.SetStadiumNumber(next("venue"));
    expected.SetSurrounding(4, static_cast<std::uint8_t>(next("surrounding4")));
    expected.SetYouthCountry(static_cast<std::uint8_t>(next("youthCountry")));
    expected.SetPreferredCountry(1, static_cast<std::uint8_t>(next("preferredCountry2")));
    next("latitudeHalf");
    // Each field stores what it takes of the typed text.
    Retype(*page, QStringLiteral("stadiumName"), QStringLiteral("Neuer Park"));
    Retype(*page, QStringLiteral("stadiumCapacity"), QStringLiteral("99999999"));
    Retype(*page, QStringLiteral("longitudeDegrees"), QStringLiteral("200"));
    Retype(*page, QStringLiteral("latitudeMinutes"), QStringLiteral("7"));
    expected.SetStadiumName(0, "Neuer Park");
    expected.SetStadiumCapacity(CClub::kMaxStadiumCapacity);
    const SCoordinate latitude = SplitCoordinate(club.Latitude());
    const SCoordinate longitude = SplitCoordinate(club.Longitude());
    expected.SetLatitude(MakeCoordinate(!latitude.negative, latitude.degrees, 7));
    expected.SetLongitude(MakeCoordinate(longitude.negative, 180, longitude.minutes));
    const CClub original = club;
    page->Store();
    QVERIFY(!club.HasSameData(original));
    QVERIFY(club.HasSameData(expected));
}

void ClubStadiumTest::stadiumNameIsEditedInTheContextsLanguage() {
    CClub club = DemoClub();
    club.SetStadiumName(2, "Stade du Lac");
    const CClub before = club;
    auto page = Page(club, 2);
    auto& name = Child<QLineEdit>(*page, "stadiumName");
    QCOMPARE(name.text(), QStringLiteral("Stade du Lac"));
    Retype(name, QStringLiteral("Stade Général"));
    page->Store();
    QCOMPARE(std::string(club.StadiumNames()[2].View()), std::string("Stade G\xE9n\xE9ral"));
    QCOMPARE(club.StadiumNames()[0].View(), before.StadiumNames()[0].View());
}

void ClubStadiumTest::cityPictureShownAndChosenInTheCityFolderOnly() {
    std::optional<std::reference_wrapper<CClub>> with;
    std::optional<std::reference_wrapper<CClub>> without;
    for (int number = 1; number <= kCountryCount; ++number) {
        for (const auto& entry : m_world->Country(number).Clubs()) {
            const bool has = FindCityPicture(m_app.cityDirectory, *entry.second, 0).has_value();
            (has ? with : without).emplace(*entry.second);
        }
    }
    QVERIFY(with.has_value());
    QVERIFY(without.has_value());

    CClub shown = with->get();
    auto page = Page(shown);
    const auto& picture = Child<CShowBitmap>(*page, "cityPicture");
    QVERIFY(picture.HasBitmap());
    const QString file = Child<QLabel>(*page, "cityPictureFile").text();
    QCOMPARE(file, QString::fromStdString(Cp1252ToUtf8(shown.Cities()[0].View())) + ".bmp");

    CClub plain = without->get();
    page = Page(plain);
    QVERIFY(!Child<CShowBitmap>(*page, "cityPicture").HasBitmap());
    QCOMPARE(Child<QLabel>(*page, "cityPictureFile").text(), QStringLiteral("Keine Datei gewählt"));

    // A picture chosen in the city folder names the city; one outside is refused.
    // A picture named like no club's city yet, copied from a demo one.
    const fs::path demoPicture = fs::directory_iterator(m_app.cityDirectory)->path();
    const fs::path chosen = m_app.cityDirectory / "Seeblick.bmp";
    fs::copy_file(demoPicture, chosen, fs::copy_options::overwrite_existing);

    CClub club = DemoClub(1);
    CClub expected = club;
    expected.SetCity(1, "Seeblick");
    page = Page(club, 1);
    WhenModal<QFileDialog>(*this, [&chosen](QFileDialog& dialog) {
        QCOMPARE(QDir(dialog.directory()).canonicalPath(),
                 QDir(QString::fromStdString(chosen.parent_path().string())).canonicalPath());
        TypeFileName(dialog, QString::fromStdString(chosen.string()));
    });
    QTest::mouseClick(&Child<QPushButton>(*page, "chooseCityPicture"), Qt::LeftButton);
    QVERIFY(Child<CShowBitmap>(*page, "cityPicture").HasBitmap());
    QCOMPARE(Child<QLabel>(*page, "cityPictureFile").text(), QStringLiteral("Seeblick.bmp"));

    // A picture outside the city folder is refused with a message.
    const fs::path outside = m_demo.Path() / "Anderswo.bmp";
    fs::copy_file(demoPicture, outside, fs::copy_options::overwrite_existing);
    QString message;
    WhenModal<QFileDialog>(*this, [&outside, &message, this](QFileDialog& dialog) {
        WhenModal<QMessageBox>(*this, [&message](QMessageBox& box) {
            message = box.text();
            box.accept();
        });
        TypeFileName(dialog, QString::fromStdString(outside.string()));
    });
    QTest::mouseClick(&Child<QPushButton>(*page, "chooseCityPicture"), Qt::LeftButton);
    QVERIFY(message.startsWith(QStringLiteral("Die Stadtgrafik muss im Ordner")));
    QCOMPARE(Child<QLabel>(*page, "cityPictureFile").text(), QStringLiteral("Seeblick.bmp"));
    page->Store();
    QVERIFY(club.HasSameData(expected));
    // Shown again, the page finds the picture through the new name.
    page->Load();
    QCOMPARE(Child<QLabel>(*page, "cityPictureFile").text(), QStringLiteral("Seeblick.bmp"));
}

std::vector<CPlayer*> ClubStadiumTest::NewPlayers(const std::vector<int>& numbers) {
    std::vector<CPlayer*> players;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        CPlayer& player = m_world->CreatePerson(0, true);
        player.SetFirstName("Test");
        player.SetSurname("Spieler" + std::to_string(i));
        player.SetPosition(0, position::kCentreBack);
        player.SetShirtNumber(0, static_cast<std::uint8_t>(numbers[i]));
        player.SetShirtNumber(1, 44);
        players.push_back(&player);
    }
    return players;
}

void ClubStadiumTest::shirtNumbersSwapOnOkOnlyAndInvalidOnesAreShownButNotStored() {
    const std::vector<CPlayer*> players = NewPlayers({7, 10, 3});
    CPlayer& a = *players[0];
    CPlayer& b = *players[1];
    CDlgShirtNo dialog(players);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    CShirtNumberList& source = dialog.ListOf(7);
    QCOMPARE(
        QString::fromStdString(source.Row(6)),
        QStringLiteral("7\t") + QString::fromStdString(a.ShortName()) + QStringLiteral("\tIV"));
    QCOMPARE(QString::fromStdString(dialog.ListOf(34).Row(0)), QStringLiteral("34\t \t "));

    // The line of number 7 dragged onto the line of number 10, as a drop reaches the list.
    std::unique_ptr<QMimeData> data(source.model()->mimeData({source.model()->index(6, 0)}));
    QVERIFY(data != nullptr);
    CShirtNumberList& target = dialog.ListOf(10);
    const QPoint at = target.visualItemRect(target.item(9)).center();
    QDragEnterEvent enter(at, Qt::MoveAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(target.viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QDragMoveEvent move(at, Qt::MoveAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(target.viewport(), &move);
    QVERIFY(move.isAccepted());
    QDropEvent drop(at, Qt::MoveAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(target.viewport(), &drop);
    QTRY_COMPARE(dialog.Numbers(), (std::vector<int>{10, 7, 3}));
    QVERIFY(QString::fromStdString(dialog.ListOf(10).Row(9))
                .contains(QString::fromStdString(a.ShortName())));
    QVERIFY(QString::fromStdString(dialog.ListOf(7).Row(6))
                .contains(QString::fromStdString(b.ShortName())));
    // Nothing reaches the persons before OK.
    QCOMPARE(int{a.ShirtNumbers()[0]}, 7);

    QTest::keyClick(&dialog, Qt::Key_Return);
    QCOMPARE(dialog.result(), int{QDialog::Accepted});
    QCOMPARE(int{a.ShirtNumbers()[0]}, 10);
    QCOMPARE(int{b.ShirtNumbers()[0]}, 7);
    QCOMPARE(int{players[2]->ShirtNumbers()[0]}, 3);
    QCOMPARE(int{a.ShirtNumbers()[1]}, 44);

    // Invalid numbers are shown placed but not stored.
    const std::vector<CPlayer*> odd = NewPlayers({7, 0, 150, 7, 12});
    {
        CDlgShirtNo shirts(odd);
        // Where invalid numbers are placed: ShirtNumbersTest in tests/editing.
        QVERIFY(QString::fromStdString(shirts.ListOf(99).Row(32)).startsWith("99\tSpieler1"));
        // A drop elsewhere: only the dragged player and the holder change.
        shirts.DropPlayer(4, 1);
        QCOMPARE(shirts.Numbers(), (std::vector<int>{7, 0, 150, 7, 1}));
        shirts.accept();
    }
    QCOMPARE(int{odd[1]->ShirtNumbers()[0]}, 0);
    QCOMPARE(int{odd[2]->ShirtNumbers()[0]}, 150);
    QCOMPARE(int{odd[3]->ShirtNumbers()[0]}, 7);
    QCOMPARE(int{odd[4]->ShirtNumbers()[0]}, 1);

    // Cancel writes nothing, not even a drop.
    CDlgShirtNo shirts(odd);
    shirts.DropPlayer(0, 50);
    shirts.reject();
    QCOMPARE(int{odd[0]->ShirtNumbers()[0]}, 7);

    // Players beyond 99 are listed without a number.
    std::vector<int> numbers(101);
    for (int i = 0; i < 101; ++i) {
        numbers[static_cast<std::size_t>(i)] = i + 1;  // 100 and 101 find no place
    }
    const std::vector<CPlayer*> crowd = NewPlayers(numbers);
    CDlgShirtNo crowded(crowd);
    crowded.show();
    QVERIFY(QTest::qWaitForWindowExposed(&crowded));
    CShirtNumberList& unplaced = crowded.UnplacedList();
    QVERIFY(unplaced.isVisible());
    QCOMPARE(unplaced.count(), 2);
    QVERIFY(QString::fromStdString(unplaced.Row(0)).startsWith("\tSpieler99"));
    // One of them dropped on 5 takes it; the former holder goes under no number.
    std::unique_ptr<QMimeData> dragged(unplaced.model()->mimeData({unplaced.model()->index(0, 0)}));
    QVERIFY(dragged != nullptr);
    QCOMPARE(CShirtNumberList::DraggedPlayer(*dragged), 99);
    crowded.DropPlayer(99, 5);
    // The numbers passed on: ShirtNumbersTest in tests/editing.
    QCOMPARE(crowded.Numbers()[99], 5);
}

void ClubStadiumTest::chairmanBarStoresAtOnceWithItsText() {
    CPlayer& president = m_world->CreatePerson(0, true);
    president.SetKind(3);
    president.SetContractByte(1, 0x81);
    CDlgChairman panel;
    panel.SetPerson(&president);
    panel.show();
    QVERIFY(AccessibleNames(panel).contains(QStringLiteral("Stabilität des Präsidiums")));
    auto& bar = Child<CValueScrollBar>(panel, "boardStability");
    auto& text = Child<QLabel>(panel, "boardStabilityText");
    QCOMPARE(bar.Value(), 1);
    QCOMPARE(text.text(), QStringLiteral("Unberechenbar"));
    QCOMPARE(int{president.ContractBytes()[1]}, 0x81);

    bar.setFocus();
    QTest::keyClick(&bar, Qt::Key_Right);
    QCOMPARE(int{president.ContractBytes()[1]}, 0x82);
    QCOMPARE(text.text(), QStringLiteral("Normal"));
    // The top and the bits kept: BoardStabilityTest in tests/editing.
    QTest::keyClick(&bar, Qt::Key_Home);
    QCOMPARE(int{president.ContractBytes()[1]}, 0x80);
    QCOMPARE(text.text(), QStringLiteral("Wahnsinnig"));

    // Another person shown: the bar follows without storing.
    CPlayer& other = m_world->CreatePerson(0, true);
    other.SetContractByte(1, 3);
    panel.SetPerson(&other);
    QCOMPARE(bar.Value(), 3);
    QCOMPARE(int{other.ContractBytes()[1]}, 3);
    QCOMPARE(int{president.ContractBytes()[1]}, 0x80);
}

}  // namespace kw

KW_GUI_TEST(ClubStadiumTest);

#include "ClubStadiumTest.moc"
