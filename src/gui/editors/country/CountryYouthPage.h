#pragma once

#include <cstddef>
#include <vector>

#include "gui/editors/country/CountryPersonList.h"

namespace kw {

struct SCountryWindowContext;

// "Jugendspieler" of the country window: the used entries of the country's player pool with
// their name, nationality, special ability, team part and preferred club. "&Neu" and "Ä&ndern"
// (also a double click or Enter on a row) open the entry dialog "Jugendspieler"; "&Löschen" blanks
// the selected entry's slot.
class CCountryYouthPage : public CCountryPersonListPage {
    Q_OBJECT

public:
    CCountryYouthPage(CDatabaseDocument& document, int country,
                      const SCountryWindowContext& context, QWidget* parent = nullptr);

    void Load() override;

    void NewEntry();
    void ChangeSelected() override;
    void DeleteSelected() override;

private:
    // Refills the list and selects the row of `slot` (else the row at `row`, held to the list).
    void Fill(std::size_t slot, int row);

    // The pool slot of each row.
    std::vector<std::size_t> m_slots;
};

}  // namespace kw
