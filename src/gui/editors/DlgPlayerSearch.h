#pragma once

#include <optional>

#include "gui/controls/DialogB.h"
#include "tools/PlayerSearch.h"

class QLineEdit;

namespace kw {

// "Kickwerk 06 - Spieler suchen": the three criteria of the player search, wildcards allowed. OK
// keeps them for the rest of the run, so that the next search starts with them.
class CDlgPlayerSearch : public CDialogB {
    Q_OBJECT

public:
    explicit CDlgPlayerSearch(QWidget* parent = nullptr);

    // Runs the dialog; the criteria on OK, nothing when cancelled.
    static std::optional<SSearchCriteria> Ask(QWidget* parent);
    // The criteria of the last search of this run (empty before the first).
    static const SSearchCriteria& KeptCriteria();

    SSearchCriteria Criteria() const;

    void accept() override;

private:
    QLineEdit* m_firstName;
    QLineEdit* m_stageName;
    QLineEdit* m_surname;
};

}  // namespace kw
