#include "gui/editors/country/CountryLookPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include <array>
#include <vector>

#include "document/DatabaseDocument.h"
#include "editing/PlayerLookRules.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/SpinEditCtrl.h"
#include "gui/editors/country/CountryPageParts.h"
#include "gui/editors/player/DateSpinFields.h"
#include "gui/editors/player/PageFields.h"
#include "model/World.h"

namespace kw {

namespace {

// The lists in page order: their choices and the set each one edits.
struct SLookList {
    std::vector<SEditChoice> (*choices)();
    std::uint32_t SCountryLookValues::*set;
};
const std::array<SLookList, 4> kLookLists = {{
    {FaceChoices, &SCountryLookValues::faces},
    {HairCutChoices, &SCountryLookValues::haircuts},
    {HairColourChoices, &SCountryLookValues::hairColours},
    {BeardChoices, &SCountryLookValues::beards},
}};

void SelectSet(QListWidget& list, std::uint32_t set) {
    for (int row = 0; row < list.count(); ++row) {
        QListWidgetItem* item = list.item(row);
        item->setSelected(LookSetHas(set, item->data(Qt::UserRole).toInt()));
    }
}

std::uint32_t SelectedSet(const QListWidget& list) {
    std::vector<int> values;
    for (const QListWidgetItem* item : list.selectedItems()) {
        values.push_back(item->data(Qt::UserRole).toInt());
    }
    return LookSetOf(values);
}

}  // namespace

CCountryLookPage::CCountryLookPage(CDatabaseDocument& document, int country, QWidget* parent)
    : CCountryPage(parent), m_document(document), m_country(country) {
    setObjectName(QStringLiteral("CountryLookPage"));
    auto* box = new QGroupBox(tr("Aussehen Jugendspieler"), this);
    auto* grid = new QGridLayout(box);
    const std::array<QString, kListCount> captions = {tr("G&esicht"), tr("&Haarschnitt"),
                                                      tr("Haar&farbe"), tr("&Bart")};
    const std::array<QString, kListCount> names = {
        QStringLiteral("faces"), QStringLiteral("haircuts"), QStringLiteral("hairColours"),
        QStringLiteral("beards")};
    for (int which = 0; which < kListCount; ++which) {
        const auto index = static_cast<std::size_t>(which);
        auto* label = new QLabel(captions[index], box);
        QListWidget* list = MakeList(which, names[index]);
        // A list takes its name for a screen reader from itself, not from the label above it.
        list->setAccessibleName(QString(captions[index]).remove(QLatin1Char('&')));
        m_lists[index] = list;
        label->setBuddy(list);
        grid->addWidget(label, 0, which);
        grid->addWidget(list, 1, which);
        grid->setColumnStretch(which, 1);
    }
    grid->setRowStretch(1, 1);

    auto* averages = new QGroupBox(tr("Durchschnittswerte"), this);
    auto* averageGrid = new QGridLayout(averages);
    m_height = new CSpinEditCtrl(averages);
    m_height->setObjectName(QStringLiteral("averageHeight"));
    m_height->SetRange(kMinAverageHeight, kMaxAverageHeight);
    FitSpinToDigits(*m_height, 3);
    // The label names the row with the unit beside the field, not the field itself.
    SetSpinName(*m_height, tr("Durchschnittsgröße"));
    m_heightImperial = new QLabel(averages);
    m_heightImperial->setObjectName(QStringLiteral("heightImperial"));
    auto* heightRow = new QWidget(averages);
    auto* heightLayout = new QHBoxLayout(heightRow);
    heightLayout->setContentsMargins(0, 0, 0, 0);
    heightLayout->addWidget(m_height);
    heightLayout->addWidget(new QLabel(QStringLiteral("cm"), heightRow));
    heightRow->setFocusProxy(m_height);
    AddFieldRow(averageGrid, tr("Durchschnitts&größe"), heightRow, m_heightImperial);
    m_weight = new CSpinEditCtrl(averages);
    m_weight->setObjectName(QStringLiteral("averageWeight"));
    m_weight->SetRange(kMinAverageWeight, kMaxAverageWeight);
    FitSpinToDigits(*m_weight, 3);
    SetSpinName(*m_weight, tr("Durchschnittsgewicht"));
    m_weightImperial = new QLabel(averages);
    m_weightImperial->setObjectName(QStringLiteral("weightImperial"));
    auto* weightRow = new QWidget(averages);
    auto* weightLayout = new QHBoxLayout(weightRow);
    weightLayout->setContentsMargins(0, 0, 0, 0);
    weightLayout->addWidget(m_weight);
    weightLayout->addWidget(new QLabel(QStringLiteral("kg"), weightRow));
    weightRow->setFocusProxy(m_weight);
    AddFieldRow(averageGrid, tr("Durchschnittsge&wicht"), weightRow, m_weightImperial);
    averageGrid->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box, 1);
    layout->addWidget(averages);
    connect(m_height, &CSpinEditCtrl::SpinEditChanged, this, &CCountryLookPage::ShowImperial);
    connect(m_weight, &CSpinEditCtrl::SpinEditChanged, this, &CCountryLookPage::ShowImperial);
    Load();
}

QListWidget* CCountryLookPage::MakeList(int which, const QString& name) {
    auto* list = new QListWidget(this);
    list->setObjectName(name);
    // A click or the space bar toggles an entry; the others stay selected.
    list->setSelectionMode(QAbstractItemView::MultiSelection);
    const std::vector<SEditChoice> all = kLookLists[static_cast<std::size_t>(which)].choices();
    for (const SEditChoice& choice : LookSetChoices(all)) {
        auto* item = new QListWidgetItem(Cp1252ToQString(choice.text), list);
        item->setData(Qt::UserRole, choice.value);
    }
    list->setMinimumHeight(list->fontMetrics().lineSpacing() * 8);
    return list;
}

void CCountryLookPage::Load() {
    const SCountryLookValues stored = ReadLookValues(m_document.World().Country(m_country));
    for (int which = 0; which < kListCount; ++which) {
        const auto index = static_cast<std::size_t>(which);
        SelectSet(*m_lists[index], stored.*kLookLists[index].set);
    }
    m_height->SetValue(stored.averageHeight);
    m_weight->SetValue(stored.averageWeight);
    m_loaded = Shown();
    ShowImperial();
}

SCountryLookValues CCountryLookPage::Shown() const {
    SCountryLookValues shown;
    for (int which = 0; which < kListCount; ++which) {
        const auto index = static_cast<std::size_t>(which);
        shown.*kLookLists[index].set = SelectedSet(*m_lists[index]);
    }
    shown.averageHeight = m_height->GetValue();
    shown.averageWeight = m_weight->GetValue();
    return shown;
}

void CCountryLookPage::Store() {
    if (!Differs()) {
        return;
    }
    const SCountryLookValues edited = Shown();
    const SCountryLookValues loaded = m_loaded;
    const int country = m_country;
    m_document.Perform(QStringToCp1252(tr("Spieler Aussehen")), SWorldScope::Countries({country}),
                       [country, &loaded, &edited](CWorld& world) {
                           return StoreChangedLookValues(world.Country(country), loaded, edited);
                       });
    Load();
}

void CCountryLookPage::ShowImperial() {
    const SImperialHeight height = ImperialHeight(m_height->StoredValue());
    m_heightImperial->setText(QStringLiteral("%1' %2''").arg(height.feet).arg(height.inches));
    const SImperialWeight weight = ImperialWeight(m_weight->StoredValue());
    m_weightImperial->setText(
        weight.pounds >= 1 ? QStringLiteral("%1st %2lbs").arg(weight.stones).arg(weight.pounds)
                           : QStringLiteral("%1st").arg(weight.stones));
}

}  // namespace kw
