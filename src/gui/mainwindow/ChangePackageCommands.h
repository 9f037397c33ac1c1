#pragma once

#include <vector>

#include "gui/mainwindow/DlgDatabaseDiff.h"

class QWidget;

namespace kw {

class CDatabaseDocument;
class IUserInterface;

// "Änderungspaket erstellen...": another open database chosen as the old one, the current one
// (databases[current]) is the new one; their differences as a package into the file the save
// dialog names.
void MakeChangePackageCommand(const std::vector<CDlgDatabaseDiff::SDatabase>& databases,
                              int current, IUserInterface& ui, QWidget* parent);
// "Änderungen seit dem letzten Speichern als Paket...": the database's files read from its folder
// as the old one, the database in memory as the new one.
void PackageUnsavedChangesCommand(const CDatabaseDocument& document, IUserInterface& ui,
                                  QWidget* parent);
// "Änderungspaket anwenden...": a package file chosen, read and planned against the document, then
// the preview, which applies what the user takes as one edit. A file that is no package is refused
// with its reason and changes nothing.
void ApplyChangePackageCommand(CDatabaseDocument& document, IUserInterface& ui, QWidget* parent);

}  // namespace kw
