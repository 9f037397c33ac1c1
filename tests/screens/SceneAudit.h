#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

class QWidget;

namespace kw::screens {

// The German texts of the English catalogue that English shows differently (German source ->
// English translation), read from the .ts file; a source that some context keeps is left out.
QHash<QString, QString> TranslatedSources(const QString& tsFile);

// The focusable controls of the window a screen reader could not name: "<class> <objectName>".
// The editors inside spin and combo boxes, scroll bars and a tab widget's own tab bar count as
// parts of their owners.
QStringList UnnamedControls(QWidget& window);

// The captions of the window (titles, labels, buttons, group boxes, tabs, column headings, menu
// entries, tool tips) that are still a German source text of `translated`, or hold a word with a
// German letter from one of those sources; `sameInBoth` (without mnemonics) are English too.
QStringList GermanCaptions(QWidget& window, const QHash<QString, QString>& translated,
                           const QSet<QString>& sameInBoth);

}  // namespace kw::screens
