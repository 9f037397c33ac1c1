#pragma once

#include <functional>

#include "editing/NationalCoachRules.h"
#include "gui/editors/country/CountryPage.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kw {

class CDatabaseDocument;
class CDateFields;
class CDlgManagerAbilities;

// The national coach of a country (its MANAGER record): "Name", "Vorname", "Spitzname",
// "Nationalität", "Geburtsdatum" with "Alter", and the manager panel with the training values,
// "Erfahrung" and "Sprachen". Storing writes what the user changed as one edit of the document.
// The record has no field for a picture, so "Wähle Datei" is shown disabled.
class CCountryCoachPage : public CCountryPage {
    Q_OBJECT

public:
    CCountryCoachPage(CDatabaseDocument& document, int country, QWidget* parent = nullptr);

    void Load() override;
    void Store() override;
    bool Differs() const override;

    // The personal values as the controls show them now.
    SCoachPersonalValues Shown() const;

private:
    QWidget* MakePersonBox();
    // Writes what the manager panel shows.
    std::function<void(IManagerRecord&)> PanelValues() const;
    void ShowAge();

    CDatabaseDocument& m_document;
    int m_country;
    // What the record held at the load; texts the controls show unchanged keep these bytes.
    SCoachPersonalValues m_stored;
    // What the controls showed right after the load.
    SCoachPersonalValues m_loaded;

    QLineEdit* m_surname = nullptr;
    QLineEdit* m_firstName = nullptr;
    QLineEdit* m_nickname = nullptr;
    QComboBox* m_nationality = nullptr;
    CDateFields* m_birthDate = nullptr;
    QLabel* m_age = nullptr;
    QPushButton* m_choosePicture = nullptr;
    CDlgManagerAbilities* m_panel = nullptr;
};

}  // namespace kw
