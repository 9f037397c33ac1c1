#include "GuiTest.h"
#include "editing/LeagueDataRules.h"
#include "gui/editors/DlgLevelName.h"
#include "gui/editors/DlgRegelaenderung.h"
#include "model/Rules.h"
#include "model/WorldPart.h"

namespace kw {

using namespace test;

// "Globale Einstellungen" and "Ligenbezeichnung ändern" on the small demo database, driven with
// the keyboard and the mouse.
class GlobalRulesTest : public CDemoGuiTest {
    Q_OBJECT

private slots:
    void cancelRecordsNothingAndChosenRulesAreOneUndoableEdit();
    void aLevelNameIsCutAndStoredForTheCurrentLanguage();

private:
    // The document's rules values 0..3 and substitutions set as one edit (test set-up).
    void SetRules(std::int32_t points, std::int32_t away, std::int32_t holder, std::int32_t goals,
                  std::int32_t substitutions);
    const CRules& Rules() const { return m_document->World().Rules(); }
    // The document's rules values 0..4 and substitutions.
    std::vector<std::int32_t> Stored() const {
        return {Rules().RuleValue(0), Rules().RuleValue(1), Rules().RuleValue(2),
                Rules().RuleValue(3), Rules().RuleValue(4), Rules().Substitutions()};
    }
    // What the dialog shows: the four lists' choices and the substitutions.
    static QStringList Shown(CDlgRegelaenderung& dialog) {
        return {dialog.RuleList(0).currentText(), dialog.RuleList(1).currentText(),
                dialog.RuleList(2).currentText(), dialog.RuleList(3).currentText(),
                dialog.SubstitutionsText().text()};
    }
    std::string LevelName(int level, int language) const;
    static QPushButton& Button(QDialog& dialog, QDialogButtonBox::StandardButton which);
    // "Globale Einstellungen" on the document, `act` done in the shown, active dialog; whether it
    // recorded an edit.
    bool EditRules(const std::function<void(CDlgRegelaenderung&)>& act);
};

void GlobalRulesTest::SetRules(std::int32_t points, std::int32_t away, std::int32_t holder,
                               std::int32_t goals, std::int32_t substitutions) {
    SWorldScope scope;
    scope.rules = true;
    QVERIFY(m_document->Perform("set-up", std::move(scope), [=](CWorld& world) {
        CRules& rules = world.Rules();
        rules.SetRuleValue(0, points);
        rules.SetRuleValue(1, away);
        rules.SetRuleValue(2, holder);
        rules.SetRuleValue(3, goals);
        rules.SetSubstitutions(substitutions);
        return true;
    }));
}

std::string GlobalRulesTest::LevelName(int level, int language) const {
    return std::string(m_document->World()
                           .Country(14)
                           .LevelNames(level)[static_cast<std::size_t>(language)]
                           .View());
}

QPushButton& GlobalRulesTest::Button(QDialog& dialog, QDialogButtonBox::StandardButton which) {
    return *dialog.findChild<QDialogButtonBox*>()->button(which);
}

bool GlobalRulesTest::EditRules(const std::function<void(CDlgRegelaenderung&)>& act) {
    WhenModal<CDlgRegelaenderung>(*this, [&act](CDlgRegelaenderung& dialog) {
        ShowActive(dialog);
        act(dialog);
    });
    return CDlgRegelaenderung::Edit(*m_document, nullptr);
}

// Escape and Cancel record nothing; the choices and the bar are stored as one undoable edit.
void GlobalRulesTest::cancelRecordsNothingAndChosenRulesAreOneUndoableEdit() {
    SetRules(1, 0, 0, 1, 6);
    const std::string before = Dump();
    const std::int32_t rule4 = Rules().RuleValue(4);
    const std::size_t edits = Edits();

    bool closed = false;
    QVERIFY(!EditRules([&closed](CDlgRegelaenderung& dialog) {
        PickIndex(dialog.RuleList(0), 2);
        PickIndex(dialog.RuleList(3), 1);
        dialog.SubstitutionsBar().setFocus();
        QTest::keyClick(&dialog.SubstitutionsBar(), Qt::Key_End);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        closed = !dialog.isVisible();
    }));
    QVERIFY(closed);
    QCOMPARE(Edits(), edits);
    QCOMPARE(Dump(), before);

    QVERIFY(!EditRules([](CDlgRegelaenderung& dialog) {
        PickIndex(dialog.RuleList(1), 2);
        QCOMPARE(Button(dialog, QDialogButtonBox::Cancel).text(), QStringLiteral("Abbruch"));
        QTest::mouseClick(&Button(dialog, QDialogButtonBox::Cancel), Qt::LeftButton);
    }));
    QCOMPARE(Edits(), edits);
    QCOMPARE(Dump(), before);

    bool shown = false;
    QVERIFY(EditRules([&shown](CDlgRegelaenderung& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Globale Einstellungen"));
        shown = Shown(dialog) == QStringList{QStringLiteral("Drei"), QStringLiteral("Zwei"),
                                             QStringLiteral("An"), QStringLiteral("Aus"),
                                             QStringLiteral("6")};
        PickIndex(dialog.RuleList(0), 2);
        PickIndex(dialog.RuleList(1), 1);
        PickIndex(dialog.RuleList(2), 1);
        PickIndex(dialog.RuleList(3), 0);
        // The mnemonic of the bar's label reaches the bar.
        QTest::keyClick(&dialog, Qt::Key_E, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(&dialog.SubstitutionsBar()));
        QTest::keyClick(&dialog.SubstitutionsBar(), Qt::Key_Left);
        QTest::keyClick(&dialog.SubstitutionsBar(), Qt::Key_Left);
        // The number beside the bar follows it.
        QCOMPARE(dialog.SubstitutionsText().text(), QStringLiteral("4"));
        QTest::mouseClick(&Button(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
    }));
    QVERIFY(shown);
    QCOMPARE(Edits(), edits + 1);
    QCOMPARE(Stored(), (std::vector<std::int32_t>{2, 1, 1, 0, rule4, 4}));
    const std::string after = Dump();
    QVERIFY(m_document->Undo());
    QCOMPARE(Dump(), before);
    QVERIFY(m_document->Redo());
    QCOMPARE(Dump(), after);

    // Stored values beyond the lists survive an unedited OK.
    SetRules(7, -1, 7, 5, 7);
    const std::string beyond = Dump();
    const std::size_t beyondEdits = Edits();

    // Shown as "Vier" and "Aus", kept through Return.
    shown = false;
    QVERIFY(!EditRules([&shown](CDlgRegelaenderung& dialog) {
        shown = Shown(dialog) == QStringList{QStringLiteral("Vier"), QStringLiteral("Vier"),
                                             QStringLiteral("Aus"), QStringLiteral("Aus"),
                                             QStringLiteral("7")};
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }));
    QVERIFY(shown);
    QCOMPARE(Edits(), beyondEdits);
    QCOMPARE(Dump(), beyond);

    // A list moved away and back keeps the stored value too (the bar likewise:
    // GlobalRulesChoicesTest in tests/editing); only the list left on another entry changes.
    QVERIFY(EditRules([](CDlgRegelaenderung& dialog) {
        PickIndex(dialog.RuleList(2), 0);
        PickIndex(dialog.RuleList(2), 1);
        PickIndex(dialog.RuleList(3), 0);
        QTest::mouseClick(&Button(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
    }));
    QCOMPARE(Edits(), beyondEdits + 1);
    QCOMPARE(Stored(), (std::vector<std::int32_t>{7, -1, 7, 0, rule4, 7}));
    QVERIFY(m_document->Undo());
    QCOMPARE(Dump(), beyond);
}

// OK unchanged, a name typed over and back, and Escape record nothing; a new name is cut and
// stored for the current language as one undoable edit.
void GlobalRulesTest::aLevelNameIsCutAndStoredForTheCurrentLanguage() {
    const int language = 2;
    m_document->SetLanguage(language);
    const std::string before = Dump();
    const std::string german = LevelName(1, 0);
    const std::string stored = LevelName(1, language);
    const std::size_t edits = Edits();
    WhenModal<CDlgLevelName>(*this, [](CDlgLevelName& dialog) {
        ShowActive(dialog);
        QTest::mouseClick(&Button(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
    });
    QVERIFY(!CDlgLevelName::Edit(*m_document, 14, 0, nullptr));
    QCOMPARE(Edits(), edits);

    // Typed over and back to the same name.
    WhenModal<CDlgLevelName>(*this, [](CDlgLevelName& dialog) {
        ShowActive(dialog);
        const QString name = dialog.Field().text();
        QTest::keyClick(&dialog.Field(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(&dialog.Field(), QStringLiteral("Anders"));
        QTest::keyClick(&dialog.Field(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(&dialog.Field(), name);
        QTest::keyClick(&dialog.Field(), Qt::Key_Return);
    });
    QVERIFY(!CDlgLevelName::Edit(*m_document, 14, 0, nullptr));
    QCOMPARE(Edits(), edits);

    bool closed = false;
    WhenModal<CDlgLevelName>(*this, [&closed](CDlgLevelName& dialog) {
        ShowActive(dialog);
        QTest::keyClicks(&dialog.Field(), QStringLiteral("Neue Liga"));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        closed = !dialog.isVisible();
    });
    QVERIFY(!CDlgLevelName::Edit(*m_document, 14, 0, nullptr));
    QVERIFY(closed);
    QCOMPARE(Edits(), edits);
    QCOMPARE(Dump(), before);

    // No such level or country: no dialog, no edit.
    QVERIFY(!CDlgLevelName::Edit(*m_document, 14, kLevelCount, nullptr));
    QVERIFY(!CDlgLevelName::Edit(*m_document, 0, 0, nullptr));
    QCOMPARE(Edits(), edits);

    QString shownName;
    int length = 0;
    WhenModal<CDlgLevelName>(*this, [&shownName, &length](CDlgLevelName& dialog) {
        ShowActive(dialog);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Ligenbezeichnung \u00e4ndern"));
        shownName = dialog.Field().text();
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(&dialog.Field()));
        QTest::keyClick(&dialog.Field(), Qt::Key_A, Qt::ControlModifier);
        TypeText(&dialog.Field(),
                 QStringLiteral("Premi\u00e8re division r\u00e9gionale du nord-est"));
        length = static_cast<int>(dialog.Field().text().size());
        QTest::keyClick(&dialog.Field(), Qt::Key_Return);
    });
    QVERIFY(CDlgLevelName::Edit(*m_document, 14, 1, nullptr));
    QCOMPARE(shownName.toStdString(), Cp1252ToUtf8(stored));
    QCOMPARE(length, static_cast<int>(kLevelNameLength));
    QCOMPARE(Edits(), edits + 1);
    const std::string expected =
        std::string("Premi\xE8re division r\xE9gionale du nord-est").substr(0, kLevelNameLength);
    QCOMPARE(LevelName(1, language), expected);
    QCOMPARE(LevelName(1, 0), german);
    QVERIFY(m_document->Undo());
    QCOMPARE(Dump(), before);
}

}  // namespace kw

KW_GUI_TEST(GlobalRulesTest);

#include "GlobalRulesTest.moc"
