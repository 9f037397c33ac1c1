#include "gui/controls/RenderPreview.h"

#include <QEvent>
#include <QWidget>

#include "gui/controls/RenderManager.h"

namespace kw {

CRenderPreview::CRenderPreview(CRenderManager& manager, QWidget& placeholder,
                               std::uint32_t background)
    : QObject(placeholder.parentWidget()),
      m_manager(manager),
      m_placeholder(&placeholder),
      m_background(background) {
    m_frames.setInterval(kFrameIntervalMs);
    connect(&m_frames, &QTimer::timeout, this, [this] { m_manager.RenderFrame(); });
    if (QWidget* page = placeholder.parentWidget()) {
        page->installEventFilter(this);
        if (page->isVisible()) {
            Start();
        }
    }
}

CRenderPreview::~CRenderPreview() {
    Stop();
}

bool CRenderPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        Start();
    } else if (event->type() == QEvent::Hide) {
        Stop();
    }
    return QObject::eventFilter(watched, event);
}

void CRenderPreview::Start() {
    if (!m_manager.IsAvailable() || m_placeholder == nullptr) {
        return;
    }
    m_manager.Attach(*m_placeholder);
    m_manager.SetBackground(m_background);
    m_frames.start();
}

void CRenderPreview::Stop() {
    m_frames.stop();
    if (m_placeholder != nullptr && m_manager.AttachedTo() == m_placeholder) {
        m_manager.Detach();
    }
}

}  // namespace kw
