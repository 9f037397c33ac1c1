#include "gui/editors/country/CountryCoachPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <string>

#include "document/DatabaseDocument.h"
#include "editing/ClubStadiumRules.h"
#include "editing/ManagerRecord.h"
#include "editing/PersonalDataRules.h"
#include "editing/PlayerAbilities.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/NotStoredValue.h"
#include "gui/editors/DlgManagerAbilities.h"
#include "gui/editors/country/CountryPageParts.h"
#include "gui/editors/player/DateFields.h"
#include "gui/editors/player/PageFields.h"
#include "model/Country.h"
#include "model/GameDate.h"
#include "model/Manager.h"
#include "model/World.h"

namespace kw {

namespace {

// Shown for a coach without birth date; it is written only when the user sets a date.
constexpr int kFallbackBirthYear = 1960;

QLineEdit* MakeNameField(const QString& name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setMaxLength(kCoachNameTyping);
    field->setMinimumWidth(field->fontMetrics().averageCharWidth() * (kCoachNameTyping + 2));
    return field;
}

// The typed text in Windows-1252, or the stored bytes while the field still shows them.
const CManager& Coach(const CDatabaseDocument& document, int country) {
    return document.World().Country(country).Settings().nationalCoach;
}

}  // namespace

CCountryCoachPage::CCountryCoachPage(CDatabaseDocument& document, int country, QWidget* parent)
    : CCountryPage(parent), m_document(document), m_country(country) {
    setObjectName(QStringLiteral("CountryCoachPage"));
    const CWorld& world = document.World();
    setWindowTitle(tr("%1 - Nationaltrainer")
                       .arg(Cp1252ToQString(world.Country(country).Name(document.Language()))));
    m_panel = new CDlgManagerAbilities(this, CDlgManagerAbilities::ELabels::NationalCoach);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(MakePersonBox(), 1);
    layout->addWidget(m_panel, 1);
    Load();
}

QWidget* CCountryCoachPage::MakePersonBox() {
    auto* box = new QGroupBox(tr("Nationaltrainer"), this);
    auto* grid = new QGridLayout(box);
    m_surname = MakeNameField(QStringLiteral("coachSurname"), box);
    AddFieldRow(grid, tr("&Name"), m_surname);
    m_firstName = MakeNameField(QStringLiteral("coachFirstName"), box);
    AddFieldRow(grid, tr("&Vorname"), m_firstName);
    m_nickname = MakeNameField(QStringLiteral("coachNickname"), box);
    AddFieldRow(grid, tr("&Spitzname"), m_nickname);
    m_nationality = new QComboBox(box);
    m_nationality->setObjectName(QStringLiteral("coachNationality"));
    const CWorld& world = m_document.World();
    FillChoiceCombo(*m_nationality, CountryChoices(world, m_document.Language()));
    AddFieldRow(grid, tr("Nationalit&ät"), m_nationality);
    m_birthDate = new CDateFields(kBirthYearMinimum, GameToday().Year(), box);
    m_birthDate->setObjectName(QStringLiteral("coachBirthDate"));
    AddFieldRow(grid, tr("&Geburtsdatum"), m_birthDate);
    m_age = new QLabel(box);
    m_age->setObjectName(QStringLiteral("coachAge"));
    AddFieldRow(grid, tr("Alter"), m_age);
    m_choosePicture = new QPushButton(tr("&Wähle Datei"), box);
    m_choosePicture->setObjectName(QStringLiteral("choosePicture"));
    m_choosePicture->setAutoDefault(false);
    // The MANAGER record and the game's file have no field for a picture: nothing chosen could
    // be kept.
    ShowNotStored(*m_choosePicture);
    AddFieldRow(grid, tr("Bild"), m_choosePicture);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(grid->rowCount(), 1);
    connect(m_birthDate, &CDateFields::DateChanged, this, &CCountryCoachPage::ShowAge);
    return box;
}

void CCountryCoachPage::Load() {
    const CManager& coach = Coach(m_document, m_country);
    m_stored = ReadCoachPersonalValues(coach);
    m_surname->setText(Cp1252ToQString(m_stored.surname));
    m_firstName->setText(Cp1252ToQString(m_stored.firstName));
    m_nickname->setText(Cp1252ToQString(m_stored.nickname));
    SelectChoice(*m_nationality, m_stored.nationality);
    m_birthDate->SetDate(m_stored.birthDate, CDate::FromYmd(kFallbackBirthYear, 1, 1));
    // The adapter only reads here; the panel keeps no reference to it.
    CManager shown = coach;
    const CManagerRecordAdapter record(shown);
    m_panel->Load(&record, true);
    m_loaded = Shown();
    ShowAge();
}

SCoachPersonalValues CCountryCoachPage::Shown() const {
    SCoachPersonalValues shown;
    shown.surname = EditedText(m_surname->text(), m_stored.surname);
    shown.firstName = EditedText(m_firstName->text(), m_stored.firstName);
    shown.nickname = EditedText(m_nickname->text(), m_stored.nickname);
    shown.nationality = ShownChoice(*m_nationality, m_stored.nationality);
    shown.birthDate = m_birthDate->Date();
    return shown;
}

void CCountryCoachPage::Store() {
    if (EditNationalCoach(m_document, m_country, m_loaded, Shown(), PanelValues())) {
        Load();
    }
}

bool CCountryCoachPage::Differs() const {
    const CManager& stored = Coach(m_document, m_country);
    CManager edited = stored;
    WriteCoachEdits(edited, m_loaded, Shown(), PanelValues());
    return !(edited == stored);
}

std::function<void(IManagerRecord&)> CCountryCoachPage::PanelValues() const {
    const CDlgManagerAbilities& panel = *m_panel;
    return [&panel](IManagerRecord& record) { panel.StoreInto(record); };
}

void CCountryCoachPage::ShowAge() {
    m_age->setText(QString::number(AgeOn(m_birthDate->Date(), GameToday())));
}

}  // namespace kw
