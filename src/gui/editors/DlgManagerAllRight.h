#pragma once

#include "gui/controls/DialogB.h"

class QComboBox;

namespace kw {

class CBaseTextFile;

// The manager's preferences, group "Kleinigkeiten": "Lieblingsverein", "Würde er niemals
// trainieren", "Lieblingsspieler" and "Bevorzugte Aufstellung" (from "formation.txt"). Neither
// the STAFF record of a club's manager nor a MANAGER record has a field for any of them, and the
// game's file gets none, so every control is shown disabled: nothing chosen could be kept.
class CDlgManagerAllRight : public CDialogB {
    Q_OBJECT

public:
    CDlgManagerAllRight(const CBaseTextFile& formations, QWidget* parent = nullptr);

private:
    QComboBox* m_formation;
};

}  // namespace kw
