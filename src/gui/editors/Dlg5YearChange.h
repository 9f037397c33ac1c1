#pragma once

#include <array>

#include "editing/FiveYearRules.h"
#include "gui/controls/DialogB.h"

class QLabel;
class QLineEdit;

namespace kw {

class CDatabaseDocument;
class CValueScrollBar;

// "5-Jahres-Wertung ändern": the six values of one country, each an edit field (points with two
// decimals) with a scroll bar over 0..20.00, and "Punkte für 1. Saison". A field keeps the stored
// value until it is typed in or its bar is moved, so a stored value the field cannot show
// exactly survives an OK.
class CDlg5YearChange : public CDialogB {
    Q_OBJECT

public:
    CDlg5YearChange(const QString& countryName, const FiveYearValues& stored,
                    QWidget* parent = nullptr);

    // Runs the dialog for the country; OK stores the values as one edit of the document (none
    // when nothing changed), Cancel leaves everything. True after OK.
    static bool Change(CDatabaseDocument& document, int country, QWidget* parent);

    // The values as they stand: the edited ones as typed or scrolled, the others as stored.
    FiveYearValues Values() const;

    QLineEdit& Field(int index) const { return *m_fields[static_cast<std::size_t>(index)]; }
    CValueScrollBar& Bar(int index) const { return *m_bars[static_cast<std::size_t>(index)]; }
    QLabel& FirstSeasonText() const { return *m_firstSeason; }

private:
    void Typed(int index, const QString& text);
    void Scrolled(int index, int value);
    void TypingFinished(int index);
    void ShowFirstSeasonPoints();

    FiveYearValues m_stored;
    std::array<int, kFiveYearValueCount> m_typed{};
    std::array<bool, kFiveYearValueCount> m_edited{};
    std::array<QLineEdit*, kFiveYearValueCount> m_fields{};
    std::array<CValueScrollBar*, kFiveYearValueCount> m_bars{};
    QLabel* m_firstSeason;
};

}  // namespace kw
