#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

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

}  // namespace kw::screens
