#include "gui/editors/DlgChairman.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

#include "editing/BoardStability.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/ValueScrollBar.h"

namespace kw {

namespace {

constexpr int kNoPersonValue = 2;  // "Normal"

}  // namespace

CDlgChairman::CDlgChairman(QWidget* parent)
    : CDialogB(parent, ERole::Page),
      m_bar(new CValueScrollBar(EScrollDirection::Plain, Qt::Horizontal)),
      m_valueText(new QLabel) {
    setObjectName(QStringLiteral("DlgChairman"));
    m_bar->setObjectName(QStringLiteral("boardStability"));
    m_bar->setRange(0, kMaxBoardStability);
    m_bar->setPageStep(1);
    m_bar->setMinimumWidth(120);
    m_valueText->setObjectName(QStringLiteral("boardStabilityText"));
    // Room for the longest text, so the layout does not jump while the bar moves.
    int widest = 0;
    for (int value = 0; value <= kMaxBoardStability; ++value) {
        widest = std::max(widest, m_valueText->fontMetrics().horizontalAdvance(
                                      Cp1252ToQString(BoardStabilityText(value))));
    }
    m_valueText->setMinimumWidth(widest);

    auto* label = new QLabel(tr("&Stabilität des Präsidiums"));
    label->setBuddy(m_bar);
    auto* row = new QHBoxLayout;
    row->addWidget(m_bar, 1);
    row->addWidget(m_valueText);
    auto* group = new QGroupBox(tr("Vorstand"));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(label);
    groupLayout->addLayout(row);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(group);

    connect(m_bar, &CValueScrollBar::BarValueChanged, this, &CDlgChairman::Store);
    SetPerson(nullptr);
}

void CDlgChairman::SetPerson(CPlayer* president) {
    m_president = president;
    m_bar->setEnabled(president != nullptr);
    const int value = president != nullptr ? BoardStability(*president) : kNoPersonValue;
    const QSignalBlocker quiet(m_bar);
    m_bar->SetValue(value);
    ShowValue(value);
}

void CDlgChairman::Store(int value) {
    ShowValue(value);
    if (m_president != nullptr) {
        SetBoardStability(*m_president, value);
    }
}

void CDlgChairman::ShowValue(int value) {
    m_valueText->setText(Cp1252ToQString(BoardStabilityText(value)));
}

}  // namespace kw
