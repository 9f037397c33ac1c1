#pragma once

class QCoreApplication;
class QTranslator;

namespace kw {

// Qt's own texts (standard buttons, the file, print and colour dialogs) in German like the rest
// of the editor, whatever the machine's language: Qt's installed catalogue "qt_de", when there is
// one. The translator belongs to `application`; nothing when the catalogue is missing.
QTranslator* InstallGermanQtTranslations(QCoreApplication& application);

}  // namespace kw
