#include <set>

#include "PersonPageDrivers.h"
#include "document/RecordEdits.h"
#include "editing/PersonalDataRules.h"
#include "editing/PlayerAbilities.h"
#include "gui/editors/player/DlgPlayerAbilities.h"
#include "gui/editors/player/DlgPlayerAllRight.h"
#include "gui/editors/player/DlgPlayerCharacter.h"
#include "gui/editors/player/DlgPlayerPosition.h"
#include "gui/editors/player/PlayerPages.h"
#include "model/GameDate.h"
#include "model/PlayerStrength.h"
#include "storage/TextHelpers.h"

namespace kw {

using namespace test;

// The personal-data, abilities, character and position pages, each on its own, on the small demo
// database, driven through their controls.
class PlayerPagesATest : public CPersonPageGuiTest {
    Q_OBJECT

private:
    void Opened() override;

private slots:
    void personalDataIsOneEditAndTheTalentIsStoredAtOnce();
    void browsingPlayersAndEveryStaffKindOnEveryPageChangesNothing();
    void abilitiesTypedOrCalculatedAreEachOneEdit();
    void characterAndPositionPagesStoreWhatWasChosen();

private:
    // Players (kind 0) of the demo's clubs.
    std::vector<const CPlayer*> Players(std::size_t count) const;
    // The person now equals `expected` and the document holds `edits` edits.
    void ExpectPerson(const CPlayer& expected, std::size_t edits);
    void SetAbilities(const CPlayer& person, const std::vector<std::uint8_t>& pattern);

    // The demo's first player and what the test expects him to become.
    const CPlayer* m_player = nullptr;
    std::unique_ptr<CPlayer> m_expected;
};

void PlayerPagesATest::Opened() {
    CPersonPageGuiTest::Opened();
    m_player = Players(1).front();
    m_expected = m_player->Clone();
}

std::vector<const CPlayer*> PlayerPagesATest::Players(std::size_t count) const {
    std::vector<const CPlayer*> players;
    const CWorld& world = m_document->World();
    for (int country = 1; country <= kCountryCount && players.size() < count; ++country) {
        for (const auto& entry : world.Country(country).Clubs()) {
            if (entry.second->IsNationalTeam()) {
                continue;
            }
            for (const CPlayer* person : entry.second->FirstTeam()) {
                if (person->IsPlayer() && players.size() < count) {
                    players.push_back(person);
                }
            }
        }
    }
    return players;
}

void PlayerPagesATest::ExpectPerson(const CPlayer& expected, std::size_t edits) {
    const CPlayer* live = m_document->World().Person(expected.Id());
    QVERIFY(live != nullptr);
    QVERIFY(live->HasSameData(expected));
    QCOMPARE(Edits(), edits);
}

void PlayerPagesATest::SetAbilities(const CPlayer& person,
                                    const std::vector<std::uint8_t>& pattern) {
    const std::unique_ptr<CPlayer> values = person.Clone();
    for (int ability = 0; ability < kAbilityCount; ++ability) {
        values->SetAbility(ability, pattern[static_cast<std::size_t>(ability) % pattern.size()]);
    }
    m_document->Do(std::make_unique<CPersonValuesEdit>("Vorbereitung", *values));
}

// Names stop at what the record holds, the nationality sets the languages and the same second
// one is none, the day follows the month and the experience the age, the flags go into their
// bits: one edit when the page is stored. The talent is stored at once; the potential only shown.
void PlayerPagesATest::personalDataIsOneEditAndTheTalentIsStoredAtOnce() {
    const CWorld& world = m_document->World();
    // A country other than the player's, with a main language of its own.
    int chosen = 0;
    for (int country = 1; country <= kCountryCount && chosen == 0; ++country) {
        if (country != m_player->Nationality() && MainLanguageOf(world, country) != 0 &&
            MainLanguageOf(world, country) != m_player->Languages()[0]) {
            chosen = country;
        }
    }
    QVERIFY(chosen != 0);
    auto page = Open<CDlgPlayerAllRight>(*m_player);
    auto& firstName = Child<QLineEdit>(*page, QStringLiteral("firstName"));
    auto& nickname = Child<QLineEdit>(*page, QStringLiteral("nickname"));
    Retype(*page, QStringLiteral("surname"), QStringLiteral("Brüxtel"));
    Retype(firstName, QString(30, QLatin1Char('f')));
    Retype(nickname, QString(30, QLatin1Char('n')));
    QCOMPARE(firstName.text().size(), 15);
    QCOMPARE(nickname.text().size(), 19);
    Choose(Child<QComboBox>(*page, QStringLiteral("nationality")), chosen);
    Choose(Child<QComboBox>(*page, QStringLiteral("secondNationality")), chosen);
    auto& day = Child<CSpinEditCtrl>(*page, QStringLiteral("day"));
    auto& month = Child<CSpinEditCtrl>(*page, QStringLiteral("month"));
    auto& year = Child<CSpinEditCtrl>(*page, QStringLiteral("year"));
    TypeNumber(month, QStringLiteral("1"));
    TypeNumber(day, QStringLiteral("31"));
    TypeNumber(year, QStringLiteral("1988"));
    QCOMPARE(day.StoredValue(), 31);
    TypeNumber(month, QStringLiteral("4"));
    QCOMPARE(day.StoredValue(), 30);
    QCOMPARE(day.Field()->text(), QStringLiteral("30"));
    TypeNumber(year, QStringLiteral("1980"));
    TypeNumber(month, QStringLiteral("10"));
    TypeNumber(day, QStringLiteral("6"));
    // Measured on 1 July 2006, whatever the clock says.
    QCOMPARE(Child<QLabel>(*page, QStringLiteral("age")).text(), QStringLiteral("25"));
    for (const char* flag : {"homeGrown", "basque", "youth"}) {
        auto& box = Child<QCheckBox>(*page, QString::fromLatin1(flag));
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, box.height() / 2));
    }
    QVERIFY(Stored(*page));

    m_expected->SetSurname(
        "Br\xFC"
        "xtel");
    m_expected->SetFirstName(std::string(15, 'f'));
    m_expected->SetNickname(std::string(19, 'n'));
    m_expected->SetNationality(static_cast<std::uint8_t>(chosen));
    m_expected->SetSecondNationality(0);
    const LanguageSlots languages =
        LanguagesForNationalities(m_player->Languages(), MainLanguageOf(world, chosen), 0);
    for (int slot = 0; slot < kLanguageSlots; ++slot) {
        m_expected->SetLanguage(slot, languages[static_cast<std::size_t>(slot)]);
    }
    m_expected->SetBirthDate(CDate::FromYmd(1980, 10, 6));
    m_expected->SetNationalExperience(static_cast<std::int8_t>(NationalExperienceForAge(25)));
    m_expected->SetOriginByte(
        static_cast<std::uint8_t>(m_expected->OriginByte() ^ (kHomeGrownBit | kBasqueBit)));
    m_expected->SetYouthFlag(m_expected->YouthFlag() != 0 ? 0 : 1);
    ExpectPerson(*m_expected, 1);
    QCOMPARE(world.Person(m_player->Id())->Languages()[0], MainLanguageOf(world, chosen));
    // Stored already: a second store finds nothing to write.
    QVERIFY(!Stored(*page));
    // Shown again from the record: no second nationality.
    page->SetPlayer(m_player->Id());
    QCOMPARE(Child<QComboBox>(*page, QStringLiteral("secondNationality")).currentData().toInt(), 0);

    auto& talent = Child<QComboBox>(*page, QStringLiteral("talent"));
    // One step with the keyboard is one choice.
    const int newTalent = Talent(*m_player) == kMaxTalent ? kMaxTalent - 1 : Talent(*m_player) + 1;
    talent.setFocus();
    QTest::keyClick(&talent, newTalent > Talent(*m_player) ? Qt::Key_Down : Qt::Key_Up);
    // No store of the page: the choice went in at once.
    SetTalent(*m_expected, newTalent);
    ExpectPerson(*m_expected, 2);

    auto& potential = Child<CSpinEditCtrl>(*page, QStringLiteral("potential"));
    QVERIFY(!potential.isEnabled());
    QVERIFY(!Child<QComboBox>(*page, QStringLiteral("teammateEffect")).isEnabled());
    Click(*page, QStringLiteral("calculatePotential"));
    const int shown = CalculatePotential(BestStrength(*m_player).strength, newTalent,
                                         AgeOn(m_player->BirthDate(), GameToday()));
    QCOMPARE(potential.Field()->text(), QString::number(shown));
    QVERIFY(!Stored(*page));
    QCOMPARE(Edits(), std::size_t{2});
}

void PlayerPagesATest::browsingPlayersAndEveryStaffKindOnEveryPageChangesNothing() {
    std::vector<const CPlayer*> persons = Players(8);
    // A person of every staff kind at a club: each kind shows its own panels.
    std::set<int> kinds;
    for (const auto& entry : m_document->World().Persons()) {
        const int kind = entry.second->Kind();
        if (kind != 0 && kinds.insert(kind).second &&
            ClubHoldingPerson(m_document->World(), entry.first) != nullptr) {
            persons.push_back(entry.second.get());
        }
    }
    QVERIFY(kinds.count(1) == 1 && kinds.count(3) == 1);
    const std::string before = Dump();
    QWidget host;
    const std::vector<SPlayerPageTab> pages = MakePlayerPages(*m_context, &host);
    // Every person page, the contract, history and look pages too.
    QCOMPARE(pages.size(), std::size_t{7});
    for (const SPlayerPageTab& tab : pages) {
        for (const CPlayer* person : persons) {
            tab.page->SetPlayer(person->Id());
            QVERIFY(tab.page->isEnabled());
            QVERIFY(!Stored(*tab.page));
        }
        tab.page->SetPlayer(0);
        QVERIFY(!tab.page->isEnabled());
    }
    QCOMPARE(Edits(), std::size_t{0});
    QVERIFY(Dump() == before);
}

// The ten-percent steps are PlayerAbilities.TenPercentStepsAreAtLeastOneAndStayInRange and the
// random draw DrawRandomAbilities (tests/editing); here typing and each button are one edit at
// once, and the page shows the strength.
void PlayerPagesATest::abilitiesTypedOrCalculatedAreEachOneEdit() {
    const bool fortyWasMaximal = m_player->Ability(40) == 99;
    auto page = Open<CDlgPlayerAbilities>(*m_player);
    QVERIFY(AccessibleNames(*page).contains(QStringLiteral("Führungsqualitäten")));
    auto& field = Child<CSpinEditCtrl>(*page, QStringLiteral("ability15"));
    const int value = m_player->Ability(15) == 77 ? 78 : 77;
    TypeNumber(field, value);
    m_expected->SetAbility(15, static_cast<std::uint8_t>(value));
    ExpectPerson(*m_expected, 1);
    // A typed number beyond the range is stored as the bound.
    auto& other = Child<CSpinEditCtrl>(*page, QStringLiteral("ability40"));
    Retype(*other.Field(), QStringLiteral("150"));
    QTest::keyClick(other.Field(), Qt::Key_Tab);
    m_expected->SetAbility(40, 99);
    const std::size_t edits = fortyWasMaximal ? 1 : 2;
    ExpectPerson(*m_expected, edits);
    const auto& strength = Child<QLabel>(*page, QStringLiteral("strength"));
    QCOMPARE(strength.text(), QString::number(PlayerStrength(*m_expected), 'f', 1));

    Click(*page, QStringLiteral("randomCalculation"));
    QCOMPARE(Edits(), edits + 1);
    QCOMPARE(strength.text(),
             QString::number(PlayerStrength(*m_document->World().Person(m_player->Id())), 'f', 1));

    SetAbilities(*m_player, {1, 95});
    page->SetPlayer(m_player->Id());
    const auto ability = [this](int index) {
        return m_document->World().Person(m_player->Id())->Ability(index);
    };
    Click(*page, QStringLiteral("lessTenPercent"));
    QCOMPARE(ability(0), std::uint8_t{0});
    QCOMPARE(ability(1), std::uint8_t{85});
    QCOMPARE(Edits(), edits + 3);
    Click(*page, QStringLiteral("moreTenPercent"));
    QCOMPARE(ability(1), std::uint8_t{94});
    QCOMPARE(Edits(), edits + 4);
}

// The type and the comment are one edit of the character page. One store of the position page:
// repeated positions and languages are removed, the bars and the tactics field store their values;
// a staff member's page has them off.
void PlayerPagesATest::characterAndPositionPagesStoreWhatWasChosen() {
    auto character = Open<CDlgPlayerCharacter>(*m_player);
    auto& type = Child<QComboBox>(*character, QStringLiteral("playerType"));
    const int newType = m_player->RoleCode() == 19 ? 20 : 19;
    Choose(type, newType);
    // The last types cannot be reached: the keys stop at the last one the game keeps.
    QTest::keyClick(&type, Qt::Key_End);
    QCOMPARE(type.currentData().toInt(), 21);
    Choose(type, newType);
    auto& comment = Child<QPlainTextEdit>(*character, QStringLiteral("comment"));
    comment.setFocus();
    comment.selectAll();
    QTest::keyClick(&comment, Qt::Key_Delete);
    QTest::keyClicks(&comment, QStringLiteral("Schnell"));
    QTest::keyClick(&comment, Qt::Key_Return);
    QTest::keyClicks(&comment, QStringLiteral("Kopfballstark"));
    QVERIFY(Stored(*character));
    m_expected->SetRoleCode(static_cast<std::uint8_t>(newType));
    m_expected->SetNote("Schnell\r\nKopfballstark");
    ExpectPerson(*m_expected, 1);
    for (int flag = 0; flag < CDlgPlayerCharacter::kCharacterFlagCount; ++flag) {
        QVERIFY(!Child<QCheckBox>(*character, QStringLiteral("character%1").arg(flag)).isEnabled());
    }

    auto page = Open<CDlgPlayerPosition>(*m_player);
    Choose(Child<QComboBox>(*page, QStringLiteral("position0")), position::kCentreBack);
    Choose(Child<QComboBox>(*page, QStringLiteral("position1")), position::kCentreBack);
    Choose(Child<QComboBox>(*page, QStringLiteral("position2")), position::kSweeper);
    Choose(Child<QComboBox>(*page, QStringLiteral("position3")), position::kSweeper);
    Choose(Child<QComboBox>(*page, QStringLiteral("position4")), position::kAnchor);
    Choose(Child<QComboBox>(*page, QStringLiteral("position5")), position::kNone);
    Choose(Child<QComboBox>(*page, QStringLiteral("language0")), 14);
    Choose(Child<QComboBox>(*page, QStringLiteral("language1")), 14);
    Choose(Child<QComboBox>(*page, QStringLiteral("language2")), 19);
    auto& national = Child<CValueScrollBar>(*page, QStringLiteral("nationalExperience"));
    auto& international = Child<CValueScrollBar>(*page, QStringLiteral("internationalExperience"));
    auto& foot = Child<CValueScrollBar>(*page, QStringLiteral("foot"));
    national.setFocus();
    QTest::keyClick(&national, Qt::Key_End);
    international.setFocus();
    QTest::keyClick(&international, Qt::Key_Home);
    foot.setFocus();
    QTest::keyClick(&foot, Qt::Key_End);
    auto& tactics = Child<CSpinEditCtrl>(*page, QStringLiteral("tacticalTraining"));
    // A number beyond the range stores the bound, unless the field shows the bound already.
    const bool showsMaximum = std::clamp(m_player->TacticalTraining(), 0, 8) == 8;
    Retype(*tactics.Field(), showsMaximum ? QStringLiteral("3") : QStringLiteral("12"));
    QVERIFY(Stored(*page));
    const std::array<std::uint8_t, kPositionSlots> positions = {
        position::kCentreBack, position::kSweeper, position::kAnchor, 0, 0, 0};
    for (int slot = 0; slot < kPositionSlots; ++slot) {
        m_expected->SetPosition(slot, positions[static_cast<std::size_t>(slot)]);
    }
    std::array<std::uint8_t, kLanguageSlots> languages = {14, 14, 19, m_player->Languages()[3]};
    RemoveDuplicateSlots(languages);
    for (int slot = 0; slot < kLanguageSlots; ++slot) {
        m_expected->SetLanguage(slot, languages[static_cast<std::size_t>(slot)]);
    }
    m_expected->SetNationalExperience(6);
    m_expected->SetInternationalExperience(0);
    m_expected->SetFoot(3);
    m_expected->SetTacticalTraining(showsMaximum ? 3 : 8);
    ExpectPerson(*m_expected, 2);
    QCOMPARE(Child<QLabel>(*page, QStringLiteral("nationalExperienceText")).text(),
             QStringLiteral("alter Haudegen"));
    page->SetPlayer(m_player->Id());
    QCOMPARE(Child<QComboBox>(*page, QStringLiteral("position1")).currentData().toInt(),
             position::kSweeper);

    page->SetPlayer(PersonOfKind(1).Id());
    QVERIFY(!national.isEnabled());
    QVERIFY(!tactics.isEnabled());
}

}  // namespace kw

KW_GUI_TEST(PlayerPagesATest);

#include "PlayerPagesATest.moc"
