#include <QAbstractButton>
#include <QWidget>

#include "GuiTest.h"
#include "gui/mainwindow/MappingCommands.h"

namespace kw {

using namespace test;

namespace {

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

// The mapping commands on the small demo, answered like a user: the question box, then the
// report's save dialog.
class MappingCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void cancelChangesNothingYesMapsAndNoKeepsUnmatchedNumbers();

private:
    // Answers the question with `answer` and, unless the question was cancelled, the save dialog
    // with the typed name (or Escape for an empty one), keeping the texts they showed.
    void Answer(QMessageBox::StandardButton answer, const QString& reportName);
    std::string Dump() const { return DumpWorldJson(m_demo->Document().World()); }
    CDatabaseDocument& Document() { return m_demo->Document(); }

    CSmallDemoInstallation m_installation;
    std::unique_ptr<COpenDemo> m_demo;
    std::unique_ptr<QTemporaryDir> m_reports;
    QWidget m_parent;
    QString m_question;
    QString m_caption;
    QString m_dialogTitle;
    QStringList m_filters;
};

void MappingCommandsTest::initTestCase() {
    QVERIFY(m_installation.Generate());
}

void MappingCommandsTest::init() {
    m_demo = std::make_unique<COpenDemo>(m_installation.Path());
    QVERIFY(m_demo->IsOpen());
    m_reports = std::make_unique<QTemporaryDir>();
    m_question.clear();
    m_dialogTitle.clear();
}

void MappingCommandsTest::cleanup() {
    m_demo.reset();
}

void MappingCommandsTest::Answer(QMessageBox::StandardButton answer, const QString& reportName) {
    WhenModal<QMessageBox>(*this, [this, answer, reportName](QMessageBox& box) {
        m_question = box.text();
        m_caption = box.windowTitle();
        if (answer != QMessageBox::Cancel) {
            WhenModal<QFileDialog>(*this, [this, reportName](QFileDialog& dialog) {
                m_dialogTitle = dialog.windowTitle();
                m_filters = dialog.nameFilters();
                if (reportName.isEmpty()) {
                    QTest::keyClick(&dialog, Qt::Key_Escape);
                } else {
                    TypeFileName(dialog, m_reports->filePath(reportName));
                }
            });
        }
        QVERIFY(box.button(answer) != nullptr);
        QTest::mouseClick(box.button(answer), Qt::LeftButton);
    });
}

// Cancel in the question or in the save dialog changes nothing; Yes maps every club as one
// undoable edit; with No a player the other game's list leaves out keeps his number.
void MappingCommandsTest::cancelChangesNothingYesMapsAndNoKeepsUnmatchedNumbers() {
    const std::string before = Dump();
    Answer(QMessageBox::Cancel, QString());
    QVERIFY(!MapFaceIdsCommand(Document(), m_installation.Installation(), &m_parent, m_demo->Ui()));
    QCOMPARE(m_question, QStringLiteral("This option will map all faces of the players to the "
                                        "Rakel Faces. Do you want to overwrite unrecognized "
                                        "face-ids with 0?"));
    QVERIFY(m_dialogTitle.isEmpty());

    Answer(QMessageBox::Yes, QString());
    QVERIFY(
        !MapPs2FaceIdsCommand(Document(), m_installation.Installation(), &m_parent, m_demo->Ui()));
    QCOMPARE(m_question, QStringLiteral("This option will remap all player faces in the world to "
                                        "the PS2 face ids.Do you want to overwrite unrecognized "
                                        "players with 0?"));
    QCOMPARE(m_dialogTitle, QStringLiteral("Select report outputfile"));

    QCOMPARE(Document().History().Count(), std::size_t{0});
    QVERIFY(!Document().IsModified());
    QVERIFY(Dump() == before);
    QVERIFY(m_demo->Ui().Messages().empty());
    QVERIFY(QDir(m_reports->path()).isEmpty());

    // Yes and a typed report name map the clubs as one undoable edit.
    Answer(QMessageBox::Yes, QStringLiteral("clubs"));
    QVERIFY(MapClubIdsCommand(Document(), m_installation.Installation(), &m_parent, m_demo->Ui()));

    QCOMPARE(m_question, QStringLiteral("This option will map all clubs to the rakel-ids. Do you "
                                        "want to overwrite unrecognized club-ids with 0?"));
    QCOMPARE(m_caption, QStringLiteral("Editor"));
    QCOMPARE(m_dialogTitle, QStringLiteral("Select report outputfile"));
    QCOMPARE(m_filters, (QStringList{QStringLiteral("Text files (*.txt)"),
                                     QStringLiteral("All files (*.*)")}));
    QCOMPARE(m_demo->Ui().Texts(CScriptedUserInterface::Message::Kind::Information),
             std::vector<std::string>{"Successful"});
    // The extension was added; the report is the one worked out for the demo.
    const QByteArray report = FileBytes(m_reports->filePath(QStringLiteral("clubs.txt")));
    QVERIFY(!report.isEmpty());
    QCOMPARE(report, FileBytes(QStringLiteral(KW_MAPPING_DATA "/demo_club_report.txt")));
    // With Yes every club is either mapped or has 0, as the report counts them.
    int mapped = 0;
    int zero = 0;
    for (int number = 1; number <= kCountryCount; ++number) {
        for (const auto& entry : Document().World().Country(number).Clubs()) {
            if (!entry.second->IsNationalTeam()) {
                mapped += entry.second->ExternalNumber() >= 20000 ? 1 : 0;
                zero += entry.second->ExternalNumber() == 0 ? 1 : 0;
            }
        }
    }
    QCOMPARE(mapped, 114);
    QCOMPARE(zero, 19);
    QVERIFY(ReferenceFaults(Document().World()).empty());

    QCOMPARE(Document().History().Count(), std::size_t{1});
    QVERIFY(Document().Undo());
    QVERIFY(Dump() == before);
    QVERIFY(Document().Redo());
    QCOMPARE(MasterBuildFault(Document().WorldForOperations()), QString());

    CPlayer* kept = nullptr;
    for (const auto& entry : Document().World().Persons()) {
        if (entry.second->IsPlayer() && entry.second->Surname().View() == "Sauer" &&
            entry.second->FirstName().View() == "Dennis") {
            kept = entry.second.get();
        }
    }
    QVERIFY(kept != nullptr);
    QVERIFY(Document().Perform("set-up", SWorldScope::Everything(), [kept](CWorld&) {
        kept->SetSecondExternalNumber(4711);
        return true;
    }));
    Answer(QMessageBox::No, QStringLiteral("players.txt"));
    QVERIFY(
        MapPlayerIdsCommand(Document(), m_installation.Installation(), &m_parent, m_demo->Ui()));
    QCOMPARE(kept->SecondExternalNumber(), 4711);
    QCOMPARE(m_demo->Ui().Texts(CScriptedUserInterface::Message::Kind::Information).back(),
             std::string("Mapped all players in the database"));
    QCOMPARE(Document().History().Count(), std::size_t{3});
    QVERIFY(ReferenceFaults(Document().World()).empty());
}

}  // namespace kw

KW_GUI_TEST(MappingCommandsTest);

#include "MappingCommandsTest.moc"
