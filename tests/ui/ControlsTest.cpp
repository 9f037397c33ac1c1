#include <QImage>
#include <QPainter>
#include <QStyleOptionViewItem>
#include <QToolButton>

#include <utility>

#include "GuiTest.h"
#include "assets/Dib.h"
#include "assets/Tga.h"
#include "forms/ColourItemLayout.h"
#include "gui/controls/DialogB.h"
#include "gui/controls/ListContextMenu.h"
#include "gui/controls/MyListBox.h"
#include "gui/controls/MyTabCtrl.h"
#include "gui/controls/SelectColour.h"
#include "gui/controls/ShowBitmap.h"

namespace kw {

using namespace test;

namespace {

// A shown, active window holding `control` and a plain field that can take the focus away.
class CFocusWindow {
public:
    explicit CFocusWindow(QWidget* control) : m_other(new QLineEdit) {
        auto* layout = new QVBoxLayout(&m_window);
        layout->addWidget(control);
        layout->addWidget(m_other);
        m_window.show();
        m_window.activateWindow();
    }
    bool Activate() { return QTest::qWaitForWindowActive(&m_window); }
    // Focus moves the way a user's Tab would; the focus events come synchronously.
    void FocusOther() { m_other->setFocus(Qt::TabFocusReason); }
    QWidget& Window() { return m_window; }

private:
    QWidget m_window;
    QLineEdit* m_other;
};

// The leftmost and rightmost columns of `row` in `image` that are not the background colour.
std::optional<std::pair<int, int>> InkColumns(const QImage& image, const QRect& row, int from,
                                              int to, QRgb background) {
    std::optional<std::pair<int, int>> ink;
    for (int x = std::max(from, 0); x < std::min(to, image.width()); ++x) {
        for (int y = row.top(); y <= row.bottom(); ++y) {
            if (image.pixel(x, y) != background) {
                ink = ink ? std::pair{ink->first, x} : std::pair{x, x};
                break;
            }
        }
    }
    return ink;
}

int CountPixels(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixel(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

}  // namespace

class ControlsTest : public QObject {
    Q_OBJECT

private slots:
    void typedTextIsTakenWhenTheFieldIsLeftAndArrowsStopAtTheBound();

    void rowPiecesAreDrawnInTheirColumnsWithTheirAlignmentAndTheFocusedRowFramed();
    void rightClickKeepsTheRowsSelectedWhenItPointsIntoThem();

    void colourItemsShowTheirSwatchAndNameAndGreyWhenDisabled();

    void leavingAPageIsAskedFirstAndListUpdatesReachTheOwner();

    void pictureKeepsItsOwnCopyAndTheKeyColourShowsWhite();

    void barKeysAndThumbFollowItsDirection();
};

// What typed text gives and when it is announced: CSpinEditValue in
// tests/forms/ControlRulesTest.cpp; here the field applies it when left.
void ControlsTest::typedTextIsTakenWhenTheFieldIsLeftAndArrowsStopAtTheBound() {
    auto* spin = new CSpinEditCtrl;
    CFocusWindow window(spin);
    QVERIFY(window.Activate());
    QSignalSpy heard(spin, &CSpinEditCtrl::SpinEditChanged);
    // Typed text, what the field shows when left, and the value announced (-1: none).
    struct SRow {
        int maximum;
        int stored;
        const char* typed;
        const char* shown;
        int announced;
    };
    // "150" differs from the stored 99, so it is announced although it clamps to 99.
    for (const SRow& row : {SRow{99, 99, "150", "99", 99}, SRow{100, 7, "007 Tore", "7", -1}}) {
        spin->SetRange(0, row.maximum);
        spin->SetValue(row.stored);
        heard.clear();
        spin->Field()->setFocus(Qt::TabFocusReason);
        spin->Field()->selectAll();
        QTest::keyClicks(spin->Field(), QString::fromUtf8(row.typed));
        // Any text may be typed; nothing is announced while typing.
        QCOMPARE(spin->Field()->text(), QString::fromUtf8(row.typed));
        QCOMPARE(heard.count(), 0);
        window.FocusOther();
        QCOMPARE(spin->Field()->text(), QString::fromUtf8(row.shown));
        QCOMPARE(spin->StoredValue(), QString::fromUtf8(row.shown).toInt());
        const int announcements = row.announced < 0 ? 0 : 1;
        QCOMPARE(heard.count(), announcements);
        if (announcements != 0) {
            QCOMPARE(heard.at(0).at(0).toInt(), row.announced);
        }
        // Entering and leaving again without typing announces nothing.
        spin->Field()->setFocus(Qt::TabFocusReason);
        window.FocusOther();
        QCOMPARE(heard.count(), announcements);
    }

    heard.clear();
    spin->Clear();
    spin->Field()->setFocus(Qt::TabFocusReason);
    window.FocusOther();
    QCOMPARE(spin->Field()->text(), QString());
    QCOMPARE(heard.count(), 0);
    // The value it held before (7) is shown and announced.
    spin->SetValue(7);
    QCOMPARE(spin->Field()->text(), QStringLiteral("7"));
    QCOMPARE(heard.count(), 1);

    // Setting the current value again notifies nobody.
    spin->SetRange(150, 220);
    spin->SetValue(220);
    heard.clear();
    spin->SetValue(220);
    QCOMPARE(heard.count(), 0);

    auto arrows = spin->findChildren<QToolButton*>();
    QCOMPARE(arrows.size(), 2);
    QToolButton* up = arrows[0]->arrowType() == Qt::UpArrow ? arrows[0] : arrows[1];
    QToolButton* down = up == arrows[0] ? arrows[1] : arrows[0];
    QTest::mouseClick(up, Qt::LeftButton);
    QCOMPARE(spin->Field()->text(), QStringLiteral("220"));
    QCOMPARE(spin->StoredValue(), 220);

    QTest::mouseClick(down, Qt::LeftButton);
    QCOMPARE(spin->Field()->text(), QStringLiteral("219"));
    QCOMPARE(heard.last().at(0).toInt(), 219);

    // The arrow keys in the field step from what the field shows.
    spin->Field()->setFocus(Qt::TabFocusReason);
    spin->Field()->selectAll();
    QTest::keyClicks(spin->Field(), QStringLiteral("160"));
    QCOMPARE(spin->GetValue(), 160);
    QTest::keyClick(spin->Field(), Qt::Key_Up);
    QCOMPARE(spin->Field()->text(), QStringLiteral("161"));
    QCOMPARE(spin->Field()->selectedText(), QStringLiteral("161"));
    QCOMPARE(spin->StoredValue(), 161);
    QTest::keyClick(spin->Field(), Qt::Key_Down);
    QCOMPARE(spin->StoredValue(), 160);
}

namespace {

struct SListFixture {
    SListFixture() : list(new CMyListBox) {
        QFont big = list->font();
        big.setPixelSize(14);
        list->setFont(big);
        list->setFixedWidth(400);
    }
    // Spans and ink of row `index`, in viewport pixels.
    std::vector<SColumnSpan> Spans() const {
        return list->Columns().Spans(list->fontMetrics().averageCharWidth(),
                                     list->viewport()->width());
    }
    std::optional<std::pair<int, int>> Ink(int row, int from, int to) const {
        const QImage image =
            list->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        return InkColumns(image, list->visualItemRect(list->item(row)), from, to,
                          list->palette().color(QPalette::Base).rgb());
    }
    CMyListBox* list;
};

}  // namespace

// Which piece goes into which span, and spans beyond the list's width: CListColumns in
// tests/forms; here the list paints each piece inside its span.
void ControlsTest::rowPiecesAreDrawnInTheirColumnsWithTheirAlignmentAndTheFocusedRowFramed() {
    SListFixture fixture;
    CMyListBox& list = *fixture.list;
    list.SetColumns({SListColumn{0, 60, EColumnAlign::Left},
                     SListColumn{70, 120, EColumnAlign::Right},
                     SListColumn{130, 180, EColumnAlign::Centre}});
    list.AddRow("Kowalski\t24\tST");
    CFocusWindow window(&list);
    QVERIFY(window.Activate());
    // Without the focus, no row is framed.
    window.FocusOther();
    QCOMPARE(list.Row(0), std::string("Kowalski\t24\tST"));

    const std::vector<SColumnSpan> spans = fixture.Spans();
    QCOMPARE(spans.size(), std::size_t{3});
    for (std::size_t i = 0; i < spans.size(); ++i) {
        QVERIFY(!spans[i].Empty());
        // Each piece's ink lies inside its own column and nowhere between.
        const auto ink = fixture.Ink(0, spans[i].left, spans[i].right);
        QVERIFY2(ink.has_value(), qPrintable(QStringLiteral("column %1 is empty").arg(i)));
        const int centre = (ink->first + ink->second) / 2;
        if (i == 0) {
            QVERIFY(ink->first - spans[i].left <= 3);
        } else if (i == 1) {
            QVERIFY(spans[i].right - ink->second <= 4);
            QVERIFY(ink->first - spans[i].left > 10);
        } else {
            QVERIFY(std::abs(centre - (spans[i].left + spans[i].right) / 2) <= 3);
        }
    }
    QVERIFY(!fixture.Ink(0, spans[0].right, spans[1].left).has_value());
    QVERIFY(!fixture.Ink(0, spans[1].right, spans[2].left).has_value());

    // The focused row is framed in red; left presses select unless forwarded.
    list.AddRow("Brandt\t19");
    list.setFocus(Qt::TabFocusReason);
    list.setCurrentRow(1);
    const QImage image = list.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect first = list.visualItemRect(list.item(0));
    const QRect second = list.visualItemRect(list.item(1));
    QCOMPARE(CountPixels(image.copy(first), qRgb(255, 0, 0)), 0);
    // The frame runs round the whole row.
    QVERIFY(CountPixels(image.copy(second), qRgb(255, 0, 0)) >= 2 * second.width());
    QVERIFY(CountPixels(image.copy(second), list.palette().color(QPalette::Highlight).rgb()) >
            second.width());

    QSignalSpy left(&list, &CMyListBox::LeftButtonPressed);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, first.center());
    QCOMPARE(list.currentRow(), 0);
    QCOMPARE(left.count(), 0);
    list.SetForwardLeftClicks(true);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(list.currentRow(), 0);
    QCOMPARE(left.count(), 1);
    QCOMPARE(left.at(0).at(0).toPoint(), list.viewport()->mapToGlobal(second.center()));
}

void ControlsTest::rightClickKeepsTheRowsSelectedWhenItPointsIntoThem() {
    QTreeWidget list;
    list.setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (const char* name : {"Kowalski", "Brandt", "Weber"}) {
        new QTreeWidgetItem(&list, {QString::fromLatin1(name)});
    }
    QPoint opened;
    ConnectContextMenu(list, [&opened](QPoint at) { opened = at; });
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    list.setCurrentItem(list.topLevelItem(0));
    list.topLevelItem(1)->setSelected(true);
    // On the second selected row, then below the rows: the menu opens there, on both rows.
    for (const QPoint at : {list.visualItemRect(list.topLevelItem(1)).center(),
                            QPoint(4, list.viewport()->height() - 4)}) {
        QTest::mouseClick(list.viewport(), Qt::RightButton, {}, at);
        QCOMPARE(opened, list.viewport()->mapToGlobal(at));
        QCOMPARE(list.selectedItems().size(), 2);
        QCOMPARE(list.currentItem(), list.topLevelItem(1));
    }
}

void ControlsTest::colourItemsShowTheirSwatchAndNameAndGreyWhenDisabled() {
    CSelectColour colours;
    QCOMPARE(colours.AddColour("Rot", QColor(200, 16, 32)), 0);
    QCOMPARE(colours.AddColour("Blau", QColor(20, 60, 180)), 1);
    QCOMPARE(colours.Colour(1), QColor(20, 60, 180));
    QVERIFY(!colours.Colour(2).isValid());
    QCOMPARE(colours.itemText(0), QStringLiteral("Rot"));

    // An item of the open list, drawn selected.
    QImage image(200, 24, QImage::Format_RGB32);
    image.fill(Qt::white);
    QStyleOptionViewItem option;
    option.initFrom(&colours);
    option.rect = QRect(0, 0, 200, 24);
    option.state = QStyle::State_Enabled | QStyle::State_Selected;
    {
        QPainter painter(&image);
        colours.itemDelegate()->paint(&painter, option, colours.model()->index(1, 0));
    }
    const SColourItemLayout layout = LayOutColourItem(SPixelRect{0, 0, 200, 24});
    const QPoint swatchCentre(layout.swatch.left + layout.swatch.width / 2,
                              layout.swatch.top + layout.swatch.height / 2);
    QCOMPARE(QColor(image.pixel(swatchCentre)), QColor(20, 60, 180));
    QCOMPARE(QColor(image.pixel(layout.swatch.left, layout.swatch.top)), QColor(Qt::black));
    QCOMPARE(QColor(image.pixel(1, 1)), option.palette.color(QPalette::Highlight));
    // Right of the name's start, the name's ink.
    const auto ink = InkColumns(image, QRect(0, 3, 200, 18), layout.text.left, 200,
                                option.palette.color(QPalette::Highlight).rgb());
    QVERIFY(ink.has_value());
    QVERIFY(ink->first >= layout.text.left);

    // The closed box shows the current item's swatch.
    colours.setCurrentIndex(1);
    colours.resize(200, colours.sizeHint().height());
    QVERIFY(CountPixels(colours.grab().toImage().convertToFormat(QImage::Format_RGB32),
                        QColor(20, 60, 180).rgb()) > 20);
    // Disabled, it greys its swatch.
    colours.setEnabled(false);
    const QImage greyed = colours.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(CountPixels(greyed, QColor(20, 60, 180).rgb()), 0);
    QVERIFY(CountPixels(greyed, colours.palette().color(QPalette::Disabled, QPalette::Text).rgb()) >
            20);
}

namespace {

struct STabFixture {
    STabFixture() : tabs(new CMyTabCtrl) {
        for (const char* label : {"Allgemein", "Vertrag", "Historie"}) {
            auto* page = new CDialogB(nullptr, CDialogB::ERole::Page);
            new QLineEdit(QString::fromLatin1(label), page);
            pages.push_back(page);
            tabs->AddPage(page, QString::fromLatin1(label));
        }
        tabs->SetLeaveQuery([this](int index) {
            asked.push_back(index);
            return allowLeaving;
        });
    }
    void ClickTab(int index) {
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {},
                          tabs->tabBar()->tabRect(index).center());
    }
    CMyTabCtrl* tabs;
    std::vector<CDialogB*> pages;
    std::vector<int> asked;
    bool allowLeaving = true;
};

}  // namespace

void ControlsTest::leavingAPageIsAskedFirstAndListUpdatesReachTheOwner() {
    STabFixture fixture;
    CFocusWindow window(fixture.tabs);
    QVERIFY(QTest::qWaitForWindowExposed(&window.Window()));
    QSignalSpy entered(fixture.tabs, &CMyTabCtrl::PageEntered);
    // Refused, the page stays.
    fixture.allowLeaving = false;
    fixture.ClickTab(2);
    QCOMPARE(fixture.asked, std::vector<int>{0});
    QCOMPARE(fixture.tabs->currentIndex(), 0);
    QCOMPARE(fixture.tabs->tabBar()->currentIndex(), 0);
    QVERIFY(fixture.pages[0]->isVisible());
    QVERIFY(!fixture.pages[2]->isVisible());
    QCOMPARE(entered.count(), 0);

    fixture.allowLeaving = true;
    fixture.ClickTab(1);
    fixture.ClickTab(2);
    QCOMPARE(fixture.asked, (std::vector<int>{0, 0, 1}));
    QCOMPARE(fixture.tabs->currentIndex(), 2);
    QVERIFY(fixture.pages[2]->isVisible());
    QVERIFY(!fixture.pages[0]->isVisible());
    QCOMPARE(entered.count(), 2);
    QCOMPARE(entered.at(0).at(0).toInt(), 1);
    QCOMPARE(entered.at(1).at(0).toInt(), 2);
    // Pages in tabs are no windows of their own.
    QVERIFY(fixture.pages[2]->IsPage());

    QSignalSpy updates(fixture.tabs, &CMyTabCtrl::ListUpdate);
    fixture.pages[1]->NotifyListUpdate();
    fixture.pages[2]->NotifyListUpdate();
    QCOMPARE(updates.count(), 2);
}

// Each step's value is ScrollValue in tests/forms/ControlRulesTest.cpp; here the keys and the thumb
// reach it.
void ControlsTest::barKeysAndThumbFollowItsDirection() {
    struct SRow {
        EScrollDirection direction;
        int minimum;
        int maximum;
        Qt::Key growKey;  // the arrow key towards the larger value
        int thumb;
        int thumbValue;
    };
    // The contract-end bar: the current year to 2015, the latest at the top.
    for (const SRow& row : {SRow{EScrollDirection::Plain, 0, 10, Qt::Key_Right, 8, 8},
                            SRow{EScrollDirection::Reversed, 2006, 2015, Qt::Key_Up, 2008, 2013}}) {
        const bool plain = row.direction == EScrollDirection::Plain;
        CValueScrollBar bar(row.direction, plain ? Qt::Horizontal : Qt::Vertical);
        bar.setRange(row.minimum, row.maximum);
        bar.setPageStep(3);
        bar.SetValue(row.minimum + 4);
        QSignalSpy changes(&bar, &CValueScrollBar::BarValueChanged);
        QTest::keyClick(&bar, row.growKey);
        QCOMPARE(bar.Value(), row.minimum + 5);
        // Home is the top of a vertical bar: the largest value of a reversed one.
        QTest::keyClick(&bar, Qt::Key_Home);
        QCOMPARE(bar.Value(), plain ? row.minimum : row.maximum);
        QCOMPARE(bar.sliderPosition(), row.minimum);
        QTest::keyClick(&bar, Qt::Key_End);
        QCOMPARE(bar.Value(), plain ? row.maximum : row.minimum);
        bar.setSliderPosition(row.thumb);
        QCOMPARE(bar.Value(), row.thumbValue);
        QCOMPARE(changes.count(), 4);
        QCOMPARE(changes.last().at(0).toInt(), row.thumbValue);
    }
}

void ControlsTest::pictureKeepsItsOwnCopyAndTheKeyColourShowsWhite() {
    SImage image(2, 1);
    image.At(0, 0) = Argb(8, 8, 8);
    image.At(1, 0) = Argb(200, 10, 20);
    const auto bmp = ConvertTgaToDib(EncodeTga(image, 24, TgaCoding::Uncompressed));
    QVERIFY(bmp.has_value());
    CDib dib;
    QVERIFY(dib.LoadFromMemory(*bmp));

    CShowBitmap picture;
    picture.SetDib(dib, false);
    dib.Clear();
    QVERIFY(picture.HasBitmap());
    QCOMPARE(picture.ShownImage().pixel(0, 0), qRgb(255, 255, 255));
    QCOMPARE(picture.ShownImage().pixel(1, 0), qRgb(200, 10, 20));

    // A badge is shown as it is: the key colour stays.
    picture.SetBitmap(&image);
    QCOMPARE(picture.ShownImage().pixel(0, 0), qRgb(8, 8, 8));
    picture.SetBitmap(nullptr);
    QVERIFY(!picture.HasBitmap());
}

}  // namespace kw

KW_GUI_TEST(ControlsTest);
#include "ControlsTest.moc"
