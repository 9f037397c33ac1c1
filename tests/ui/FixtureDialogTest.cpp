#include "GuiTest.h"
#include "competition/Competition.h"
#include "competition/League.h"
#include "editing/FixtureListSession.h"
#include "editing/LeagueComposition.h"
#include "gui/controls/MyListBox.h"
#include "gui/editors/DlgFixturelist.h"
#include "gui/editors/DlgStadiumSelect.h"
#include "model/Rules.h"

namespace kw {

using namespace test;

// "Spielplan" and "Stadion auswählen" on the small demo's default country, driven with the
// keyboard and the mouse.
class FixtureDialogTest : public CDemoGuiTest {
    Q_OBJECT

private:
    void Opened() override;

private slots:
    void teamsArePlacedByEnterAndDoubleClickAndPairingsFreedByDelete();
    void generatingAndMirroringFillTheCopyUntilOk();
    void switchingLeaguesKeepsTheirCopiesAndOkIsOneUndoStep();
    void cancelEscapeAndOkAfterLookingLeaveTheWorldCleanAndNoMatchdaysShowNone();
    void thePickerGivesTheChosenStadiumOnOkOnly();

private:
    static std::uint32_t LeagueId(int index) {
        return MakeCompetitionId(kDefaultCountry, kLeagueType, index);
    }
    const CDBLeague& League(int index) const {
        return dynamic_cast<const CDBLeague&>(*World().Competition(LeagueId(index)));
    }
    std::string Dump() const override { return DumpWorldJson(World(), kDefaultCountry); }
    std::unique_ptr<CDlgFixturelist> Open();
    static QString MatchdayText(const CDlgFixturelist& dialog);
    // The pairings the dialog shows, as the core would name them for the league.
    std::vector<std::string> ExpectedRows(const CDBLeague& league, const CDBFixturelist& list,
                                          int matchday) const;
    static std::vector<std::string> Rows(const CMyListBox& list);
};

void FixtureDialogTest::Opened() {
    QVERIFY(CountryLeagues(World(), kDefaultCountry).size() >= 2);
    QVERIFY(League(0).Fixtures().Rows() >= 2);
    QCOMPARE(League(0).TeamCount(), League(0).LeagueSize());
}

std::unique_ptr<CDlgFixturelist> FixtureDialogTest::Open() {
    auto dialog = std::make_unique<CDlgFixturelist>(*m_document, kDefaultCountry);
    ShowActive(*dialog);
    return dialog;
}

QString FixtureDialogTest::MatchdayText(const CDlgFixturelist& dialog) {
    return dialog.findChild<QLabel*>(QStringLiteral("matchday"))->text();
}

std::vector<std::string> FixtureDialogTest::ExpectedRows(const CDBLeague& league,
                                                         const CDBFixturelist& list,
                                                         int matchday) const {
    std::vector<std::string> rows;
    for (int column = 0; column < list.Columns(); ++column) {
        std::uint8_t home = 0;
        std::uint8_t away = 0;
        list.GetPairing(matchday, column, home, away);
        rows.push_back(FixtureTeamName(World(), league, home, kDefaultLanguage) + "\t-\t" +
                       FixtureTeamName(World(), league, away, kDefaultLanguage));
    }
    return rows;
}

std::vector<std::string> FixtureDialogTest::Rows(const CMyListBox& list) {
    std::vector<std::string> rows;
    for (int row = 0; row < list.count(); ++row) {
        rows.push_back(list.Row(row));
    }
    return rows;
}

void FixtureDialogTest::teamsArePlacedByEnterAndDoubleClickAndPairingsFreedByDelete() {
    const std::string before = Dump();
    auto dialog = Open();
    const int columns = League(0).Fixtures().Columns();
    const int teams = League(0).TeamCount();
    QCOMPARE(teams, 2 * columns);
    dialog->MatchdayBar().SetValue(1);
    Click(*dialog, "clearMatchday");
    QCOMPARE(dialog->Teams().count(), teams);
    for (const std::string& row : Rows(dialog->Pairings())) {
        QCOMPARE(row, std::string("\t-\t"));
    }

    // The first team of the list each time: by Enter, then every other one by double-click.
    CMyListBox& free = dialog->Teams();
    free.setFocus();
    free.setCurrentRow(0);
    for (int placed = 0; placed < teams; ++placed) {
        QCOMPARE(free.count(), teams - placed);
        if (placed % 2 == 0) {
            QTest::keyClick(&free, Qt::Key_Return);
        } else {
            DoubleClickRow(free, 0);
        }
    }
    QVERIFY(dialog->isVisible());
    QCOMPARE(free.count(), 0);
    // Home places first, in pairing order, then the away places.
    CDBFixturelist expected = League(0).Fixtures();
    for (int column = 0; column < columns; ++column) {
        expected.SetPairing(1, column, static_cast<std::uint8_t>(column + 1),
                            static_cast<std::uint8_t>(columns + column + 1));
    }
    QCOMPARE(Rows(dialog->Pairings()), ExpectedRows(League(0), expected, 1));
    QCOMPARE(Dump(), before);

    // Delete frees the current pairing: its two teams wait again; placing fills it back.
    CMyListBox& pairings = dialog->Pairings();
    pairings.setFocus();
    pairings.setCurrentRow(2);
    QTest::keyClick(&pairings, Qt::Key_Delete);
    QCOMPARE(pairings.Row(2), std::string("\t-\t"));
    QCOMPARE(free.count(), 2);
    QCOMPARE(free.Row(0), FixtureTeamName(World(), League(0), 3, kDefaultLanguage));
    // A double-click frees one too.
    DoubleClickRow(pairings, 0);
    QCOMPARE(free.count(), 4);
    free.setFocus();
    for (int placed = 0; placed < 4; ++placed) {
        free.setCurrentRow(0);
        QTest::keyClick(&free, Qt::Key_Enter);
    }
    QCOMPARE(free.count(), 0);
    QCOMPARE(Rows(pairings), ExpectedRows(League(0), expected, 1));

    Click(*dialog, "ok");
    QVERIFY(!dialog->isVisible());
    QCOMPARE(League(0).Fixtures(), expected);
    QCOMPARE(Edits(), std::size_t{1});
    ExpectUndoneAndSound(before);
}

void FixtureDialogTest::generatingAndMirroringFillTheCopyUntilOk() {
    // The demo holds computer-made schedules: the league starts from an emptied one, so that
    // what the dialog makes differs from it.
    QVERIFY(
        m_document->Perform("leer", SWorldScope::Countries({kDefaultCountry}), [](CWorld& world) {
            dynamic_cast<CDBLeague&>(*world.Competition(LeagueId(0))).Fixtures().ClearAll();
            return true;
        }));
    const std::string before = Dump();
    auto dialog = Open();
    const int rows = League(0).Fixtures().Rows();
    const int half = rows / 2;
    QVERIFY(rows % 2 == 0);
    for (const int matchday : {0, rows - 1}) {
        dialog->MatchdayBar().SetValue(matchday);
        QCOMPARE(dialog->Teams().count(), League(0).TeamCount());
    }

    Click(*dialog, "generate");
    QCOMPARE(MatchdayText(*dialog), QString::number(rows));
    QCOMPARE(dialog->Teams().count(), 0);
    // The generated first half; the second half cleared matchday by matchday to be mirrored.
    for (int matchday = half; matchday < rows; ++matchday) {
        dialog->MatchdayBar().SetValue(matchday);
        Click(*dialog, "clearMatchday");
    }
    QCOMPARE(dialog->Teams().count(), League(0).TeamCount());
    Click(*dialog, "mirror");
    QCOMPARE(dialog->Teams().count(), 0);
    QCOMPARE(Dump(), before);

    Click(*dialog, "ok");
    const CDBFixturelist& stored = League(0).Fixtures();
    QVERIFY(stored.IsComplete());
    // The mirrored half (FixtureListEditingTest in tests/editing) went in with the rest.
    QCOMPARE(stored.Rows(), rows);
    QCOMPARE(Edits(), std::size_t{2});
    ExpectUndoneAndSound(before);
}

void FixtureDialogTest::switchingLeaguesKeepsTheirCopiesAndOkIsOneUndoStep() {
    const std::string before = Dump();
    auto dialog = Open();
    Click(*dialog, "clearMatchday");
    ClickRow(dialog->Leagues(), 1);
    QCOMPARE(dialog->Teams().count(), 0);
    Click(*dialog, "clearAll");
    QCOMPARE(dialog->Teams().count(), League(1).TeamCount());
    // Back to the first league: its cleared matchday is still cleared.
    ClickRow(dialog->Leagues(), 0);
    QCOMPARE(dialog->Teams().count(), League(0).TeamCount());
    QVERIFY(!dialog->findChild<QPushButton*>(QStringLiteral("mirror"))->isEnabled() ||
            League(0).Fixtures().Rows() % 2 == 0);
    QCOMPARE(Dump(), before);

    dialog->findChild<QPushButton*>(QStringLiteral("ok"))->setFocus();
    QTest::keyClick(dialog.get(), Qt::Key_Return);
    QVERIFY(!dialog->isVisible());
    QVERIFY(!League(0).Fixtures().IsComplete());
    QVERIFY(!League(1).Fixtures().IsComplete());
    QCOMPARE(Edits(), std::size_t{1});
    QVERIFY(m_document->IsModified());
    // Lists left with open pairings keep the country from being complete, until filled again.
    QVERIFY(!CountryFault(*m_document, kDefaultCountry).isEmpty());
    QVERIFY(m_document->Undo());
    QCOMPARE(Dump(), before);
    QCOMPARE(CountryFault(*m_document, kDefaultCountry), QString());
}

void FixtureDialogTest::cancelEscapeAndOkAfterLookingLeaveTheWorldCleanAndNoMatchdaysShowNone() {
    const std::string before = Dump();
    {
        auto dialog = Open();
        Click(*dialog, "clearAll");
        Click(*dialog, "cancel");
        QVERIFY(!dialog->isVisible());
    }
    {
        auto dialog = Open();
        Click(*dialog, "generate");
        ClickRow(dialog->Leagues(), 1);
        Click(*dialog, "clearMatchday");
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
    }
    QCOMPARE(Dump(), before);
    QVERIFY(!m_document->IsModified());
    QVERIFY(!m_document->History().CanUndo());
    {
        auto dialog = Open();
        // The first league's first matchday shows, the bar moves through the matchdays.
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Kickwerk 06 - Spielplan"));
        QCOMPARE(dialog->Leagues().count(),
                 static_cast<int>(CountryLeagues(World(), kDefaultCountry).size()));
        QCOMPARE(dialog->Leagues().currentRow(), 0);
        QCOMPARE(QString::fromStdString(dialog->Leagues().Row(0)),
                 QString::fromStdString(LeagueName(League(0), kDefaultLanguage)));
        const CDBFixturelist& list = League(0).Fixtures();
        QCOMPARE(MatchdayText(*dialog), QStringLiteral("1"));
        QCOMPARE(dialog->MatchdayBar().minimum(), 0);
        QCOMPARE(dialog->MatchdayBar().maximum(), list.Rows() - 1);
        QCOMPARE(Rows(dialog->Pairings()), ExpectedRows(League(0), list, 0));
        // The demo's lists are complete: nobody waits for a pairing.
        QVERIFY(list.IsComplete());
        QCOMPARE(dialog->Teams().count(), 0);

        // The bar's arrow key shows the next matchday, End the last.
        dialog->MatchdayBar().setFocus();
        QTest::keyClick(&dialog->MatchdayBar(), Qt::Key_Right);
        QCOMPARE(MatchdayText(*dialog), QStringLiteral("2"));
        QCOMPARE(Rows(dialog->Pairings()), ExpectedRows(League(0), list, 1));
        QTest::keyClick(&dialog->MatchdayBar(), Qt::Key_End);
        QCOMPARE(MatchdayText(*dialog), QString::number(list.Rows()));
        QCOMPARE(Rows(dialog->Pairings()), ExpectedRows(League(0), list, list.Rows() - 1));

        // Another league: its first matchday.
        ClickRow(dialog->Leagues(), 1);
        QCOMPARE(MatchdayText(*dialog), QStringLiteral("1"));
        QCOMPARE(dialog->MatchdayBar().maximum(), League(1).Fixtures().Rows() - 1);
        QCOMPARE(Rows(dialog->Pairings()), ExpectedRows(League(1), League(1).Fixtures(), 0));
        // Looked at only, and a pairing freed and put back: nothing differs.
        dialog->MatchdayBar().SetValue(2);
        const std::vector<std::string> shown = Rows(dialog->Pairings());
        dialog->Pairings().setFocus();
        dialog->Pairings().setCurrentRow(0);
        QTest::keyClick(&dialog->Pairings(), Qt::Key_Delete);
        QVERIFY(Rows(dialog->Pairings()) != shown);
        CMyListBox& free = dialog->Teams();
        free.setFocus();
        std::uint8_t home = 0;
        std::uint8_t away = 0;
        League(1).Fixtures().GetPairing(2, 0, home, away);
        for (int row = 0; row < free.count(); ++row) {
            if (free.Row(row) == FixtureTeamName(World(), League(1), home, kDefaultLanguage)) {
                free.setCurrentRow(row);
            }
        }
        QTest::keyClick(&free, Qt::Key_Return);
        free.setCurrentRow(0);
        QTest::keyClick(&free, Qt::Key_Return);
        QCOMPARE(Rows(dialog->Pairings()), shown);
        Click(*dialog, "ok");
        QVERIFY(!dialog->isVisible());
    }
    QCOMPARE(Dump(), before);
    QVERIFY(!m_document->IsModified());
    QVERIFY(!m_document->History().CanUndo());

    // A league without matchdays shows no matchday (what the commands do then:
    // FixtureListEditingTest in tests/editing).
    QVERIFY(m_document->Perform(
        "keine Spiele", SWorldScope::Countries({kDefaultCountry}), [](CWorld& world) {
            dynamic_cast<CDBLeague&>(*world.Competition(LeagueId(1))).SetMeetings(0);
            return true;
        }));
    QCOMPARE(League(1).Fixtures().Rows(), 0);
    auto dialog = Open();
    ClickRow(dialog->Leagues(), 1);
    QCOMPARE(dialog->CurrentMatchday(), -1);
    QCOMPARE(MatchdayText(*dialog), QString());
    QVERIFY(!dialog->MatchdayBar().isEnabled());
    QCOMPARE(dialog->Pairings().count(), 0);
    QCOMPARE(dialog->Teams().count(), 0);
    for (const char* button : {"clearMatchday", "clearAll", "mirror"}) {
        QVERIFY(!dialog->findChild<QPushButton*>(QString::fromLatin1(button))->isEnabled());
    }
}

void FixtureDialogTest::thePickerGivesTheChosenStadiumOnOkOnly() {
    const CCountry& start = World().Country(kDefaultCountry);
    QVERIFY(start.Stadiums().size() >= 2);
    int other = 0;
    for (int country = 1; country <= kCountryCount && other == 0; ++country) {
        if (country != kDefaultCountry && World().Country(country).Stadiums().size() >= 3) {
            other = country;
        }
    }
    QVERIFY(other != 0);

    QObject scope;
    WhenModal<CDlgStadiumSelect>(scope, [this, other](CDlgStadiumSelect& picker) {
        QCOMPARE(picker.windowTitle(), QStringLiteral("Stadion ausw\u00e4hlen"));
        QCOMPARE(picker.findChild<QLabel*>(QStringLiteral("prompt"))->text(),
                 QStringLiteral("Bitte w\u00e4hlen Sie das gew\u00fcnschte Stadion!"));
        // Opened on the venue given: country 14's second stadium.
        QCOMPARE(picker.Countries().currentItem()->data(Qt::UserRole).toInt(), kDefaultCountry);
        QCOMPARE(picker.Stadiums().currentRow(), 1);
        ClickRow(picker.Countries(),
                 RowWithData(picker.Countries(), static_cast<std::uint32_t>(other)));
        QCOMPARE(picker.Stadiums().count(),
                 static_cast<int>(World().Country(other).Stadiums().size()));
        QCOMPARE(picker.Stadiums().item(2)->text(),
                 Cp1252ToQString(World().Country(other).Stadiums()[2].Name().View()));
        ClickRow(picker.Stadiums(), 2);
        QTest::mouseClick(picker.findChild<QPushButton*>(QStringLiteral("ok")), Qt::LeftButton);
    });
    QCOMPARE(CDlgStadiumSelect::Choose(World(), kDefaultLanguage, kDefaultCountry, 2, nullptr),
             std::optional<std::uint32_t>(MakeStadiumRef(other, 3)));

    // A stadium chosen, then "Abbruch" or Escape: nothing.
    WhenModal<CDlgStadiumSelect>(scope, [](CDlgStadiumSelect& picker) {
        ClickRow(picker.Stadiums(), 0);
        QTest::mouseClick(picker.findChild<QPushButton*>(QStringLiteral("cancel")), Qt::LeftButton);
    });
    QCOMPARE(CDlgStadiumSelect::Choose(World(), kDefaultLanguage, kDefaultCountry, 2, nullptr),
             std::nullopt);
    WhenModal<CDlgStadiumSelect>(scope, [](CDlgStadiumSelect& picker) {
        picker.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&picker));
        QTest::keyClick(&picker.Stadiums(), Qt::Key_Escape);
    });
    QCOMPARE(CDlgStadiumSelect::Choose(World(), kDefaultLanguage, kDefaultCountry, 2, nullptr),
             std::nullopt);

    // Without a venue yet: the default country's first stadium, taken by Enter.
    WhenModal<CDlgStadiumSelect>(scope, [](CDlgStadiumSelect& picker) {
        picker.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&picker));
        QCOMPARE(picker.Stadiums().currentRow(), 0);
        QTest::keyClick(&picker.Stadiums(), Qt::Key_Return);
    });
    QCOMPARE(CDlgStadiumSelect::Choose(World(), kDefaultLanguage, 0, 0, nullptr),
             std::optional<std::uint32_t>(MakeStadiumRef(kDefaultCountry, 1)));
}

}  // namespace kw

KW_GUI_TEST(FixtureDialogTest);

#include "FixtureDialogTest.moc"
