#include "gui/editors/country/CountryCupsPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include <string>

#include "document/DatabaseDocument.h"
#include "gui/controls/ControlText.h"
#include "gui/editors/country/CountryPageParts.h"
#include "gui/editors/player/PageFields.h"
#include "model/World.h"

namespace kw {

namespace {

constexpr std::array kCups = {ECountryCup::National, ECountryCup::League0, ECountryCup::League1,
                              ECountryCup::League2,  ECountryCup::League3, ECountryCup::Super};

// The typed text in Windows-1252, or the stored bytes while the field still shows them.
void FillTexts(QComboBox& combo, std::span<const std::string_view> texts) {
    int value = 0;
    for (const std::string_view text : texts) {
        combo.addItem(Cp1252ToQString(text), value++);
    }
}

QCheckBox* MakeCheck(const QString& text, const QString& name, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    return box;
}

}  // namespace

CCountryCupsPage::CCountryCupsPage(CDatabaseDocument& document, int country, QWidget* parent)
    : CCountryPage(parent), m_document(document), m_country(country) {
    setObjectName(QStringLiteral("CountryCupsPage"));
    auto* left = new QVBoxLayout;
    left->addWidget(MakeNationalCupBox());
    left->addWidget(MakeCupBox(tr("Ligapokal"), 1, 1));
    left->addWidget(MakeCupBox(tr("Ligapokal (untere Ligen)"), 2, 3));
    left->addWidget(MakeCupBox(tr("Supercup"), 5, 1));
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(MakeYellowBox());
    right->addWidget(MakeYellowRedBox());
    right->addWidget(MakeRedBox());
    right->addWidget(MakePrizeBox());
    right->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right, 1);
    Load();
}

QLineEdit* CCountryCupsPage::MakeNameField(int cup, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QStringLiteral("cupName%1").arg(cup));
    field->setMaxLength(kCupNameTyping);
    field->setMinimumWidth(field->fontMetrics().averageCharWidth() * (kCupNameTyping + 2));
    field->setAccessibleName(tr("%1 Name").arg(CupCaption(cup)));
    m_names[static_cast<std::size_t>(cup)] = field;
    return field;
}

QComboBox* CCountryCupsPage::MakeModeList(int cup, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QStringLiteral("cupMode%1").arg(cup));
    list->setAccessibleName(tr("%1 Modus").arg(CupCaption(cup)));
    FillChoiceCombo(*list, CupModeChoices(m_document.World().CupFormats(),
                                          CupModeCategory(kCups[static_cast<std::size_t>(cup)])));
    // A cup given or taken a format joins or leaves "Wettbewerb" at once.
    connect(list, &QComboBox::activated, this, [this] { FillPrizeCups(); });
    m_modes[static_cast<std::size_t>(cup)] = list;
    return list;
}

QString CCountryCupsPage::CupCaption(int cup) {
    const std::array<QString, kCountryCupCount> captions = {tr("Pokal"),       tr("Ligapokal 1"),
                                                            tr("Ligapokal 2"), tr("Ligapokal 3"),
                                                            tr("Ligapokal 4"), tr("Supercup")};
    return captions[static_cast<std::size_t>(cup)];
}

QGroupBox* CCountryCupsPage::MakeNationalCupBox() {
    auto* box = new QGroupBox(tr("Pokal"), this);
    auto* grid = new QGridLayout(box);
    AddFieldRow(grid, tr("&Name"), MakeNameField(0, box));
    AddFieldRow(grid, tr("Pokal&modus"), MakeModeList(0, box));
    m_finalStadium = new QComboBox(box);
    m_finalStadium->setObjectName(QStringLiteral("finalStadium"));
    AddFieldRow(grid, tr("&Endspielstadion"), m_finalStadium);
    m_homeAdvantage = MakeCheck(tr("&Heimvorteil für Mannschaften ab 3. Liga"),
                                QStringLiteral("homeAdvantage"), box);
    grid->addWidget(m_homeAdvantage, grid->rowCount(), 0, 1, 2);
    m_onePerYear =
        MakeCheck(tr("Spieler darf nicht für 2 Mannschaften während eines &Jahres spielen"),
                  QStringLiteral("onePerYear"), box);
    grid->addWidget(m_onePerYear, grid->rowCount(), 0, 1, 2);
    grid->setColumnStretch(1, 1);
    return box;
}

QGroupBox* CCountryCupsPage::MakeCupBox(const QString& title, int firstCup, int count) {
    auto* box = new QGroupBox(title, this);
    auto* grid = new QGridLayout(box);
    for (int cup = firstCup; cup < firstCup + count; ++cup) {
        const int row = grid->rowCount();
        auto* nameLabel = new QLabel(tr("Name"), box);
        nameLabel->setBuddy(MakeNameField(cup, box));
        auto* modeLabel = new QLabel(tr("Modus"), box);
        modeLabel->setBuddy(MakeModeList(cup, box));
        grid->addWidget(nameLabel, row, 0);
        grid->addWidget(m_names[static_cast<std::size_t>(cup)], row, 1);
        grid->addWidget(modeLabel, row, 2);
        grid->addWidget(m_modes[static_cast<std::size_t>(cup)], row, 3);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return box;
}

QGroupBox* CCountryCupsPage::MakeYellowBox() {
    auto* box = new QGroupBox(tr("Gelbe Karten"), this);
    auto* grid = new QGridLayout(box);
    const std::array<QString, 2> labels = {tr("Regel (&Liga)"), tr("Regel (&Pokal)")};
    // The two ticks share their caption; a screen reader tells them apart by the rule's row.
    const std::array<QString, 2> afterYellowRedNames = {
        tr("Nach einer gelb-roten Karte zählt auch die gelbe Karte (Liga)"),
        tr("Nach einer gelb-roten Karte zählt auch die gelbe Karte (Pokal)")};
    for (std::size_t which = 0; which < m_yellowRules.size(); ++which) {
        auto* rule = new QComboBox(box);
        rule->setObjectName(QStringLiteral("yellowRule%1").arg(which));
        FillTexts(*rule, YellowCardRuleTexts());
        AddFieldRow(grid, labels[which], rule);
        m_yellowRules[which] = rule;
        m_yellowAfterYellowRed[which] =
            MakeCheck(tr("nach einer gelb-roten Karte zählt auch die gelbe Karte"),
                      QStringLiteral("yellowAfterYellowRed%1").arg(which), box);
        m_yellowAfterYellowRed[which]->setAccessibleName(afterYellowRedNames[which]);
        grid->addWidget(m_yellowAfterYellowRed[which], grid->rowCount(), 1);
    }
    m_yellowForAll = MakeCheck(tr("Sperren gelten für alle nationalen Wettbewerbe"),
                               QStringLiteral("yellowForAll"), box);
    m_yellowForAll->setAccessibleName(
        tr("Sperren nach gelben Karten gelten für alle nationalen Wettbewerbe"));
    grid->addWidget(m_yellowForAll, grid->rowCount(), 0, 1, 2);
    grid->setColumnStretch(1, 1);
    return box;
}

QGroupBox* CCountryCupsPage::MakeYellowRedBox() {
    auto* box = new QGroupBox(tr("Durch Gelb-Rote Karten"), this);
    auto* layout = new QVBoxLayout(box);
    auto* levels = new QHBoxLayout;
    levels->addWidget(new QLabel(tr("1 Spiel Sperre in"), box));
    for (std::size_t level = 0; level < m_yellowRedLevels.size(); ++level) {
        m_yellowRedLevels[level] = MakeCheck(tr("%1. Liga").arg(level + 1),
                                             QStringLiteral("yellowRedLevel%1").arg(level), box);
        levels->addWidget(m_yellowRedLevels[level]);
    }
    levels->addStretch(1);
    layout->addLayout(levels);
    m_yellowRedForAll =
        MakeCheck(tr("Sperren gelten für alle &Wettb."), QStringLiteral("yellowRedForAll"), box);
    m_yellowRedForAll->setAccessibleName(
        tr("Sperren nach gelb-roten Karten gelten für alle Wettbewerbe"));
    layout->addWidget(m_yellowRedForAll);
    return box;
}

QGroupBox* CCountryCupsPage::MakeRedBox() {
    auto* box = new QGroupBox(tr("Rote Karten"), this);
    auto* grid = new QGridLayout(box);
    m_redStart = new QComboBox(box);
    m_redStart->setObjectName(QStringLiteral("redCardStart"));
    m_redStart->addItem(tr("Sofort"), 0);
    m_redStart->addItem(tr("Montag der nächsten Woche"), 1);
    AddFieldRow(grid, tr("&Regel"), m_redStart);
    m_fixedDuration = new QRadioButton(tr("&Feste Dauer"), box);
    m_fixedDuration->setObjectName(QStringLiteral("fixedDuration"));
    m_variableDuration = new QRadioButton(tr("&Variable Dauer"), box);
    m_variableDuration->setObjectName(QStringLiteral("variableDuration"));
    auto* durations = new QHBoxLayout;
    durations->addWidget(m_fixedDuration);
    durations->addWidget(m_variableDuration);
    durations->addStretch(1);
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(tr("Sperren"), box), row, 0);
    grid->addLayout(durations, row, 1);
    m_redForAll = MakeCheck(tr("Sperren gelten für alle nationalen Wettbewerbe"),
                            QStringLiteral("redForAll"), box);
    m_redForAll->setAccessibleName(
        tr("Sperren nach roten Karten gelten für alle nationalen Wettbewerbe"));
    grid->addWidget(m_redForAll, grid->rowCount(), 0, 1, 2);
    grid->setColumnStretch(1, 1);
    return box;
}

QGroupBox* CCountryCupsPage::MakePrizeBox() {
    auto* box = new QGroupBox(tr("Prämien in Wettbewerben"), this);
    auto* grid = new QGridLayout(box);
    m_prizeCup = new QComboBox(box);
    m_prizeCup->setObjectName(QStringLiteral("prizeCup"));
    AddFieldRow(grid, tr("Wettbewer&b"), m_prizeCup);
    auto* kinds = new QHBoxLayout;
    auto* kindGroup = new QButtonGroup(box);
    const std::array<QString, kPrizeKinds> kindTexts = {tr("Prä&mie"), tr("Fernsehen")};
    for (std::size_t kind = 0; kind < m_prizeKinds.size(); ++kind) {
        auto* button = new QRadioButton(kindTexts[kind], box);
        button->setObjectName(QStringLiteral("prizeKind%1").arg(kind));
        kindGroup->addButton(button, static_cast<int>(kind));
        kinds->addWidget(button);
        m_prizeKinds[kind] = button;
    }
    m_prizeKinds[0]->setChecked(true);
    kinds->addStretch(1);
    grid->addLayout(kinds, grid->rowCount(), 1);
    // Ten digits, the most an amount has; more than 32 bits hold saturates when stored.
    auto* digits =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), box);
    const std::array<QString, kPrizeRounds> labels = {
        tr("1. Runde"), tr("2. Runde"),      tr("3. Runde"),   tr("4. Runde"),
        tr("5. Runde"), tr("Viertelfinale"), tr("Halbfinale"), tr("Finale")};
    for (std::size_t round = 0; round < m_prizeFields.size(); ++round) {
        auto* field = new QLineEdit(box);
        field->setObjectName(QStringLiteral("prize%1").arg(round));
        field->setMaxLength(kPrizeFieldLength);
        field->setValidator(digits);
        field->setAlignment(Qt::AlignRight);
        AddFieldRow(grid, labels[round], field);
        m_prizeFields[round] = field;
    }
    auto* note = new QLabel(tr("Sämtliche Geldbeträge sind Euroangaben!"), box);
    grid->addWidget(note, grid->rowCount(), 0, 1, 2);
    grid->setColumnStretch(1, 1);
    connect(m_prizeCup, &QComboBox::currentIndexChanged, this, [this] { ShowPrizeFields(); });
    connect(kindGroup, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) {
            ShowPrizeFields();
        }
    });
    return box;
}

void CCountryCupsPage::Load() {
    const CWorld& world = m_document.World();
    m_stored = ReadCupPageValues(world, m_country, m_document.Language());
    for (std::size_t cup = 0; cup < kCups.size(); ++cup) {
        const SCupValues& values = m_stored.cups[cup];
        m_names[cup]->setText(Cp1252ToQString(values.name));
        SelectChoice(*m_modes[cup], values.mode);
        for (std::size_t kind = 0; kind < values.prizes.size(); ++kind) {
            for (std::size_t round = 0; round < values.prizes[kind].size(); ++round) {
                m_prizeTexts[cup][kind][round] = QString::number(values.prizes[kind][round]);
            }
        }
    }
    m_loadedPrizeTexts = m_prizeTexts;
    m_finalStadium->clear();
    FillChoiceCombo(*m_finalStadium, FinalStadiumChoices(world.Country(m_country)));
    SelectChoice(*m_finalStadium, m_stored.finalStadium);
    m_homeAdvantage->setChecked(m_stored.homeAdvantage);
    m_onePerYear->setChecked(m_stored.onePerYear);
    for (std::size_t which = 0; which < m_yellowRules.size(); ++which) {
        SelectChoice(*m_yellowRules[which], m_stored.yellowRule[which]);
        m_yellowAfterYellowRed[which]->setChecked(m_stored.yellowAfterYellowRed[which]);
    }
    m_yellowForAll->setChecked(m_stored.yellowForAll);
    for (std::size_t level = 0; level < m_yellowRedLevels.size(); ++level) {
        m_yellowRedLevels[level]->setChecked(m_stored.yellowRedLevels[level]);
    }
    m_yellowRedForAll->setChecked(m_stored.yellowRedForAll);
    SelectChoice(*m_redStart, m_stored.redCardStart);
    m_variableDuration->setChecked(m_stored.variableDuration);
    m_fixedDuration->setChecked(!m_stored.variableDuration);
    m_redForAll->setChecked(m_stored.redForAll);
    m_prizeCupShown = -1;
    FillPrizeCups();
    m_loaded = Shown();
}

void CCountryCupsPage::FillPrizeCups() {
    KeepPrizeFields();
    const int chosen = ShownPrizeCup();
    const QSignalBlocker quiet(m_prizeCup);
    m_prizeCup->clear();
    for (std::size_t cup = 0; cup < kCups.size(); ++cup) {
        if (ShownChoice(*m_modes[cup], m_stored.cups[cup].mode) != 0) {
            m_prizeCup->addItem(CupCaption(static_cast<int>(cup)), static_cast<int>(cup));
        }
    }
    const int again = m_prizeCup->findData(chosen);
    m_prizeCup->setCurrentIndex(again >= 0 ? again : (m_prizeCup->count() > 0 ? 0 : -1));
    m_prizeCupShown = -1;
    ShowPrizeFields();
}

void CCountryCupsPage::KeepPrizeFields() {
    if (m_prizeCupShown < 0) {
        return;
    }
    PrizeTexts& texts = m_prizeTexts[static_cast<std::size_t>(m_prizeCupShown)];
    for (std::size_t round = 0; round < m_prizeFields.size(); ++round) {
        texts[static_cast<std::size_t>(m_prizeKindShown)][round] = m_prizeFields[round]->text();
    }
}

void CCountryCupsPage::ShowPrizeFields() {
    KeepPrizeFields();
    m_prizeCupShown = ShownPrizeCup();
    m_prizeKindShown = ShownPrizeKind();
    for (std::size_t round = 0; round < m_prizeFields.size(); ++round) {
        QLineEdit* field = m_prizeFields[round];
        field->setEnabled(m_prizeCupShown >= 0);
        field->setText(m_prizeCupShown >= 0
                           ? m_prizeTexts[static_cast<std::size_t>(m_prizeCupShown)]
                                         [static_cast<std::size_t>(m_prizeKindShown)][round]
                           : QString());
    }
}

int CCountryCupsPage::ShownPrizeCup() const {
    return m_prizeCup->currentIndex() >= 0 ? m_prizeCup->currentData().toInt() : -1;
}

int CCountryCupsPage::ShownPrizeKind() const {
    return m_prizeKinds[1]->isChecked() ? 1 : 0;
}

SCupPageValues CCountryCupsPage::Shown() const {
    std::array<PrizeTexts, kCountryCupCount> texts = m_prizeTexts;
    if (m_prizeCupShown >= 0) {
        for (std::size_t round = 0; round < m_prizeFields.size(); ++round) {
            texts[static_cast<std::size_t>(m_prizeCupShown)]
                 [static_cast<std::size_t>(m_prizeKindShown)][round] = m_prizeFields[round]->text();
        }
    }
    SCupPageValues shown = m_stored;
    for (std::size_t cup = 0; cup < kCups.size(); ++cup) {
        SCupValues& values = shown.cups[cup];
        values.name = EditedText(m_names[cup]->text(), m_stored.cups[cup].name);
        values.mode = ShownChoice(*m_modes[cup], m_stored.cups[cup].mode);
        for (std::size_t kind = 0; kind < values.prizes.size(); ++kind) {
            for (std::size_t round = 0; round < values.prizes[kind].size(); ++round) {
                const QString& text = texts[cup][kind][round];
                // An amount shown as loaded keeps its stored value, whatever the field can type.
                if (text != m_loadedPrizeTexts[cup][kind][round]) {
                    values.prizes[kind][round] = ParsePrizeMoney(QStringToCp1252(text));
                }
            }
        }
    }
    shown.finalStadium = ShownChoice(*m_finalStadium, m_stored.finalStadium);
    shown.homeAdvantage = m_homeAdvantage->isChecked();
    shown.onePerYear = m_onePerYear->isChecked();
    for (std::size_t which = 0; which < m_yellowRules.size(); ++which) {
        shown.yellowRule[which] = ShownChoice(*m_yellowRules[which], m_stored.yellowRule[which]);
        shown.yellowAfterYellowRed[which] = m_yellowAfterYellowRed[which]->isChecked();
    }
    shown.yellowForAll = m_yellowForAll->isChecked();
    for (std::size_t level = 0; level < m_yellowRedLevels.size(); ++level) {
        shown.yellowRedLevels[level] = m_yellowRedLevels[level]->isChecked();
    }
    shown.yellowRedForAll = m_yellowRedForAll->isChecked();
    shown.redCardStart = ShownChoice(*m_redStart, m_stored.redCardStart);
    shown.variableDuration = m_variableDuration->isChecked();
    shown.redForAll = m_redForAll->isChecked();
    return shown;
}

void CCountryCupsPage::Store() {
    if (!Differs()) {
        return;
    }
    const SCupPageValues edited = Shown();
    const SCupPageValues loaded = m_loaded;
    const int country = m_country;
    const int language = m_document.Language();
    m_document.Perform(QStringToCp1252(tr("Pokal")), SWorldScope::Countries({country}),
                       [country, language, &loaded, &edited](CWorld& world) {
                           return StoreChangedCupPageValues(world, country, language, loaded,
                                                            edited);
                       });
    Load();
}

}  // namespace kw
