#pragma once

#include <cstddef>
#include <vector>

#include "editors/country/CountryPage.h"

class QPushButton;

namespace kw {

class CDatabaseDocument;
class CMyListBox;
struct SCountryWindowContext;

// "Jugendspieler" of the country window: the used entries of the country's player pool with
// their name, nationality, special ability, team part and preferred club. "&Neu" and "Ä&ndern"
// (also a double click or Enter on a row) open the entry dialog "Jugendspieler"; "&Löschen" blanks
// the selected entry's slot. Each command is one undoable edit performed at once, so Store() has
// nothing left to write; a cancelled dialog records nothing.
class CCountryYouthPage : public CCountryPage {
    Q_OBJECT

public:
    CCountryYouthPage(CDatabaseDocument& document, int country,
                      const SCountryWindowContext& context, QWidget* parent = nullptr);

    void Load() override;
    void Store() override {}

    CMyListBox& List() const { return *m_list; }

    void NewEntry();
    void ChangeSelected();
    void DeleteSelected();

private:
    // Refills the list and selects the row of `slot` (else the row at `row`, held to the list).
    void Fill(std::size_t slot, int row);
    void EnableButtons();

    CDatabaseDocument& m_document;
    const int m_country;
    // The pool slot of each row.
    std::vector<std::size_t> m_slots;
    CMyListBox* m_list;
    QPushButton* m_new;
    QPushButton* m_change;
    QPushButton* m_delete;
};

}  // namespace kw
