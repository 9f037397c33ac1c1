#include "GuiTest.h"
#include "gui/controls/DialogB.h"
#include "gui/controls/DlgErrorSingle.h"
#include "gui/controls/DlgInputBox.h"
#include "gui/controls/MyTabCtrl.h"

namespace kw {

using namespace test;

namespace {

// A top-level dialog with a field and OK and Cancel, OK the default button.
struct SFieldDialog {
    explicit SFieldDialog(CDialogB& dialog) : field(new QLineEdit(&dialog)) {
        auto* buttons =
            new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
        QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
        QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(field);
        layout->addWidget(buttons);
    }
    QLineEdit* field;
};

QStringList ButtonTexts(const QWidget& dialog) {
    QStringList texts;
    for (const QPushButton* button : dialog.findChildren<QPushButton*>()) {
        texts << button->text();
    }
    texts.sort();
    return texts;
}

}  // namespace

class ControlDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void enterAndEscapeCloseATopLevelDialogButNotAPageAndNumbersAreClamped();
    void menusAndTheDragImageShowTheControlsText();

    void messageDialogsButtonsAndTheInputBox();
};

void ControlDialogsTest::enterAndEscapeCloseATopLevelDialogButNotAPageAndNumbersAreClamped() {
    CDialogB dialog;
    SFieldDialog parts(dialog);
    QVERIFY(!dialog.IsPage());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClicks(parts.field, QStringLiteral("Text"));
    QTest::keyClick(parts.field, Qt::Key_Return);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClick(parts.field, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));

    // Pages inside it ignore Enter and Escape.
    auto* tabs = new CMyTabCtrl(&dialog);
    dialog.layout()->addWidget(tabs);
    // One page made as a page, one made as a dialog and then put into the tabs.
    auto* page = new CDialogB(nullptr, CDialogB::ERole::Page);
    auto* pageField = new QLineEdit(page);
    auto* adopted = new CDialogB;
    auto* adoptedField = new QLineEdit(adopted);
    tabs->AddPage(page, QStringLiteral("Seite"));
    tabs->AddPage(adopted, QStringLiteral("Zweite"));
    QVERIFY(page->IsPage());
    QVERIFY(adopted->IsPage());

    QSignalSpy accepted(&dialog, &QDialog::accepted);
    QSignalSpy rejected(&dialog, &QDialog::rejected);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    for (QLineEdit* field : {pageField, adoptedField}) {
        tabs->setCurrentIndex(field == pageField ? 0 : 1);
        QVERIFY(field->isVisible());
        QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClick(field, Qt::Key_Enter);
        QTest::keyClick(field, Qt::Key_Escape);
        QVERIFY(field->isVisible());
        QVERIFY(dialog.isVisible());
    }
    QCOMPARE(accepted.count(), 0);
    QCOMPARE(rejected.count(), 0);

    // The dialog's own field still takes the OK path.
    QTest::keyClick(parts.field, Qt::Key_Return);
    QCOMPARE(accepted.count(), 1);

    // A number outside the range is replaced by the nearer bound.
    // Which bound for which text: ClampedEditValue in tests/forms.
    QLineEdit above(QStringLiteral("150"));
    QVERIFY(CDialogB::ClampEditToSpin(above, 0, 99));
    QCOMPARE(above.text(), QStringLiteral("99"));
    QLineEdit inside(QStringLiteral("50"));
    QVERIFY(!CDialogB::ClampEditToSpin(inside, 0, 99));
    QCOMPARE(inside.text(), QStringLiteral("50"));
}

void ControlDialogsTest::menusAndTheDragImageShowTheControlsText() {
    QPushButton remove(QStringLiteral("&Löschen"));
    QPushButton longer(QString(200, QLatin1Char('x')));
    QSignalSpy clicked(&remove, &QPushButton::clicked);
    QMenu menu;
    QAction* item = CDialogB::AddMenuItemFromControl(menu, remove, true);
    QAction* greyed = CDialogB::AddMenuItemFromControl(menu, longer, false);
    QCOMPARE(menu.actions().size(), 2);
    QCOMPARE(item->text(), QStringLiteral("&Löschen"));
    QVERIFY(item->isEnabled());
    QCOMPARE(greyed->text(), QString(127, QLatin1Char('x')));
    QVERIFY(!greyed->isEnabled());
    item->trigger();
    QCOMPARE(clicked.count(), 1);

    QWidget window;
    auto* control = new QLabel(QStringLiteral("Liste"), &window);
    control->setGeometry(10, 10, 100, 40);
    window.resize(300, 200);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    menu.clear();
    menu.addAction(QStringLiteral("&Neu"));
    QVERIFY(!CDialogB::ShowContextMenu(*control, menu, window.mapToGlobal(QPoint(200, 150))));
    QVERIFY(!menu.isVisible());
    QVERIFY(CDialogB::ShowContextMenu(*control, menu, control->mapToGlobal(QPoint(50, 20))));
    QVERIFY(menu.isVisible());
    menu.close();

    // The drag image shows the text on transparency.
    CDialogB source;
    QVERIFY(source.MakeDragImage(QString()).isNull());
    const QPixmap pixmap = source.MakeDragImage(QStringLiteral("Kowalski"));
    QVERIFY(!pixmap.isNull());
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    const QFontMetrics metrics(source.font());
    QCOMPARE(pixmap.deviceIndependentSize().toSize().height(), metrics.height());
    QVERIFY(pixmap.deviceIndependentSize().width() >= metrics.horizontalAdvance("Kowalski"));
    int transparent = 0;
    int text = 0;
    const QRgb windowText = source.palette().color(QPalette::WindowText).rgb();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            transparent += qAlpha(pixel) == 0 ? 1 : 0;
            text += qAlpha(pixel) == 255 && (pixel | 0xFF000000u) == windowText ? 1 : 0;
        }
    }
    QVERIFY(transparent > image.width() * image.height() / 2);
    QVERIFY(text > 0);
}

void ControlDialogsTest::messageDialogsButtonsAndTheInputBox() {
    CDlgErrorMessage dialog;
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("heading"))->text(),
             QStringLiteral("Fehler"));
    QCOMPARE(ButtonTexts(dialog), (QStringList{QStringLiteral("Abbruch"), QStringLiteral("OK")}));
    dialog.SetHeading(ids::kErrorOccurred);
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("heading"))->text(),
             QStringLiteral("Der folgende Fehler ist aufgetreten!"));
    // Where it stops collecting: CMessageList in tests/forms/ControlRulesTest.cpp.
    dialog.AddText("Land 12");
    dialog.AppendText("Land ");
    dialog.AppendText("40");
    QCOMPARE(dialog.findChild<QPlainTextEdit*>()->toPlainText(),
             QStringLiteral("Land 12\nLand 40"));

    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::mouseClick(ButtonWithText(dialog, QStringLiteral("Abbruch")), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    dialog.show();
    QTest::mouseClick(ButtonWithText(dialog, QStringLiteral("OK")), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    dialog.SetButtonTexts(0, ids::kNoMatter);
    QCOMPARE(ButtonTexts(dialog), (QStringList{QStringLiteral("Egal"), QStringLiteral("OK")}));
    dialog.show();
    QTest::mouseClick(ButtonWithText(dialog, QStringLiteral("Egal")), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    dialog.SetButtonTexts(ids::kCancel, 0);
    QCOMPARE(dialog.OkButton()->text(), QStringLiteral("Abbruch"));
    QCOMPARE(dialog.CancelButton()->text(), QStringLiteral("Egal"));

    // The attention dialog has only OK.
    CDlgErrorSingle attention;
    QCOMPARE(ButtonTexts(attention), QStringList{QStringLiteral("OK")});
    attention.SetHeading(ids::kCompleteCountries);
    attention.AddMessage(ids::kFirstLeague);
    QCOMPARE(attention.Text(), std::string("1. Liga\n"));
    attention.show();
    QVERIFY(QTest::qWaitForWindowExposed(&attention));
    QTest::keyClick(&attention, Qt::Key_Return);
    QVERIFY(!attention.isVisible());
    QCOMPARE(attention.result(), int(QDialog::Accepted));

    // The input box splits its prompt, selects the default and keeps to its maximum length.
    CDlgInputBox box;
    box.SetPrompt(
        "Neue Datenbank erstellen\tWelchen Namen soll die neue Datenbank bekommen?\tNeueDatenbank");
    QCOMPARE(box.windowTitle(), QStringLiteral("Neue Datenbank erstellen"));
    QCOMPARE(box.Prompt()->text(),
             QStringLiteral("Welchen Namen soll die neue Datenbank bekommen?"));
    QCOMPARE(ButtonTexts(box), (QStringList{QStringLiteral("Abbrechen"), QStringLiteral("OK")}));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(box.Field()->text(), QStringLiteral("NeueDatenbank"));
    QCOMPARE(box.Field()->selectedText(), QStringLiteral("NeueDatenbank"));
    // Typing replaces the selected default.
    QTest::keyClicks(box.Field(), QStringLiteral("Saison 2006 "));
    TypeText(box.Field(), QStringLiteral("€"));
    QTest::keyClick(box.Field(), Qt::Key_Return);
    QCOMPARE(box.result(), int(QDialog::Accepted));
    QCOMPARE(box.Text(), std::string("Saison 2006 \x80"));

    // A given default replaces the source's; "Abbrechen" cancels.
    box.SetPrompt("Titel\tFrage\tAlt", "Neu");
    QCOMPARE(box.Field()->text(), QStringLiteral("Neu"));
    box.show();
    QTest::mouseClick(ButtonWithText(box, QStringLiteral("Abbrechen")), Qt::LeftButton);
    QCOMPARE(box.result(), int(QDialog::Rejected));

    box.SetMaxLength(8);
    box.SetPrompt("Name\tWie soll die Datenbank heissen?\tEinSehrLangerName");
    QCOMPARE(box.Field()->text(), QStringLiteral("EinSehrL"));
    box.show();
    QTest::keyClicks(box.Field(), QStringLiteral("abcdefghijkl"));
    QCOMPARE(box.Text(), std::string("abcdefgh"));

    box.SetMaxLength(0);
    QTest::keyClicks(box.Field(), QString(100, QLatin1Char('z')));
    QCOMPARE(box.Text().size(), std::size_t{108});

    // Ask gives the text on OK and nothing on Cancel.
    WhenModal<CDlgInputBox>(*this, [](CDlgInputBox& box) {
        QCOMPARE(box.Field()->selectedText(), QStringLiteral("Vorgabe"));
        QTest::keyClicks(box.Field(), QStringLiteral("Meine Liga"));
        QTest::keyClick(box.Field(), Qt::Key_Enter);
    });
    QCOMPARE(CDlgInputBox::Ask(nullptr, "Titel\tFrage\tVorgabe", 32),
             std::optional<std::string>("Meine Liga"));

    WhenModal<CDlgInputBox>(*this, [](CDlgInputBox& box) {
        QTest::keyClicks(box.Field(), QStringLiteral("verworfen"));
        QTest::keyClick(box.Field(), Qt::Key_Escape);
    });
    QCOMPARE(CDlgInputBox::Ask(nullptr, "Titel\tFrage\tVorgabe", 32), std::nullopt);
}

}  // namespace kw

KW_GUI_TEST(ControlDialogsTest);
#include "ControlDialogsTest.moc"
