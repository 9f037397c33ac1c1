#pragma once

#include <string>

#include "document/EditGroup.h"
#include "gui/controls/DialogB.h"

namespace kw {

// A window that edits live records while it is open, without "Abbruch" (the squad, the staff, the
// country window, the calendar, the league composition and system): everything done meanwhile,
// also in the windows it opens, is one edit `description` of the document, none when nothing
// was. OK, Escape and the close box all leave through accept, where a window may check first
// and stay open.
class CLiveEditDialog : public CDialogB {
    Q_OBJECT

public:
    void reject() override { accept(); }
    void done(int result) override;

protected:
    CLiveEditDialog(CDatabaseDocument& document, std::string description, QWidget* parent);

private:
    CEditGroup m_group;
};

}  // namespace kw
