#pragma once

#include <cstdint>

#include "gui/controls/DialogB.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace kw {

class CBaseTextFile;
class CDatabaseDocument;

// The league system of one country: the league script ("Original Spielsystem auswählen", the
// entries of the league-system table, position = script number) or a generic system, the tree of
// levels with their leagues, the number of teams the leagues hold, and the buttons that apply the
// choice and open the league dialogs and the views of the country's fixtures ("Spielpläne") and
// calendar ("Rahmenkalender"). A page: it has no dialog buttons of its own, and every change
// goes through the document. Enter or a double click on a league opens "Ligadaten", on a level
// "Ligenbezeichnung ändern".
class CLeagueSystemPage : public CDialogB {
    Q_OBJECT

public:
    CLeagueSystemPage(CDatabaseDocument& document, const CBaseTextFile& leagueSystems, int country,
                      QWidget* parent = nullptr);

    QComboBox& Scripts() const { return *m_scripts; }
    QComboBox& GenericSystems() const { return *m_generic; }
    QTreeWidget& Levels() const { return *m_levels; }
    QLabel& TeamCount() const { return *m_teamCount; }

    // "Änderungen übernehmen".
    void Apply();
    // Tree, team count, choices and buttons anew from the country.
    void Refresh();

private:
    void Activate(const QTreeWidgetItem* item);
    void ShowRebuildFindings();
    void EnableChoices();

    CDatabaseDocument& m_document;
    int m_country;
    QComboBox* m_scripts = nullptr;
    QComboBox* m_generic = nullptr;
    QTreeWidget* m_levels = nullptr;
    QLabel* m_teamCount = nullptr;
    QPushButton* m_apply = nullptr;
    QPushButton* m_fixtures = nullptr;
    QPushButton* m_calendar = nullptr;
    QPushButton* m_composition = nullptr;
};

}  // namespace kw
