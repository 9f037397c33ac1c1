#pragma once

#include <optional>

#include "gui/controls/DialogB.h"
#include "model/StaffEntry.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace kw {

class CDlgStaffAtClub;

// "Mitarbeiter": one entry of a country's staff pool: "Vorname", "Name", "Job" and the staff panel
// of level and experience (`CDlgStaffAtClub` on the entry's grades). It changes no record itself:
// OK hands back the entry its fields make, and stays greyed while "Name" is empty.
class CDlgStaffEntry : public CDialogB {
    Q_OBJECT

public:
    explicit CDlgStaffEntry(const CStaffEntry& entry, QWidget* parent = nullptr);

    static std::optional<CStaffEntry> Ask(const CStaffEntry& entry, QWidget* parent);

    // The entry as the fields show it now.
    CStaffEntry Entry() const;

private:
    const CStaffEntry m_original;
    QLineEdit* m_firstName;
    QLineEdit* m_surname;
    QComboBox* m_job;
    CDlgStaffAtClub* m_grades;
    QPushButton* m_ok = nullptr;
};

}  // namespace kw
