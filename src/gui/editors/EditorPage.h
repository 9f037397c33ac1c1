#pragma once

class QTabWidget;

namespace kw {

class CMyTabCtrl;

// What every page of an editor offers the window around it: the club editor's pages (on a working
// copy), the person pages and the country window's pages (on live records). The window loads a
// page when it shows it and stores it when the user leaves the page or the window; whether a
// store joins the window's open edit group or the copy that OK records is the window's business,
// never the page's.
class IEditorPage {
public:
    virtual ~IEditorPage() = default;

    // Fills the controls from the record.
    virtual void Load() = 0;
    // Writes into the record only what the user changed since the load, so that values a control
    // cannot show survive; nothing when nothing differs.
    virtual void Store() = 0;
    // Whether the controls hold a change the record does not.
    virtual bool Differs() const = 0;
};

// The editor page the tab at `index` shows; null for none.
IEditorPage* TabEditorPage(const QTabWidget& tabs, int index);
// Stores the page shown, if any.
void StoreShownPage(const QTabWidget& tabs);

// What entering a tab does besides showing its page.
enum class EOnEnter { kLoad, kKeep };
// Leaving a tab stores its page; entering one loads it when `onEnter` says so.
void StoreOnLeave(CMyTabCtrl& tabs, EOnEnter onEnter);

}  // namespace kw
