#pragma once

#include <array>

#include "editing/CountryGeneralRules.h"
#include "gui/editors/country/CountryPage.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace kw {

class CDatabaseDocument;
class CDateFields;
class CSpinEditCtrl;
class CValueScrollBar;

// "Allgemeine Informationen" of the country window: the association, its president, the
// languages spoken, climate, titles, further settings, average strength and notes. The continent
// comes from the countries list and is only shown.
class CCountryGeneralPage : public CCountryPage {
    Q_OBJECT

public:
    CCountryGeneralPage(CDatabaseDocument& document, int country, QWidget* parent = nullptr);

    void Load() override;
    void Store() override;
    bool Differs() const override { return Shown() != m_loaded; }

    // The values as the controls show them now.
    SCountryGeneralValues Shown() const;

private:
    QGroupBox* MakeAssociationBox();
    QGroupBox* MakePresidentBox();
    QGroupBox* MakeContinentBox();
    QGroupBox* MakeLanguagesBox();
    QGroupBox* MakeTitlesBox();
    QGroupBox* MakeMiscBox();
    QGroupBox* MakeStrengthBox();
    QGroupBox* MakeNotesBox();
    void ShowAge();

    CDatabaseDocument& m_document;
    int m_country;
    // What the country held at the load; texts the controls show unchanged keep these bytes.
    SCountryGeneralValues m_stored;
    // What the controls showed right after the load.
    SCountryGeneralValues m_loaded;

    QLineEdit* m_associationName = nullptr;
    QLineEdit* m_surname = nullptr;
    QLineEdit* m_firstName = nullptr;
    CDateFields* m_birthDate = nullptr;
    QLabel* m_age = nullptr;
    std::array<QRadioButton*, kContinentCount> m_continents{};
    std::array<QComboBox*, kCountryLanguageRows> m_languages{};
    std::array<CSpinEditCtrl*, kCountryLanguageRows> m_shares{};
    QComboBox* m_climate = nullptr;
    std::array<CValueScrollBar*, 4> m_titles{};
    CValueScrollBar* m_abroad = nullptr;
    QComboBox* m_reserveSwitch = nullptr;
    QCheckBox* m_noStandingPlaces = nullptr;
    QCheckBox* m_generateNames = nullptr;
    CValueScrollBar* m_strength = nullptr;
    QPlainTextEdit* m_notes = nullptr;
};

}  // namespace kw
