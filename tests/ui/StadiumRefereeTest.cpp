#include <limits>

#include "GuiTest.h"
#include "editing/StadiumRules.h"
#include "gui/controls/MyListBox.h"
#include "gui/editors/DlgRefereeChange.h"
#include "gui/editors/DlgReferees.h"
#include "gui/editors/DlgStadium.h"
#include "gui/editors/DlgStadiumlist.h"
#include "reports/WorldStatistics.h"

namespace kw {

using namespace test;

// The stadium list and stadium editor, the referee list and referee editor of the small demo's
// default country, driven with the mouse and the keyboard.
class StadiumRefereeTest : public CDemoGuiTest {
    Q_OBJECT

private:
    void Opened() override;

private slots:
    void theListOpensAStadiumAndItsTotalFollowsTyping();
    void onlyAValidChangeOfTheStadiumIsStored();

    void refereesAreAddedRenamedAndDeletedAsOneEditEach();

private:
    const CCountry& Country() const { return m_document->World().Country(kDefaultCountry); }
    // A stadium of the country whose layout passes the block check.
    std::size_t ValidStadium() const;
    // The stadium editor, shown.
    std::unique_ptr<CDlgStadium> OpenStadium(std::size_t index);
    // Clicks OK; returns the text of the message list it opened (empty when none opened).
    std::string PressOk(CDlgStadium& dialog);
    void ExpectMasterBuilds();

    static void SetChecked(QCheckBox& box, bool checked);
    // The stand table's check boxes set to the two masks by clicking.
    static void SetBlocks(CDlgStadium& dialog, std::uint8_t seasonTickets, std::uint8_t away);
    static QPushButton& Button(QWidget& dialog, QDialogButtonBox::StandardButton which);
};

void StadiumRefereeTest::Opened() {
    QVERIFY(Country().Stadiums().size() >= 3);
    QVERIFY(Country().Referees().size() >= 3);
}

std::size_t StadiumRefereeTest::ValidStadium() const {
    for (std::size_t index = 0; index < Country().Stadiums().size(); ++index) {
        if (StandBlockFaults(StandTableOf(Country().Stadiums()[index])).empty()) {
            return index;
        }
    }
    qFatal("no stadium with a valid layout");
}

std::unique_ptr<CDlgStadium> StadiumRefereeTest::OpenStadium(std::size_t index) {
    auto dialog = std::make_unique<CDlgStadium>(*m_document, kDefaultCountry, index);
    ShowActive(*dialog);
    return dialog;
}

std::string StadiumRefereeTest::PressOk(CDlgStadium& dialog) {
    std::string messages;
    // The watch ends with this call also when no list opened.
    QObject scope;
    WhenModal<CDlgErrorMessage>(scope, [&messages](CDlgErrorMessage& list) {
        messages = list.Text();
        QTest::mouseClick(list.OkButton(), Qt::LeftButton);
    });
    QTest::mouseClick(&Button(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
    return messages;
}

void StadiumRefereeTest::ExpectMasterBuilds() {
    const QString fault = MasterBuildFault(m_document->WorldForOperations());
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

void StadiumRefereeTest::SetChecked(QCheckBox& box, bool checked) {
    if (box.isChecked() != checked) {
        QTest::mouseClick(&box, Qt::LeftButton);
    }
    QCOMPARE(box.isChecked(), checked);
}

void StadiumRefereeTest::SetBlocks(CDlgStadium& dialog, std::uint8_t seasonTickets,
                                   std::uint8_t away) {
    for (int stand = 0; stand < kStandCount; ++stand) {
        const QString number = QString::number(stand);
        SetChecked(Child<QCheckBox>(dialog, QStringLiteral("seasonTicket") + number),
                   ((seasonTickets >> stand) & 1) != 0);
        SetChecked(Child<QCheckBox>(dialog, QStringLiteral("away") + number),
                   ((away >> stand) & 1) != 0);
    }
}

QPushButton& StadiumRefereeTest::Button(QWidget& dialog, QDialogButtonBox::StandardButton which) {
    QPushButton* button = Child<QDialogButtonBox>(dialog, QStringLiteral("buttons")).button(which);
    if (button == nullptr) {
        qFatal("no such button");
    }
    return *button;
}

// The list opens a stadium by double click, Enter and its button; in the editor the total follows
// typing and huge numbers saturate.
void StadiumRefereeTest::theListOpensAStadiumAndItsTotalFollowsTyping() {
    const std::string before = Dump();
    CDlgStadiumlist list(*m_document, kDefaultCountry);
    ShowActive(list);
    QCOMPARE(list.List().count(), static_cast<int>(Country().Stadiums().size()));
    QVERIFY(list.windowTitle().endsWith(QStringLiteral("Stadienliste")));

    int opened = 0;
    const auto expectStadium = [this, &opened](std::size_t index) {
        WhenModal<CDlgStadium>(*this, [this, index, &opened](CDlgStadium& stadium) {
            ++opened;
            QVERIFY(stadium.windowTitle().endsWith(QStringLiteral("Stadien")));
            QCOMPARE(stadium.Values(), StadiumValuesOf(Country().Stadiums()[index]));
            QTest::keyClick(&stadium, Qt::Key_Escape);
        });
    };
    expectStadium(2);
    DoubleClickRow(list.List(), 2);
    QCOMPARE(opened, 1);

    expectStadium(1);
    list.List().setFocus();
    QTest::keyClick(&list.List(), Qt::Key_Up);
    QTest::keyClick(&list.List(), Qt::Key_Return);
    QCOMPARE(opened, 2);

    expectStadium(0);
    QTest::keyClick(&list.List(), Qt::Key_Home);
    QTest::mouseClick(&list.ChangeButton(), Qt::LeftButton);
    QCOMPARE(opened, 3);

    QCOMPARE(Edits(), std::size_t{0});
    QCOMPARE(Dump(), before);

    // In the editor the total follows typing and huge numbers saturate.
    const std::size_t index = ValidStadium();
    const CStadium original = Country().Stadiums()[index];
    auto dialog = OpenStadium(index);
    QVERIFY(AccessibleNames(*dialog).contains(QStringLiteral("S-E Kurve")));
    QLabel& total = Child<QLabel>(*dialog, QStringLiteral("totalCapacity"));
    QCOMPARE(total.text(), QString::number(original.TotalCapacity()));

    QLineEdit& vip = Child<QLineEdit>(*dialog, QStringLiteral("vip5"));
    Retype(vip, QString::number(original.VipPlaces(5) + 250));
    QCOMPARE(total.text(), QString::number(original.TotalCapacity() + 250));

    // A huge number stands for the most a field holds (the sum of all 24 without overflow:
    // StadiumRules in tests/editing); leaving the field shows it.
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    QLineEdit& seats = Child<QLineEdit>(*dialog, QStringLiteral("seats0"));
    Retype(seats, QStringLiteral("999999999999999999999"));
    QCOMPARE(total.text(), QString::number(std::int64_t{kMax} + original.TotalCapacity() + 250 -
                                           original.Seats(0)));
    seats.setFocus();
    QTest::keyClick(&seats, Qt::Key_Tab);
    QCOMPARE(seats.text(), QString::number(kMax));

    QCOMPARE(PressOk(*dialog), std::string());
    QVERIFY(!dialog->isVisible());
    QCOMPARE(Country().Stadiums()[index].Seats(0), kMax);
}

// Which rules and in which order: StadiumRules in tests/editing. Here the dialog lists them,
// stays open, and Cancel or Escape leave the stadium as it was; OK without edits records nothing;
// a valid change is one undoable edit.
void StadiumRefereeTest::onlyAValidChangeOfTheStadiumIsStored() {
    const std::string before = Dump();
    for (const bool escape : {false, true}) {
        auto dialog = OpenStadium(ValidStadium());
        Retype(*dialog, QStringLiteral("name"), QStringLiteral("Neuer Name"));
        Retype(*dialog, QStringLiteral("standing3"), QStringLiteral("4321"));
        SetBlocks(*dialog, 0x1F, 0x03);
        QCOMPARE(PressOk(*dialog), std::string(GuiString(ids::kTooManySeasonTicketBlocks)) + '\n' +
                                       std::string(GuiString(ids::kNotOneAwayBlock)) + '\n' +
                                       std::string(GuiString(ids::kSeasonTicketAwayBlock)) + '\n');
        QVERIFY2(dialog->isVisible(), "the dialog stays open");
        QCOMPARE(Dump(), before);
        if (escape) {
            QTest::keyClick(dialog.get(), Qt::Key_Escape);
        } else {
            QTest::mouseClick(&Button(*dialog, QDialogButtonBox::Cancel), Qt::LeftButton);
        }
        QVERIFY(!dialog->isVisible());
        QCOMPARE(Dump(), before);
    }
    // OK without edits, a number typed and put back as it was included, records nothing.
    auto dialog = OpenStadium(ValidStadium());
    QLineEdit& seats = Child<QLineEdit>(*dialog, QStringLiteral("seats1"));
    const QString shown = seats.text();
    Retype(seats, QStringLiteral("77"));
    Retype(seats, shown);
    QCOMPARE(PressOk(*dialog), std::string());
    QVERIFY(!dialog->isVisible());
    QCOMPARE(Edits(), std::size_t{0});
    QCOMPARE(Dump(), before);

    // A valid change is one undoable edit, and the master still builds.
    const bool complete = CheckCountry(Country()).complete;
    const std::size_t index = ValidStadium();
    const CStadium original = Country().Stadiums()[index];
    dialog = OpenStadium(index);
    Retype(*dialog, QStringLiteral("name"),
           QStringLiteral("Arena am Gruenen Wall mit sehr langem Namen"));
    Retype(*dialog, QStringLiteral("city"), QStringLiteral("Neustadt"));
    Retype(*dialog, QStringLiteral("seats4"), QStringLiteral("1234"));
    QComboBox& type = Child<QComboBox>(*dialog, QStringLiteral("type"));
    type.setFocus();
    QTest::keyClick(&type, Qt::Key_End);
    SetBlocks(*dialog, 0x13, 0x20);
    QCOMPARE(PressOk(*dialog), std::string());
    QVERIFY(!dialog->isVisible());

    QCOMPARE(Edits(), std::size_t{1});
    const CStadium& stored = Country().Stadiums()[index];
    // 29 characters are taken as typed.
    QCOMPARE(stored.Name().View(), std::string_view("Arena am Gruenen Wall mit seh"));
    QCOMPARE(stored.City().View(), std::string_view("Neustadt"));
    QCOMPARE(stored.Seats(4), 1234);
    QCOMPARE(stored.Type(), std::int8_t{kStadiumTypeCount - 1});
    QCOMPARE(stored.SeasonTicketBlocks(), std::uint8_t{0x13});
    QCOMPARE(stored.AwayBlock(), std::uint8_t{0x20});
    QCOMPARE(stored.Flags(), original.Flags());
    QCOMPARE(stored.Seats(5), original.Seats(5));

    const std::string after = Dump();
    QVERIFY(m_document->Undo());
    QCOMPARE(Dump(), before);
    QVERIFY(m_document->Redo());
    QCOMPARE(Dump(), after);
    QCOMPARE(CheckCountry(Country()).complete, complete);
    ExpectMasterBuilds();
}

void StadiumRefereeTest::refereesAreAddedRenamedAndDeletedAsOneEditEach() {
    const std::string before = Dump();
    CDlgReferees referees(*m_document, kDefaultCountry);
    ShowActive(referees);

    WhenModal<CDlgRefereeChange>(*this, [](CDlgRefereeChange& change) {
        Retype(change, QStringLiteral("firstName"), QStringLiteral("X"));
        QTest::mouseClick(&Child<QRadioButton>(change, QStringLiteral("trait0")), Qt::LeftButton);
        QTest::mouseClick(&Button(change, QDialogButtonBox::Cancel), Qt::LeftButton);
    });
    Click(referees, QStringLiteral("change"));

    WhenModal<CDlgRefereeChange>(*this, [](CDlgRefereeChange& change) {
        Retype(change, QStringLiteral("surname"), QStringLiteral("Neu"));
        QTest::keyClick(&change, Qt::Key_Escape);
    });
    Click(referees, QStringLiteral("new"));

    // OK on an unchanged referee records nothing either.
    WhenModal<CDlgRefereeChange>(*this, [](CDlgRefereeChange& change) {
        QTest::mouseClick(&Button(change, QDialogButtonBox::Ok), Qt::LeftButton);
    });
    // Back in the list, as a user clicks there first: on a real display "Neu" keeps the focus
    // after its dialog and, focused, would be the button Enter presses.
    referees.List().setFocus();
    QTest::keyClick(&referees.List(), Qt::Key_Return);
    QCOMPARE(Edits(), std::size_t{0});
    QCOMPARE(Dump(), before);

    const std::size_t count = Country().Referees().size();
    WhenModal<CDlgRefereeChange>(*this, [](CDlgRefereeChange& change) {
        QVERIFY(Child<QRadioButton>(change, QStringLiteral("trait6")).isChecked());
        Retype(change, QStringLiteral("firstName"), QStringLiteral("Ida"));
        Retype(change, QStringLiteral("surname"), QStringLiteral("Pfiff"));
        QTest::mouseClick(&Button(change, QDialogButtonBox::Ok), Qt::LeftButton);
    });
    Click(referees, QStringLiteral("new"));
    QCOMPARE(Country().Referees().size(), count + 1);
    QCOMPARE(Country().Referees().back().Surname().View(), std::string_view("Pfiff"));
    QCOMPARE(Country().Referees().back().Character(), CReferee::kNoCharacter);
    QCOMPARE(referees.List().currentRow(), static_cast<int>(count));
    QCOMPARE(Edits(), std::size_t{1});
    const std::string withNew = Dump();

    // No question: the selected referee goes at once, as one undoable edit.
    const CReferee third = Country().Referees()[2];
    referees.List().setCurrentRow(1);
    Click(referees, QStringLiteral("delete"));
    QCOMPARE(Country().Referees().size(), count);
    QCOMPARE(Country().Referees()[1], third);
    QCOMPARE(referees.List().count(), static_cast<int>(count));
    QCOMPARE(Edits(), std::size_t{2});

    QVERIFY(m_document->Undo());
    QCOMPARE(Dump(), withNew);
    QVERIFY(m_document->Undo());
    QCOMPARE(Dump(), before);

    // A renamed referee keeps the record's lengths, and the master still builds.
    WhenModal<CDlgRefereeChange>(*this, [](CDlgRefereeChange& change) {
        QCOMPARE(change.windowTitle(), QStringLiteral("Schiedsrichter \u00e4ndern"));
        QLineEdit& first = Child<QLineEdit>(change, QStringLiteral("firstName"));
        QLineEdit& surname = Child<QLineEdit>(change, QStringLiteral("surname"));
        Retype(first, QStringLiteral("Maximilian-Theodor-X"));  // 20 characters
        Retype(surname, QStringLiteral("Schiedsrichterhaus-Y"));
        QCOMPARE(first.text().size(), 19);
        QCOMPARE(surname.text().size(), 19);
        QTest::mouseClick(&Child<QRadioButton>(change, QStringLiteral("trait5")), Qt::LeftButton);
        QTest::keyClick(&surname, Qt::Key_Return);
    });
    DoubleClickRow(referees.List(), 1);

    QCOMPARE(Edits(), std::size_t{1});
    const CReferee& stored = Country().Referees()[1];
    QCOMPARE(stored.FirstName().View(), std::string_view("Maximilian-Theo"));
    QCOMPARE(stored.Surname().View(), std::string_view("Schiedsrichterhaus-"));
    QCOMPARE(stored.Character(), std::int8_t{5});
    QCOMPARE(QString::fromStdString(referees.List().Row(1)),
             QStringLiteral("Schiedsrichterhaus-, M.\tist ein Feigling"));

    QVERIFY(m_document->Undo());
    QCOMPARE(Dump(), before);
    QVERIFY(m_document->Redo());
    ExpectMasterBuilds();
}

}  // namespace kw

KW_GUI_TEST(StadiumRefereeTest);

#include "StadiumRefereeTest.moc"
