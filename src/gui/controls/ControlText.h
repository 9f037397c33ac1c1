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

inline QString ResourceQString(int stringId) {
    return Cp1252ToQString(GuiString(stringId));
}

}  // namespace kw
