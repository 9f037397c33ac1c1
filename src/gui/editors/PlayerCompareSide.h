#pragma once

#include <QGroupBox>

#include <array>
#include <cstdint>

#include "model/PlayerSummaryValues.h"

class QComboBox;
class QLabel;
class QListWidget;

namespace kw {

class CWorld;

// One half of the player comparison: "Land", "Verein", the club's players "%s (%2.1f)" and the
// chosen player's sixteen summary values; countries and clubs named in `language`. Choosing a
// country fills its clubs and chooses the first; choosing a club fills its players and chooses the
// first.
class CPlayerCompareSide : public QGroupBox {
    Q_OBJECT

public:
    // The mnemonics of the two labels ("&Land" and "&Verein" on the left, others on the right).
    CPlayerCompareSide(const CWorld& world, int language, const QString& title,
                       const QString& countryLabel, const QString& clubLabel, int country,
                       QWidget* parent);

    QComboBox& Countries() const { return *m_countries; }
    QComboBox& Clubs() const { return *m_clubs; }
    QListWidget& Players() const { return *m_players; }
    QLabel& Value(int index) const { return *m_values.at(static_cast<std::size_t>(index)); }
    // 0 when no player is chosen.
    std::uint32_t ChosenPlayer() const;

private:
    void FillClubs();
    void FillPlayers();
    void ShowValues();

    const CWorld& m_world;
    int m_language;
    QComboBox* m_countries;
    QComboBox* m_clubs;
    QListWidget* m_players;
    std::array<QLabel*, kSummaryValueCount> m_values{};
};

}  // namespace kw
