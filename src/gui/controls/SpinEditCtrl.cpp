#include "gui/controls/SpinEditCtrl.h"

#include <QEvent>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/controls/SmallControls.h"

namespace kw {

namespace {

QToolButton* MakeArrow(Qt::ArrowType type, QWidget* parent) {
    auto* arrow = new QToolButton(parent);
    arrow->setArrowType(type);
    arrow->setAutoRepeat(true);
    // Clicking an arrow keeps the focus in the field, where the typing goes on.
    arrow->setFocusPolicy(Qt::NoFocus);
    arrow->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
    return arrow;
}

}  // namespace

CSpinEditCtrl::CSpinEditCtrl(QWidget* parent)
    : QWidget(parent),
      m_field(new QLineEdit(QString::number(m_value.Value()), this)),
      m_up(MakeArrow(Qt::UpArrow, this)),
      m_down(MakeArrow(Qt::DownArrow, this)) {
    auto* arrows = new QVBoxLayout;
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    arrows->addWidget(m_up);
    arrows->addWidget(m_down);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(m_field, 1);
    layout->addLayout(arrows);
    setFocusProxy(m_field);
    m_field->installEventFilter(this);
    connect(m_up, &QToolButton::clicked, this, [this] { Step(ESpinArrow::Up); });
    connect(m_down, &QToolButton::clicked, this, [this] { Step(ESpinArrow::Down); });
}

void CSpinEditCtrl::SetRange(int minimum, int maximum) {
    m_value.SetRange(minimum, maximum);
}

void CSpinEditCtrl::SetValue(int value) {
    const auto stored = m_value.SetValue(value);
    if (!stored) {
        return;
    }
    m_field->setText(QString::number(*stored));
    // Selected for typing over; a field without the focus shows no selection.
    if (m_field->hasFocus()) {
        m_field->selectAll();
    }
    emit SpinEditChanged(*stored);
}

void CSpinEditCtrl::Clear() {
    m_value.Clear();
    m_field->clear();
}

int CSpinEditCtrl::GetValue() const {
    return ParseSpinText(m_field->text().toStdString());
}

void CSpinEditCtrl::Step(ESpinArrow arrow) {
    SetValue(m_value.ArrowValue(GetValue(), arrow));
}

void CSpinEditCtrl::Leave() {
    if (m_value.StaysEmpty(m_field->text().toStdString())) {
        return;
    }
    const int typed = GetValue();
    if (typed == m_value.Value()) {
        // Nothing to announce, but text that reads as the stored number ("007", "7 Tore") shows
        // the number itself.
        m_field->setText(QString::number(typed));
        return;
    }
    SetValue(typed);
}

void CSpinEditCtrl::NameField() {
    QString name = accessibleName();
    if (name.isEmpty() && parentWidget() != nullptr) {
        // Where Qt looks for a buddy label: among the control's siblings.
        for (const QLabel* label :
             parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
            if (label->buddy() == this) {
                name = WithoutMnemonic(label->text());
                break;
            }
        }
    }
    // A name given to the field itself (a date's day, month and year) stays when none is found.
    if (!name.isEmpty()) {
        m_field->setAccessibleName(name);
    }
}

void CSpinEditCtrl::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    NameField();
}

bool CSpinEditCtrl::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_field && event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        // The field's own context menu does not count as leaving it.
        Leave();
    } else if (watched == m_field && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? ESpinArrow::Up : ESpinArrow::Down);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace kw
