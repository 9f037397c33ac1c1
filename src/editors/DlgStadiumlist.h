#pragma once

#include "controls/DialogB.h"

class QPushButton;

namespace kw {

class CDatabaseDocument;
class CMyListBox;

// The stadium list of a country: number, name, city and total capacity of each stadium in the
// list's order (clubs and the cup final name a stadium by its position). "Ä&ndern", a double click
// or Enter opens the selected stadium in CDlgStadium. The list only edits: clubs refer to
// stadiums by position, so none is added or removed here. As a page of another dialog it has no
// close button.
class CDlgStadiumlist : public CDialogB {
    Q_OBJECT

public:
    CDlgStadiumlist(CDatabaseDocument& document, int country, QWidget* parent = nullptr,
                    ERole role = ERole::Window);

    // The main window's entry: the stadium list of `country` (1..206), modal.
    static void Edit(CDatabaseDocument& document, int country, QWidget* parent);

    CMyListBox& List() const { return *m_list; }
    QPushButton& ChangeButton() const { return *m_change; }
    // Shows the country's stadiums anew (after an undo, say), the selected row kept where it can.
    void Reload();

protected:
    // Enter changes the selected entry also where the list is a page of another window.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Fill();
    void ChangeSelected();

    CDatabaseDocument& m_document;
    const int m_country;
    CMyListBox* m_list;
    QPushButton* m_change;
};

}  // namespace kw
