#include "gui/controls/ScrollingPage.h"

#include <QEvent>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTabWidget>

#include <algorithm>

namespace kw {

namespace {

// Lines of a page that stay visible however low the window is made.
constexpr int kMinimumLines = 8;

}  // namespace

CScrollingPage::CScrollingPage(QWidget* page, QWidget* parent) : QScrollArea(parent) {
    setObjectName(page->objectName() + QStringLiteral("Scroll"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidget(page);
    page->installEventFilter(this);
}

bool CScrollingPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == widget() && event->type() == QEvent::LayoutRequest) {
        updateGeometry();
    }
    return QScrollArea::eventFilter(watched, event);
}

QSize CScrollingPage::sizeHint() const {
    const int frame = 2 * frameWidth();
    return widget()->sizeHint().expandedTo(widget()->minimumSizeHint()) + QSize(frame, frame);
}

QSize CScrollingPage::minimumSizeHint() const {
    const int frame = 2 * frameWidth();
    const QSize page = widget()->minimumSizeHint();
    const int lines = fontMetrics().lineSpacing() * kMinimumLines;
    // Room for the scroll bar beside the page, so that scrolling never squeezes the page.
    return {page.width() + verticalScrollBar()->sizeHint().width() + frame,
            std::min(page.height(), lines) + frame};
}

QWidget* TabPage(const QTabWidget& tabs, int index) {
    QWidget* shown = tabs.widget(index);
    if (auto* scrolling = qobject_cast<CScrollingPage*>(shown)) {
        return scrolling->widget();
    }
    return shown;
}

void FitToScreen(QWidget& window) {
    window.ensurePolished();
    const QScreen* screen = window.screen();
    if (screen == nullptr) {
        return;
    }
    // The frame is not known before the window is shown: leave a title bar's height and the
    // borders beside it.
    const int title = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
    const QSize room = screen->availableGeometry().size() - QSize(title, 2 * title);
    window.resize(window.sizeHint().boundedTo(room).expandedTo(window.minimumSizeHint()));
}

}  // namespace kw
