#pragma once

#include "gui/controls/DialogB.h"

class QLineEdit;

namespace kw {

class CDatabaseDocument;

// "Ligenbezeichnung ändern": the name of one league level in the world's current language, at
// most as long as a level name holds.
class CDlgLevelName : public CDialogB {
    Q_OBJECT

public:
    explicit CDlgLevelName(const QString& name, QWidget* parent = nullptr);

    // Runs the dialog on the level (0..4) of the country; OK stores the name as one edit of the
    // country (none when it stays as it was), Cancel leaves everything. True when an edit was
    // recorded.
    static bool Edit(CDatabaseDocument& document, int country, int level, QWidget* parent);

    QString Name() const;
    QLineEdit& Field() const { return *m_field; }

private:
    QLineEdit* m_field;
};

}  // namespace kw
