#pragma once

#include <QString>

#include <span>
#include <vector>

#include "forms/ListColumns.h"
#include "gui/controls/DialogB.h"

class QDialogButtonBox;
class QPushButton;
class QVBoxLayout;

namespace kw {

class CDatabaseDocument;
class CMyListBox;

// What a country's referee and stadium lists share, as a window of their own or as a page of the
// country window: the caption after the country, the column list under its headings, "Ä&ndern"
// as the command Enter gives (also in a page), and as a window "Schließen".
class CCountryRecordList : public CDialogB {
    Q_OBJECT

public:
    CMyListBox& List() const { return *m_list; }
    // Shows the country's records anew (after an undo, say), the selected row kept where it can.
    virtual void Reload() = 0;

protected:
    // The caption is the country's name, then `what` (" - Stadienliste"), which without its dash
    // also names the list for screen readers.
    CCountryRecordList(CDatabaseDocument& document, int country, const QString& what,
                       const QString& listName, ERole role, QWidget* parent);

    // The list with its columns (in dialog units) under their headings.
    QVBoxLayout* ListUnderHeadings(std::span<const SListColumn> columns,
                                   const std::vector<QString>& headings);
    // As a window, appends the row with "Schließen" to `layout` and returns it; null as a page.
    QDialogButtonBox* AddCloseButton(QVBoxLayout& layout);
    // `change` (created by the subclass, in its place among the controls) becomes the default.
    void SetChangeButton(QPushButton& change);
    // Enter changes the selected entry also where the list is a page of another window.
    void keyPressEvent(QKeyEvent* event) override;

    CDatabaseDocument& m_document;
    const int m_country;

private:
    CMyListBox* m_list;
    QPushButton* m_change = nullptr;
};

// The main window's entry to a list: `TList` of `country` (1..206) as a modal window.
template <class TList>
void EditCountryList(CDatabaseDocument& document, int country, QWidget* parent) {
    TList dialog(document, country, parent);
    dialog.exec();
}

}  // namespace kw
