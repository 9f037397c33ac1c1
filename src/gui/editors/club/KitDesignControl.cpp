#include "gui/editors/club/KitDesignControl.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>

namespace kw {

namespace {

constexpr int kFieldCharacters = 4;
// Wide enough that every design of the longest range has a few pixels of its own.
constexpr int kSliderCharacters = 16;

}  // namespace

CKitDesignControl::CKitDesignControl(SKitDesignRange range, QWidget* parent)
    : QWidget(parent),
      m_range(range),
      m_slider(new QSlider(Qt::Horizontal, this)),
      m_field(new QLineEdit(this)) {
    m_slider->setRange(range.minimum, range.maximum);
    m_slider->setPageStep(1);
    m_slider->setMinimumWidth(m_slider->fontMetrics().horizontalAdvance(QLatin1Char('0')) *
                              kSliderCharacters);
    m_field->setMaxLength(kFieldCharacters);
    m_field->setFixedWidth(m_field->fontMetrics().horizontalAdvance(QStringLiteral("0000")) +
                           m_field->fontMetrics().height());
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_slider, 1);
    layout->addWidget(m_field);
    setFocusProxy(m_slider);

    connect(m_slider, &QSlider::valueChanged, this, [this] {
        if (!m_field->hasFocus()) {
            ShowValueInField();
        }
        emit DesignChanged();
    });
    connect(m_field, &QLineEdit::textEdited, this, &CKitDesignControl::Typed);
    connect(m_field, &QLineEdit::editingFinished, this, &CKitDesignControl::ShowValueInField);
}

void CKitDesignControl::Load(int design) {
    const QSignalBlocker blocker(m_slider);
    m_loaded = KitDesignSliderPosition(design, m_range);
    m_slider->setValue(m_loaded);
    ShowValueInField();
}

void CKitDesignControl::SetAccessibleNames(const QString& slider, const QString& field) {
    m_slider->setAccessibleName(slider);
    m_field->setAccessibleName(field);
}

bool CKitDesignControl::IsChanged() const {
    return m_slider->value() != m_loaded;
}

int CKitDesignControl::Value() const {
    return m_slider->value();
}

void CKitDesignControl::Typed(const QString& text) {
    const auto typed = TypeKitDesign(text.toStdString(), m_range, m_slider->value());
    if (!typed) {
        return;
    }
    if (typed->fieldValue) {
        m_field->setText(QString::number(*typed->fieldValue));
    }
    m_slider->setValue(typed->sliderPosition);
}

void CKitDesignControl::ShowValueInField() {
    m_field->setText(QString::number(m_slider->value()));
}

}  // namespace kw
