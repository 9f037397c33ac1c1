#include "gui/editors/player/DlgPlayerContract.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "document/DatabaseDocument.h"
#include "editing/ClubStadiumRules.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/GuiStrings.h"
#include "gui/controls/NotStoredValue.h"
#include "gui/controls/SpinEditCtrl.h"
#include "gui/controls/ValueScrollBar.h"
#include "gui/editors/player/DateSpinFields.h"
#include "gui/editors/player/PageFields.h"
#include "gui/editors/player/PageTyping.h"
#include "model/GameDate.h"
#include "model/Player.h"
#include "model/World.h"
#include "platform/StringTable.h"

namespace kw {

namespace {

constexpr std::array<const char*, kSeasonStartCount> kStateTexts = {
    QT_TRANSLATE_NOOP("kw::CDlgPlayerContract", "keine"),
    QT_TRANSLATE_NOOP("kw::CDlgPlayerContract", "Verletzung"),
    QT_TRANSLATE_NOOP("kw::CDlgPlayerContract", "Ligasperre"),
    QT_TRANSLATE_NOOP("kw::CDlgPlayerContract", "Karriereende"),
    QT_TRANSLATE_NOOP("kw::CDlgPlayerContract", "Ausgeliehen")};

}  // namespace

CDlgPlayerContract::CDlgPlayerContract(SPlayerEditContext& context, QWidget* parent)
    : CPlayerPage(context, parent) {
    setObjectName(QStringLiteral("DlgPlayerContract"));
    auto* right = new QVBoxLayout;
    right->addWidget(MakeSeasonStartBox());
    right->addWidget(MakeFavouritesBox());
    right->addStretch(1);
    auto* left = new QVBoxLayout;
    left->addWidget(MakeContractBox());
    left->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right, 1);
    UpdateEnabling();
}

QLineEdit* CDlgPlayerContract::MakeAmount(const QString& name) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setMaxLength(kAmountDigits);
    edit->setAlignment(Qt::AlignRight);
    edit->setMinimumWidth(
        edit->fontMetrics().horizontalAdvance(QString(kAmountDigits + 3, QChar('0'))));
    return edit;
}

QGroupBox* CDlgPlayerContract::MakeContractBox() {
    auto* box = new QGroupBox(tr("Vertragsdaten"), this);
    auto* grid = new QGridLayout(box);
    m_contractEnd = new CValueScrollBar(EScrollDirection::Reversed, Qt::Horizontal, box);
    m_contractEnd->setObjectName(QStringLiteral("contractEnd"));
    m_contractEnd->setPageStep(1);
    m_contractEnd->setMinimumWidth(
        m_contractEnd->fontMetrics().horizontalAdvance(QString(16, QChar('0'))));
    m_contractEndText = new QLabel(box);
    m_contractEndText->setObjectName(QStringLiteral("contractEndText"));
    m_contractEndText->setWordWrap(true);
    AddFieldRow(grid, tr("&Vertrag gültig bis"), m_contractEnd);
    grid->addWidget(m_contractEndText, grid->rowCount(), 1, 1, 2);
    connect(m_contractEnd, &CValueScrollBar::BarValueChanged, this,
            &CDlgPlayerContract::UpdateYearText);

    m_salary = MakeAmount(QStringLiteral("salary"));
    m_transferFee = MakeAmount(QStringLiteral("transferFee"));
    m_marketValue = MakeAmount(QStringLiteral("marketValue"));
    // The record has no field for these two amounts.
    ShowNotStored(*m_transferFee);
    ShowNotStored(*m_marketValue);
    m_salary->setParent(box);
    m_transferFee->setParent(box);
    m_marketValue->setParent(box);
    AddFieldRow(grid, tr("&Grundgehalt"), m_salary);
    AddFieldRow(grid, tr("Festgeschriebene &Ablösesumme"), m_transferFee);
    AddFieldRow(grid, tr("Aktuell geschätzter &Marktwert"), m_marketValue);

    m_clubOption = new QCheckBox(tr("V&erein hat Option auf 1 weiteres Jahr"), box);
    m_clubOption->setObjectName(QStringLiteral("clubOption"));
    m_playerOption = new QCheckBox(tr("S&pieler hat Option auf 1 weiteres Jahr"), box);
    m_playerOption->setObjectName(QStringLiteral("playerOption"));
    grid->addWidget(m_clubOption, grid->rowCount(), 0, 1, 3);
    grid->addWidget(m_playerOption, grid->rowCount(), 0, 1, 3);
    grid->setColumnStretch(1, 1);
    return box;
}

QGroupBox* CDlgPlayerContract::MakeSeasonStartBox() {
    auto* box = new QGroupBox(tr("Besonderheiten Saisonbeginn"), this);
    auto* grid = new QGridLayout(box);
    m_state = new QComboBox(box);
    m_state->setObjectName(QStringLiteral("seasonStart"));
    for (const char* text : kStateTexts) {
        m_state->addItem(tr(text));
    }
    AddFieldRow(grid, tr("Besonderheit &Saisonbeginn"), m_state);
    connect(m_state, &QComboBox::currentIndexChanged, this, &CDlgPlayerContract::StateChosen);

    m_start = new CDateSpinFields(kPeriodYears, box);
    m_start->setObjectName(QStringLiteral("periodStart"));
    m_end = new CDateSpinFields(kPeriodYears, box);
    m_end->setObjectName(QStringLiteral("periodEnd"));
    AddFieldRow(grid, tr("A&nfang"), m_start);
    AddFieldRow(grid, tr("En&de"), m_end);
    connect(m_start, &CDateSpinFields::DateEdited, this, &CDlgPlayerContract::PeriodEdited);
    connect(m_end, &CDateSpinFields::DateEdited, this, &CDlgPlayerContract::PeriodEdited);

    m_loanClub = MakeClubNameLabel(box, QStringLiteral("loanClub"));
    const QString loanedFrom = tr("Geliehen von");
    m_chooseLoanClub = MakeChooseClubButton(box, QStringLiteral("chooseLoanClub"), loanedFrom);
    AddFieldRow(grid, loanedFrom, m_loanClub, m_chooseLoanClub);
    connect(m_chooseLoanClub, &QPushButton::clicked, this, [this] { ChooseClub(m_loanClubId); });

    m_matches = new CSpinEditCtrl(box);
    m_matches->setObjectName(QStringLiteral("banMatches"));
    m_matches->SetRange(0, kMaxBanMatches);
    FitSpinToDigits(*m_matches, 2);
    AddFieldRow(grid, tr("Anzahl der Spie&le"), m_matches);
    grid->setColumnStretch(1, 1);
    return box;
}

QGroupBox* CDlgPlayerContract::MakeFavouritesBox() {
    auto* box = new QGroupBox(tr("Favoriten"), this);
    auto* grid = new QGridLayout(box);
    m_favouriteClub = MakeClubNameLabel(box, QStringLiteral("favouriteClub"));
    const QString favouriteClub = tr("Lieblingsverein");
    m_chooseFavouriteClub =
        MakeChooseClubButton(box, QStringLiteral("chooseFavouriteClub"), favouriteClub);
    AddFieldRow(grid, favouriteClub, m_favouriteClub, m_chooseFavouriteClub);
    connect(m_chooseFavouriteClub, &QPushButton::clicked, this,
            [this] { ChooseClub(m_favouriteClubId); });
    m_neverJoins = MakeClubNameLabel(box, QStringLiteral("neverJoins"));
    const QString neverJoins = tr("Wechselt nie zu");
    m_chooseNeverJoins = MakeChooseClubButton(box, QStringLiteral("chooseNeverJoins"), neverJoins);
    AddFieldRow(grid, neverJoins, m_neverJoins, m_chooseNeverJoins);
    m_favouriteCountry = new QComboBox(box);
    m_favouriteCountry->setObjectName(QStringLiteral("favouriteCountry"));
    const CWorld& world = Context().document.World();
    for (const SEditChoice& country : CountryChoices(world, Context().document.Language())) {
        m_favouriteCountry->addItem(Cp1252ToQString(country.text), country.value);
    }
    // The record has no field for the club a player never joins nor for his favourite country.
    ShowNotStored(*m_neverJoins);
    ShowNotStored(*m_chooseNeverJoins);
    ShowNotStored(*m_favouriteCountry);
    AddFieldRow(grid, tr("Lieblingsl&and"), m_favouriteCountry);
    grid->setColumnStretch(1, 1);
    return box;
}

void CDlgPlayerContract::LoadPage(const CPlayer* player) {
    const QSignalBlocker yearBlocker(m_contractEnd);
    const QSignalBlocker stateBlocker(m_state);
    const QSignalBlocker matchesBlocker(m_matches);
    const SYearRange years = ContractEndYears(kGameYear);
    m_contractEnd->setRange(years.first, years.last);
    m_contractEnd->SetValue(player != nullptr ? player->ContractUntil() : years.first);
    m_loadedYear = m_contractEnd->Value();
    m_salary->setText(player != nullptr ? QString::number(player->ContractValue()) : QString());
    m_loadedSalary = m_salary->text();
    const std::uint8_t options =
        player != nullptr ? player->ContractBytes()[kContractOptionsByte] : 0;
    m_clubOption->setChecked((options & kClubOptionBit) != 0);
    m_playerOption->setChecked((options & kPlayerOptionBit) != 0);
    m_loadedClubOption = m_clubOption->isChecked();
    m_loadedPlayerOption = m_playerOption->isChecked();
    const ESeasonStart state = player != nullptr
                                   ? SeasonStartOf(player->ContractBytes()[kSeasonStartByte])
                                   : ESeasonStart::kNone;
    m_state->setCurrentIndex(static_cast<int>(state));
    m_loadedState = m_state->currentIndex();
    m_matches->SetValue(player != nullptr ? player->ContractBytes()[kBanMatchesByte] : 0);
    m_loadedMatches = m_matches->StoredValue();
    if (player != nullptr) {
        m_loadedPeriods[kInjuryPeriod] = InjuryPeriodAsShown(InjuryPeriod(*player));
        m_loadedPeriods[kOtherPeriod] = OtherPeriodAsShown(OtherPeriod(*player));
    } else {
        m_loadedPeriods = {};
    }
    m_periods = m_loadedPeriods;
    ShowPeriod(PeriodOf(state));
    m_loadedLoanClub = player != nullptr ? player->LoanClub() : 0;
    m_loadedFavouriteClub = player != nullptr ? player->FourthClub() : 0;
    m_loanClubId = m_loadedLoanClub;
    m_favouriteClubId = m_loadedFavouriteClub;
    ShowClubs();
    UpdateYearText();
    UpdateEnabling();
}

bool CDlgPlayerContract::IsEdited() const {
    return m_contractEnd->Value() != m_loadedYear || m_salary->text() != m_loadedSalary ||
           m_clubOption->isChecked() != m_loadedClubOption ||
           m_playerOption->isChecked() != m_loadedPlayerOption ||
           m_state->currentIndex() != m_loadedState ||
           m_matches->StoredValue() != m_loadedMatches || m_periods != m_loadedPeriods ||
           m_loanClubId != m_loadedLoanClub || m_favouriteClubId != m_loadedFavouriteClub;
}

void CDlgPlayerContract::ShowClubs() {
    const CWorld& world = Context().document.World();
    const int language = Context().document.Language();
    m_loanClub->setText(Cp1252ToQString(ShownClubName(world, m_loanClubId, language)));
    m_favouriteClub->setText(Cp1252ToQString(ShownClubName(world, m_favouriteClubId, language)));
}

void CDlgPlayerContract::ChooseClub(std::uint32_t& reference) {
    const std::optional<std::uint32_t> chosen = ChooseClubReference(reference);
    if (!chosen) {
        return;
    }
    reference = *chosen;
    ShowClubs();
    // A club choice is stored at once.
    Store();
}

void CDlgPlayerContract::StoreInto(CPlayer& copy) const {
    FinishTyping(*this);
    if (!IsEdited()) {
        return;
    }
    // The resets loading showed become part of the edit.
    ApplyPeriodResets(copy);
    if (m_contractEnd->Value() != m_loadedYear) {
        copy.SetContractUntil(static_cast<std::uint16_t>(m_contractEnd->Value()));
    }
    if (m_salary->text() != m_loadedSalary) {
        copy.SetContractValue(AmountOfText(QStringToCp1252(m_salary->text())));
    }
    std::uint8_t options = copy.ContractBytes()[kContractOptionsByte];
    if (m_clubOption->isChecked() != m_loadedClubOption) {
        options = static_cast<std::uint8_t>(m_clubOption->isChecked() ? options | kClubOptionBit
                                                                      : options & ~kClubOptionBit);
    }
    if (m_playerOption->isChecked() != m_loadedPlayerOption) {
        options = static_cast<std::uint8_t>(
            m_playerOption->isChecked() ? options | kPlayerOptionBit : options & ~kPlayerOptionBit);
    }
    copy.SetContractByte(kContractOptionsByte, options);
    if (m_state->currentIndex() != m_loadedState) {
        copy.SetContractByte(
            kSeasonStartByte,
            WithSeasonStart(copy.ContractBytes()[kSeasonStartByte], ChosenState()));
    }
    if (m_matches->StoredValue() != m_loadedMatches) {
        copy.SetContractByte(kBanMatchesByte, static_cast<std::uint8_t>(m_matches->StoredValue()));
    }
    if (m_periods[kInjuryPeriod] != m_loadedPeriods[kInjuryPeriod]) {
        SetInjuryPeriod(copy, m_periods[kInjuryPeriod]);
    }
    if (m_periods[kOtherPeriod] != m_loadedPeriods[kOtherPeriod]) {
        SetOtherPeriod(copy, m_periods[kOtherPeriod]);
    }
    if (m_loanClubId != m_loadedLoanClub) {
        copy.SetLoanClub(m_loanClubId);
    }
    if (m_favouriteClubId != m_loadedFavouriteClub) {
        copy.SetFourthClub(m_favouriteClubId);
    }
}

ESeasonStart CDlgPlayerContract::ChosenState() const {
    const int index = m_state->currentIndex();
    return index >= 0 ? static_cast<ESeasonStart>(index) : ESeasonStart::kNone;
}

CDlgPlayerContract::EPeriod CDlgPlayerContract::PeriodOf(ESeasonStart state) const {
    return UsesInjuryPeriod(state) ? kInjuryPeriod : kOtherPeriod;
}

void CDlgPlayerContract::StateChosen() {
    const EPeriod period = PeriodOf(ChosenState());
    if (period != m_shownPeriod) {
        ShowPeriod(period);
    }
    UpdateEnabling();
}

void CDlgPlayerContract::ShowPeriod(EPeriod period) {
    m_shownPeriod = period;
    m_periodWhenShown = m_periods[period];
    m_start->Load(m_periods[period].start);
    m_end->Load(m_periods[period].end);
}

void CDlgPlayerContract::PeriodEdited() {
    SContractPeriod& period = m_periods[m_shownPeriod];
    // A date put back to what was shown is the date shown, not its reading by the fields.
    period.start = m_start->IsChanged() ? m_start->Date() : m_periodWhenShown.start;
    period.end = m_end->IsChanged() ? m_end->Date() : m_periodWhenShown.end;
}

void CDlgPlayerContract::UpdateYearText() {
    const int year = m_contractEnd->Value();
    m_contractEndText->setText(ContractEndIsDrawn(year, kGameYear)
                                   ? ResourceQString(ids::kContractEndDrawn)
                                   : QString::number(year));
}

void CDlgPlayerContract::UpdateEnabling() {
    const SSeasonStartControls controls = ControlsFor(ChosenState());
    m_start->setEnabled(controls.dates);
    m_end->setEnabled(controls.dates);
    m_loanClub->setEnabled(controls.loanClub);
    m_chooseLoanClub->setEnabled(controls.loanClub);
    m_matches->setEnabled(controls.matches);
}

}  // namespace kw
