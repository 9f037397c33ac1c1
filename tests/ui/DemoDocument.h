// The small demo as the editor's dialogs see it in the Qt tests.
#pragma once

#include <QString>
#include <QTemporaryDir>

#include <filesystem>

#include "app/AppContext.h"
#include "app/DatabaseSlots.h"
#include "app/InstallationData.h"
#include "platform/ScriptedUserInterface.h"

namespace kw {
class CWorld;
}

namespace kw::test {

// The small demo installation, generated once per test program, with what the editor reads from
// an installation once (folders, text tables, stadium list, tools).
class CSmallDemoInstallation {
public:
    // False when the installation could not be written.
    bool Generate();
    std::filesystem::path Path() const { return m_folder.path().toStdString(); }
    const SAppContext& Context() const { return m_context; }
    const CInstallationData& Installation() const { return m_installation; }

private:
    QTemporaryDir m_folder;
    SAppContext m_context;
    CInstallationData m_installation;
};

// The installation's database opened into a document of its own, as the editor's slots open it;
// questions and messages go to a scripted user interface.
class COpenDemo {
public:
    explicit COpenDemo(const std::filesystem::path& installation);
    COpenDemo(const COpenDemo&) = delete;
    COpenDemo& operator=(const COpenDemo&) = delete;

    bool IsOpen() const { return m_document != nullptr; }
    CDatabaseDocument& Document() { return *m_document; }
    CScriptedUserInterface& Ui() { return m_ui; }

private:
    CDatabaseSlots m_slots;
    CScriptedUserInterface m_ui;
    CDatabaseDocument* m_document = nullptr;
};

// Builds the game's master file of the world into a temporary folder and reads it back: empty
// when it was written and verifies, else what went wrong. The build writes back what it corrects,
// so a test compares dumps before it.
QString MasterBuildFault(CWorld& world);

// Whether the country stays sound after an edit: empty when it is complete as the game sees it
// and the document's world builds a master file that verifies, else what failed (the failing
// competitions with their fault bits). The build draws values into staff records of every country
// outside the undo history, so a test checks its undo before it and redoes the edit for it.
QString CountryFault(CDatabaseDocument& document, int country);

}  // namespace kw::test
