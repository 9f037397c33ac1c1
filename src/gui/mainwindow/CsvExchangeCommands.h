#pragma once

#include <cstdint>

class QWidget;

namespace kw {

class CDatabaseDocument;
class IUserInterface;

// "CSV exportieren...": kind and scope in a small dialog, then the file name; writes the file.
void ExportCsvCommand(const CDatabaseDocument& document, int country, std::uint32_t club,
                      IUserInterface& ui, QWidget* parent);
// "CSV importieren...": the file name, then the preview of its changes, applied as one edit on
// "Übernehmen".
void ImportCsvCommand(CDatabaseDocument& document, IUserInterface& ui, QWidget* parent);

}  // namespace kw
