#include "SceneCapture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QTabWidget>
#include <QThread>
#include <QWidget>

#include <stdexcept>

namespace kw::screens {

namespace {

constexpr int kSettleMs = 150;

bool ShowsSomething(const QImage& image) {
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != first) {
                return true;
            }
        }
    }
    return false;
}

QString Save(QWidget& widget, const QString& file, const QDir& folder) {
    const QImage image = widget.grab().toImage();
    const QString path = folder.filePath(file);
    if (image.isNull() || !ShowsSomething(image)) {
        throw std::runtime_error(file.toStdString() + " shows nothing");
    }
    if (!image.save(path, "PNG")) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
    return path;
}

void ProcessEventsFor(int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
}

}  // namespace

QString FileNamePart(const QString& text) {
    QString part;
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.unicode() < 128 && c.isLetterOrNumber()) {
            part += c;
        }
    }
    return part;
}

bool Settle(const std::function<bool()>& ready, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!ready()) {
        if (clock.elapsed() > timeoutMs) {
            return false;
        }
        ProcessEventsFor(10);
    }
    ProcessEventsFor(kSettleMs);
    return true;
}

QStringList Capture(QWidget& widget, const QString& name, const QDir& folder) {
    QStringList written{Save(widget, name + QStringLiteral(".png"), folder)};
    for (QTabWidget* tabs : widget.findChildren<QTabWidget*>()) {
        const int current = tabs->currentIndex();
        for (int index = 0; index < tabs->count(); ++index) {
            tabs->setCurrentIndex(index);
            ProcessEventsFor(kSettleMs);
            QString file = name + QLatin1Char('-') + FileNamePart(tabs->tabText(index));
            if (written.contains(folder.filePath(file + QStringLiteral(".png")))) {
                file += QString::number(index);
            }
            written << Save(widget, file + QStringLiteral(".png"), folder);
        }
        tabs->setCurrentIndex(current);
    }
    return written;
}

}  // namespace kw::screens
