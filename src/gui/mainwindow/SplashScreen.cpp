#include "gui/mainwindow/SplashScreen.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QSplashScreen>
#include <QTimer>

#include "gui/controls/GuiStrings.h"
#include "gui/mainwindow/QtText.h"
#include "platform/StringTable.h"

namespace kw {

namespace {

const char* const kSplashName = "splash";
constexpr QSize kSplashSize(480, 270);

// A pitch at dusk with the program's name: the picture is drawn, so the program carries none.
QPixmap SplashPicture(qreal pixelRatio) {
    QPixmap picture(kSplashSize * pixelRatio);
    picture.setDevicePixelRatio(pixelRatio);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect area(QPoint(0, 0), kSplashSize);
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0.0, QColor(12, 28, 52));
    sky.setColorAt(0.55, QColor(30, 70, 40));
    sky.setColorAt(1.0, QColor(20, 110, 45));
    painter.fillRect(area, sky);

    painter.setPen(QPen(QColor(235, 240, 235, 150), 2));
    const int halfway = area.width() / 2;
    painter.drawLine(halfway, area.height() * 6 / 10, halfway, area.height());
    painter.drawEllipse(QPoint(halfway, area.height() - 10), 60, 24);

    painter.setPen(Qt::white);
    QFont title = QApplication::font();
    title.setPointSizeF(title.pointSizeF() * 3);
    title.setBold(true);
    painter.setFont(title);
    const QRect top(0, 40, area.width(), area.height() / 3);
    painter.drawText(top, Qt::AlignCenter, FromCp1252(GuiString(ids::kProductName)));
    QFont subtitle = QApplication::font();
    subtitle.setPointSizeF(subtitle.pointSizeF() * 1.5);
    painter.setFont(subtitle);
    painter.drawText(top.translated(0, top.height() - 10), Qt::AlignHCenter | Qt::AlignTop,
                     FromCp1252(GuiString(ids::kApplicationTitle)));
    return picture;
}

}  // namespace

QWidget* ShowingSplashScreen() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(kSplashName) && widget->isVisible()) {
            return widget;
        }
    }
    return nullptr;
}

void ShowSplashScreen(QWidget& over, std::chrono::milliseconds duration) {
    if (ShowingSplashScreen() != nullptr) {
        return;
    }
    QScreen* screen = over.screen() != nullptr ? over.screen() : QApplication::primaryScreen();
    auto* splash = new QSplashScreen(screen, SplashPicture(screen->devicePixelRatio()));
    splash->setObjectName(QLatin1String(kSplashName));
    splash->setAttribute(Qt::WA_DeleteOnClose);
    const QRect around = over.isVisible() ? over.frameGeometry() : screen->availableGeometry();
    QRect place(QPoint(0, 0), kSplashSize);
    place.moveCenter(around.center());
    splash->move(place.topLeft());
    splash->show();
    // The database load that follows blocks the event loop; the picture is painted first.
    QApplication::processEvents();
    QPointer<QWidget> window(&over);
    QTimer::singleShot(duration, splash, [splash, window] {
        splash->close();
        if (window) {
            window->update();
        }
    });
}

}  // namespace kw
