#pragma once

#include <QString>

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/Cp1252.h"

namespace kw {

// The model's texts are Windows-1252; Qt's are Unicode. Every crossing goes through these.
inline QString FromCp1252(std::string_view text) {
    return QString::fromStdString(Cp1252ToUtf8(text));
}

inline std::string ToCp1252(const QString& text) {
    return Utf8ToCp1252(text.toStdString());
}

// A file name typed or chosen in a dialog; names on disk are UTF-8.
inline std::filesystem::path PathOf(const QString& name) {
    return std::filesystem::path(name.toStdU16String());
}

}  // namespace kw
