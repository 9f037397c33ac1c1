#pragma once

#include <QDir>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// What kwscreens does with a shown scene: photograph it and audit its window.
namespace kw::screens {

// "Stadion/Umgebung" -> "StadionUmgebung", "&Trikots" -> "Trikots": a tab's text as part of a
// file name, ASCII letters and digits only (accents dropped, so "Größe" gives "Groe").
QString FileNamePart(const QString& text);

// Waits until `ready` holds (at most `timeoutMs`), then lets layouts and timers settle.
bool Settle(const std::function<bool()>& ready, int timeoutMs);

// Photographs the shown `widget` as <name>.png and each page of each of its tab widgets as
// <name>-<tab>.png into `folder`. Returns the files written; throws std::runtime_error when an
// image cannot be saved or shows nothing but one colour.
QStringList Capture(QWidget& widget, const QString& name, const QDir& folder);

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
