#include "SceneList.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QString>

#include "gui/mainwindow/MappingCommands.h"
#include "tools/RakelMappingTexts.h"

namespace kw::screens {

std::unique_ptr<CShownScene> ShowMappingQuestion(CSceneContext&) {
    return Shown(MakeMappingQuestion(kMapPlayerIdsQuestion, nullptr));
}

std::unique_ptr<CShownScene> ShowMappingReportDialog(CSceneContext& context) {
    std::unique_ptr<QFileDialog> dialog = MakeReportFileDialog(nullptr);
    dialog->setDirectory(QString::fromStdString(context.Installation().string()));
    return Shown(std::move(dialog));
}

}  // namespace kw::screens
