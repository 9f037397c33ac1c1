#pragma once

#include <QString>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "gui/editors/club/ClubPage.h"
#include "model/Club.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace kw {

class CMoneySpinBox;
class CSpinEditCtrl;
class CValueScrollBar;

// Page "Allgemeine Informationen": names, contact data, spectator figures, friendly club and
// rivals, founding year, prestige, money, company, point deduction and the team statistics. The
// per-language texts are those of the editor's language, which the language combo switches.
class CDlgClub : public CClubPage {
    Q_OBJECT

public:
    // `languageSelection`: the language combo may be used (the application's setting).
    CDlgClub(SClubEditContext& context, bool languageSelection, QWidget* parent);

    void Load() override;

protected:
    void StoreInto(CClub& club) const override;

signals:
    // The editor's language changed; the page shows the new language's texts already.
    void LanguageChanged();

private:
    // A one-line text of the club: how the page reads it and writes it in a language.
    struct SLineField {
        QLineEdit* edit = nullptr;
        std::function<std::string(const CClub&, int)> read;
        std::function<void(CClub&, int, std::string_view)> write;
        QString loaded;
    };
    // One of the four club combos: the friendly club (slot -1) or a rival slot.
    struct SClubCombo {
        QComboBox* box = nullptr;
        int rivalSlot = -1;
        int loaded = -1;
    };
    struct SNumberField {
        QLineEdit* edit = nullptr;
        std::int32_t (CClub::*read)() const = nullptr;
        void (CClub::*write)(std::int32_t) = nullptr;
        QString loaded;
    };

    QGroupBox* CreateNamesGroup();
    QGroupBox* CreateAddressGroup();
    QGroupBox* CreateSpectatorGroup();
    QGroupBox* CreateRivalsGroup();
    QGroupBox* CreateClubGroup();
    QGroupBox* CreateTeamsGroup();
    QLineEdit* AddLineField(int pageLimit, std::size_t capacity,
                            std::function<std::string(const CClub&, int)> read,
                            std::function<void(CClub&, int, std::string_view)> write);
    QPushButton* ArticleButton(CClub::Article which);

    void FillClubCombos();
    void ShowArticles();
    void ShowSentences();
    void ShowTeams();
    void ChooseLanguage(int index);

    bool m_languageSelection;
    std::vector<SLineField> m_lines;
    std::vector<SClubCombo> m_clubCombos;
    std::vector<SNumberField> m_numbers;

    QLineEdit* m_name = nullptr;
    std::array<QPushButton*, 3> m_articles{};
    std::array<QPushButton*, 2> m_sentences{};
    QComboBox* m_language = nullptr;
    QPlainTextEdit* m_fanSites = nullptr;
    QString m_loadedFanSites;

    CSpinEditCtrl* m_year = nullptr;
    int m_loadedYear = 0;
    std::array<CValueScrollBar*, 2> m_prestige{};
    std::array<QLabel*, 2> m_prestigeValues{};
    std::array<int, 2> m_loadedPrestige{};
    CMoneySpinBox* m_money = nullptr;
    int m_loadedMoneyPosition = 0;
    QCheckBox* m_company = nullptr;
    bool m_loadedCompany = false;
    QButtonGroup* m_deduction = nullptr;
    int m_loadedDeduction = -1;
    QCheckBox* m_noItCup = nullptr;
    bool m_loadedNoItCup = false;

    // First and second team: players, average strength.
    std::array<std::array<QLabel*, 2>, 2> m_teams{};
};

}  // namespace kw
