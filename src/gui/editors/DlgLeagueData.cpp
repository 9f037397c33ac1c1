#include "gui/editors/DlgLeagueData.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>

#include <array>

#include "document/DatabaseDocument.h"
#include "editing/LeagueDataRules.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/OkCancelButtons.h"
#include "model/World.h"
#include "platform/StringTable.h"

namespace kw {

namespace {

// A list index that shows no entry stands for "not shown" in the stored terms.
constexpr std::uint8_t kNotShown = 0xFF;

constexpr std::array kFlagTexts = {
    QT_TRANSLATE_NOOP("kw::CDlgLeagueData",
                      "Arbeitslose einheimische Spieler können jederzeit verpflichtet werden"),
    QT_TRANSLATE_NOOP("kw::CDlgLeagueData",
                      "Arbeitslose ausländische Spieler können jederzeit verpflichtet werden"),
    QT_TRANSLATE_NOOP("kw::CDlgLeagueData",
                      "Verliehene Spieler können jederzeit zurückgeholt werden"),
};
constexpr std::array kValueTexts = {
    QT_TRANSLATE_NOOP("kw::CDlgLeagueData", "Bonuszahlung für 1. Platz"),
    QT_TRANSLATE_NOOP("kw::CDlgLeagueData", "Abzug für jeden Platz tiefer"),
    QT_TRANSLATE_NOOP("kw::CDlgLeagueData", "Fernsehgelder")};
// i32 amounts fit ten digits and a sign; "Fernsehgelder" is typed with at most eight.
constexpr std::array kValueLengths = {11, 11, static_cast<int>(kMoneyDigits)};

std::uint8_t ShownIndex(const QComboBox& list) {
    return list.currentIndex() < 0 ? kNotShown : static_cast<std::uint8_t>(list.currentIndex());
}

// Shows the entry at `index` when there is one, else none.
void ShowIndex(QComboBox& list, int index) {
    list.setCurrentIndex(index >= 0 && index < list.count() ? index : -1);
}

QComboBox* List(const QString& name, const QStringList& entries, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->addItems(entries);
    return list;
}

QSpinBox* Spin(const QString& name, int lowest, int highest, QWidget* parent) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setRange(lowest, highest);
    return spin;
}

QStringList Numbers(int first, int last) {
    QStringList numbers;
    for (int number = first; number <= last; ++number) {
        numbers << QString::number(number);
    }
    return numbers;
}

// Copies the field if the user changed the control.
template <typename T>
void TakeIfChanged(T& stored, const T& now, const T& atOpen) {
    if (now != atOpen) {
        stored = now;
    }
}

}  // namespace

CDlgLeagueData::CDlgLeagueData(const CWorld& world, std::uint32_t leagueId,
                               const SLeagueData& shown, QWidget* parent)
    : CDialogB(parent), m_leagueId(leagueId), m_shown(shown) {
    setObjectName(QStringLiteral("DlgLeagueData"));
    setWindowTitle(tr("Ligadaten"));

    auto* left = new QVBoxLayout;
    left->addWidget(BuildLeagueGroup());
    left->addWidget(BuildValueGroup());
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(BuildLevelGroup(world));
    right->addWidget(BuildLoanGroup());
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);

    QDialogButtonBox* buttons = MakeOkCancelButtons(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);

    Show(shown);
    m_controlsAtOpen = ControlValues();
    m_loanAtOpen = LoanChoices();
    MirrorLoanLists();

    // A script builds the structure: what belongs to it is fixed here.
    if (LeagueScriptActive(world, leagueId)) {
        for (QWidget* fixed : std::initializer_list<QWidget*>{m_size, m_meetings, m_relegated,
                                                              m_reserveTeams, m_tieBreak}) {
            fixed->setEnabled(false);
        }
    }
    m_name->setFocus();
}

QWidget* CDlgLeagueData::BuildLeagueGroup() {
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("name"));
    m_name->setMaxLength(static_cast<int>(kLeagueNameLength));
    m_name->setMinimumWidth(m_name->fontMetrics().horizontalAdvance(
        QString(static_cast<int>(kLeagueNameLength), QLatin1Char('n'))));
    m_size = Spin(QStringLiteral("size"), kMinLeagueSize, kMaxLeagueSize, this);
    QStringList meetings;
    for (int count = kMinMeetings; count <= kMaxMeetings; ++count) {
        meetings << tr("%1 Runden").arg(count);
    }
    m_meetings = List(QStringLiteral("meetings"), meetings, this);
    m_spectators = Spin(QStringLiteral("spectators"), 1, kMaxSpectatorMultiplier, this);
    m_transfers = Spin(QStringLiteral("transfers"), 1, kMaxTransferMultiplier, this);
    m_substitutions = List(QStringLiteral("substitutions"), Numbers(0, kMaxSubstitutions), this);

    auto* form = new QFormLayout;
    form->addRow(tr("&Name"), m_name);
    form->addRow(tr("Ligengröße"), m_size);
    form->addRow(tr("Runden"), m_meetings);
    form->addRow(tr("Zuschauermultiplikator"), m_spectators);
    form->addRow(tr("Transfermarkt Multiplikator"), m_transfers);
    form->addRow(tr("Anzahl erlaubter Auswechslungen"), m_substitutions);
    for (std::size_t flag = 0; flag < kFlagTexts.size(); ++flag) {
        auto* box = new QCheckBox(tr(kFlagTexts[flag]), this);
        box->setObjectName(QStringLiteral("flag%1").arg(flag));
        m_flags.push_back(box);
        form->addRow(box);
    }
    auto* group = new QGroupBox(tr("Liga"), this);
    group->setLayout(form);
    return group;
}

QWidget* CDlgLeagueData::BuildLoanGroup() {
    auto* form = new QFormLayout;
    int index = 0;
    for (const SLoanRule& rule : LoanRules()) {
        QStringList entries = Numbers(0, LoanRuleChoiceCount(rule) - 2);
        entries << QStringLiteral("-");
        QComboBox* list = List(QStringLiteral("loan%1").arg(index++), entries, this);
        m_loanRules.push_back(list);
        form->addRow(Cp1252ToQString(rule.label), list);
    }
    auto* group = new QGroupBox(tr("Leihgeschäfte"), this);
    group->setLayout(form);
    return group;
}

QWidget* CDlgLeagueData::BuildValueGroup() {
    auto* form = new QFormLayout;
    for (std::size_t value = 0; value < kValueTexts.size(); ++value) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("value%1").arg(value));
        edit->setMaxLength(kValueLengths[value]);
        edit->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9]*")), edit));
        m_values.push_back(edit);
        form->addRow(tr(kValueTexts[value]), edit);
    }
    form->addRow(new QLabel(tr("Sämtliche Geldbeträge sind in Euro!"), this));
    auto* group = new QGroupBox(tr("Geldbeträge"), this);
    group->setLayout(form);
    return group;
}

QWidget* CDlgLeagueData::BuildLevelGroup(const CWorld& world) {
    m_tieBreak = List(QStringLiteral("tieBreak"),
                      {tr("normal", "tie-break"), tr("Tore vor Tordifferenz")}, this);
    QStringList limits{tr("unbegrenzt")};
    for (int players = 1; players <= 7; ++players) {
        limits << tr("%n nicht europäische Spieler", nullptr, players);
    }
    m_nonEuropean = List(QStringLiteral("nonEuropean"), limits, this);
    m_relegated = new QComboBox(this);
    m_relegated->setObjectName(QStringLiteral("relegated"));
    for (const int count : RelegationChoices(world, m_leagueId)) {
        m_relegated->addItem(
            count == 0 ? tr("keine Absteiger") : tr("%n Absteiger", nullptr, count), count);
    }
    m_reserveTeams = new QCheckBox(tr("Reservemannschaften erlaubt"), this);
    m_reserveTeams->setObjectName(QStringLiteral("reserveTeams"));

    auto* form = new QFormLayout;
    form->addRow(tr("Tabellenwertung"), m_tieBreak);
    form->addRow(tr("Ausländerbeschränkung"), m_nonEuropean);
    form->addRow(tr("Absteiger"), m_relegated);
    form->addRow(m_reserveTeams);
    auto* group = new QGroupBox(tr("Spielklasse"), this);
    group->setLayout(form);
    return group;
}

void CDlgLeagueData::Show(const SLeagueData& data) {
    m_name->setText(Cp1252ToQString(data.name));
    m_size->setValue(data.size);
    ShowIndex(*m_meetings, data.meetings - kMinMeetings);
    m_spectators->setValue(data.spectatorMultiplier);
    m_transfers->setValue(data.transferMultiplier);
    ShowIndex(*m_substitutions, data.substitutions);
    for (std::size_t flag = 0; flag < m_flags.size(); ++flag) {
        m_flags[flag]->setChecked((data.signingFlags & (1u << flag)) != 0);
    }
    for (std::size_t rule = 0; rule < m_loanRules.size(); ++rule) {
        ShowIndex(*m_loanRules[rule],
                  LoanRuleValue(LoanRules()[rule], data.loanRules1, data.loanRules2));
    }
    for (std::size_t value = 0; value < m_values.size(); ++value) {
        m_values[value]->setText(QString::number(data.values[value]));
    }
    ShowIndex(*m_tieBreak, data.tieBreak);
    ShowIndex(*m_nonEuropean, data.nonEuropeanLimit);
    ShowIndex(*m_relegated, m_relegated->findData(static_cast<int>(data.relegated)));
    m_reserveTeams->setChecked(data.reserveTeams);
}

// Both lists show the same field of the loan rules: choosing in one shows it in the other.
void CDlgLeagueData::MirrorLoanLists() {
    const auto& rules = LoanRules();
    for (std::size_t first = 0; first < rules.size(); ++first) {
        for (std::size_t second = first + 1; second < rules.size(); ++second) {
            if (rules[first].word != rules[second].word ||
                rules[first].shift != rules[second].shift) {
                continue;
            }
            QComboBox* a = m_loanRules[first];
            QComboBox* b = m_loanRules[second];
            connect(a, &QComboBox::currentIndexChanged, b, [b](int index) {
                const QSignalBlocker quiet(b);
                b->setCurrentIndex(index);
            });
            connect(b, &QComboBox::currentIndexChanged, a, [a](int index) {
                const QSignalBlocker quiet(a);
                a->setCurrentIndex(index);
            });
        }
    }
}

std::vector<int> CDlgLeagueData::LoanChoices() const {
    std::vector<int> choices;
    for (const QComboBox* list : m_loanRules) {
        choices.push_back(list->currentIndex());
    }
    return choices;
}

SLeagueData CDlgLeagueData::ControlValues() const {
    SLeagueData now = m_shown;
    now.name = QStringToCp1252(m_name->text());
    now.size = m_size->value();
    now.meetings = m_meetings->currentIndex() < 0
                       ? kNotShown
                       : static_cast<std::uint8_t>(m_meetings->currentIndex() + kMinMeetings);
    now.spectatorMultiplier = static_cast<std::uint8_t>(m_spectators->value());
    now.transferMultiplier = static_cast<std::uint8_t>(m_transfers->value());
    now.substitutions = ShownIndex(*m_substitutions);
    std::uint8_t flags = m_shown.signingFlags & ~std::uint8_t{7};
    for (std::size_t flag = 0; flag < m_flags.size(); ++flag) {
        flags |= m_flags[flag]->isChecked() ? static_cast<std::uint8_t>(1u << flag) : 0;
    }
    now.signingFlags = flags;
    for (std::size_t value = 0; value < m_values.size(); ++value) {
        now.values[value] = MoneyFromText(QStringToCp1252(m_values[value]->text()));
    }
    now.tieBreak = ShownIndex(*m_tieBreak);
    now.nonEuropeanLimit = ShownIndex(*m_nonEuropean);
    now.relegated = m_relegated->currentIndex() < 0
                        ? kNotShown
                        : static_cast<std::uint8_t>(m_relegated->currentData().toInt());
    now.reserveTeams = m_reserveTeams->isChecked();
    return now;
}

SLeagueData CDlgLeagueData::Edited() const {
    const SLeagueData now = ControlValues();
    const SLeagueData& open = m_controlsAtOpen;
    SLeagueData edited = m_shown;
    TakeIfChanged(edited.name, now.name, open.name);
    TakeIfChanged(edited.size, now.size, open.size);
    TakeIfChanged(edited.meetings, now.meetings, open.meetings);
    TakeIfChanged(edited.spectatorMultiplier, now.spectatorMultiplier, open.spectatorMultiplier);
    TakeIfChanged(edited.transferMultiplier, now.transferMultiplier, open.transferMultiplier);
    TakeIfChanged(edited.substitutions, now.substitutions, open.substitutions);
    TakeIfChanged(edited.signingFlags, now.signingFlags, open.signingFlags);
    for (std::size_t value = 0; value < edited.values.size(); ++value) {
        TakeIfChanged(edited.values[value], now.values[value], open.values[value]);
    }
    TakeIfChanged(edited.tieBreak, now.tieBreak, open.tieBreak);
    TakeIfChanged(edited.nonEuropeanLimit, now.nonEuropeanLimit, open.nonEuropeanLimit);
    TakeIfChanged(edited.relegated, now.relegated, open.relegated);
    TakeIfChanged(edited.reserveTeams, now.reserveTeams, open.reserveTeams);
    const std::vector<int> loans = LoanChoices();
    for (std::size_t rule = 0; rule < loans.size(); ++rule) {
        if (loans[rule] != m_loanAtOpen[rule]) {
            SetLoanRuleValue(LoanRules()[rule], loans[rule], edited.loanRules1, edited.loanRules2);
        }
    }
    return edited;
}

bool CDlgLeagueData::Edit(CDatabaseDocument& document, std::uint32_t leagueId, QWidget* parent) {
    const std::optional<SLeagueData> shown =
        ReadLeagueData(document.World(), leagueId, document.Language());
    if (!shown) {
        return false;
    }
    CDlgLeagueData dialog(document.World(), leagueId, *shown, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    return StoreLeagueData(document, leagueId, *shown, dialog.Edited());
}

}  // namespace kw
