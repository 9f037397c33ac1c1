#pragma once

#include <QScrollBar>

#include "forms/ScrollValue.h"

namespace kw {

// A scroll bar used to pick a value in its range (QAbstractSlider's minimum and maximum; the page
// step is the page size). A plain bar grows towards its end; a reversed bar - the value bars of
// the editor pages - grows towards its start, so its largest value sits at the top and the thumb
// is drawn mirrored. Read and set the value with Value and SetValue, not with the slider's own
// position; BarValueChanged reports every change. The bar takes the focus for keyboard use.
class CValueScrollBar : public QScrollBar {
    Q_OBJECT

public:
    CValueScrollBar(EScrollDirection direction, Qt::Orientation orientation,
                    QWidget* parent = nullptr);

    int Value() const;
    void SetValue(int value);

signals:
    void BarValueChanged(int value);

protected:
    // Arrow keys towards the end (right, down) step towards the end, whatever the orientation.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Act(int action);
    SScrollRange Range() const;

    EScrollDirection m_direction;
};

}  // namespace kw
