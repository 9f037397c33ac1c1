#pragma once

#include <array>

#include <QString>

#include "editing/CupPageValues.h"
#include "gui/editors/country/CountryPage.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace kw {

class CDatabaseDocument;

// "Pokal" of the country window: the national cup, the league cups and the super cup with their
// names (in the world's current language) and formats, the final stadium and cup options, the
// card and suspension rules, and the prize and television money per round of each cup. The
// formats come from the world's cup formats by category.
class CCountryCupsPage : public CCountryPage {
    Q_OBJECT

public:
    CCountryCupsPage(CDatabaseDocument& document, int country, QWidget* parent = nullptr);

    void Load() override;
    void Store() override;
    bool Differs() const override { return Shown() != m_loaded; }

    // The values as the controls show them now.
    SCupPageValues Shown() const;

    // The cups in the order of ECountryCup.
    QLineEdit& CupName(int cup) const { return *m_names[static_cast<std::size_t>(cup)]; }
    QComboBox& CupMode(int cup) const { return *m_modes[static_cast<std::size_t>(cup)]; }
    QComboBox& PrizeCups() const { return *m_prizeCup; }
    QRadioButton& PrizeKind(int kind) const {
        return *m_prizeKinds[static_cast<std::size_t>(kind)];
    }
    QLineEdit& PrizeField(int round) const {
        return *m_prizeFields[static_cast<std::size_t>(round)];
    }

private:
    using PrizeTexts = std::array<std::array<QString, kPrizeRounds>, kPrizeKinds>;

    // The cup's name in "Wettbewerb", and in what a screen reader says of its fields.
    static QString CupCaption(int cup);
    QGroupBox* MakeNationalCupBox();
    QGroupBox* MakeCupBox(const QString& title, int firstCup, int count);
    QGroupBox* MakeYellowBox();
    QGroupBox* MakeYellowRedBox();
    QGroupBox* MakeRedBox();
    QGroupBox* MakePrizeBox();
    QLineEdit* MakeNameField(int cup, QWidget* parent);
    QComboBox* MakeModeList(int cup, QWidget* parent);

    // "Wettbewerb" lists the cups the mode lists give a format.
    void FillPrizeCups();
    // Keeps what the prize fields show, then shows the chosen cup's and kind's amounts.
    void KeepPrizeFields();
    void ShowPrizeFields();
    int ShownPrizeCup() const;
    int ShownPrizeKind() const;

    CDatabaseDocument& m_document;
    int m_country;
    // What the country held at the load, and what the controls showed right after it.
    SCupPageValues m_stored;
    SCupPageValues m_loaded;
    // The prize fields' texts of every cup and kind; the fields show one cup and kind at a time.
    std::array<PrizeTexts, kCountryCupCount> m_prizeTexts{};
    std::array<PrizeTexts, kCountryCupCount> m_loadedPrizeTexts{};
    int m_prizeCupShown = -1;
    int m_prizeKindShown = 0;

    std::array<QLineEdit*, kCountryCupCount> m_names{};
    std::array<QComboBox*, kCountryCupCount> m_modes{};
    QComboBox* m_finalStadium = nullptr;
    QCheckBox* m_homeAdvantage = nullptr;
    QCheckBox* m_onePerYear = nullptr;
    std::array<QComboBox*, 2> m_yellowRules{};
    std::array<QCheckBox*, 2> m_yellowAfterYellowRed{};
    QCheckBox* m_yellowForAll = nullptr;
    std::array<QCheckBox*, kYellowRedLevelCount> m_yellowRedLevels{};
    QCheckBox* m_yellowRedForAll = nullptr;
    QComboBox* m_redStart = nullptr;
    QRadioButton* m_fixedDuration = nullptr;
    QRadioButton* m_variableDuration = nullptr;
    QCheckBox* m_redForAll = nullptr;
    QComboBox* m_prizeCup = nullptr;
    std::array<QRadioButton*, kPrizeKinds> m_prizeKinds{};
    std::array<QLineEdit*, kPrizeRounds> m_prizeFields{};
};

}  // namespace kw
