// The reference renderer: a flat preview of kits and looks drawn with QPainter into the widget
// the editor lends it. Any library that exports "GetPlugin" with the same interface may replace
// it.
#include <QEvent>
#include <QObject>
#include <QPainter>
#include <QPointer>
#include <QWidget>

#include <optional>

#include "KitPainter.h"
#include "LookPainter.h"
#include "gui/controls/RendererPlugin.h"

namespace kw::render {

namespace {

class CReferenceRenderer;

// Paints the preview whenever the target widget paints: the widget belongs to the editor, so
// the renderer draws from outside through this filter.
class CPaintFilter : public QObject {
public:
    explicit CPaintFilter(CReferenceRenderer& renderer) : m_renderer(renderer) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CReferenceRenderer& m_renderer;
};

class CReferenceRenderer final : public IRendererPlugin {
public:
    CReferenceRenderer() : m_filter(*this) {}

    void Release() override { delete this; }

    void SetRenderTarget(QWidget* target) override {
        if (m_target != nullptr) {
            m_target->removeEventFilter(&m_filter);
        }
        m_target = target;
        if (m_target != nullptr) {
            m_target->installEventFilter(&m_filter);
        }
    }

    void SetKits(const SClubKits& kits) override {
        m_kits = kits;
        m_view.reset();
        m_showLook = false;
    }

    void ChangeKit(const SClubKits& kits, EKitView view) override {
        m_kits = kits;
        m_view = view;
        m_showLook = false;
    }

    void ChangeLook(const SPlayerLook& look) override {
        m_look = look;
        m_showLook = true;
    }

    void RenderFrame() override {
        if (m_target != nullptr) {
            m_target->update();
        }
    }

    void SetBackground(std::uint32_t colour) override { m_background = colour; }

    void Paint(QPainter& painter, const QRectF& area) const {
        painter.fillRect(area, QColor::fromRgb(m_background & 0xFFFFFF));
        const QRectF inner = area.adjusted(8, 8, -8, -8);
        if (m_showLook) {
            PaintPlayer(painter, inner, m_look, m_kits.home);
        } else if (!m_view) {
            const double half = inner.width() / 2;
            PaintKit(painter, QRectF(inner.left(), inner.top(), half - 4, inner.height()),
                     m_kits.home);
            PaintKit(painter,
                     QRectF(inner.left() + half + 4, inner.top(), half - 4, inner.height()),
                     m_kits.away);
        } else {
            const bool away = *m_view == EKitView::kOriginalAway || *m_view == EKitView::kAway;
            PaintKit(painter, inner, away ? m_kits.away : m_kits.home);
        }
    }

private:
    ~CReferenceRenderer() {
        if (m_target != nullptr) {
            m_target->removeEventFilter(&m_filter);
        }
    }

    CPaintFilter m_filter;
    QPointer<QWidget> m_target;
    SClubKits m_kits;
    std::optional<EKitView> m_view;  // none: both kits side by side
    SPlayerLook m_look;
    bool m_showLook = false;
    std::uint32_t m_background = kKitPageBackground;
};

bool CPaintFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Paint) {
        return false;
    }
    auto* widget = static_cast<QWidget*>(watched);
    QPainter painter(widget);
    m_renderer.Paint(painter, widget->rect());
    return true;
}

}  // namespace

}  // namespace kw::render

extern "C" Q_DECL_EXPORT void GetPlugin(kw::render::IRendererPlugin** slot) {
    *slot = new kw::render::CReferenceRenderer();
}
