#pragma once

#include <cstdint>
#include <optional>

#include "gui/controls/DialogB.h"

class QListWidget;
class QPushButton;

namespace kw {

class CWorld;

// "Stadion auswählen": a country of "Land" (named in `language`), then one of its stadiums in
// "Stadion". OK (or Enter,
// or a double-click on a stadium) gives the chosen stadium as a venue reference; Cancel and
// Escape give nothing.
class CDlgStadiumSelect : public CDialogB {
    Q_OBJECT

public:
    // Opens on the country and stadium number given (held to what exists).
    CDlgStadiumSelect(const CWorld& world, int language, int country, int stadium,
                      QWidget* parent = nullptr);

    // The venue (country in bits 16..23, stadium number from 1) after OK; nothing after Cancel.
    static std::optional<std::uint32_t> Choose(const CWorld& world, int language, int country,
                                               int stadium, QWidget* parent);

    QListWidget& Countries() const { return *m_countries; }
    QListWidget& Stadiums() const { return *m_stadiums; }
    // The venue the lists show chosen; nothing without a stadium.
    std::optional<std::uint32_t> ChosenVenue() const;

private:
    void FillStadiums(int stadium);
    int CurrentCountry() const;

    const CWorld& m_world;
    QListWidget* m_countries = nullptr;
    QListWidget* m_stadiums = nullptr;
    QPushButton* m_ok = nullptr;
};

}  // namespace kw
