#include "gui/controls/DlgInputBox.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "forms/InputPrompt.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/GuiStrings.h"

namespace kw {

namespace {

// QLineEdit's own default, which stands for "no limit".
constexpr int kUnlimitedLength = 32767;

}  // namespace

CDlgInputBox::CDlgInputBox(QWidget* parent)
    : CDialogB(parent), m_prompt(new QLabel), m_field(new QLineEdit) {
    m_prompt->setWordWrap(true);
    m_prompt->setBuddy(m_field);
    // As wide as the original's field of 280 dialog units.
    m_field->setMinimumWidth(m_field->fontMetrics().averageCharWidth() * 70);

    auto* buttons = new QDialogButtonBox(Qt::Horizontal);
    QPushButton* ok = buttons->addButton(ResourceQString(ids::kOk), QDialogButtonBox::AcceptRole);
    buttons->addButton(ResourceQString(ids::kAbort), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_prompt);
    layout->addWidget(m_field);
    layout->addWidget(buttons);
    // Only a button inside the dialog can become its default.
    ok->setDefault(true);
}

void CDlgInputBox::SetPrompt(int stringId, std::optional<std::string_view> defaultText) {
    SetPrompt(GuiString(stringId), defaultText);
}

void CDlgInputBox::SetPrompt(std::string_view source, std::optional<std::string_view> defaultText) {
    const SInputPrompt prompt = SplitInputPrompt(source, defaultText);
    setWindowTitle(Cp1252ToQString(prompt.caption));
    m_prompt->setText(Cp1252ToQString(prompt.prompt));
    m_field->setText(Cp1252ToQString(prompt.defaultText));
}

void CDlgInputBox::SetMaxLength(int maxLength) {
    m_field->setMaxLength(maxLength >= 1 ? maxLength : kUnlimitedLength);
}

std::string CDlgInputBox::Text() const {
    return QStringToCp1252(m_field->text());
}

std::optional<std::string> CDlgInputBox::Ask(QWidget* parent, std::string_view source,
                                             int maxLength) {
    CDlgInputBox box(parent);
    box.SetPrompt(source);
    box.SetMaxLength(maxLength);
    if (box.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return box.Text();
}

void CDlgInputBox::showEvent(QShowEvent* event) {
    CDialogB::showEvent(event);
    m_field->selectAll();
    m_field->setFocus();
}

}  // namespace kw
