#pragma once

#include <cstdint>
#include <vector>

#include "editing/LeagueDataEdit.h"
#include "gui/controls/DialogB.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace kw {

class CDatabaseDocument;

// "Ligadaten": one league's fields and its level's data. OK stores what the user changed as one
// edit of the country (none when nothing differs); a control left as it was keeps the stored
// value, even one it cannot show. With a league script active the structure fields (size,
// meetings, relegation, reserve teams, tie-break) are fixed.
class CDlgLeagueData : public CDialogB {
    Q_OBJECT

public:
    CDlgLeagueData(const CWorld& world, std::uint32_t leagueId, const SLeagueData& shown,
                   QWidget* parent = nullptr);

    // Runs the dialog on the league; true when OK recorded an edit.
    static bool Edit(CDatabaseDocument& document, std::uint32_t leagueId, QWidget* parent);

    // The stored data with what the user changed put in.
    SLeagueData Edited() const;

private:
    // What the controls show now, in the terms of the stored data.
    SLeagueData ControlValues() const;
    std::vector<int> LoanChoices() const;
    QWidget* BuildLeagueGroup();
    QWidget* BuildLoanGroup();
    QWidget* BuildValueGroup();
    QWidget* BuildLevelGroup(const CWorld& world);
    void Show(const SLeagueData& data);
    void MirrorLoanLists();

    std::uint32_t m_leagueId;
    SLeagueData m_shown;
    SLeagueData m_controlsAtOpen;
    std::vector<int> m_loanAtOpen;
    QLineEdit* m_name = nullptr;
    QSpinBox* m_size = nullptr;
    QComboBox* m_meetings = nullptr;
    QSpinBox* m_spectators = nullptr;
    QSpinBox* m_transfers = nullptr;
    QComboBox* m_substitutions = nullptr;
    std::vector<QComboBox*> m_loanRules;
    std::vector<QCheckBox*> m_flags;
    std::vector<QLineEdit*> m_values;
    QComboBox* m_tieBreak = nullptr;
    QComboBox* m_nonEuropean = nullptr;
    QComboBox* m_relegated = nullptr;
    QCheckBox* m_reserveTeams = nullptr;
};

}  // namespace kw
