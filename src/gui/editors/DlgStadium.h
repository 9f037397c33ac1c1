#pragma once

#include <array>
#include <cstddef>

#include "editing/StadiumRules.h"
#include "gui/controls/DialogB.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace kw {

class CDatabaseDocument;

// "Kickwerk 06 - Stadien": one stadium of a country's list with its eight stands. The dialog
// edits what it shows; OK checks the season-ticket and away blocks first and, with any fault,
// lists the messages and stays open without storing anything. A valid layout is stored as one
// undoable edit of the country, and only when it differs from the record.
class CDlgStadium : public CDialogB {
    Q_OBJECT

public:
    CDlgStadium(CDatabaseDocument& document, int country, std::size_t index,
                QWidget* parent = nullptr);

    // Runs the dialog on stadium `index` (from 0) of the country; true when it stored a change.
    static bool Edit(CDatabaseDocument& document, int country, std::size_t index, QWidget* parent);

    // The values as the fields show them now.
    SStadiumValues Values() const;

    void accept() override;

private:
    struct SStandFields {
        QLineEdit* seats = nullptr;
        QLineEdit* standing = nullptr;
        QLineEdit* vip = nullptr;
        QCheckBox* seasonTicket = nullptr;
        QCheckBox* away = nullptr;
    };

    QLineEdit* PlacesField(const QString& name, std::int32_t places);
    void ShowTotal();
    // Lists the block faults; true when there was none.
    bool CheckBlocks(const StandTable& stands);

    CDatabaseDocument& m_document;
    const int m_country;
    const std::size_t m_index;
    // The record as the dialog found it: fields the user left alone keep its exact bytes.
    const CStadium m_original;
    QLineEdit* m_name;
    QLineEdit* m_city;
    QComboBox* m_type;
    std::array<SStandFields, kStandCount> m_stands;
    QLabel* m_total;
};

}  // namespace kw
