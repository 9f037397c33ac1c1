#pragma once

#include <QScrollArea>

class QTabWidget;

namespace kw {

// A tab's page that scrolls up and down when its window is lower than the page, so that a window
// of tall pages still fits a laptop's screen. It asks for the page's whole size, so a window with
// room shows the page without scrolling, but needs only the page's width and a few lines.
class CScrollingPage : public QScrollArea {
    Q_OBJECT

public:
    // Takes `page` over.
    explicit CScrollingPage(QWidget* page, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    // Passes on that the page's sizes changed, which the window's layout would not hear of.
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// The page shown by the tab at `index`: the scrolling page's content, or the tab's own widget.
QWidget* TabPage(const QTabWidget& tabs, int index);

// Sizes a window that has not been shown yet to what its layout asks for, as far as the screen it
// opens on leaves room beside its frame.
void FitToScreen(QWidget& window);

}  // namespace kw
