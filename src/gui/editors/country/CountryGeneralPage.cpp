#include "gui/editors/country/CountryGeneralPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <string>
#include <string_view>

#include "document/DatabaseDocument.h"
#include "editing/LanguageList.h"
#include "editing/PersonalDataRules.h"
#include "editing/PlayerAbilities.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/SpinEditCtrl.h"
#include "gui/controls/ValueScrollBar.h"
#include "gui/editors/country/CountryPageParts.h"
#include "gui/editors/player/DateFields.h"
#include "gui/editors/player/DateSpinFields.h"
#include "gui/editors/player/PageFields.h"
#include "model/Country.h"
#include "model/GameDate.h"
#include "model/World.h"

namespace kw {

namespace {

// Shown for a president without birth date; it is written only when the user sets a date.
constexpr int kFallbackBirthYear = 1950;

QLineEdit* MakeTextField(const QString& name, int length, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setMaxLength(length);
    field->setMinimumWidth(field->fontMetrics().averageCharWidth() * (length + 2));
    return field;
}

// The typed text in Windows-1252, or the stored bytes while the field still shows them (a text
// that does not survive the round trip through Unicode is kept as it is).
std::vector<SEditChoice> LanguageChoices() {
    std::vector<SEditChoice> choices;
    for (int language = 0; language < kLanguageListCount; ++language) {
        choices.push_back({std::string(LanguageListName(language)), language});
    }
    return choices;
}

}  // namespace

CCountryGeneralPage::CCountryGeneralPage(CDatabaseDocument& document, int country, QWidget* parent)
    : CCountryPage(parent), m_document(document), m_country(country) {
    setObjectName(QStringLiteral("CountryGeneralPage"));
    auto* left = new QVBoxLayout;
    left->addWidget(MakeAssociationBox());
    left->addWidget(MakePresidentBox());
    left->addWidget(MakeContinentBox());
    left->addWidget(MakeLanguagesBox());
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(MakeTitlesBox());
    right->addWidget(MakeMiscBox());
    right->addWidget(MakeStrengthBox());
    right->addWidget(MakeNotesBox(), 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right, 1);
    Load();
}

QGroupBox* CCountryGeneralPage::MakeAssociationBox() {
    auto* box = new QGroupBox(tr("Verband"), this);
    auto* grid = new QGridLayout(box);
    m_associationName =
        MakeTextField(QStringLiteral("associationName"), kAssociationNameTyping, box);
    AddFieldRow(grid, tr("Name des &Verbandes"), m_associationName);
    m_climate = new QComboBox(box);
    m_climate->setObjectName(QStringLiteral("climate"));
    FillChoiceCombo(*m_climate, ClimateChoices());
    AddFieldRow(grid, tr("&Klima"), m_climate);
    grid->setColumnStretch(1, 1);
    return box;
}

QGroupBox* CCountryGeneralPage::MakePresidentBox() {
    auto* box = new QGroupBox(tr("Präsident des Verbandes"), this);
    auto* grid = new QGridLayout(box);
    m_surname = MakeTextField(QStringLiteral("presidentSurname"), kPresidentNameTyping, box);
    AddFieldRow(grid, tr("&Name"), m_surname);
    // "Name" alone would not tell the president's from the association's.
    m_surname->setAccessibleName(tr("Name des Präsidenten"));
    m_firstName = MakeTextField(QStringLiteral("presidentFirstName"), kPresidentNameTyping, box);
    AddFieldRow(grid, tr("V&orname"), m_firstName);
    m_birthDate = new CDateFields(kBirthYearMinimum, GameToday().Year(), box);
    m_birthDate->setObjectName(QStringLiteral("presidentBirthDate"));
    AddFieldRow(grid, tr("&Geburtsdatum"), m_birthDate);
    m_age = new QLabel(box);
    m_age->setObjectName(QStringLiteral("presidentAge"));
    AddFieldRow(grid, tr("Alter"), m_age);
    grid->setColumnStretch(1, 1);
    connect(m_birthDate, &CDateFields::DateChanged, this, &CCountryGeneralPage::ShowAge);
    return box;
}

QGroupBox* CCountryGeneralPage::MakeContinentBox() {
    auto* box = new QGroupBox(tr("Kontinent"), this);
    auto* grid = new QGridLayout(box);
    for (int continent = 0; continent < kContinentCount; ++continent) {
        auto* button = new QRadioButton(Cp1252ToQString(CountryContinentName(continent)), box);
        button->setObjectName(QStringLiteral("continent%1").arg(continent));
        // The continent belongs to the countries list; this page only shows it.
        button->setEnabled(false);
        grid->addWidget(button, continent / 2, continent % 2);
        m_continents[static_cast<std::size_t>(continent)] = button;
    }
    return box;
}

QGroupBox* CCountryGeneralPage::MakeLanguagesBox() {
    auto* box = new QGroupBox(tr("Sprachen im Land"), this);
    auto* grid = new QGridLayout(box);
    const std::vector<SEditChoice> choices = LanguageChoices();
    for (std::size_t row = 0; row < m_languages.size(); ++row) {
        auto* language = new QComboBox(box);
        language->setObjectName(QStringLiteral("language%1").arg(row));
        FillChoiceCombo(*language, choices);
        // The rows share their captions; the number tells them apart.
        language->setAccessibleName(tr("Sprache %1").arg(row + 1));
        auto* share = new CSpinEditCtrl(box);
        share->setObjectName(QStringLiteral("share%1").arg(row));
        share->SetRange(0, kMaxLanguageShare);
        FitSpinToDigits(*share, 3);
        SetSpinName(*share, tr("Anteil Sprache %1").arg(row + 1));
        const int line = static_cast<int>(row);
        auto* languageLabel = new QLabel(row == 0 ? tr("&Sprache") : tr("Sprache"), box);
        languageLabel->setBuddy(language);
        auto* shareLabel = new QLabel(row == 0 ? tr("&Anteil") : tr("Anteil"), box);
        shareLabel->setBuddy(share);
        grid->addWidget(languageLabel, line, 0);
        grid->addWidget(language, line, 1);
        grid->addWidget(shareLabel, line, 2);
        grid->addWidget(share, line, 3);
        m_languages[row] = language;
        m_shares[row] = share;
    }
    grid->setColumnStretch(1, 1);
    return box;
}

QGroupBox* CCountryGeneralPage::MakeTitlesBox() {
    auto* box = new QGroupBox(tr("Titelgewinne"), this);
    auto* grid = new QGridLayout(box);
    m_titles[SCountrySettings::kContinentalTitles] = AddValueBarRow(
        grid, tr("Kontinentale &Titel"), QStringLiteral("continentalTitles"), kMaxTitleCount);
    m_titles[SCountrySettings::kContinentalFinals] = AddValueBarRow(
        grid, tr("&Finalteilnahmen"), QStringLiteral("continentalFinals"), kMaxTitleCount);
    m_titles[SCountrySettings::kWorldChampionships] = AddValueBarRow(
        grid, tr("&Weltmeisterschaften"), QStringLiteral("worldChampionships"), kMaxTitleCount);
    m_titles[SCountrySettings::kWorldCupFinals] = AddValueBarRow(
        grid, tr("Finalteilnahmen"), QStringLiteral("worldCupFinals"), kMaxTitleCount);
    // Both kinds of finals show the same caption, each under the title it belongs to.
    m_titles[SCountrySettings::kContinentalFinals]->setAccessibleName(
        tr("Kontinentale Finalteilnahmen"));
    m_titles[SCountrySettings::kWorldCupFinals]->setAccessibleName(tr("WM-Finalteilnahmen"));
    grid->setColumnStretch(1, 1);
    return box;
}

QGroupBox* CCountryGeneralPage::MakeMiscBox() {
    auto* box = new QGroupBox(tr("Verschiedenes"), this);
    auto* grid = new QGridLayout(box);
    m_abroad = AddValueBarRow(grid, tr("Wa&hrscheinlichkeit für Wechsel ins Ausland (in %)"),
                              QStringLiteral("abroadProbability"), kMaxAbroadProbability);
    m_reserveSwitch = new QComboBox(box);
    m_reserveSwitch->setObjectName(QStringLiteral("reserveSwitch"));
    FillChoiceCombo(*m_reserveSwitch, ReserveSwitchChoices());
    AddFieldRow(grid, tr("W&echsel 1./2. Mannschaft"), m_reserveSwitch);
    m_noStandingPlaces = new QCheckBox(tr("Keine Stehp&lätze erlaubt"), box);
    m_noStandingPlaces->setObjectName(QStringLiteral("noStandingPlaces"));
    grid->addWidget(m_noStandingPlaces, grid->rowCount(), 0, 1, 3);
    m_generateNames = new QCheckBox(tr("Namen gene&rieren"), box);
    m_generateNames->setObjectName(QStringLiteral("generateNames"));
    grid->addWidget(m_generateNames, grid->rowCount(), 0, 1, 3);
    grid->setColumnStretch(1, 1);
    return box;
}

QGroupBox* CCountryGeneralPage::MakeStrengthBox() {
    auto* box = new QGroupBox(tr("Stärken"), this);
    auto* grid = new QGridLayout(box);
    m_strength = AddValueBarRow(grid, tr("&Durchschn. Stärke:"), QStringLiteral("averageStrength"),
                                kMaxAverageStrength);
    grid->setColumnStretch(1, 1);
    return box;
}

QGroupBox* CCountryGeneralPage::MakeNotesBox() {
    auto* box = new QGroupBox(tr("Noti&zen"), this);
    auto* layout = new QVBoxLayout(box);
    m_notes = new QPlainTextEdit(box);
    m_notes->setObjectName(QStringLiteral("notes"));
    // Tab moves on to the next control; the notes take line breaks, not tabs.
    m_notes->setTabChangesFocus(true);
    layout->addWidget(m_notes);
    return box;
}

void CCountryGeneralPage::Load() {
    const CCountry& country = m_document.World().Country(m_country);
    m_stored = ReadGeneralValues(country);
    m_associationName->setText(Cp1252ToQString(m_stored.associationName));
    m_surname->setText(Cp1252ToQString(m_stored.presidentSurname));
    m_firstName->setText(Cp1252ToQString(m_stored.presidentFirstName));
    m_birthDate->SetDate(m_stored.presidentBirthDate, CDate::FromYmd(kFallbackBirthYear, 1, 1));
    for (int continent = 0; continent < kContinentCount; ++continent) {
        m_continents[static_cast<std::size_t>(continent)]->setChecked(continent ==
                                                                      country.Continent());
    }
    for (std::size_t row = 0; row < m_languages.size(); ++row) {
        SelectChoice(*m_languages[row], m_stored.languages.languages[row]);
        m_shares[row]->SetValue(m_stored.languages.shares[row]);
    }
    SelectChoice(*m_climate, m_stored.climate);
    for (std::size_t title = 0; title < m_titles.size(); ++title) {
        m_titles[title]->SetValue(m_stored.titles[title]);
    }
    m_abroad->SetValue(m_stored.abroadProbability);
    SelectChoice(*m_reserveSwitch, m_stored.reserveSwitch);
    m_noStandingPlaces->setChecked(m_stored.noStandingPlaces);
    m_generateNames->setChecked(m_stored.generateNames);
    m_strength->SetValue(m_stored.averageStrength);
    m_notes->setPlainText(Cp1252ToQString(NotesForEditor(m_stored.notes)));
    m_loaded = Shown();
    ShowAge();
}

SCountryGeneralValues CCountryGeneralPage::Shown() const {
    SCountryGeneralValues shown;
    shown.associationName = EditedText(m_associationName->text(), m_stored.associationName);
    shown.presidentSurname = EditedText(m_surname->text(), m_stored.presidentSurname);
    shown.presidentFirstName = EditedText(m_firstName->text(), m_stored.presidentFirstName);
    shown.presidentBirthDate = m_birthDate->Date();
    for (std::size_t row = 0; row < m_languages.size(); ++row) {
        shown.languages.languages[row] =
            ShownChoice(*m_languages[row], m_stored.languages.languages[row]);
        shown.languages.shares[row] = m_shares[row]->GetValue();
    }
    shown.climate = ShownChoice(*m_climate, m_stored.climate);
    for (std::size_t title = 0; title < m_titles.size(); ++title) {
        shown.titles[title] = m_titles[title]->Value();
    }
    shown.abroadProbability = m_abroad->Value();
    shown.reserveSwitch = ShownChoice(*m_reserveSwitch, m_stored.reserveSwitch);
    shown.noStandingPlaces = m_noStandingPlaces->isChecked();
    shown.generateNames = m_generateNames->isChecked();
    shown.averageStrength = m_strength->Value();
    const std::string notes = NotesFromEditor(QStringToCp1252(m_notes->toPlainText()));
    shown.notes = notes == NotesFromEditor(NotesForEditor(m_stored.notes)) ? m_stored.notes : notes;
    return shown;
}

void CCountryGeneralPage::Store() {
    if (!Differs()) {
        return;
    }
    const SCountryGeneralValues edited = Shown();
    const SCountryGeneralValues loaded = m_loaded;
    const int country = m_country;
    m_document.Perform(QStringToCp1252(tr("Allgemeine Informationen")),
                       SWorldScope::Countries({country}),
                       [country, &loaded, &edited](CWorld& world) {
                           return StoreChangedGeneralValues(world.Country(country), loaded, edited);
                       });
    Load();
}

void CCountryGeneralPage::ShowAge() {
    m_age->setText(QString::number(AgeOn(m_birthDate->Date(), GameToday())));
}

}  // namespace kw
