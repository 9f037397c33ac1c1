#pragma once

#include <QColor>
#include <QComboBox>

#include <string_view>

namespace kw {

// A drop-down list of named colours (names in the model's Windows-1252), each shown as a swatch
// beside its name, in the list as in the closed box.
class CSelectColour : public QComboBox {
    Q_OBJECT

public:
    explicit CSelectColour(QWidget* parent = nullptr);

    // Appends an item; returns its index.
    int AddColour(std::string_view name, const QColor& colour);
    // The item's colour; invalid for an index without item.
    QColor Colour(int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace kw
