#pragma once

#include <QList>
#include <QString>

#include <optional>

#include "app/InterfaceLanguage.h"

class QCoreApplication;
class QTranslator;

namespace kw {

// The editor's own settings file (the databases opened last, the interface language).
QString EditorSettingsFile();

// The interface language the user chose in the settings, if any.
std::optional<EInterfaceLanguage> StoredInterfaceLanguage();
// Stores the choice; nothing lets the system's locale decide again.
void StoreInterfaceLanguage(std::optional<EInterfaceLanguage> language);
// The language the windows start in: the stored choice, else the system locale's.
EInterfaceLanguage StartupInterfaceLanguage();

// Installs the windows' language on `application`: the editor's texts and its resource texts from
// the catalogue built into the program, and Qt's own texts (standard buttons, the file, print and
// colour dialogs) from Qt's installed catalogue when there is one. The editor's texts are written
// in German, so German needs only Qt's catalogue. Once, before the first window and before any
// resource text is looked up. Returns the translators installed (the application owns them). The
// resource texts stay translated for the rest of the run.
QList<QTranslator*> InstallInterfaceLanguage(QCoreApplication& application,
                                             EInterfaceLanguage language);

}  // namespace kw
