#pragma once

#include <QDialog>
#include <QPixmap>

class QAbstractButton;
class QAction;
class QLineEdit;
class QMenu;

namespace kw {

// Base of the editor dialogs and of the pages that sit inside them.
//
// A top-level dialog takes Enter and Escape the usual way (the default button, which runs the OK
// path, and reject). A page embedded in another dialog - one that is no window of its own, as in
// CMyTabCtrl - swallows both keys, so typing a number and pressing Enter in a page neither hides
// the page nor closes the dialog around it.
//
// Pages tell their container that a list elsewhere needs refreshing with NotifyListUpdate; the
// container hears it through ListUpdate (CMyTabCtrl passes it on to its owner).
class CDialogB : public QDialog {
    Q_OBJECT

public:
    enum class ERole { Window, Page };

    explicit CDialogB(QWidget* parent = nullptr, ERole role = ERole::Window);

    // Switch the whole dialog off and on; dialogs with parts that must stay usable override them.
    virtual void Disable();
    virtual void Enable();

    bool IsPage() const { return !isWindow(); }

    // Reads the number typed in `edit` and, when it lies outside the range of the two bounds
    // (either order), replaces the text by the nearer bound. True when the text was replaced.
    static bool ClampEditToSpin(QLineEdit& edit, int lower, int upper);

    // Appends an item with the control's caption (at most 127 characters, mnemonic kept) that
    // clicks the control when chosen, greyed when not `enabled`.
    static QAction* AddMenuItemFromControl(QMenu& menu, QAbstractButton& control, bool enabled);

    // Opens `menu` at `globalPos` when that point lies on the control; true when it was opened.
    static bool ShowContextMenu(const QWidget& control, QMenu& menu, const QPoint& globalPos);

    // The text in the dialog's font and window-text colour on a transparent background, for
    // dragging; a null pixmap for an empty text.
    QPixmap MakeDragImage(const QString& text) const;

    void NotifyListUpdate();

signals:
    void ListUpdate();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace kw
