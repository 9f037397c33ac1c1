#pragma once

#include <cstdint>

#include "gui/controls/MyTabCtrl.h"
#include "gui/editors/player/PlayerEditContext.h"

namespace kw {

// The person pages in their tabs, beside a dialog's list of persons (the squad and the staff
// dialog). Leaving a tab stores its page; choosing another person stores the page shown and then
// shows him on every page.
class CPersonPageTabs : public CMyTabCtrl {
    Q_OBJECT

public:
    CPersonPageTabs(const SPlayerEditContext& context, QWidget* parent);

    std::uint32_t Person() const { return m_person; }
    // Stores the page shown, then shows the person (0: none).
    void ChoosePerson(std::uint32_t personId);
    // Shows the person anew (0: none) on every page; what is shown was stored before.
    void ShowPerson(std::uint32_t personId);
    void StoreShownPage();

signals:
    // A page stored a change of the person shown.
    void personChanged(std::uint32_t personId);

private:
    SPlayerEditContext m_context;
    std::uint32_t m_person = 0;
};

}  // namespace kw
