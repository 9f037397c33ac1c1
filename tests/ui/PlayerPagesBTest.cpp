#include "GuiTest.h"
#include "assets/Image.h"
#include "assets/Tga.h"
#include "editing/PlayerContractRules.h"
#include "editing/PlayerHistoryRules.h"
#include "gui/controls/MyListBox.h"
#include "gui/controls/ShowBitmap.h"
#include "gui/editors/player/DateSpinFields.h"
#include "gui/editors/player/DlgPlayerContract.h"
#include "gui/editors/player/DlgPlayerHist.h"
#include "gui/editors/player/DlgPlayerLook.h"
#include "gui/editors/player/PlayerEditContext.h"
#include "storage/TextHelpers.h"

namespace kw {

using namespace test;

// The pages "Vertrag", "Historie" and "Aussehen", each on its own in a window, on the small demo
// database, driven through their controls.
class PlayerPagesBTest : public CDemoGuiTest {
    Q_OBJECT

private slots:
    void salaryAndContractEndStoreTheirFieldsAndTheShownResets();
    void seasonStartStoresItsBitWithTheInjuryPeriodOrTheLoanClub();
    void careerEditsKeepTheRecordOrderAndClubChoicesWaitForTheStore();
    void lookChoicesAndAClampedHeightAreStored();
    void pictureIsShownWithTheSizeWarning();

private:
    // Players of the demo's clubs, by id.
    std::vector<const CPlayer*> Players() const;
    // A player with at least two career entries.
    const CPlayer& PlayerWithCareer() const;
    // The page alone in a shown, active window.
    template <typename Page>
    Page& ShowPage(std::uint32_t person, const fs::path& installDirectory = {});
    // The page stores, and the person in the document now equals `expected`.
    void ExpectStored(IEditorPage& page, const CPlayer& expected);
    static void Toggle(QCheckBox& box);
    // Clicks the button and, in the club chooser it opens, the club with that id (a second team's
    // id chooses its entry); OK, or Cancel for 0.
    void ChooseClubWith(QPushButton& button, std::uint32_t club);
    // The second team's id of a club of another country than the person's.
    std::uint32_t SecondTeamAbroad(std::uint32_t personId) const;
    std::unique_ptr<CPlayer> CloneOf(std::uint32_t id) const;
    const CPlayer& Live(std::uint32_t id) const;

    void Closing() override {
        m_window.reset();
        m_editContext.reset();
    }

    std::unique_ptr<SPlayerEditContext> m_editContext;
    std::unique_ptr<QWidget> m_window;
};

std::vector<const CPlayer*> PlayerPagesBTest::Players() const {
    std::vector<const CPlayer*> players;
    for (const CClub* club : ClubsWhere(World())) {
        for (const CPlayer* person : club->FirstTeam()) {
            if (person->IsPlayer()) {
                players.push_back(person);
            }
        }
    }
    std::sort(players.begin(), players.end(),
              [](const CPlayer* a, const CPlayer* b) { return a->Id() < b->Id(); });
    if (players.size() < 10) {
        throw std::runtime_error("demo with fewer than ten players");
    }
    return players;
}

const CPlayer& PlayerPagesBTest::PlayerWithCareer() const {
    for (const CPlayer* player : Players()) {
        if (player->History().size() >= 2) {
            return *player;
        }
    }
    throw std::runtime_error("demo without a career of two entries");
}

template <typename Page>
Page& PlayerPagesBTest::ShowPage(std::uint32_t person, const fs::path& installDirectory) {
    m_editContext = std::make_unique<SPlayerEditContext>(
        SPlayerEditContext{*m_document, m_demo.Installation(), nullptr, installDirectory});
    m_window = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(m_window.get());
    auto* page = new Page(*m_editContext, m_window.get());
    layout->addWidget(page);
    ShowActive(*m_window);
    page->SetPlayer(person);
    return *page;
}

void PlayerPagesBTest::ExpectStored(IEditorPage& page, const CPlayer& expected) {
    QVERIFY(Stored(page));
    QVERIFY(Live(expected.Id()).HasSameData(expected));
}

// Space on the focused box, as a keyboard user toggles it.
void PlayerPagesBTest::Toggle(QCheckBox& box) {
    box.setFocus();
    QTest::keyClick(&box, Qt::Key_Space);
}

std::unique_ptr<CPlayer> PlayerPagesBTest::CloneOf(std::uint32_t id) const {
    return Live(id).Clone();
}

const CPlayer& PlayerPagesBTest::Live(std::uint32_t id) const {
    const CPlayer* player = m_document->World().Person(id);
    if (player == nullptr) {
        throw std::runtime_error("person gone");
    }
    return *player;
}

void PlayerPagesBTest::salaryAndContractEndStoreTheirFieldsAndTheShownResets() {
    const std::uint32_t id = Players()[3]->Id();
    auto& page = ShowPage<CDlgPlayerContract>(id);
    auto& salary = Child<QLineEdit>(page, QStringLiteral("salary"));
    // Without a player the page is empty and disabled, and stores nothing.
    QVERIFY(!salary.text().isEmpty());
    page.SetPlayer(0);
    QVERIFY(!page.isEnabled());
    QVERIFY(salary.text().isEmpty());
    QVERIFY(!Stored(page));
    page.SetPlayer(id);
    Retype(salary, QStringLiteral("1234567890"));
    // The field takes nine digits.
    QCOMPARE(salary.text(), QStringLiteral("123456789"));
    std::unique_ptr<CPlayer> expected = CloneOf(id);
    // What the page showed of the periods is stored with the edit.
    ApplyPeriodResets(*expected);
    expected->SetContractValue(123456789);
    ExpectStored(page, *expected);
    QCOMPARE(Edits(), std::size_t{1});
    QCOMPARE(InjuryPeriod(Live(id)),
             (SContractPeriod{CDate::FromYmd(2005, 7, 1), CDate::FromYmd(2005, 11, 1)}));
    // Stored once: storing again without another edit adds nothing.
    QVERIFY(!Stored(page));
    QCOMPARE(Edits(), std::size_t{1});
    // Text that is no number stores nothing but zero.
    Retype(salary, QStringLiteral("viel"));
    QVERIFY(Stored(page));
    QCOMPARE(Live(id).ContractValue(), 0);

    // The contract's end: from the game's year to the last one a contract may run to.
    auto& bar = Child<CValueScrollBar>(page, QStringLiteral("contractEnd"));
    auto& text = Child<QLabel>(page, QStringLiteral("contractEndText"));
    QCOMPARE(bar.minimum(), 2006);
    QCOMPARE(bar.maximum(), 2015);
    // A reversed bar (ScrollValue in tests/forms/ControlRulesTest.cpp): End is the earliest year.
    bar.setFocus();
    QTest::keyClick(&bar, Qt::Key_End);
    QCOMPARE(bar.Value(), 2006);
    // Not after the current year: drawn when the game starts.
    QCOMPARE(text.text(), ResourceQString(ids::kContractEndDrawn));
    QTest::keyClick(&bar, Qt::Key_Left);
    QCOMPARE(bar.Value(), 2007);
    QCOMPARE(text.text(), QStringLiteral("2007"));
    page.Store();
    QCOMPARE(Live(id).ContractUntil(), 2007);
}

void PlayerPagesBTest::seasonStartStoresItsBitWithTheInjuryPeriodOrTheLoanClub() {
    const CPlayer& player = *Players()[5];
    const std::uint32_t id = player.Id();
    QCOMPARE(SeasonStartOf(player.ContractBytes()[kSeasonStartByte]), ESeasonStart::kNone);
    auto& page = ShowPage<CDlgPlayerContract>(id);
    auto& state = Child<QComboBox>(page, QStringLiteral("seasonStart"));
    auto& start = Child<CDateSpinFields>(page, QStringLiteral("periodStart"));
    auto& end = Child<CDateSpinFields>(page, QStringLiteral("periodEnd"));
    // "keine" shows the other period, the injury its own (reset: it was never set).
    QCOMPARE(start.Date(), OtherPeriodAsShown(OtherPeriod(player)).start);
    state.setFocus();
    QTest::keyClick(&state, Qt::Key_Down);
    QCOMPARE(state.currentText(), QStringLiteral("Verletzung"));
    QCOMPARE(start.Date(), CDate::FromYmd(2005, 7, 1));
    QCOMPARE(end.Date(), CDate::FromYmd(2005, 11, 1));
    // The injury lasts until 15 December.
    TypeNumber(end.Day(), 15);
    TypeNumber(end.Month(), 12);
    std::unique_ptr<CPlayer> expected = CloneOf(id);
    ApplyPeriodResets(*expected);
    expected->SetContractByte(
        kSeasonStartByte,
        WithSeasonStart(expected->ContractBytes()[kSeasonStartByte], ESeasonStart::kInjury));
    SetInjuryPeriod(*expected, {CDate::FromYmd(2005, 7, 1), CDate::FromYmd(2005, 12, 15)});
    ExpectStored(page, *expected);
    QCOMPARE(Live(id).ContractBytes()[kSeasonStartByte] & 0x3C, 0x04);
    QCOMPARE(Edits(), std::size_t{1});

    // Then on loan: the loan club chosen is stored at once as the club.
    const std::uint32_t secondTeam = SecondTeamAbroad(id);
    auto& chooseLoan = Child<QPushButton>(page, QStringLiteral("chooseLoanClub"));
    state.setFocus();
    QTest::keyClick(&state, Qt::Key_End);
    QCOMPARE(state.currentIndex(), static_cast<int>(ESeasonStart::kOnLoan));
    // The state enables its fields as ControlsFor says (PlayerPageRules in
    // tests/editing/PlayerPagesTest.cpp).
    QVERIFY(Child<CDateSpinFields>(page, QStringLiteral("periodEnd")).isEnabled());
    QVERIFY(!Child<CSpinEditCtrl>(page, QStringLiteral("banMatches")).isEnabled());

    // Cancelling the chooser stores nothing.
    ChooseClubWith(chooseLoan, 0);
    QCOMPARE(Edits(), std::size_t{1});

    ChooseClubWith(chooseLoan, secondTeam);
    // Stored at once, together with the state chosen before; the reference names the club.
    QCOMPARE(Edits(), std::size_t{2});
    QCOMPARE(Live(id).LoanClub(), secondTeam & kClubIdMask);
    QCOMPARE(SeasonStartOf(Live(id).ContractBytes()[kSeasonStartByte]), ESeasonStart::kOnLoan);
    QCOMPARE(Child<QLabel>(page, QStringLiteral("loanClub")).text(),
             Cp1252ToQString(
                 ShownClubName(m_document->World(), secondTeam & kClubIdMask, kDefaultLanguage)));

    auto& chooseFavourite = Child<QPushButton>(page, QStringLiteral("chooseFavouriteClub"));
    ChooseClubWith(chooseFavourite, secondTeam & kClubIdMask);
    QCOMPARE(Live(id).FourthClub(), secondTeam & kClubIdMask);
    QCOMPARE(Live(id).LoanClub(), secondTeam & kClubIdMask);
    QCOMPARE(Edits(), std::size_t{3});
    // The record has no field for the club the player never joins.
    QVERIFY(!Child<QPushButton>(page, QStringLiteral("chooseNeverJoins")).isEnabled());
}

void PlayerPagesBTest::careerEditsKeepTheRecordOrderAndClubChoicesWaitForTheStore() {
    const CPlayer& player = PlayerWithCareer();
    const std::uint32_t id = player.Id();
    const std::vector<SHistoryEntry> stored = player.History();
    auto& page = ShowPage<CDlgPlayerHist>(id);
    CMyListBox& list = page.CareerList();
    QCOMPARE(list.count(), static_cast<int>(stored.size()));
    page.SetPlayer(0);
    QCOMPARE(list.count(), 0);
    QVERIFY(!page.isEnabled());
    page.SetPlayer(id);
    const std::vector<std::size_t> order = CareerDisplayOrder(stored);
    QCOMPARE(list.Row(0),
             CareerRowText(m_document->World(), stored[order.front()], kDefaultLanguage));
    // The earliest station starts in 2005 now: it moves to the end of the list.
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Home);
    QCOMPARE(list.currentRow(), 0);
    auto& start = Child<CDateSpinFields>(page, QStringLiteral("entryStart"));
    const CDate::Ymd was = stored[order.front()].from.Split();
    TypeNumber(start.Year(), 2005);
    SHistoryEntry edited = stored[order.front()];
    edited.from = CDate::FromYmd(2005, was.month, was.day);
    QCOMPARE(start.Date(), edited.from);
    QCOMPARE(list.Row(list.count() - 1),
             CareerRowText(m_document->World(), edited, kDefaultLanguage));
    QCOMPARE(list.Row(list.currentRow()),
             CareerRowText(m_document->World(), edited, kDefaultLanguage));

    std::unique_ptr<CPlayer> expected = CloneOf(id);
    expected->History()[order.front()].from = edited.from;
    // The record keeps its order: only that entry's start differs.
    ExpectStored(page, *expected);
    QCOMPARE(Edits(), std::size_t{1});

    // The entry's counts are written alone, the games clamped.
    TypeNumber(Child<CSpinEditCtrl>(page, QStringLiteral("entryGames")), 2500);
    Toggle(Child<QCheckBox>(page, QStringLiteral("entryLoan")));
    expected->History()[order.front()].games = kMaxLeagueGames;
    expected->History()[order.front()].flag = stored[order.front()].flag != 0 ? 0 : 1;
    // The national team flag is its own bit.
    auto& box = Child<QCheckBox>(page, QStringLiteral("inNationalTeam"));
    Toggle(box);
    expected->SetNationalTeamByte(
        kNationalFlagsByte,
        static_cast<std::uint8_t>(expected->NationalTeamBytes()[0] ^ kInNationalTeamBit));
    QCOMPARE(box.isChecked(), (expected->NationalTeamBytes()[0] & kInNationalTeamBit) != 0);
    ExpectStored(page, *expected);
    // The caps have no field in the record.
    QVERIFY(!Child<CSpinEditCtrl>(page, QStringLiteral("caps")).isEnabled());

    // The club choices wait for the store.
    const std::uint32_t club = SecondTeamAbroad(id) & kClubIdMask;
    ChooseClubWith(Child<QPushButton>(page, QStringLiteral("chooseFirstClub")), club);
    ChooseClubWith(Child<QPushButton>(page, QStringLiteral("chooseLastClub")), club);
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Home);
    const std::size_t entry = CareerDisplayOrder(Live(id).History()).front();
    ChooseClubWith(Child<QPushButton>(page, QStringLiteral("chooseEntryClub")), club);
    QCOMPARE(Child<QLabel>(page, QStringLiteral("firstClub")).text(),
             Cp1252ToQString(ShownClubName(m_document->World(), club, kDefaultLanguage)));
    QCOMPARE(Edits(), std::size_t{2});
    expected->SetFirstClub(club);
    expected->SetPreviousClub(club);
    expected->History()[entry].club = club;
    ExpectStored(page, *expected);
    QCOMPARE(Edits(), std::size_t{3});
}

void PlayerPagesBTest::ChooseClubWith(QPushButton& button, std::uint32_t club) {
    bool found = club == 0;
    // For 0 the chooser is left open, and WhenModal cancels it.
    WhenModal<CDlgSelectClub>(*this, [&found, club](CDlgSelectClub& chooser) {
        found = club == 0 || ChooseClub(chooser, club) == club;
    });
    QVERIFY(button.isEnabled());
    QTest::mouseClick(&button, Qt::LeftButton);
    QVERIFY(found);
}

std::uint32_t PlayerPagesBTest::SecondTeamAbroad(std::uint32_t personId) const {
    const int nationality = Live(personId).Nationality();
    return ClubsWhere(World(),
                      [nationality](const CClub& club) { return club.Country() != nationality; })
               .at(0)
               ->Id() |
           kSecondTeamFlag;
}

void PlayerPagesBTest::lookChoicesAndAClampedHeightAreStored() {
    const CPlayer& player = *Players()[8];
    const std::uint32_t id = player.Id();
    auto& page = ShowPage<CDlgPlayerLook>(id);
    auto& face = Child<QComboBox>(page, QStringLiteral("face"));
    // The lists themselves: LookChoicesTest in tests/editing.
    QCOMPARE(face.currentData().toInt(), static_cast<int>(player.Looks()[look::kFace]));
    const int target = player.Looks()[look::kFace] == 26 ? 27 : 26;
    Choose(face, target);
    auto& height = Child<CSpinEditCtrl>(page, QStringLiteral("height"));
    TypeNumber(height, 230);
    QCOMPARE(height.StoredValue(), 220);
    QCOMPARE(Child<QLabel>(page, QStringLiteral("heightImperial")).text(),
             Cp1252ToQString(FormatHeightImperial(220)));
    TypeNumber(Child<CSpinEditCtrl>(page, QStringLiteral("weight")), 80);
    QCOMPARE(Child<QLabel>(page, QStringLiteral("weightImperial")).text(),
             Cp1252ToQString(FormatWeightImperial(80)));
    std::unique_ptr<CPlayer> expected = CloneOf(id);
    expected->SetLook(look::kFace, static_cast<std::uint8_t>(target));
    expected->SetLook(look::kHeight, 220);
    expected->SetLook(look::kWeight, 80);
    ExpectStored(page, *expected);
}

void PlayerPagesBTest::pictureIsShownWithTheSizeWarning() {
    QTemporaryDir install;
    const fs::path folder = fs::path(install.path().toStdString());
    const CPlayer& player = *Players()[1];
    const auto write = [&](int size) {
        fs::create_directories(folder / "art" / "picture");
        const auto bytes =
            EncodeTga(SImage(size, size, Argb(20, 90, 200)), 24, TgaCoding::Uncompressed);
        QFile file(QString::fromStdString(
            (folder / "art" / "picture" / ("emp-" + std::to_string(player.Id()) + ".tga"))
                .string()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    };
    auto& page = ShowPage<CDlgPlayerLook>(player.Id(), folder);
    auto& warning = Child<QLabel>(page, QStringLiteral("pictureWarning"));
    QVERIFY(!page.Picture().HasBitmap());
    QVERIFY(warning.isHidden());
    write(100);
    page.SetPlayer(player.Id());
    QVERIFY(page.Picture().HasBitmap());
    QVERIFY(!warning.isHidden());
    QCOMPARE(warning.text(), ResourceQString(ids::kPlayerPictureSize));
    write(160);
    page.SetPlayer(player.Id());
    QVERIFY(page.Picture().HasBitmap());
    QVERIFY(warning.isHidden());
    QCOMPARE(Edits(), std::size_t{0});
}

}  // namespace kw

KW_GUI_TEST(PlayerPagesBTest);

#include "PlayerPagesBTest.moc"
