#pragma once

#include <QString>

#include <string>
#include <string_view>

#include "gui/controls/GuiStrings.h"
#include "platform/Cp1252.h"
#include "platform/StringTable.h"

namespace kw {

// The controls take and give the model's Windows-1252 texts and convert them here.
inline QString Cp1252ToQString(std::string_view text) {
    return QString::fromStdString(Cp1252ToUtf8(text));
}

inline std::string QStringToCp1252(const QString& text) {
    return Utf8ToCp1252(text.toStdString());
}

// What a field stores: the stored bytes while it still shows them, so that a text the user left
// alone keeps bytes that do not survive the way through Unicode.
inline std::string EditedText(const QString& shown, std::string_view stored) {
    return shown == Cp1252ToQString(stored) ? std::string(stored) : QStringToCp1252(shown);
}

inline QString ResourceQString(int stringId) {
    return Cp1252ToQString(GuiString(stringId));
}

}  // namespace kw
