#include "gui/editors/DlgStadiumSelect.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "editing/StadiumPick.h"
#include "gui/controls/ControlText.h"
#include "model/World.h"

namespace kw {

namespace {

constexpr int kStadiumListWidth = 140;  // dialog units

QListWidget* List(const QString& name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setMinimumWidth(list->fontMetrics().averageCharWidth() * kStadiumListWidth / 4);
    return list;
}

void Fill(QListWidget& list, const std::vector<SEditChoice>& choices, int value) {
    list.clear();
    for (const SEditChoice& choice : choices) {
        auto* item = new QListWidgetItem(Cp1252ToQString(choice.text), &list);
        item->setData(Qt::UserRole, choice.value);
    }
    list.setCurrentRow(ChoiceIndex(choices, value));
}

int CurrentValue(const QListWidget& list) {
    const QListWidgetItem* item = list.currentItem();
    return item != nullptr ? item->data(Qt::UserRole).toInt() : 0;
}

}  // namespace

CDlgStadiumSelect::CDlgStadiumSelect(const CWorld& world, int language, int country, int stadium,
                                     QWidget* parent)
    : CDialogB(parent), m_world(world) {
    setObjectName(QStringLiteral("DlgStadiumSelect"));
    setWindowTitle(tr("Stadion auswählen"));
    setModal(true);

    m_countries = List(QStringLiteral("countries"), this);
    m_stadiums = List(QStringLiteral("stadiums"), this);
    auto* countryLabel = new QLabel(tr("&Land"), this);
    countryLabel->setBuddy(m_countries);
    auto* stadiumLabel = new QLabel(tr("S&tadion"), this);
    stadiumLabel->setBuddy(m_stadiums);
    // A list does not take its name from its buddy label.
    m_countries->setAccessibleName(tr("Land"));
    m_stadiums->setAccessibleName(tr("Stadion"));

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    m_ok->setObjectName(QStringLiteral("ok"));
    m_ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(tr("Abbruch"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgStadiumSelect::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgStadiumSelect::reject);

    auto* grid = new QGridLayout;
    grid->addWidget(countryLabel, 0, 0);
    grid->addWidget(stadiumLabel, 0, 1);
    grid->addWidget(m_countries, 1, 0);
    grid->addWidget(m_stadiums, 1, 1);
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(tr("Bitte wählen Sie das gewünschte Stadion!"), this);
    prompt->setObjectName(QStringLiteral("prompt"));
    layout->addWidget(prompt);
    layout->addLayout(grid, 1);
    layout->addWidget(buttons);

    const SStadiumPick start = StartingPick(world, country, stadium);
    Fill(*m_countries, PickCountries(world, language), start.country);
    FillStadiums(start.stadium);
    connect(m_countries, &QListWidget::currentRowChanged, this, [this] { FillStadiums(1); });
    connect(m_stadiums, &QListWidget::currentRowChanged, this,
            [this] { m_ok->setEnabled(ChosenVenue().has_value()); });
    connect(m_stadiums, &QListWidget::itemDoubleClicked, this, &CDlgStadiumSelect::accept);
    m_stadiums->setFocus();
}

std::optional<std::uint32_t> CDlgStadiumSelect::Choose(const CWorld& world, int language,
                                                       int country, int stadium, QWidget* parent) {
    CDlgStadiumSelect dialog(world, language, country, stadium, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.ChosenVenue();
}

int CDlgStadiumSelect::CurrentCountry() const {
    return CurrentValue(*m_countries);
}

std::optional<std::uint32_t> CDlgStadiumSelect::ChosenVenue() const {
    return PickedVenue(m_world, {CurrentCountry(), CurrentValue(*m_stadiums)});
}

void CDlgStadiumSelect::FillStadiums(int stadium) {
    const int country = CurrentCountry();
    {
        const QSignalBlocker quiet(m_stadiums);
        Fill(*m_stadiums,
             country > 0 ? PickStadiums(m_world.Country(country)) : std::vector<SEditChoice>{},
             stadium);
    }
    m_ok->setEnabled(ChosenVenue().has_value());
}

}  // namespace kw
