#include <QGroupBox>

#include "PersonPageDrivers.h"
#include "document/RecordEdits.h"
#include "editing/LanguageList.h"
#include "editing/ManagerRecord.h"
#include "gui/editors/DlgManagerAbilities.h"
#include "gui/editors/DlgManagerAllRight.h"
#include "gui/editors/DlgStaffAtClub.h"
#include "gui/editors/player/DlgPlayerAllRight.h"
#include "model/Manager.h"

namespace kw {

using namespace test;

namespace {

constexpr int kEnglish = 14;
constexpr int kGerman = 19;
constexpr int kFrench = 17;

}  // namespace

// The staff panels of the personal-data page on the small demo database, and the manager panel
// on a country's national coach, driven through their controls.
class ManagerPagesTest : public CPersonPageGuiTest {
    Q_OBJECT

private slots:
    void panelsFollowThePersonsKindAndStoreIntoItsRecord();
    void nationalCoachClampsAndUndoesAndAPresidentsExperienceIsNotTouched();
};

// The panels follow the person's kind, and each kind's page stores what its panels show.
void ManagerPagesTest::panelsFollowThePersonsKindAndStoreIntoItsRecord() {
    const CPlayer& trainer = PersonOfKind(1);
    const std::string before = Dump();
    auto page = Open<CDlgPlayerAllRight>(trainer);
    auto& abilities = Child<CDlgManagerAbilities>(*page, QStringLiteral("DlgManagerAbilities"));
    auto& preferences = Child<CDlgManagerAllRight>(*page, QStringLiteral("DlgManagerAllRight"));
    auto& staff = Child<CDlgStaffAtClub>(*page, QStringLiteral("DlgStaffAtClub"));
    QWidget& chairman = Child<QWidget>(*page, QStringLiteral("DlgChairman"));
    QWidget& player = Child<QWidget>(*page, QStringLiteral("DlgPlayerAllRightSmall"));
    auto& national = Child<CValueScrollBar>(abilities, QStringLiteral("nationalExperience"));

    // A trainer: abilities with experience, and the preferences.
    QVERIFY(abilities.isVisible() && preferences.isVisible());
    QVERIFY(!staff.isVisible() && !chairman.isVisible() && !player.isVisible());
    QVERIFY(national.isVisible());
    // The staff record keeps the languages, not the abilities nor the experience; no record
    // keeps the preferences.
    QVERIFY(Child<QComboBox>(abilities, QStringLiteral("language0")).isEnabled());
    QVERIFY(!Child<CSpinEditCtrl>(abilities, QStringLiteral("motivation")).isEnabled());
    QVERIFY(!national.isEnabled());
    QVERIFY(!Child<QPushButton>(preferences, QStringLiteral("favouriteClubChoose")).isEnabled());
    auto& formation = Child<QComboBox>(preferences, QStringLiteral("formation"));
    QCOMPARE(formation.count(), m_demo.Installation().TextTables().Formations().GetCount());
    QVERIFY(!formation.isEnabled());
    // A repeated mother tongue is stored once and the rest move up; nothing else changes.
    const std::unique_ptr<CPlayer> expected = trainer.Clone();
    Choose(Child<QComboBox>(*page, QStringLiteral("language0")), kEnglish);
    Choose(Child<QComboBox>(*page, QStringLiteral("language1")), kEnglish);
    Choose(Child<QComboBox>(*page, QStringLiteral("language2")), kGerman);
    Choose(Child<QComboBox>(*page, QStringLiteral("language3")), kFrench);
    QVERIFY(Stored(*page));
    const CPlayer& live = *m_document->World().Person(trainer.Id());
    QCOMPARE(live.Languages(), (std::array<std::uint8_t, 4>{kEnglish, kGerman, kFrench, 0}));
    for (int slot = 0; slot < 4; ++slot) {
        expected->SetLanguage(slot, live.Languages()[static_cast<std::size_t>(slot)]);
    }
    QVERIFY(live.HasSameData(*expected));

    page->SetPlayer(PersonOfKind(3).Id());
    QVERIFY(chairman.isVisible() && abilities.isVisible());
    QVERIFY(!national.isVisible() && !preferences.isVisible() && !staff.isVisible());

    const CPlayer& masseur = PersonOfKind(13);
    page->SetPlayer(masseur.Id());
    QVERIFY(staff.isVisible() && staff.isEnabled());
    QVERIFY(!abilities.isVisible() && !chairman.isVisible() && !preferences.isVisible());
    // The staff grades are stored into the staff bytes.
    const std::unique_ptr<CPlayer> graded = masseur.Clone();
    auto& level = Child<QComboBox>(*page, QStringLiteral("staffLevel"));
    auto& experience = Child<QComboBox>(*page, QStringLiteral("staffExperience"));
    const int newLevel = level.currentIndex() == 3 ? 1 : 3;
    const int newExperience = experience.currentIndex() == 0 ? 2 : 0;
    Choose(level, newLevel);
    Choose(experience, newExperience);
    QVERIFY(Stored(*page));
    graded->SetStaffByte(0, static_cast<std::uint8_t>(newLevel));
    graded->SetStaffByte(1, static_cast<std::uint8_t>(newExperience));
    QVERIFY(m_document->World().Person(masseur.Id())->HasSameData(*graded));

    page->SetPlayer(PersonOfKind(0).Id());
    QVERIFY(player.isVisible());
    QVERIFY(!abilities.isVisible() && !staff.isVisible() && !chairman.isVisible());
    QCOMPARE(Edits(), std::size_t{2});
    QVERIFY(m_document->Undo());
    QVERIFY(m_document->Undo());
    QCOMPARE(Dump(), before);
}

void ManagerPagesTest::nationalCoachClampsAndUndoesAndAPresidentsExperienceIsNotTouched() {
    const int country = m_document->World().Person(PersonOfKind(1).Id())->Nationality();
    const std::string before = Dump();
    CManager coach = m_document->World().Country(country).Settings().nationalCoach;
    coach.SetNationalExperience(2);
    const CManagerRecordAdapter shown(coach);

    CDlgManagerAbilities panel;
    panel.Load(&shown, true);
    ShowActive(panel);
    // Shown only: the coach's values beyond the fields' range stay as they are.
    QVERIFY(!EditManager(*m_document, {country, std::nullopt},
                         [&panel](IManagerRecord& record) { panel.StoreInto(record); }));
    auto& motivation = Child<CSpinEditCtrl>(panel, QStringLiteral("motivation"));
    QVERIFY(motivation.isEnabled());
    motivation.Field()->setFocus();
    motivation.Field()->selectAll();
    QTest::keyClicks(motivation.Field(), QStringLiteral("20"));
    QTest::keyClick(motivation.Field(), Qt::Key_Tab);
    QCOMPARE(motivation.Field()->text(), QStringLiteral("15"));

    auto& national = Child<CValueScrollBar>(panel, QStringLiteral("nationalExperience"));
    QVERIFY(national.isVisible() && national.isEnabled());
    national.setFocus();
    QTest::keyClick(&national, Qt::Key_Right);
    QCOMPARE(national.Value(), 3);
    QCOMPARE(Child<QLabel>(panel, QStringLiteral("nationalExperienceText")).text(),
             QStringLiteral("mehrere Saisons"));
    Choose(Child<QComboBox>(panel, QStringLiteral("language0")), kFrench);
    Choose(Child<QComboBox>(panel, QStringLiteral("language1")), kFrench);

    QVERIFY(EditManager(*m_document, {country, std::nullopt},
                        [&panel](IManagerRecord& record) { panel.StoreInto(record); }));
    const CManager& live = m_document->World().Country(country).Settings().nationalCoach;
    QCOMPARE(live.TrainingValues()[0], std::uint8_t{15});
    QCOMPARE(live.NationalExperience(), std::uint8_t{3});
    QCOMPARE(live.Languages()[0], std::uint8_t{kFrench});
    QVERIFY(live.Languages()[1] != kFrench);
    QCOMPARE(Edits(), std::size_t{1});
    QVERIFY(m_document->Undo());
    QCOMPARE(Dump(), before);

    // A president's experience is not touched.
    // Give the president experience values a trainer's scale would move (set-up edit).
    const CPlayer& president = PersonOfKind(3);
    {
        const std::unique_ptr<CPlayer> values = president.Clone();
        values->SetNationalExperience(9);
        values->SetInternationalExperience(-2);
        values->SetLanguage(0, kGerman);
        values->SetLanguage(1, 0);
        m_document->Do(std::make_unique<CPersonValuesEdit>("Vorbereitung", *values));
    }
    const std::unique_ptr<CPlayer> expected = president.Clone();
    auto page = Open<CDlgPlayerAllRight>(president);
    Choose(Child<QComboBox>(*page, QStringLiteral("language1")), kEnglish);
    // The board stability moves too: both panels store as one edit.
    auto& stability = Child<CValueScrollBar>(*page, QStringLiteral("boardStability"));
    stability.setFocus();
    QTest::keyClick(&stability, stability.Value() == 0 ? Qt::Key_Right : Qt::Key_Left);
    QVERIFY(Stored(*page));

    const CPlayer& person = *m_document->World().Person(president.Id());
    QCOMPARE(person.NationalExperience(), std::int8_t{9});
    QCOMPARE(person.InternationalExperience(), std::int8_t{-2});
    QCOMPARE(person.Languages()[1], std::uint8_t{kEnglish});
    QCOMPARE(person.Abilities(), expected->Abilities());
    QVERIFY(person.ContractBytes()[1] != expected->ContractBytes()[1]);
    QCOMPARE(Edits(), std::size_t{2});
}

}  // namespace kw

KW_GUI_TEST(ManagerPagesTest);

#include "ManagerPagesTest.moc"
