#pragma once

class QMessageBox;
class QString;
class QWidget;

namespace kw {

// The editor's questions name their buttons themselves ("&Ja", "&Nein", "&Speichern",
// "&Verwerfen", "&Abbrechen", through the editor's own translations), so that they read in the
// interface's language whether or not Qt's own translations are installed; for those of these
// standard buttons the box has.
void NameQuestionButtons(QMessageBox& box);

// A yes/no question of a window with the editor's own buttons; true for "Ja".
bool AskYesNo(QWidget* parent, const QString& title, const QString& question);

}  // namespace kw
