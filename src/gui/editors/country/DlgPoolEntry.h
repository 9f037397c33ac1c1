#pragma once

#include <cstdint>
#include <optional>

#include "gui/controls/DialogB.h"
#include "model/PlayerPool.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kw {

class CWorld;

// "Jugendspieler": one entry of a country's player pool with "Vorname", "Nachname",
// "Nationalität", "Fähigkeit", "Mannschaftsteil" and "Bevorzugter Verein" (chosen with "Wähle
// Verein", or "Create A Club Verein"). It changes no record itself: OK hands back the entry its
// fields make. OK stays greyed while "Nachname" is empty, as an entry without surname is dropped.
// Countries and clubs are named in `language`.
class CDlgPoolEntry : public CDialogB {
    Q_OBJECT

public:
    CDlgPoolEntry(const CWorld& world, int language, const CPoolEntry& entry,
                  QWidget* parent = nullptr);

    // Runs the dialog on `entry`; the entry to store, nothing when cancelled.
    static std::optional<CPoolEntry> Ask(const CWorld& world, int language, const CPoolEntry& entry,
                                         QWidget* parent);

    // The entry as the fields show it now.
    CPoolEntry Entry() const;

private:
    void ChooseClub();
    void ShowClub();

    const CWorld& m_world;
    int m_language;
    const CPoolEntry m_original;
    std::uint32_t m_club;
    QLineEdit* m_firstName;
    QLineEdit* m_surname;
    QComboBox* m_nationality;
    QComboBox* m_ability;
    QComboBox* m_teamPart;
    QLabel* m_clubName;
    QPushButton* m_chooseClub;
    QCheckBox* m_createAClub;
    QPushButton* m_ok = nullptr;
};

}  // namespace kw
