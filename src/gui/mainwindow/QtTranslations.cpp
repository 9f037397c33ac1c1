#include "gui/mainwindow/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTranslator>

#include <string>
#include <string_view>

#include "platform/StringTable.h"

namespace kw {

namespace {

const QString kLanguageKey = QStringLiteral("interface/language");

// A translator owned by the application; null when the catalogue is missing.
QTranslator* Install(QCoreApplication& application, const QString& catalogue,
                     const QString& folder) {
    auto* translator = new QTranslator(&application);
    if (translator->load(catalogue, folder) && QCoreApplication::installTranslator(translator)) {
        return translator;
    }
    delete translator;
    return nullptr;
}

}  // namespace

QString EditorSettingsFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/kickwerk06/kwedit.ini");
}

std::optional<EInterfaceLanguage> StoredInterfaceLanguage() {
    const QSettings settings(EditorSettingsFile(), QSettings::IniFormat);
    return InterfaceLanguageFromCode(settings.value(kLanguageKey).toString().toStdString());
}

void StoreInterfaceLanguage(std::optional<EInterfaceLanguage> language) {
    QSettings settings(EditorSettingsFile(), QSettings::IniFormat);
    if (language) {
        settings.setValue(kLanguageKey, QString::fromLatin1(InterfaceLanguageCode(*language)));
    } else {
        settings.remove(kLanguageKey);
    }
}

EInterfaceLanguage StartupInterfaceLanguage() {
    return ChooseInterfaceLanguage(StoredInterfaceLanguage(),
                                   QLocale::system().name().toStdString());
}

QList<QTranslator*> InstallInterfaceLanguage(QCoreApplication& application,
                                             EInterfaceLanguage language) {
    if (language == EInterfaceLanguage::kGerman) {
        // The resource texts are German themselves; an earlier English install is undone.
        InstallResourceTranslator({});
        QTranslator* qt = Install(application, QStringLiteral("qt_de"),
                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        return qt != nullptr ? QList<QTranslator*>{qt} : QList<QTranslator*>{};
    }
    // Qt's own texts are English without a catalogue.
    QTranslator* editor =
        Install(application, QStringLiteral("kwedit_en"), QStringLiteral(":/i18n"));
    if (editor == nullptr) {
        return {};
    }
    // The resource texts are translated before they are formatted, once for the whole run.
    InstallResourceTranslator([](std::string_view context, std::string_view text) {
        const std::string contextText(context);
        const std::string sourceText(text);
        return QCoreApplication::translate(contextText.c_str(), sourceText.c_str()).toStdString();
    });
    return {editor};
}

}  // namespace kw
