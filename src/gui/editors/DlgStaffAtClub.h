#pragma once

#include "gui/controls/DialogB.h"

class QComboBox;

namespace kw {

class IStaffGrades;

// The panel of the other staff (coaches below the trainer, scouts, doctors, ...): "Level" and
// "Erfahrung", each 0..4, chosen from their texts. Works on any record through `IStaffGrades`.
class CDlgStaffAtClub : public CDialogB {
    Q_OBJECT

public:
    explicit CDlgStaffAtClub(QWidget* parent = nullptr);

    // Shows the grades (null empties the panel and disables it); a stored grade above 4 shows as 4.
    void Load(const IStaffGrades* grades);
    // Writes the grades the user changed since the load.
    void StoreInto(IStaffGrades& grades) const;

private:
    QComboBox* m_level;
    QComboBox* m_experience;
    int m_loadedLevel = -1;
    int m_loadedExperience = -1;
};

}  // namespace kw
