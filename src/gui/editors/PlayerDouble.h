#pragma once

#include <cstdint>
#include <vector>

#include "editing/PlayerDuplicates.h"
#include "gui/controls/DialogB.h"

class QCheckBox;
class QPushButton;
class QRadioButton;
class QTreeWidget;

namespace kw {

class CWorld;

// "Kickwerk 06 - Spieler doppelt": the pairs of club players with the same name, for the whole
// database, the country or the club shown in the main window ("Alle", "Nur von %s" twice; the
// narrowest offered is preselected), optionally only those born on the same day. A click on a
// column header sorts, a second click on it reverses; "Drucken" and "Speichern" hand the list
// out. Only reads the world; clubs and countries are named in `language`.
class CPlayerDouble : public CDialogB {
    Q_OBJECT

public:
    CPlayerDouble(const CWorld& world, int language, int country, std::uint32_t club,
                  QWidget* parent = nullptr);

    static void Show(const CWorld& world, int language, int country, std::uint32_t club,
                     QWidget* parent);

    QRadioButton& ScopeButton(EDuplicateScope scope) const;
    QCheckBox& SameBirthDateBox() const { return *m_sameBirthDate; }
    QTreeWidget& List() const { return *m_list; }
    QPushButton& PrintButton() const { return *m_print; }
    QPushButton& SaveButton() const { return *m_save; }
    // The pairs in the order shown.
    const std::vector<SDuplicatePair>& Pairs() const { return m_pairs; }

private:
    void Rebuild();
    void ShowRows();
    void SortBy(int column);
    void Print();
    void Save();

    const CWorld& m_world;
    int m_language;
    int m_country;
    std::uint32_t m_club;
    std::vector<SDuplicateCandidate> m_candidates;
    std::vector<SDuplicatePair> m_pairs;
    CDuplicateOrder m_order;
    QRadioButton* m_all;
    QRadioButton* m_countryScope;
    QRadioButton* m_clubScope;
    QCheckBox* m_sameBirthDate;
    QTreeWidget* m_list;
    QPushButton* m_print;
    QPushButton* m_save;
};

}  // namespace kw
