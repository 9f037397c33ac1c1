#pragma once

#include <vector>

#include "editing/NationalSquad.h"
#include "gui/controls/DialogB.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace kw {

class CDatabaseDocument;

// "Kickwerk 06 - Nationalmannschaften": the national squad of the country chosen in "Land", a
// list with several selectable rows sorted by a click on a column header, the number of players,
// and "Aus Nationalmannschaft &entfernen" (also on the list's context menu), which clears the
// selected players' flags as one edit of the document and builds the list anew.
class CDlgNationalteam : public CDialogB {
    Q_OBJECT

public:
    CDlgNationalteam(CDatabaseDocument& document, int country, QWidget* parent = nullptr);

    // Runs the dialog with the country preselected (an invalid one counts as 14).
    static void Show(CDatabaseDocument& document, int country, QWidget* parent);

    QComboBox& Countries() const { return *m_countries; }
    QTreeWidget& List() const { return *m_list; }
    QLabel& PlayerCount() const { return *m_count; }
    QPushButton& RemoveButton() const { return *m_remove; }
    // The rows in the order shown.
    const std::vector<SNationalSquadRow>& Rows() const { return m_rows; }
    int Country() const;
    // "Aus Nationalmannschaft &entfernen" for the selected rows.
    void RemoveSelected();

private:
    void Rebuild();
    void ShowRows();
    void SortBy(int column);
    void ShowMenu(const QPoint& globalPos);

    CDatabaseDocument& m_document;
    CNationalSquadOrder m_order;
    std::vector<SNationalSquadRow> m_rows;
    QComboBox* m_countries;
    QTreeWidget* m_list;
    QLabel* m_count;
    QPushButton* m_remove;
};

}  // namespace kw
