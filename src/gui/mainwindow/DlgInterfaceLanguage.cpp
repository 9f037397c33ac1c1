#include "gui/mainwindow/DlgInterfaceLanguage.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/controls/OkCancelButtons.h"
#include "gui/mainwindow/QtTranslations.h"

namespace kw {

CDlgInterfaceLanguage::CDlgInterfaceLanguage(std::optional<EInterfaceLanguage> chosen,
                                             QWidget* parent)
    : CDialogB(parent),
      m_system(new QRadioButton(tr("Wie das &System"), this)),
      // Each language is named in its own words, so that a reader of either finds it.
      m_german(new QRadioButton(QStringLiteral("&Deutsch"), this)),
      m_english(new QRadioButton(QStringLiteral("&English"), this)) {
    setObjectName(QStringLiteral("DlgInterfaceLanguage"));
    setWindowTitle(tr("Sprache der Oberfläche"));
    m_system->setObjectName(QStringLiteral("system"));
    m_german->setObjectName(QStringLiteral("german"));
    m_english->setObjectName(QStringLiteral("english"));
    (!chosen                                  ? m_system
     : *chosen == EInterfaceLanguage::kGerman ? m_german
                                              : m_english)
        ->setChecked(true);

    auto* group = new QGroupBox(tr("Sprache der Fenster"), this);
    auto* choices = new QVBoxLayout(group);
    choices->addWidget(m_system);
    choices->addWidget(m_german);
    choices->addWidget(m_english);
    auto* note = new QLabel(tr("Die gewählte Sprache gilt ab dem nächsten Start des Editors. "
                               "Die Sprache der Namen in der Datenbank wählen Sie im "
                               "Hauptfenster."),
                            this);
    note->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(note);
    layout->addWidget(MakeOkCancelButtons(*this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    note->setFixedWidth(group->sizeHint().width() * 2);
}

std::optional<EInterfaceLanguage> CDlgInterfaceLanguage::Chosen() const {
    if (m_german->isChecked()) {
        return EInterfaceLanguage::kGerman;
    }
    if (m_english->isChecked()) {
        return EInterfaceLanguage::kEnglish;
    }
    return std::nullopt;
}

bool CDlgInterfaceLanguage::Choose(QWidget* parent) {
    const std::optional<EInterfaceLanguage> stored = StoredInterfaceLanguage();
    CDlgInterfaceLanguage dialog(stored, parent);
    if (dialog.exec() != QDialog::Accepted || dialog.Chosen() == stored) {
        return false;
    }
    StoreInterfaceLanguage(dialog.Chosen());
    return true;
}

void CDlgInterfaceLanguage::AddMenuEntry(QMenu& menu, QWidget* parent) {
    QAction* entry = menu.addAction(tr("Sprache der &Oberfläche (ab Neustart)..."));
    entry->setObjectName(QStringLiteral("interfaceLanguage"));
    QObject::connect(entry, &QAction::triggered, parent, [parent] { Choose(parent); });
}

}  // namespace kw
