#include "gui/controls/ShowBitmap.h"

#include <QPainter>

#include "assets/Dib.h"
#include "assets/ImageKey.h"

namespace kw {

namespace {

constexpr int kDefaultSide = 128;

}  // namespace

CShowBitmap::CShowBitmap(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CShowBitmap::SetBitmap(const SImage* image) {
    if (image == nullptr) {
        Clear();
        return;
    }
    Show(*image, false);
}

void CShowBitmap::SetDib(const CDib& dib, bool fitToControl) {
    if (!dib.IsLoaded()) {
        Clear();
        return;
    }
    SImage keyed = dib.Image();
    ReplaceKeyColour(keyed, kTransparentKey, Argb(255, 255, 255));
    Show(keyed, fitToControl);
}

void CShowBitmap::Clear() {
    m_image = QImage();
    updateGeometry();
    update();
}

void CShowBitmap::Show(const SImage& image, bool fitToControl) {
    // The pixels are 0xAARRGGBB in rows top first, which is QImage's ARGB32 in memory; the copy
    // detaches it from the vector.
    m_image = QImage(reinterpret_cast<const uchar*>(image.pixels.data()), image.width, image.height,
                     image.width * 4, QImage::Format_ARGB32)
                  .copy();
    m_fit = fitToControl;
    updateGeometry();
    update();
}

QSize CShowBitmap::sizeHint() const {
    if (m_image.isNull() || m_fit) {
        return {kDefaultSide, kDefaultSide};
    }
    return m_image.size();
}

void CShowBitmap::paintEvent(QPaintEvent*) {
    if (m_image.isNull()) {
        return;
    }
    QPainter painter(this);
    const QSize size =
        m_fit ? m_image.size().scaled(this->size(), Qt::KeepAspectRatio) : m_image.size();
    QRect target(QPoint(0, 0), size);
    target.moveCenter(rect().center());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, m_fit);
    painter.drawImage(target, m_image);
}

}  // namespace kw
