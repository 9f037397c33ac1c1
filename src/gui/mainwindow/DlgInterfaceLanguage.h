#pragma once

#include <optional>

#include "app/InterfaceLanguage.h"
#include "gui/controls/DialogB.h"

class QMenu;
class QRadioButton;

namespace kw {

// "Sprache der Oberfläche": the windows' language as the system's, German or English. The
// choice is kept in the settings and takes effect at the editor's next start.
class CDlgInterfaceLanguage : public CDialogB {
    Q_OBJECT

public:
    explicit CDlgInterfaceLanguage(std::optional<EInterfaceLanguage> chosen,
                                   QWidget* parent = nullptr);

    // Nothing for "as the system".
    std::optional<EInterfaceLanguage> Chosen() const;

    // Runs the dialog on the stored choice; OK stores the new one. True when it changed.
    static bool Choose(QWidget* parent);

    // The menu entry that runs it.
    static void AddMenuEntry(QMenu& menu, QWidget* parent);

private:
    QRadioButton* m_system;
    QRadioButton* m_german;
    QRadioButton* m_english;
};

}  // namespace kw
