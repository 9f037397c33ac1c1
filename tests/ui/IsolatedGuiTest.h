#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace kw::test {

// Runs the Qt test object of type `Test` with every location the editor looks up (home,
// settings, data, runtime and documents folders) in a private folder, so the tests never see the
// user's settings, documents or a running editor, and with Qt's own file dialogs, which tests can
// drive.
template <typename Test>
int RunIsolatedGuiTest(int argc, char** argv) {
    QTemporaryDir root;
    if (!root.isValid()) {
        return 2;
    }
    for (const char* name : {"home", "config", "etc", "data", "runtime", "Documents"}) {
        QDir(root.path()).mkpath(QString::fromLatin1(name));
    }
    QFile::setPermissions(root.filePath(QStringLiteral("runtime")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const auto set = [&root](const char* variable, const char* folder) {
        qputenv(variable, root.filePath(QString::fromLatin1(folder)).toLocal8Bit());
    };
    set("HOME", "home");
    set("XDG_CONFIG_HOME", "config");
    set("XDG_CONFIG_DIRS", "etc");
    set("XDG_DATA_HOME", "data");
    set("XDG_RUNTIME_DIR", "runtime");
    set("XDG_DOCUMENTS_DIR", "Documents");
    qunsetenv("KW06_INSTALL_DIR");

    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication application(argc, argv);
    Test test;
    return QTest::qExec(&test, argc, argv);
}

using GuiTestRun = int (*)(int argc, char** argv);
// Makes the test class `name` one the GUI test program can run; false when the name is taken.
bool RegisterGuiTest(const char* name, GuiTestRun run);

}  // namespace kw::test

// Registers the Qt test class kw::Class, run isolated, under its name.
#define KW_GUI_TEST(Class)                             \
    static const bool kw_gui_test_registered_##Class = \
        kw::test::RegisterGuiTest(#Class, &kw::test::RunIsolatedGuiTest<kw::Class>)
