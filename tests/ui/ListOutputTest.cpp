#include <QCompleter>
#include <QPrintDialog>
#include <QPrinter>

#include "GuiTest.h"
#include "gui/controls/ListExportDialog.h"
#include "gui/controls/ListPrinting.h"
#include "gui/controls/ListTableFromModel.h"
#include "gui/mainwindow/QtText.h"
#include "storage/ListExport.h"

namespace kw {

using namespace test;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Page objects of a PDF file, without the page tree's "/Type /Pages".
int PdfPageCount(const QByteArray& pdf) {
    return static_cast<int>(pdf.count("/Type /Page") - pdf.count("/Type /Pages"));
}

// The duplicate players list as the editor shows it: Windows-1252 texts, with an umlaut, an
// ampersand and angle brackets among them.
SListTable PlayerList(int rows) {
    SListTable table;
    table.columns = {{"Name", EColumnAlignment::Left},
                     {"Verein", EColumnAlignment::Left},
                     {"Geburtstag", EColumnAlignment::Right},
                     {"Pos", EColumnAlignment::Centre}};
    for (int row = 0; row < rows; ++row) {
        table.rows.push_back(
            {FormatPrintf("M\xFCller %d, Hans", row),
             row % 3 == 0 ? "Rot & Wei\xDF <Nord> (Land)" : "FC Beispiel (Land)",
             FormatPrintf("%02d.%02d.19%02d", row % 28 + 1, row % 12 + 1, row % 90),
             row % 2 == 0 ? "TW" : "ST"});
    }
    return table;
}

SListPrintSettings DuplicatePlayerSettings() {
    return {"Doppelte Spieler in der Datenbank", 70, "Arial", 0.75, 1.0};
}

}  // namespace

class ListOutputTest : public QObject {
    Q_OBJECT

private slots:
    void init();

    void printsThePagesTheLayoutPredictsOrNoDocument();
    void printDialogPrintsIntoTheChosenFileOrNothing();
    void exportWritesTheCoreWritersBytesInTheChosenFormat_data();
    void exportWritesTheCoreWritersBytesInTheChosenFormat();
    void exportCancelledRefusedOrFailingWritesNothing();
    void tableIsReadFromATreeWidget();

private:
    QString Path(const QString& name) const { return m_dir->filePath(name); }
    QPrinter& PdfPrinter(const QString& name);
    // Chooses the filter and types the name as a user would, then presses Enter.
    static void ChooseFile(QFileDialog& dialog, const QString& folder, int filter,
                           const QString& name);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QPrinter> m_printer;
};

void ListOutputTest::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QPrinter& ListOutputTest::PdfPrinter(const QString& name) {
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    m_printer->setOutputFormat(QPrinter::PdfFormat);
    m_printer->setPageSize(QPageSize(QPageSize::A4));
    m_printer->setOutputFileName(Path(name));
    return *m_printer;
}

void ListOutputTest::ChooseFile(QFileDialog& dialog, const QString& folder, int filter,
                                const QString& name) {
    dialog.setDirectory(folder);
    auto* types = &Child<QComboBox>(dialog, QStringLiteral("fileTypeCombo"));
    QCOMPARE(types->count(), 3);
    QCOMPARE(types->itemText(0), QStringLiteral("Mit Tabs getrennt (*.txt)"));
    QCOMPARE(types->itemText(1), QStringLiteral("Mit Leerzeichen formatiert (*.txt)"));
    QCOMPARE(types->itemText(2), QStringLiteral("XML Style (*.xml)"));
    for (int step = 0; step < filter; ++step) {
        QTest::keyClick(types, Qt::Key_Down);
    }
    QCOMPARE(types->currentIndex(), filter);
    auto* edit = &Child<QLineEdit>(dialog, QStringLiteral("fileNameEdit"));
    edit->setFocus();
    edit->clear();
    QTest::keyClicks(edit, name);
    // A list of completions may have opened over the dialog; Escape closes only that list.
    if (QCompleter* completer = edit->completer(); completer && completer->popup()->isVisible()) {
        QTest::keyClick(completer->popup(), Qt::Key_Escape);
    }
    QTest::keyClick(edit, Qt::Key_Return);
}

// Where the rows go and which sheets are too small: ListPrintLayoutTest in tests/storage. Here the
// PDF holds exactly the pages the layout on this printer predicts; a layout fault or a file the
// printer cannot create starts no document.
void ListOutputTest::printsThePagesTheLayoutPredictsOrNoDocument() {
    const SListTable list = PlayerList(200);
    QPrinter& printer = PdfPrinter(QStringLiteral("liste.pdf"));
    QCOMPARE(PrintListTo(printer, list, DuplicatePlayerSettings()), EListPrintFault::None);
    const auto predicted = LayOutListOn(printer, list, DuplicatePlayerSettings());
    QCOMPARE(predicted.fault, EListPrintFault::None);
    // 200 rows in a 7-point font need more than one A4 page.
    QVERIFY2(predicted.layout.pageCount >= 2,
             qPrintable(QString::number(predicted.layout.pageCount)));
    QCOMPARE(PdfPageCount(ReadAll(Path(QStringLiteral("liste.pdf")))), predicted.layout.pageCount);
    // On this printer too the rows end above the bottom margin and the columns inside the right.
    const SListPrintLayout& layout = predicted.layout;
    const SPrintBox lastRow = layout.CellBox(layout.rowsPerPage - 1, 0);
    QVERIFY(lastRow.top + lastRow.height <= printer.height() - printer.logicalDpiY());
    const auto& lastColumn = layout.columns.back();
    QVERIFY(lastColumn.left + lastColumn.width <= printer.width() - printer.logicalDpiX() * 3 / 4);
    // Twice the font size needs more pages.
    SListPrintSettings larger = DuplicatePlayerSettings();
    larger.fontSize *= 2;
    QCOMPARE(PrintListTo(PdfPrinter(QStringLiteral("gross.pdf")), list, larger),
             EListPrintFault::None);
    QVERIFY(PdfPageCount(ReadAll(Path(QStringLiteral("gross.pdf")))) > layout.pageCount);

    SListPrintSettings settings = DuplicatePlayerSettings();
    settings.horizontalMargin = 4.2;  // more than half of A4's width
    QCOMPARE(PrintListTo(PdfPrinter(QStringLiteral("schmal.pdf")), list, settings),
             EListPrintFault::PageTooNarrow);
    QVERIFY(!QFile::exists(Path(QStringLiteral("schmal.pdf"))));
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    QCOMPARE(
        PrintListTo(PdfPrinter(QStringLiteral("fehlt/liste.pdf")), list, DuplicatePlayerSettings()),
        EListPrintFault::PrinterFailed);
}

// Cancelled, the print dialog prints nothing, an empty list is reported without it, and a file
// chosen in it receives the printout.
void ListOutputTest::printDialogPrintsIntoTheChosenFileOrNothing() {
    bool shown = false;
    bool result = true;
    {
        QObject scope;
        WhenModal<QPrintDialog>(scope, [&shown](QPrintDialog& dialog) {
            shown = true;
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        result = PrintList(PlayerList(10), DuplicatePlayerSettings(), nullptr);
    }
    QVERIFY(shown);
    QVERIFY(!result);
    QVERIFY(QDir(m_dir->path()).isEmpty());

    // An empty list is reported without a print dialog.
    shown = false;
    result = true;
    QString message;
    QString caption;
    {
        QObject scope;
        WhenModal<QPrintDialog>(scope, [&shown](QPrintDialog&) { shown = true; });
        WhenModal<QMessageBox>(scope, [&message, &caption](QMessageBox& box) {
            message = box.text();
            caption = box.windowTitle();
            QTest::keyClick(&box, Qt::Key_Return);
        });
        result = PrintList(PlayerList(0), DuplicatePlayerSettings(), nullptr);
    }
    QVERIFY(!result);
    QVERIFY(!shown);
    QCOMPARE(message, QStringLiteral("Die Liste ist leer, es gibt nichts zu drucken."));
    QCOMPARE(caption, QStringLiteral("Editor"));

    const QString target = Path(QStringLiteral("gedruckt.pdf"));
    shown = false;
    result = false;
    {
        QObject scope;
        WhenModal<QPrintDialog>(scope, [&shown, &target](QPrintDialog& dialog) {
            shown = true;
            auto* file = &Child<QLineEdit>(dialog, QStringLiteral("filename"));
            if (!file->isEnabled()) {
                // A real printer is chosen: go to the entry that prints into a file.
                auto* printers = &Child<QComboBox>(dialog, QStringLiteral("printers"));
                printers->setFocus();
                QTest::keyClick(printers, Qt::Key_End);
            }
            file->setFocus();
            file->selectAll();
            QTest::keyClicks(file, target);
            auto* buttons = dialog.findChild<QDialogButtonBox*>();
            QVERIFY(buttons != nullptr);
            QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        });
        result = PrintList(PlayerList(200), DuplicatePlayerSettings(), nullptr);
    }
    QVERIFY(shown);
    QVERIFY(result);
    QVERIFY(PdfPageCount(ReadAll(target)) >= 2);
}

void ListOutputTest::exportWritesTheCoreWritersBytesInTheChosenFormat_data() {
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("name");
    QTest::newRow("tabs") << 0 << QStringLiteral("liste.txt");
    QTest::newRow("blanks") << 1 << QStringLiteral("liste");
    QTest::newRow("xml") << 2 << QStringLiteral("liste.xml");
}

// The file holds what the core's writer writes for the same rows, title and format (its bytes:
// ListExportTest in tests/storage).
void ListOutputTest::exportWritesTheCoreWritersBytesInTheChosenFormat() {
    QFETCH(int, filter);
    QFETCH(QString, name);
    const SListTable list = PlayerList(30);
    const std::string title = "Doppelte Spieler in der Datenbank";
    const QString folder = m_dir->path();
    bool result = false;
    {
        QObject scope;
        WhenModal<QFileDialog>(scope, [&folder, filter, &name](QFileDialog& dialog) {
            ChooseFile(dialog, folder, filter, name);
        });
        result = ExportList(list, title, nullptr);
    }
    QVERIFY(result);
    // No suffix is added to the name as typed.
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{name});

    const QString expected = Path(QStringLiteral("erwartet"));
    QVERIFY(kw::ExportList(CListTableSource(list), title,
                           static_cast<EListExportFormat>(filter + 1),
                           std::filesystem::path(expected.toStdString())));
    QCOMPARE(ReadAll(Path(name)), ReadAll(expected));
}

// Cancelled, the export writes nothing; answering No to the dialog's question keeps the file (the
// dialog is then cancelled); a folder that is missing is reported.
void ListOutputTest::exportCancelledRefusedOrFailingWritesNothing() {
    const QString folder = m_dir->path();
    bool result = true;
    {
        QObject scope;
        WhenModal<QFileDialog>(scope, [&folder](QFileDialog& dialog) {
            dialog.setDirectory(folder);
            QTest::keyClicks(&Child<QLineEdit>(dialog, QStringLiteral("fileNameEdit")),
                             QStringLiteral("liste.txt"));
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        result = ExportList(PlayerList(5), "Titel", nullptr);
    }
    QVERIFY(!result);
    QVERIFY(QDir(folder).isEmpty());

    {
        QFile old(Path(QStringLiteral("liste.txt")));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("alt");
    }
    QString question;
    result = true;
    {
        QObject scope;
        WhenModal<QFileDialog>(scope, [&folder](QFileDialog& dialog) {
            ChooseFile(dialog, folder, 0, QStringLiteral("liste.txt"));
            QVERIFY(dialog.isVisible());  // the question was answered No; WhenModal rejects it
        });
        WhenModal<QMessageBox>(scope, [&question](QMessageBox& box) {
            question = box.text();
            box.button(QMessageBox::No)->click();
        });
        result = ExportList(PlayerList(5), "Titel", nullptr);
    }
    QVERIFY(!result);
    QVERIFY2(question.contains(QStringLiteral("liste.txt")), qPrintable(question));
    QCOMPARE(ReadAll(Path(QStringLiteral("liste.txt"))), QByteArray("alt"));

    const QString target = Path(QStringLiteral("fehlt/liste.txt"));
    QString message;
    result = true;
    {
        QObject scope;
        WhenModal<QFileDialog>(scope, [&folder](QFileDialog& dialog) {
            ChooseFile(dialog, folder, 0, QStringLiteral("fehlt/liste.txt"));
        });
        WhenModal<QMessageBox>(scope, [&message](QMessageBox& box) {
            message = box.text();
            QTest::keyClick(&box, Qt::Key_Return);
        });
        result = ExportList(PlayerList(5), "Titel", nullptr);
    }
    QVERIFY(!result);
    QCOMPARE(message, FromCp1252(FormatPrintf(GuiString(ids::kListExportFailed).data(),
                                              target.toStdString().c_str())));
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("liste.txt")});
}

void ListOutputTest::tableIsReadFromATreeWidget() {
    QTreeWidget tree;
    tree.setHeaderLabels(
        {QStringLiteral("Name"), QStringLiteral("Geburtstag"), QStringLiteral("Pos")});
    tree.headerItem()->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    tree.headerItem()->setTextAlignment(2, Qt::AlignHCenter);
    new QTreeWidgetItem(&tree, {QStringLiteral("Mürbel, Jürgen"), QStringLiteral("01.02.1980"),
                                QStringLiteral("TW")});
    new QTreeWidgetItem(&tree, {QStringLiteral("Ärger € Ω"), QString(), QStringLiteral("ST")});

    const SListTable table = ListTableFromModel(*tree.model());
    QCOMPARE(table.ColumnCount(), 3);
    QCOMPARE(table.columns[0].heading, std::string("Name"));
    QCOMPARE(table.columns[1].heading, std::string("Geburtstag"));
    QVERIFY(table.columns[0].alignment == EColumnAlignment::Left);
    QVERIFY(table.columns[1].alignment == EColumnAlignment::Right);
    QVERIFY(table.columns[2].alignment == EColumnAlignment::Centre);
    QCOMPARE(table.RowCount(), 2);
    QCOMPARE(std::string(table.Cell(0, 0)), std::string("M\xFCrbel, J\xFCrgen"));
    QCOMPARE(std::string(table.Cell(0, 2)), std::string("TW"));
    // Characters without a Windows-1252 code become '?', as everywhere the model meets Qt.
    QCOMPARE(std::string(table.Cell(1, 0)), std::string("\xC4rger \x80 ?"));
    QCOMPARE(std::string(table.Cell(1, 1)), std::string());
}

}  // namespace kw

KW_GUI_TEST(ListOutputTest);

#include "ListOutputTest.moc"
