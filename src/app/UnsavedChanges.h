#pragma once

#include <functional>
#include <vector>

namespace kw {

class CDatabaseDocument;
class IUserInterface;

// Before databases are closed or read over (quitting, "S&chließen", an import or a restore):
// asks about each of `documents` that has unsaved changes, in turn, naming its folder.
// "Speichern" saves it through `save`, which says whether every file was written; "Verwerfen"
// leaves its changes to what comes next. False as soon as the user cancels or a save fails: what
// was to come must not happen then.
bool SettleUnsavedChanges(const std::vector<CDatabaseDocument*>& documents, IUserInterface& ui,
                          const std::function<bool(CDatabaseDocument&)>& save);

}  // namespace kw
