#pragma once

class QMessageBox;

namespace kw {

// The editor's questions name their buttons themselves, so that they read German whether or not
// Qt's own translations are installed: "&Ja", "&Nein", "&Speichern", "&Verwerfen", "&Abbrechen",
// for those of these standard buttons the box has.
void NameQuestionButtons(QMessageBox& box);

}  // namespace kw
