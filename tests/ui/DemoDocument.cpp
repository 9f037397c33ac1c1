#include "DemoDocument.h"

#include <QFile>
#include <QStringList>

#include <cstdio>
#include <memory>

#include "competition/Competition.h"
#include "demo/DemoGenerator.h"
#include "document/DatabaseDocument.h"
#include "exports/master/MasterExport.h"
#include "exports/master/MasterFileReader.h"
#include "model/Country.h"
#include "model/World.h"
#include "platform/Progress.h"

namespace kw::test {

bool CSmallDemoInstallation::Generate() {
    CSilentProgress progress;
    if (!m_folder.isValid() ||
        !demo::GenerateDemoInstallation(Path().string(), demo::EDemoScale::kSmall, 1, progress)
             .ok) {
        return false;
    }
    SetUpDirectories(m_context, Path());
    m_installation.Load(m_context);
    return true;
}

COpenDemo::COpenDemo(const std::filesystem::path& installation) : m_slots(installation) {
    CDatabaseDocument* document = m_slots.AddSlot();
    CSilentProgress progress;
    if (document != nullptr && OpenDatabase(*document, installation / "database", progress, m_ui)) {
        m_document = document;
    }
}

QString MasterBuildFault(CWorld& world) {
    QTemporaryDir out;
    if (!out.isValid()) {
        return QStringLiteral("no temporary folder");
    }
    SMasterRequest request;
    request.batch = true;
    request.output = std::filesystem::path(out.path().toStdString()) / "Master.dat";
    request.sideFolder = out.path().toStdString();
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> console(std::tmpfile(), &std::fclose);
    request.console = console.get();
    CSilentProgress progress;
    CScriptedUserInterface ui;
    if (BuildMasterFile(world, request, progress, ui) != EMasterResult::kWritten) {
        return QStringLiteral("not written");
    }
    QFile file(QString::fromStdString(request.output.string()));
    if (!file.open(QIODevice::ReadOnly)) {
        return QStringLiteral("not readable");
    }
    const QByteArray bytes = file.readAll();
    const SMasterFileReport report =
        VerifyMasterFile({reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                          static_cast<std::size_t>(bytes.size())},
                         0);
    return report.Ok() ? QString() : QString::fromStdString(report.error);
}

namespace {

// Which of the country's competitions fail their check, for a readable failure.
QString FailingCompetitions(const CWorld& world, int country) {
    QStringList failing;
    const int limit = world.Country(country).Settings().leagueLevelLimit;
    for (int type = 1; type <= 23; ++type) {
        for (int index = 0; index < 6; ++index) {
            const CDBCompetition* node = world.Competition(MakeCompetitionId(country, type, index));
            if (node == nullptr) {
                continue;
            }
            const std::uint32_t faults =
                node->Check(world.Registry(), 0, limit) | node->Check(world.Registry(), 1, limit);
            if (faults != 0) {
                failing << QStringLiteral("%1:%2").arg(node->Id(), 0, 16).arg(faults, 0, 16);
            }
        }
    }
    return failing.join(QLatin1Char(' '));
}

}  // namespace

QString CountryFault(CDatabaseDocument& document, int country) {
    if (!document.World().Country(country).IsComplete()) {
        return QStringLiteral("country %1 incomplete: %2")
            .arg(country)
            .arg(FailingCompetitions(document.World(), country));
    }
    const QString build = MasterBuildFault(document.WorldForOperations());
    return build.isEmpty() ? QString() : QStringLiteral("master build: ") + build;
}

}  // namespace kw::test
