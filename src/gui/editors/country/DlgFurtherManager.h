#pragma once

#include <optional>

#include "gui/controls/DialogB.h"
#include "model/Manager.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace kw {

class CDlgManagerAbilities;
class CWorld;

// "Trainer": one of a country's further managers (a `MANAGER` record): "Vorname", "Name",
// "Spitzname", "Nationalität" and the manager panel of abilities, experience and languages
// (`CDlgManagerAbilities` on the record's adapter). It changes no record itself: OK hands back
// the manager its fields make, and stays greyed while "Name" is empty.
class CDlgFurtherManager : public CDialogB {
    Q_OBJECT

public:
    // The nationalities are named in `language`.
    CDlgFurtherManager(const CWorld& world, int language, const CManager& manager,
                       QWidget* parent = nullptr);

    static std::optional<CManager> Ask(const CWorld& world, int language, const CManager& manager,
                                       QWidget* parent);

    // The manager as the fields show it now.
    CManager Manager() const;

private:
    const CManager m_original;
    QLineEdit* m_firstName;
    QLineEdit* m_surname;
    QLineEdit* m_nickname;
    QComboBox* m_nationality;
    CDlgManagerAbilities* m_abilities;
    QPushButton* m_ok = nullptr;
};

}  // namespace kw
