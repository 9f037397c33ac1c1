// The main window's quick find: the search bar above the lists and showing a chosen hit in them.
#include <QComboBox>
#include <QListWidget>
#include <QSignalBlocker>

#include "app/ui/MainMenuView.h"
#include "app/ui/QuickFindBar.h"
#include "controls/MyListBox.h"
#include "document/DatabaseDocument.h"
#include "model/Country.h"
#include "model/World.h"

namespace kw {

CQuickFindBar* CMainMenuView::CreateQuickFind() {
    m_quickFind = new CQuickFindBar(this);
    connect(m_quickFind, &CQuickFindBar::hitChosen, this, [this](const SFindHit& hit) {
        ShowFound(hit);
        emit foundOpenRequested(hit);
    });
    return m_quickFind;
}

void CMainMenuView::ShowFound(const SFindHit& hit) {
    // Players without club and countries on no shown continent have no place in the lists.
    if (hit.country < 1 || hit.country > kCountryCount) {
        return;
    }
    const int continent = m_document->World().Country(hit.country).Continent();
    if (continent >= kContinents) {
        return;
    }
    RememberCountryScroll();
    if (continent != m_continent) {
        m_previousContinent = m_continent;
        m_continent = continent;
        const QSignalBlocker blocker(m_continents);
        m_continents->setCurrentIndex(m_continents->findData(continent));
    }
    m_countryPerContinent[static_cast<std::size_t>(continent)] = hit.country;
    FillCountries();
    FillClubs();
    for (int row = 0; hit.club != 0 && row < m_clubs->count(); ++row) {
        if (m_clubs->item(row)->data(Qt::UserRole).toUInt() == hit.club) {
            m_clubs->setCurrentRow(row);
            m_clubs->scrollToItem(m_clubs->item(row));
            break;
        }
    }
}

}  // namespace kw
