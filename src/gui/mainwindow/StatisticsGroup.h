#pragma once

#include <QGroupBox>

#include <vector>

class QLabel;

namespace kw {

// A group of figures in rows: a caption, the selected country's value and the total value. The
// value labels are named "<name>Country" and "<name>Total" after the row's name.
class CStatisticsGroup : public QGroupBox {
    Q_OBJECT

public:
    struct SRow {
        const char* name;
        QString caption;
    };

    CStatisticsGroup(const QString& title, const std::vector<SRow>& rows,
                     QWidget* parent = nullptr);

    void SetRow(int row, const QString& country, const QString& total);

private:
    std::vector<QLabel*> m_country;
    std::vector<QLabel*> m_total;
};

}  // namespace kw
