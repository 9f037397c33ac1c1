#pragma once

#include <QString>

#include <array>
#include <memory>

#include "gui/editors/player/PlayerPage.h"
#include "model/Date.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace kw {

class CDateFields;
class CDlgChairman;
class CDlgManagerAbilities;
class CDlgManagerAllRight;
class CDlgPlayerAllRightSmall;
class CDlgStaffAtClub;

// Page "Persönliche Daten": names, nationalities (which decide the languages), the flags, the
// birth date with the age, and the panels of the person's kind: the player panel for players;
// for managers and trainers the abilities panel with the experience and the preferences; for
// presidents the board-stability panel and the abilities panel without experience; for the other
// staff their level and experience.
class CDlgPlayerAllRight : public CPlayerPage {
    Q_OBJECT

public:
    CDlgPlayerAllRight(SPlayerEditContext& context, QWidget* parent);
    ~CDlgPlayerAllRight() override;

protected:
    void LoadPage(const CPlayer* player) override;
    void StoreInto(CPlayer& copy) const override;

private:
    struct SNameField {
        QLineEdit* edit = nullptr;
        QString loaded;
    };
    struct SFlag {
        QCheckBox* box = nullptr;
        bool loaded = false;
    };

    void FillCountries();
    void ShowAge();
    void StoreAtOnce();
    void ShowPanelsOf(const CPlayer* person);

    CDate m_today;
    std::array<SNameField, 4> m_names{};  // surname, first name, stage name, nickname
    QComboBox* m_nationality;
    QComboBox* m_secondNationality;
    int m_loadedNationality = -1;
    int m_loadedSecondNationality = -1;
    int m_countriesLanguage = -1;
    std::array<SFlag, 3> m_flags{};  // home-grown, Basque, youth
    CDateFields* m_birthDate;
    CDate m_loadedBirthDate;
    QLabel* m_age;

    CDlgPlayerAllRightSmall* m_playerPanel;
    CDlgChairman* m_chairman;
    CDlgManagerAbilities* m_managerAbilities;
    CDlgManagerAllRight* m_managerPreferences;
    CDlgStaffAtClub* m_staffPanel;
    // The staff panels load from this copy of a staff member; the board-stability panel edits it
    // and storing takes its value over.
    std::unique_ptr<CPlayer> m_staffCopy;
    int m_loadedBoardStability = -1;
};

}  // namespace kw
