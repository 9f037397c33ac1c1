#pragma once

#include <array>

#include "editing/GlobalRulesChoices.h"
#include "gui/controls/DialogB.h"
#include "model/Rules.h"

class QComboBox;
class QLabel;

namespace kw {

class CDatabaseDocument;
class CValueScrollBar;

// "Globale Einstellungen": the points rules as lists and the substitutions allowed in friendlies
// as a bar with its number beside it, on a copy of the world's rules. A list or the bar changes
// the copy only when the user picks another entry, so a stored value the list shows under
// another name survives an OK.
class CDlgRegelaenderung : public CDialogB {
    Q_OBJECT

public:
    explicit CDlgRegelaenderung(const CRules& rules, QWidget* parent = nullptr);

    // Runs the dialog on the document's rules; OK stores the copy as one edit of the document
    // (none when nothing changed), Cancel leaves everything. True when an edit was recorded.
    static bool Edit(CDatabaseDocument& document, QWidget* parent);

    // The copy as edited so far.
    const CRules& Rules() const { return m_edited; }

    QComboBox& RuleList(int index) const { return *m_lists[static_cast<std::size_t>(index)]; }
    CValueScrollBar& SubstitutionsBar() const { return *m_bar; }
    QLabel& SubstitutionsText() const { return *m_number; }

private:
    void Chosen(int index, int choice);
    void Scrolled(int position);

    const CRules m_stored;
    CRules m_edited;
    std::array<QComboBox*, kGlobalRuleCount> m_lists{};
    CValueScrollBar* m_bar;
    QLabel* m_number;
};

}  // namespace kw
