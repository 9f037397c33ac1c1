#pragma once

#include <QSpinBox>

#include <cstdint>
#include <optional>

namespace kw {

// The starting money's spin: positions 0 to 2200 in steps of 100 000, showing the money itself
// ("- 20.000.000") and reading typed money. A sum loaded off the steps is shown as it is while
// the spin stays at its position.
class CMoneySpinBox : public QSpinBox {
    Q_OBJECT

public:
    explicit CMoneySpinBox(QWidget* parent = nullptr);

    // Moves to the position of `money` without a change notification and remembers the sum.
    void LoadMoney(std::int32_t money);

protected:
    QString textFromValue(int value) const override;
    int valueFromText(const QString& text) const override;
    QValidator::State validate(QString& text, int& position) const override;

private:
    std::optional<std::int32_t> m_loadedMoney;
    int m_loadedPosition = -1;
};

}  // namespace kw
