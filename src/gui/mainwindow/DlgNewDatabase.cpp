#include "gui/mainwindow/DlgNewDatabase.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/DatabaseFolders.h"
#include "gui/controls/GuiStrings.h"
#include "gui/mainwindow/QtText.h"
#include "gui/mainwindow/SelectDatabase.h"
#include "model/DatabaseName.h"
#include "platform/StringTable.h"

namespace kw {

CDlgNewDatabase::CDlgNewDatabase(const std::filesystem::path& documents, IUserInterface& ui,
                                 std::vector<std::filesystem::path> openFolders, QWidget* parent)
    : CDlgDatabaseFolder(documents, ui, std::move(openFolders), parent),
      m_name(new QLineEdit),
      m_description(new QPlainTextEdit),
      m_save(new QPushButton(tr("Speichern"))) {
    setWindowTitle(tr("Datenbank speichern unter"));

    auto* nameLabel = new QLabel(tr("Bitte geben Sie den Namen für die neue Datenbank ein!"));
    nameLabel->setBuddy(m_name);
    auto* descriptionLabel = new QLabel(tr("Kommentar"));
    descriptionLabel->setBuddy(m_description);
    auto* cancel = new QPushButton(FromCp1252(GuiString(ids::kAbort)));
    m_description->setEnabled(false);
    m_save->setEnabled(false);
    m_save->setDefault(true);
    cancel->setAutoDefault(false);
    // Tab goes from the name to the description, not into it as a character.
    m_description->setTabChangesFocus(true);

    auto* lists = new QHBoxLayout;
    lists->addWidget(DatabaseList(), 1);
    lists->addWidget(Comment(), 1);
    auto* deleteRow = new QHBoxLayout;
    deleteRow->addWidget(DeleteButton());
    deleteRow->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(deleteRow);
    layout->addWidget(nameLabel);
    layout->addWidget(m_name);
    layout->addWidget(descriptionLabel);
    layout->addWidget(m_description, 1);
    layout->addLayout(buttons);

    connect(m_name, &QLineEdit::textChanged, this, &CDlgNewDatabase::NameChanged);
    connect(m_description, &QPlainTextEdit::textChanged, this,
            [this] { m_descriptionEdited = true; });
    connect(m_save, &QPushButton::clicked, this, [this] {
        if (IsValidDatabaseName(Name())) {
            accept();
        }
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    FillList();
    m_name->setFocus();
}

std::string CDlgNewDatabase::Name() const {
    return m_name->text().toStdString();
}

std::string CDlgNewDatabase::Description() const {
    return ToCp1252(m_description->toPlainText());
}

void CDlgNewDatabase::SelectionChanged() {
    const std::optional<std::string> name = DatabaseList()->SelectedName();
    DeleteButton()->setEnabled(name.has_value());
    if (!name) {
        Comment()->clear();
        return;
    }
    const QString typed = QString::fromStdString(*name);
    if (m_name->text() != typed) {
        m_name->setText(typed);
    }
    const QString comment = FromCp1252(SelectedDescription());
    Comment()->setPlainText(comment);
    if (TakesComment(m_descriptionEdited, ToCp1252(m_description->toPlainText()))) {
        SetDescription(comment);
    }
}

void CDlgNewDatabase::NameChanged() {
    const SNewDatabaseControls controls = NewDatabaseControls(Name(), DatabaseList()->Names());
    if (!controls.descriptionEnabled) {
        SetDescription(QString());
    }
    m_description->setEnabled(controls.descriptionEnabled);
    m_save->setEnabled(controls.saveEnabled);
    if (!controls.row) {
        DatabaseList()->SelectRow(std::nullopt);
        Comment()->clear();
    } else if (DatabaseList()->currentRow() != static_cast<int>(*controls.row) ||
               !DatabaseList()->SelectedName()) {
        DatabaseList()->SelectRow(controls.row);
    }
}

void CDlgNewDatabase::SetDescription(const QString& text) {
    const QSignalBlocker blocker(m_description);
    m_description->setPlainText(text);
    m_descriptionEdited = false;
}

}  // namespace kw
