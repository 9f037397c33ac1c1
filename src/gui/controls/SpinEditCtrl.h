#pragma once

#include <QWidget>

#include "forms/SpinEditValue.h"

class QLineEdit;
class QToolButton;

namespace kw {

// A numeric field with up and down arrows (buttons beside it, and the arrow keys in the field).
// Any text may be typed; it is read as a number and clamped when the field loses the focus or an
// arrow is used, so typing "150" into a field of 0 to 99 is possible and shows 99 afterwards.
//
// SpinEditChanged is the field's one notification: it is emitted whenever SetValue stores a
// value - from the program, an arrow or leaving the field - except when the value asked for
// equals the stored one. A typed value is therefore announced once, when the field is left.
//
// The field, which takes the focus, carries the control's accessible name, or else the text of
// the label the control is the buddy of, as it stands when the control is shown.
class CSpinEditCtrl : public QWidget {
    Q_OBJECT

public:
    explicit CSpinEditCtrl(QWidget* parent = nullptr);

    // Both bounds as given (the minimum may be the larger one); the value is not clamped anew.
    void SetRange(int minimum, int maximum);
    void SetValue(int value);
    // Empties the field: it shows no value until the next SetValue, also when left untouched.
    void Clear();
    // The number the field's text stands for now (it may differ from the stored value while the
    // user is typing).
    int GetValue() const;
    // The value last stored.
    int StoredValue() const { return m_value.Value(); }

    QLineEdit* Field() const { return m_field; }

signals:
    void SpinEditChanged(int value);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Step(ESpinArrow arrow);
    void Leave();
    void NameField();

    CSpinEditValue m_value;
    QLineEdit* m_field;
    QToolButton* m_up;
    QToolButton* m_down;
};

}  // namespace kw
