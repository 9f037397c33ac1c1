#pragma once

#include <string_view>

#include "storage/ListTable.h"

class QWidget;

namespace kw {

// Asks for a file and one of the three formats, and writes the list below the title (Windows-1252)
// exactly as the core's list export does. False when the user cancels, or when the file cannot
// be written, which is then reported.
bool ExportList(const SListTable& list, std::string_view title, QWidget* parent);

}  // namespace kw
