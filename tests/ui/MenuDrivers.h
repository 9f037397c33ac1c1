// Driving the main window's menus from a test: its database entries, the club menu, and an edit
// to undo.
#pragma once

#include <QStringList>

namespace kw {
class CDatabaseDocument;
class DlgMainMenu;
}  // namespace kw

class QObject;
class QWidget;

namespace kw::test {

// The entries of the menu "Datenbanken" after its last separator: one per open database.
QStringList DatabaseEntries(const QWidget& window);
// Whether the club menu has the entry enabled; an enabled one is chosen when `choose` is set.
bool UseClubMenu(DlgMainMenu& window, const QString& text, bool choose = true);
// "&Öffnen.." on the database listed as `name`, chosen with Return or with the open button.
void OpenDatabase(const QWidget& window, const QString& name, bool byKey = true);
// Answers the next name question (of "&Neu...") with `name`, while `scope` lives.
void AnswerName(QObject& scope, const QString& name);
// Adds a club to the default country as one undoable edit.
void AddClub(CDatabaseDocument& document);

}  // namespace kw::test
