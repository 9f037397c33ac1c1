#include "gui/editors/club/MoneySpinBox.h"

#include <QLineEdit>
#include <QSignalBlocker>

#include "editing/ClubGeneralRules.h"
#include "gui/controls/ControlText.h"
#include "storage/TextHelpers.h"

namespace kw {

CMoneySpinBox::CMoneySpinBox(QWidget* parent) : QSpinBox(parent) {
    setRange(kMoneySpinMinimum, kMoneySpinMaximum);
    setAlignment(Qt::AlignRight);
    // A typed sum counts once it is complete, not at every digit.
    setKeyboardTracking(false);
    setAccelerated(true);
}

void CMoneySpinBox::LoadMoney(std::int32_t money) {
    const QSignalBlocker blocker(this);
    m_loadedMoney = money;
    m_loadedPosition = SpinPositionFromMoney(money);
    // setValue leaves the text alone when the position is the same; the sum may differ.
    setValue(m_loadedPosition);
    lineEdit()->setText(textFromValue(m_loadedPosition));
}

QString CMoneySpinBox::textFromValue(int value) const {
    const std::int32_t money =
        m_loadedMoney && value == m_loadedPosition ? *m_loadedMoney : MoneyFromSpinPosition(value);
    return Cp1252ToQString(FormatThousands(money));
}

int CMoneySpinBox::valueFromText(const QString& text) const {
    return SpinPositionFromMoney(ParseMoneyText(QStringToCp1252(text)));
}

QValidator::State CMoneySpinBox::validate(QString& text, int&) const {
    for (const QChar c : text) {
        if (!c.isDigit() && c != QLatin1Char('.') && c != QLatin1Char(' ') &&
            c != QLatin1Char('-')) {
            return QValidator::Invalid;
        }
    }
    return QValidator::Acceptable;
}

}  // namespace kw
