#pragma once

#include <functional>

#include "gui/editors/LiveEditDialog.h"

namespace kw {

class CCountryPage;
class CDatabaseDocument;
struct SCountryWindowContext;

// A small window around one page of a country that the country window opens from a button
// rather than a tab (the stadium list, the national coach). It loads the page when it opens and
// stores it on OK, Escape and the close box alike. What is done inside is one undoable edit named
// after the country; inside the country window it joins the window's edit.
class CDlgCountrySubPage : public CLiveEditDialog {
    Q_OBJECT

public:
    using PageFactory = std::function<CCountryPage*(CDatabaseDocument&, int country,
                                                    const SCountryWindowContext&, QWidget* parent)>;

    // Takes `page`; the window's caption is the page's.
    CDlgCountrySubPage(CDatabaseDocument& document, int country, CCountryPage* page,
                       QWidget* parent = nullptr);

    // Runs the page that `make` builds for the country (1..206) until the window is closed.
    static void Show(CDatabaseDocument& document, int country, const SCountryWindowContext& context,
                     QWidget* parent, const PageFactory& make);
    // "Stadien...": the country's stadium list.
    static void ShowStadiums(CDatabaseDocument& document, int country,
                             const SCountryWindowContext& context, QWidget* parent);
    // "Nationaltrainer...": the country's national coach.
    static void ShowNationalCoach(CDatabaseDocument& document, int country,
                                  const SCountryWindowContext& context, QWidget* parent);

    CCountryPage& Page() const { return *m_page; }

    void done(int result) override;

private:
    CCountryPage* m_page;
};

}  // namespace kw
