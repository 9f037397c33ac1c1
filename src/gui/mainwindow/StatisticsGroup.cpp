#include "gui/mainwindow/StatisticsGroup.h"

#include <QGridLayout>
#include <QLabel>

namespace kw {

CStatisticsGroup::CStatisticsGroup(const QString& title, const std::vector<SRow>& rows,
                                   QWidget* parent)
    : QGroupBox(title, parent) {
    auto* grid = new QGridLayout(this);
    const auto value = [this](const QString& name) {
        auto* label = new QLabel(this);
        label->setObjectName(name);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return label;
    };
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const SRow& entry = rows[static_cast<std::size_t>(row)];
        const QString name = QString::fromLatin1(entry.name);
        grid->addWidget(new QLabel(entry.caption, this), row, 0);
        m_country.push_back(value(name + QStringLiteral("Country")));
        m_total.push_back(value(name + QStringLiteral("Total")));
        grid->addWidget(m_country.back(), row, 1);
        grid->addWidget(m_total.back(), row, 2);
    }
    grid->setColumnStretch(0, 1);
}

void CStatisticsGroup::SetRow(int row, const QString& country, const QString& total) {
    m_country.at(static_cast<std::size_t>(row))->setText(country);
    m_total.at(static_cast<std::size_t>(row))->setText(total);
}

}  // namespace kw
