#pragma once

#include <algorithm>
#include <span>
#include <vector>

#include <QString>

#include "forms/ListColumns.h"
#include "gui/editors/country/CountryPage.h"

class QPushButton;

namespace kw {

class CDatabaseDocument;
class CMyListBox;

// What the country window's person lists ("Jugendspieler", "Sonstige Trainer/Manager") share: a
// column list under its headings with "&Neu", "Ä&ndern" and "&Löschen" one below the other beside
// it. Each command is one undoable edit performed at once, so storing the page has nothing left
// to write; a cancelled dialog records nothing. A double click on a row, and Enter while a row is
// current, change the row; the list keeps that Enter to itself, as passed on it would also confirm
// (and close) the window around the page, and none of the buttons is the default one. The
// window shows the commands on more than one page, so each page names its list and buttons for a
// screen reader.
class CCountryPersonListPage : public CCountryPage {
    Q_OBJECT

public:
    void Store() override {}
    bool Differs() const override { return false; }

    CMyListBox& List() const { return *m_list; }

    virtual void ChangeSelected() = 0;
    virtual void DeleteSelected() = 0;

protected:
    // "&Neu" is the subclass's to connect.
    CCountryPersonListPage(CDatabaseDocument& document, int country, const QString& listName,
                           std::span<const SListColumn> columns,
                           const std::vector<QString>& headings, QWidget* parent);

    // Makes the row `found` current, else (-1) the row at `row` held to the list; "Ändern" and
    // "Löschen" need a current row.
    void SelectRow(int found, int row);

    CDatabaseDocument& m_document;
    const int m_country;
    CMyListBox* const m_list;
    QPushButton* const m_new;
    QPushButton* const m_change;
    QPushButton* const m_delete;

private:
    void EnableButtons();
};

// Where `key` stands among `keys`; -1 when it is not there.
template <typename Key>
int PositionOf(const std::vector<Key>& keys, const Key& key) {
    const auto found = std::find(keys.begin(), keys.end(), key);
    return found != keys.end() ? static_cast<int>(found - keys.begin()) : -1;
}

}  // namespace kw
