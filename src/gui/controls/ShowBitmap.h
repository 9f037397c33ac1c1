#pragma once

#include <QImage>
#include <QWidget>

namespace kw {

class CDib;
struct SImage;

// A picture in a dialog: a badge, a city picture. Keeps its own copy of what it shows; shows
// nothing until a picture is set.
class CShowBitmap : public QWidget {
    Q_OBJECT

public:
    explicit CShowBitmap(QWidget* parent = nullptr);

    // Shows the image at its own size, centred; null shows nothing.
    void SetBitmap(const SImage* image);
    // Shows the loaded BMP over white, its RGB(8, 8, 8) pixels left transparent, scaled to the
    // control (keeping its proportions) or at its own size.
    void SetDib(const CDib& dib, bool fitToControl);
    // Forgets the picture.
    void Clear();

    bool HasBitmap() const { return !m_image.isNull(); }
    // What is shown, as converted; null when nothing is.
    const QImage& ShownImage() const { return m_image; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Show(const SImage& image, bool fitToControl);

    QImage m_image;
    bool m_fit = false;
};

}  // namespace kw
