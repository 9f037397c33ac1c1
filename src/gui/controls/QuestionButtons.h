#pragma once

class QMessageBox;
class QString;
class QWidget;

namespace kw {

// The editor's questions name their buttons themselves, so that they read German whether or not
// Qt's own translations are installed: "&Ja", "&Nein", "&Speichern", "&Verwerfen", "&Abbrechen",
// for those of these standard buttons the box has.
void NameQuestionButtons(QMessageBox& box);

// A yes/no question of a window with German buttons; true for "Ja".
bool AskYesNo(QWidget* parent, const QString& title, const QString& question);

}  // namespace kw
