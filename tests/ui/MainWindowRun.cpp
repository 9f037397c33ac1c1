#include "MainWindowRun.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include "ModalDialogs.h"
#include "gui/controls/DlgInputBox.h"

namespace kw::test {

std::unique_ptr<QTemporaryDir> CopyInstallation(const std::filesystem::path& demo) {
    auto copy = std::make_unique<QTemporaryDir>();
    std::error_code error;
    if (copy->isValid()) {
        std::filesystem::copy(demo, copy->path().toStdString(),
                              std::filesystem::copy_options::recursive, error);
    }
    if (!copy->isValid() || error) {
        QTest::qFail("the demo installation could not be copied", __FILE__, __LINE__);
        return nullptr;
    }
    return copy;
}

SAppContext ContextFor(const QTemporaryDir& installation) {
    SAppContext context;
    context.workingDirectory = installation.path().toStdString();
    context.installationConfigured = true;
    return context;
}

void CMainWindowGuiTest::initTestCase() {
    QVERIFY(m_demo.Generate());
}

void CMainWindowGuiTest::init() {
    m_install = CopyInstallation(m_demo.Path());
    QVERIFY(m_install != nullptr);
    m_context = ContextFor(*m_install);
    m_ui = CScriptedUserInterface{};
    Copied();
}

void NewDatabase(QWidget& window, const QString& name) {
    QObject scope;
    WhenModal<CDlgInputBox>(scope, [name](CDlgInputBox& box) {
        box.Field()->clear();
        TypeText(box.Field(), name);
        QTest::keyClick(box.Field(), Qt::Key_Return);
    });
    for (QAction* action : window.findChildren<QAction*>()) {
        if (action->text() == QStringLiteral("&Neu...")) {
            action->trigger();
            return;
        }
    }
    QTest::qFail("no \"&Neu...\" command", __FILE__, __LINE__);
}

}  // namespace kw::test
