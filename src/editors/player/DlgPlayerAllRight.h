#pragma once

#include <QString>

#include <array>
#include <memory>

#include "editors/player/PlayerPage.h"
#include "model/Date.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QStackedWidget;

namespace kw {

class CDateFields;
class CDlgChairman;
class CDlgPlayerAllRightSmall;

// Page "Persönliche Daten": names, nationalities (which decide the languages), the flags, the
// birth date with the age, and the panel of the person's kind: the player panel for players, the
// board-stability panel for presidents; the other staff kinds show none yet.
class CDlgPlayerAllRight : public CPlayerPage {
    Q_OBJECT

public:
    CDlgPlayerAllRight(SPlayerEditContext& context, QWidget* parent);
    ~CDlgPlayerAllRight() override;

protected:
    void LoadPage(const CPlayer* player) override;
    void StoreInto(CPlayer& copy) override;

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

    QStackedWidget* m_panels;
    CDlgPlayerAllRightSmall* m_playerPanel;
    CDlgChairman* m_chairman;
    QWidget* m_noPanel;
    // The panel edits this copy of the president; storing takes its value over.
    std::unique_ptr<CPlayer> m_president;
    int m_loadedBoardStability = -1;
};

}  // namespace kw
