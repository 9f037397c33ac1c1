#include "gui/editors/DlgRegelaenderung.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "document/DatabaseDocument.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/OkCancelButtons.h"
#include "gui/controls/ValueScrollBar.h"
#include "model/World.h"

namespace kw {

CDlgRegelaenderung::CDlgRegelaenderung(const CRules& rules, QWidget* parent)
    : CDialogB(parent),
      m_stored(rules),
      m_edited(rules),
      m_bar(new CValueScrollBar(EScrollDirection::Plain, Qt::Horizontal, this)),
      m_number(new QLabel(this)) {
    setObjectName(QStringLiteral("DlgRegelaenderung"));
    setWindowTitle(tr("Globale Einstellungen"));
    auto* grid = new QGridLayout;
    for (int index = 0; index < kGlobalRuleCount; ++index) {
        const SGlobalRule rule = GlobalRules()[static_cast<std::size_t>(index)];
        auto* list = new QComboBox(this);
        list->setObjectName(QStringLiteral("rule%1").arg(rule.rule));
        for (const std::string_view text : GlobalRuleChoiceTexts(rule.kind)) {
            list->addItem(Cp1252ToQString(text));
        }
        list->setCurrentIndex(GlobalRuleChoice(rule.kind, rules.RuleValue(rule.rule)));
        auto* label = new QLabel(Cp1252ToQString(rule.label), this);
        label->setBuddy(list);
        grid->addWidget(label, index, 0);
        grid->addWidget(list, index, 1, 1, 2);
        m_lists[static_cast<std::size_t>(index)] = list;
        // Only what the user picks; filling and preselecting the list changes nothing.
        connect(list, &QComboBox::activated, this,
                [this, index](int choice) { Chosen(index, choice); });
    }

    m_bar->setObjectName(QStringLiteral("substitutions"));
    m_bar->setRange(0, CRules::kMaxSubstitutions);
    m_bar->setPageStep(1);
    m_bar->setMinimumWidth(120);
    m_bar->SetValue(SubstitutionsBarPosition(rules.Substitutions()));
    m_number->setObjectName(QStringLiteral("substitutionsNumber"));
    m_number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_number->setMinimumWidth(m_number->fontMetrics().horizontalAdvance(QStringLiteral("00")));
    m_number->setNum(m_bar->Value());
    auto* label = new QLabel(tr("&Erlaubte Auswechslungen in Freundschaftsspielen"), this);
    label->setBuddy(m_bar);
    grid->addWidget(label, kGlobalRuleCount, 0);
    grid->addWidget(m_bar, kGlobalRuleCount, 1);
    grid->addWidget(m_number, kGlobalRuleCount, 2);
    grid->setColumnStretch(1, 1);
    connect(m_bar, &CValueScrollBar::BarValueChanged, this, &CDlgRegelaenderung::Scrolled);

    QDialogButtonBox* buttons = MakeOkCancelButtons(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    m_lists[0]->setFocus();
}

bool CDlgRegelaenderung::Edit(CDatabaseDocument& document, QWidget* parent) {
    CDlgRegelaenderung dialog(document.World().Rules(), parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    return StoreGlobalRules(document, dialog.Rules());
}

void CDlgRegelaenderung::Chosen(int index, int choice) {
    const SGlobalRule rule = GlobalRules()[static_cast<std::size_t>(index)];
    m_edited.SetRuleValue(rule.rule,
                          GlobalRuleValue(rule.kind, choice, m_stored.RuleValue(rule.rule)));
}

void CDlgRegelaenderung::Scrolled(int position) {
    m_number->setNum(position);
    m_edited.SetSubstitutions(SubstitutionsValue(position, m_stored.Substitutions()));
}

}  // namespace kw
