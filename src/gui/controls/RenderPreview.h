#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <cstdint>

class QWidget;

namespace kw {

class CRenderManager;

// What a kit or look page needs to show the renderer's preview: while the page that holds
// `placeholder` is visible, the render widget stands in the placeholder's place, the page's
// background colour is set and a frame is rendered every 50 milliseconds; when the page is hidden
// the widget goes back to the manager. Without the plug-in the placeholder stays. Made a child of
// the page, it lives as long as the page.
class CRenderPreview : public QObject {
    Q_OBJECT

public:
    static constexpr int kFrameIntervalMs = 50;

    // `placeholder` must already have its parent (the page).
    CRenderPreview(CRenderManager& manager, QWidget& placeholder, std::uint32_t background);
    ~CRenderPreview() override;

    bool IsRendering() const { return m_frames.isActive(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Start();
    void Stop();

    CRenderManager& m_manager;
    QPointer<QWidget> m_placeholder;
    std::uint32_t m_background;
    QTimer m_frames;
};

}  // namespace kw
