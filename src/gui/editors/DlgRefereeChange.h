#pragma once

#include <optional>

#include "editing/RefereeRules.h"
#include "gui/controls/DialogB.h"

class QButtonGroup;
class QLineEdit;

namespace kw {

// "Schiedsrichter ändern": first name and surname (19 characters each as typed) and the trait as
// one of seven radio buttons. It changes no record itself: OK hands back the referee its fields
// make, names cut to the record's 15 and 19 characters.
class CDlgRefereeChange : public CDialogB {
    Q_OBJECT

public:
    CDlgRefereeChange(const CReferee& referee, QWidget* parent = nullptr);

    // Runs the dialog on `referee`; the referee to store, nothing when cancelled.
    static std::optional<CReferee> Ask(const CReferee& referee, QWidget* parent);

    // The referee as the fields show it now.
    CReferee Referee() const;

private:
    const CReferee m_original;
    QLineEdit* m_firstName;
    QLineEdit* m_surname;
    QButtonGroup* m_traits;
};

}  // namespace kw
