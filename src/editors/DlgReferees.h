#pragma once

#include "controls/DialogB.h"

class QPushButton;

namespace kw {

class CDatabaseDocument;
class CMyListBox;

// The referees of a country with the columns "Name" and "Besonderheit", in the list's order.
// "&Neu" and "Ä&ndern" (also a double click or Enter) open CDlgRefereeChange; "&Löschen" removes
// the selected referee without a question. Each of them is one undoable edit of the country;
// a cancelled change records nothing. As a page of another dialog it has no close button.
class CDlgReferees : public CDialogB {
    Q_OBJECT

public:
    CDlgReferees(CDatabaseDocument& document, int country, QWidget* parent = nullptr,
                 ERole role = ERole::Window);

    // The main window's entry: the referees of `country` (1..206), modal.
    static void Edit(CDatabaseDocument& document, int country, QWidget* parent);

    CMyListBox& List() const { return *m_list; }
    // Shows the country's referees anew (after an undo, say), the selected row kept where it can.
    void Reload();

protected:
    // Enter changes the selected entry also where the list is a page of another window.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Refills the list and selects `row` (the last one when beyond the list).
    void Fill(int row);
    void NewReferee();
    void ChangeSelected();
    void DeleteSelected();
    void EnableButtons();

    CDatabaseDocument& m_document;
    const int m_country;
    CMyListBox* m_list;
    QPushButton* m_new;
    QPushButton* m_change;
    QPushButton* m_delete;
};

}  // namespace kw
