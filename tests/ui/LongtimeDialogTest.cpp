#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "CountriesData.h"
#include "GuiTest.h"
#include "app/LongtimeWorldOperations.h"
#include "app/ProgressTimer.h"
#include "exports/archive/ArchiveChunks.h"
#include "gui/mainwindow/DlgLongtimeOperation.h"
#include "gui/mainwindow/QtText.h"
#include "gui/mainwindow/WorkerUserInterface.h"

namespace kw {

using namespace test;

namespace fs = std::filesystem;

// Tries to close the dialog when the import asks its question, then agrees.
class CClosingUserInterface : public CScriptedUserInterface {
public:
    bool AskYesNo(std::string_view question) override {
        CScriptedUserInterface::AskYesNo(question);
        if (dialog != nullptr) {
            dialog->close();
            dialog->reject();
            QTest::keyClick(dialog, Qt::Key_Escape);
            stillOpen = dialog->isVisible();
        }
        return true;
    }
    QDialog* dialog = nullptr;
    bool stillOpen = false;
};

class LongtimeDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void timeLineShowsMinutesAndTwoDigitSecondsFromTheFirstPosition();
    void cancellingAnExportDeletesTheArchiveAfterTheWorkerEnded();
    void closeRequestsDuringAnImportDoNothing();

private:
    fs::path Path(const char* name) const { return fs::path(m_dir.path().toStdString()) / name; }

    QTemporaryDir m_dir;
};

void LongtimeDialogTest::initTestCase() {
    QVERIFY(m_dir.isValid());
    fs::create_directories(Path("Documents"));
    qputenv("XDG_DOCUMENTS_DIR", QByteArray::fromStdString(Path("Documents").string()));
}

void LongtimeDialogTest::timeLineShowsMinutesAndTwoDigitSecondsFromTheFirstPosition() {
    QCOMPARE(FromCp1252(ElapsedTimesLine(125, 610)),
             QStringLiteral("Verstrichene Zeit: 2:05 / Geschätzte Zeit:10:10"));
    // 125 of 610 steps in 125 seconds: an expected total of 610 seconds.
    CProgressTimer timer;
    QVERIFY(!timer.Update(1, 611, 1, 1000));
    const auto line = timer.Update(1, 611, 126, 126000);
    QVERIFY(line);
    QCOMPARE(FromCp1252(*line), FromCp1252(ElapsedTimesLine(125, 610)));

    // The timing starts with the first position of at least one.
    timer.Reset();
    QVERIFY(!timer.Update(0, 100, 0, 0));
    QVERIFY(!timer.Update(0, 100, 0, 60000));  // position 0 starts nothing
    QVERIFY(!timer.Update(0, 100, 1, 60000));  // the start
    QVERIFY(!timer.Update(0, 100, 2, 64999));  // under 5 seconds
    QVERIFY(timer.Update(0, 100, 2, 65000));
    // At the range minimum there is nothing to divide by: the line keeps its text.
    QVERIFY(!timer.Update(5, 100, 5, 90000));
}

void LongtimeDialogTest::cancellingAnExportDeletesTheArchiveAfterTheWorkerEnded() {
    const fs::path install = Path("install");
    fs::create_directories(install / "badges/color/Badge256");
    // The first club's badge is a pipe: reading it holds the worker until the test writes.
    const fs::path gate = install / "badges/color/Badge256/gate.tga";
    QCOMPARE(mkfifo(gate.c_str(), 0600), 0);
    CWorld world(install);
    world.InitialiseCountries();
    CSilentProgress silent;
    world.Load(CountriesData() / "database", silent);
    world.Country(1).Clubs().begin()->second->SetBadgePath("color\\Badge256\\gate.tga");

    CScriptedUserInterface ui;
    CWorkerUserInterface workerUi(ui);
    const fs::path archive = Path("cancelled.tdb");
    CLongtimeExportWorld operation(world, workerUi, archive, Path("Documents"), kDefaultLanguage);
    CDlgLongtimeOperation dialog(operation);
    auto* cancel = dialog.findChild<QPushButton*>(QStringLiteral("cancel"));
    QVERIFY(cancel != nullptr);

    // Cancel only while the worker is held in the badge read, so that it cannot stop before it
    // gets there; the dialog must then stay open until the worker has ended.
    enum class Stage { Waiting, Released } stage = Stage::Waiting;
    bool cancelEnabled = false;
    bool openWhileHeld = false;
    QTimer poll;
    connect(&poll, &QTimer::timeout, &dialog, [&] {
        if (stage != Stage::Waiting) {
            return;
        }
        const int pipe = ::open(gate.c_str(), O_WRONLY | O_NONBLOCK);
        if (pipe < 0) {
            return;  // the worker has not reached the badge yet
        }
        cancelEnabled = cancel->isEnabled();
        cancel->click();
        openWhileHeld = dialog.isVisible() && !operation.IsFinished();
        QCOMPARE(::write(pipe, "x", 1), 1);
        ::close(pipe);
        stage = Stage::Released;
    });
    poll.start(5);
    dialog.exec();

    QCOMPARE(stage, Stage::Released);
    QVERIFY(cancelEnabled);
    QVERIFY(openWhileHeld);
    QVERIFY(operation.IsFinished());
    QVERIFY(operation.Progress().IsCancelled());
    QVERIFY(!fs::exists(archive));
    QCOMPARE(world.Directory(), CountriesData() / "database");
}

void LongtimeDialogTest::closeRequestsDuringAnImportDoNothing() {
    const fs::path archive = Path("import.tdb");
    {
        CArchiveWriter writer;
        QVERIFY(writer.Create(archive));
        // An empty but whole country: a damaged one would add a message of its own.
        const std::string payload =
            std::string("\x07\0\0\0", 4) + "%INDEX%COUNTRY\r\n%INDEXEND%COUNTRY\r\n";
        QVERIFY(writer.AddChunk(
            EChunkTag::Country,
            std::span(reinterpret_cast<const std::uint8_t*>(payload.data()), payload.size())));
        QVERIFY(writer.Finish());
    }
    CWorld world(Path("install2"));
    world.SetDirectory(Path("imported"));
    CClosingUserInterface ui;
    CWorkerUserInterface workerUi(ui);
    CLongtimeImportWorld operation(world, workerUi, archive, true, kDefaultLanguage);
    CDlgLongtimeOperation dialog(operation);
    ui.dialog = &dialog;
    dialog.exec();

    QCOMPARE(ui.Messages().size(), std::size_t{1});
    QVERIFY(ui.stillOpen);
    QVERIFY(operation.IsFinished());
    QVERIFY(!operation.Progress().IsCancelled());
    QVERIFY(fs::exists(Path("imported") / "Country7.sav"));
}

}  // namespace kw

KW_GUI_TEST(LongtimeDialogTest);
#include "LongtimeDialogTest.moc"
