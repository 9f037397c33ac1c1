#include "gui/controls/ValueScrollBar.h"

#include <QKeyEvent>

#include <optional>

namespace kw {

namespace {

std::optional<EScrollAction> ToScrollAction(int action) {
    switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
            return EScrollAction::LineTowardsStart;
        case QAbstractSlider::SliderSingleStepAdd:
            return EScrollAction::LineTowardsEnd;
        case QAbstractSlider::SliderPageStepSub:
            return EScrollAction::PageTowardsStart;
        case QAbstractSlider::SliderPageStepAdd:
            return EScrollAction::PageTowardsEnd;
        case QAbstractSlider::SliderMove:
            return EScrollAction::Thumb;
        case QAbstractSlider::SliderToMinimum:
            return EScrollAction::ToStart;
        case QAbstractSlider::SliderToMaximum:
            return EScrollAction::ToEnd;
        default:
            return std::nullopt;
    }
}

}  // namespace

CValueScrollBar::CValueScrollBar(EScrollDirection direction, Qt::Orientation orientation,
                                 QWidget* parent)
    : QScrollBar(orientation, parent), m_direction(direction) {
    setFocusPolicy(Qt::StrongFocus);
    // The rules decide every step; the slider's own steps are overridden in Act.
    connect(this, &QAbstractSlider::actionTriggered, this, &CValueScrollBar::Act);
    connect(this, &QAbstractSlider::valueChanged, this, [this] { emit BarValueChanged(Value()); });
}

int CValueScrollBar::Value() const {
    // The thumb mapping is its own inverse.
    return ScrollValue(m_direction, EScrollAction::Thumb, Range(), 0, sliderPosition());
}

void CValueScrollBar::SetValue(int value) {
    setValue(ThumbPosition(m_direction, Range(), value));
}

void CValueScrollBar::Act(int action) {
    const auto scrollAction = ToScrollAction(action);
    if (!scrollAction) {
        return;
    }
    // Called after the slider moved its thumb itself but before the new position is taken as
    // its value: the old value is value(), the dragged thumb is sliderPosition().
    const int before = ScrollValue(m_direction, EScrollAction::Thumb, Range(), 0, value());
    const int after = ScrollValue(m_direction, *scrollAction, Range(), before, sliderPosition());
    setSliderPosition(ThumbPosition(m_direction, Range(), after));
}

void CValueScrollBar::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            triggerAction(SliderSingleStepSub);
            break;
        case Qt::Key_Right:
        case Qt::Key_Down:
            triggerAction(SliderSingleStepAdd);
            break;
        case Qt::Key_PageUp:
            triggerAction(SliderPageStepSub);
            break;
        case Qt::Key_PageDown:
            triggerAction(SliderPageStepAdd);
            break;
        case Qt::Key_Home:
            triggerAction(SliderToMinimum);
            break;
        case Qt::Key_End:
            triggerAction(SliderToMaximum);
            break;
        default:
            QScrollBar::keyPressEvent(event);
            return;
    }
    event->accept();
}

SScrollRange CValueScrollBar::Range() const {
    return SScrollRange{minimum(), maximum(), pageStep()};
}

}  // namespace kw
