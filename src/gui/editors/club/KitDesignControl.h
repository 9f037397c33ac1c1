#pragma once

#include <QWidget>

#include "editing/KitDesignInput.h"

class QLineEdit;
class QSlider;

namespace kw {

// One design of a kit: a slider and a field beside it. The slider holds the value; typing moves
// it by the rules of TypeKitDesign, and when the field is left it shows the slider's value again.
class CKitDesignControl : public QWidget {
    Q_OBJECT

public:
    CKitDesignControl(SKitDesignRange range, QWidget* parent);

    // Shows the stored design (at the nearer end of the range when outside it).
    void Load(int design);
    // The user moved the slider away from where loading put it.
    bool IsChanged() const;
    int Value() const;

    // What a screen reader calls the slider and the field; neither has a label of its own.
    void SetAccessibleNames(const QString& slider, const QString& field);

    QSlider* Slider() const { return m_slider; }
    QLineEdit* Field() const { return m_field; }

signals:
    void DesignChanged();

private:
    void Typed(const QString& text);
    void ShowValueInField();

    SKitDesignRange m_range;
    QSlider* m_slider;
    QLineEdit* m_field;
    int m_loaded = 0;
};

}  // namespace kw
