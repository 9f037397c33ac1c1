#pragma once

#include <QPushButton>

#include "editing/KitColours.h"

namespace kw {

class CTeamColourTextFile;

// A kit colour: a button showing the colour that opens "Trikot Farbauswahl" to pick another.
class CKitColourButton : public QPushButton {
    Q_OBJECT

public:
    CKitColourButton(const QString& text, const CTeamColourTextFile& teamColours, QWidget* parent);

    void Load(SKitRgb colour);
    bool IsChanged() const { return m_colour != m_loaded; }
    SKitRgb Colour() const { return m_colour; }

signals:
    void ColourChanged();

private:
    void Pick();
    void ShowColour();

    const CTeamColourTextFile& m_teamColours;
    SKitRgb m_colour;
    SKitRgb m_loaded;
};

}  // namespace kw
