#include "app/UnsavedChanges.h"

#include <string>

#include "document/DatabaseDocument.h"
#include "model/World.h"
#include "platform/Cp1252.h"
#include "platform/StringTable.h"
#include "platform/UserInterface.h"

namespace kw {

bool SettleUnsavedChanges(const std::vector<CDatabaseDocument*>& documents, IUserInterface& ui,
                          const std::function<bool(CDatabaseDocument&)>& save) {
    const std::string question(ResourceString(ids::kSaveChanges));
    for (CDatabaseDocument* document : documents) {
        if (!document->IsModified()) {
            continue;
        }
        // The folder's name is UTF-8 on disk; the question is Windows-1252.
        const std::string name = Utf8ToCp1252(document->World().DirectoryName());
        switch (ui.AskSaveChanges(FormatPrintf(question.c_str(), name.c_str()))) {
            case ESaveChoice::kSave:
                if (!save(*document)) {
                    return false;
                }
                break;
            case ESaveChoice::kDiscard:
                break;
            case ESaveChoice::kCancel:
                return false;
        }
    }
    return true;
}

}  // namespace kw
