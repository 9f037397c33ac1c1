// kwscreens [--lang en] [--audit] OUTDIR [SCENE...]: photographs the editor's windows and dialogs
// on the small demo installation, one PNG per scene and tab page (all scenes, or the ones named),
// in German or English. --audit fails a scene with a focusable control a screen reader cannot name
// or, in English, a caption still German. kwscreens --list prints the scene names.
#include <QApplication>
#include <QDir>
#include <QSet>
#include <QSize>
#include <QTemporaryDir>

#include <cstdio>
#include <exception>
#include <stdexcept>
#include <utility>

#include "PrivateHome.h"
#include "Scene.h"
#include "SceneChecks.h"
#include "gui/mainwindow/QtTranslations.h"
#include "platform/Cp1252.h"

namespace {

using namespace kw::screens;

constexpr int kReadyTimeoutMs = 10000;
// The smallest screen the editor is made for, a laptop's: every window fits it, frame included.
constexpr QSize kSmallScreen(1366, 768);

void Print(std::FILE* stream, const QString& line) {
    std::fprintf(stream, "%s\n", line.toLocal8Bit().constData());
}

bool NamesAreUnique() {
    QSet<QString> names;
    for (const SScene& scene : Scenes()) {
        if (names.contains(scene.name)) {
            Print(stderr, QStringLiteral("kwscreens: scene %1 is listed twice").arg(scene.name));
            return false;
        }
        names.insert(scene.name);
    }
    return true;
}

// Texts an English window shows as the German one does, reviewed by hand: names of languages
// in their own words, and the demo database's own data in its German language column (league
// names, the installation's colour table) where a window shows it as a caption.
const QSet<QString> kSameInBoth{QStringLiteral("Deutsch"),     QStringLiteral("4. Liga Süd"),
                                QStringLiteral("5. Liga Süd"), QStringLiteral("Schwarz"),
                                QStringLiteral("Rot"),         QStringLiteral("Grün"),
                                QStringLiteral("Braun")};

// What a scene's window is checked for besides its picture.
struct SAudit {
    bool names = false;
    // German sources and their translations; empty in German.
    QHash<QString, QString> translated;
};

void Report(const SScene& scene, const QString& what, const QStringList& found) {
    if (!found.isEmpty()) {
        throw std::runtime_error(QStringLiteral("%1 in %2: %3")
                                     .arg(what, scene.name, found.join(QStringLiteral(", ")))
                                     .toStdString());
    }
}

// Runs one scene; false when it failed.
bool Photograph(const SScene& scene, CSceneContext& context, const QDir& out, const SAudit& audit) {
    try {
        const auto shown = scene.show(context);
        if (!Settle([&] { return shown->IsReady(); }, kReadyTimeoutMs)) {
            throw std::runtime_error("not ready after 10 seconds");
        }
        for (const QString& file : Capture(shown->Widget(), scene.name, out)) {
            Print(stdout, file);
        }
        QWidget& window = *shown->Widget().window();
        if (audit.names) {
            Report(scene, QStringLiteral("controls without accessible name"),
                   UnnamedControls(window));
            if (!audit.translated.isEmpty()) {
                Report(scene, QStringLiteral("German captions"),
                       GermanCaptions(window, audit.translated, kSameInBoth));
            }
        }
        // After every tab page was shown, so that the largest page counts.
        const QSize size = shown->Widget().window()->frameGeometry().size();
        if (size.width() > kSmallScreen.width() || size.height() > kSmallScreen.height()) {
            throw std::runtime_error(QStringLiteral("the window is %1 x %2 pixels, larger than a "
                                                    "screen of %3 x %4")
                                         .arg(size.width())
                                         .arg(size.height())
                                         .arg(kSmallScreen.width())
                                         .arg(kSmallScreen.height())
                                         .toStdString());
        }
        return true;
    } catch (const std::exception& error) {
        Print(stderr, QStringLiteral("kwscreens: %1: %2").arg(scene.name, error.what()));
        return false;
    }
}

}  // namespace

int main(int argc, char** argv) {
    // The pictures should not depend on the desktop they were taken on.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QTemporaryDir home;
    if (!home.isValid()) {
        Print(stderr, QStringLiteral("kwscreens: no temporary folder"));
        return 1;
    }
    // The pictures do not depend on the user's settings, and taking them leaves nothing in the
    // real home (settings, file dialog history) nor meets another run's files.
    kw::test::UsePrivateHome(home.path().toStdString());
    QApplication application(argc, argv);
    QStringList arguments = QApplication::arguments().mid(1);
    if (!NamesAreUnique()) {
        return 2;
    }
    if (arguments.value(0) == QStringLiteral("--list")) {
        for (const SScene& scene : Scenes()) {
            Print(stdout, scene.name);
        }
        return 0;
    }
    SAudit audit;
    audit.names = arguments.removeAll(QStringLiteral("--audit")) > 0;
    const qsizetype lang = arguments.indexOf(QStringLiteral("--lang"));
    if (lang >= 0) {
        const auto language =
            kw::InterfaceLanguageFromCode(arguments.value(lang + 1).toStdString());
        if (!language) {
            Print(stderr, QStringLiteral("kwscreens: --lang takes de or en"));
            return 2;
        }
        arguments.remove(lang, 2);
        kw::InstallInterfaceLanguage(application, *language);
        if (*language == kw::EInterfaceLanguage::kEnglish) {
            audit.translated = TranslatedSources(QStringLiteral(KW_TRANSLATIONS_FILE));
        }
    }
    if (arguments.isEmpty()) {
        Print(stderr,
              QStringLiteral("usage: kwscreens [--lang de|en] [--audit] OUTDIR [SCENE...] | "
                             "kwscreens --list"));
        return 2;
    }
    const QDir out(arguments.takeFirst());
    if (!out.mkpath(QStringLiteral("."))) {
        Print(stderr, QStringLiteral("kwscreens: cannot create %1").arg(out.path()));
        return 1;
    }

    int failures = 0;
    int taken = 0;
    try {
        CSceneContext context;
        for (const SScene& scene : Scenes()) {
            if (arguments.isEmpty() || arguments.contains(scene.name)) {
                failures += Photograph(scene, context, out, audit) ? 0 : 1;
                ++taken;
            }
        }
        // Messages would have been boxes in front of the windows: name them.
        for (const auto& message : context.Ui().Messages()) {
            Print(stderr, QStringLiteral("kwscreens: message: %1")
                              .arg(QString::fromStdString(kw::Cp1252ToUtf8(message.text))));
        }
    } catch (const std::exception& error) {
        Print(stderr, QStringLiteral("kwscreens: %1").arg(error.what()));
        return 1;
    }
    if (taken < arguments.size()) {
        Print(stderr, QStringLiteral("kwscreens: unknown scene among %1").arg(arguments.join(' ')));
        return 1;
    }
    return failures == 0 ? 0 : 1;
}
