// What the main window's tests share: the main window writes into its installation (the restore
// archive, new databases), so each test runs on a fresh copy of the small demo installation that
// the test program generated once.
#pragma once

#include <QObject>
#include <QString>
#include <QTemporaryDir>

#include <filesystem>
#include <memory>

#include "DemoDocument.h"
#include "app/AppContext.h"
#include "platform/ScriptedUserInterface.h"

class QWidget;

namespace kw::test {

// A fresh copy of the installation at `demo`; null (after a failed check) when it cannot be made.
std::unique_ptr<QTemporaryDir> CopyInstallation(const std::filesystem::path& demo);

// The context the editor starts with on that copy: configured, tools off.
SAppContext ContextFor(const QTemporaryDir& installation);

// The main window's tests: each runs on a fresh copy of the small demo installation generated once
// for the program, with the context the editor starts with on it. A test class that needs more
// for each test overrides `Copied`.
class CMainWindowGuiTest : public QObject {
    Q_OBJECT

protected:
    virtual void Copied() {}
    std::filesystem::path Install() const { return m_install->path().toStdString(); }

    CSmallDemoInstallation m_demo;
    std::unique_ptr<QTemporaryDir> m_install;
    SAppContext m_context;
    CScriptedUserInterface m_ui;

private slots:
    void initTestCase();
    void init();
};

// Creates a database named `name` through the window's "&Neu...", typing it into its name
// question.
void NewDatabase(QWidget& window, const QString& name);

}  // namespace kw::test
