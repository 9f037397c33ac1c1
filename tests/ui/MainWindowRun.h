// What the main window's tests share: the main window writes into its installation (the restore
// archive, new databases), so each test runs on a fresh copy of the small demo installation that
// the test program generated once.
#pragma once

#include <QString>
#include <QTemporaryDir>

#include <filesystem>
#include <memory>

#include "app/AppContext.h"

class QWidget;

namespace kw::test {

// A fresh copy of the installation at `demo`; null (after a failed check) when it cannot be made.
std::unique_ptr<QTemporaryDir> CopyInstallation(const std::filesystem::path& demo);

// The context the editor starts with on that copy: configured, tools off.
SAppContext ContextFor(const QTemporaryDir& installation);

// Creates a database named `name` through the window's "&Neu...", typing it into its name
// question.
void NewDatabase(QWidget& window, const QString& name);

}  // namespace kw::test
