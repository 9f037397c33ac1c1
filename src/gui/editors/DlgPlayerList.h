#pragma once

#include <QWidget>

#include <cstdint>
#include <vector>

#include "editing/SquadChoices.h"
#include "editing/SquadRules.h"

class QLabel;

namespace kw {

class CDatabaseDocument;
class CMyListBox;

// One squad list of the squad dialog: the players of the club's first or second team, ordered by
// the header buttons "Name", "Pos.", "Nat." and "Stärke", with the number of players and their
// average strength below. It reads the club from the document whenever it is rebuilt and keeps
// its current person across rebuilds (the row of that person, else the same row, else the last).
class CDlgPlayerList : public QWidget {
    Q_OBJECT

public:
    CDlgPlayerList(const CDatabaseDocument& document, std::uint32_t clubId, bool secondTeam,
                   QWidget* parent = nullptr);

    bool SecondTeam() const { return m_secondTeam; }
    // Rows anew from the club; the current person is selected again as far as possible.
    void Rebuild();
    // Selects that person's row; 0 or a person not listed selects nothing.
    void SelectPerson(std::uint32_t personId);
    std::uint32_t CurrentPerson() const { return m_current; }
    const std::vector<SSquadRow>& Rows() const { return m_rows; }
    CMyListBox& List() const { return *m_list; }
    void SortBy(ESquadOrder order);

signals:
    // The user chose a row (0: none).
    void personChosen(std::uint32_t personId);
    // The list asks for its context menu at that screen position (CMyListBox).
    void menuRequested(const QPoint& globalPos);

private:
    void SetCurrentRow(int row);
    void ShowCurrentRow(int row);

    const CDatabaseDocument& m_document;
    std::uint32_t m_clubId;
    bool m_secondTeam;
    ESquadOrder m_order = ESquadOrder::kName;
    std::vector<SSquadRow> m_rows;
    std::uint32_t m_current = 0;
    int m_currentRow = -1;
    CMyListBox* m_list;
    QLabel* m_count;
    QLabel* m_average;
};

}  // namespace kw
