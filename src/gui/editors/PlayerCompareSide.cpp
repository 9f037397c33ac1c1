#include "gui/editors/PlayerCompareSide.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "editing/PlayerComparison.h"
#include "editing/SquadChoices.h"
#include "gui/controls/ControlText.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/World.h"
#include "storage/Identifiers.h"

namespace kw {

CPlayerCompareSide::CPlayerCompareSide(const CWorld& world, int language, const QString& title,
                                       const QString& countryLabel, const QString& clubLabel,
                                       int country, QWidget* parent)
    : QGroupBox(title, parent),
      m_world(world),
      m_language(language),
      m_countries(new QComboBox(this)),
      m_clubs(new QComboBox(this)),
      m_players(new QListWidget(this)) {
    m_countries->setObjectName(QStringLiteral("country"));
    m_clubs->setObjectName(QStringLiteral("club"));
    m_players->setObjectName(QStringLiteral("players"));
    // Both halves caption their choices alike; the names say which half they belong to.
    m_countries->setAccessibleName(tr("%1: Land").arg(title));
    m_clubs->setAccessibleName(tr("%1: Verein").arg(title));
    m_players->setAccessibleName(tr("%1: Spielerliste").arg(title));
    const int charWidth = fontMetrics().averageCharWidth();
    m_players->setMinimumSize(34 * charWidth, fontMetrics().height() * 10);
    for (const SChoiceEntry& entry : ChoosableCountries(world, language)) {
        m_countries->addItem(Cp1252ToQString(entry.text), entry.value);
    }
    const int shown = m_countries->findData(static_cast<std::uint32_t>(ValidCountry(country)));
    m_countries->setCurrentIndex(shown >= 0 ? shown : 0);

    auto* choices = new QFormLayout;
    auto* countryCaption = new QLabel(countryLabel, this);
    countryCaption->setBuddy(m_countries);
    choices->addRow(countryCaption, m_countries);
    auto* clubCaption = new QLabel(clubLabel, this);
    clubCaption->setBuddy(m_clubs);
    choices->addRow(clubCaption, m_clubs);

    auto* values = new QFormLayout;
    for (int index = 0; index < kSummaryValueCount; ++index) {
        auto* value = new QLabel(this);
        value->setObjectName(QStringLiteral("value%1").arg(index));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setMinimumWidth(6 * charWidth);
        values->addRow(Cp1252ToQString(SummaryValueLabel(index)), value);
        m_values[static_cast<std::size_t>(index)] = value;
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(m_players, 1);
    layout->addLayout(values);

    connect(m_countries, &QComboBox::currentIndexChanged, this, &CPlayerCompareSide::FillClubs);
    connect(m_clubs, &QComboBox::currentIndexChanged, this, &CPlayerCompareSide::FillPlayers);
    connect(m_players, &QListWidget::currentRowChanged, this, &CPlayerCompareSide::ShowValues);
    FillClubs();
}

std::uint32_t CPlayerCompareSide::ChosenPlayer() const {
    const QListWidgetItem* item = m_players->currentItem();
    return item != nullptr ? item->data(Qt::UserRole).toUInt() : 0;
}

void CPlayerCompareSide::FillClubs() {
    const QSignalBlocker blocker(m_clubs);
    m_clubs->clear();
    const int country = m_countries->currentData().toInt();
    if (country >= 1 && country <= kCountryCount) {
        for (const SChoiceEntry& entry :
             ChoosableClubs(m_world.Country(country), m_language, false)) {
            m_clubs->addItem(Cp1252ToQString(entry.text), entry.value);
        }
    }
    m_clubs->setCurrentIndex(m_clubs->count() > 0 ? 0 : -1);
    FillPlayers();
}

void CPlayerCompareSide::FillPlayers() {
    const QSignalBlocker blocker(m_players);
    m_players->clear();
    const CClub* club = nullptr;
    if (m_clubs->currentIndex() >= 0) {
        const std::uint32_t clubId = m_clubs->currentData().toUInt();
        club = m_world.Country(ValidCountry(ClubCountry(clubId))).Club(clubId);
    }
    if (club != nullptr) {
        for (const SChoiceEntry& entry : ComparisonPlayers(*club)) {
            auto* item = new QListWidgetItem(Cp1252ToQString(entry.text), m_players);
            item->setData(Qt::UserRole, entry.value);
        }
    }
    m_players->setCurrentRow(m_players->count() > 0 ? 0 : -1);
    ShowValues();
}

void CPlayerCompareSide::ShowValues() {
    const CPlayer* player = m_world.Person(ChosenPlayer());
    if (player == nullptr) {
        for (QLabel* value : m_values) {
            value->clear();
        }
        return;
    }
    const auto texts = SummaryValueTexts(*player);
    for (std::size_t index = 0; index < texts.size(); ++index) {
        m_values[index]->setText(Cp1252ToQString(texts[index]));
    }
}

}  // namespace kw
