#include "gui/controls/DlgMessageList.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/controls/ControlText.h"
#include "gui/controls/GuiStrings.h"

namespace kw {

CDlgMessageList::CDlgMessageList(int captionId, QWidget* parent)
    : CDialogB(parent),
      m_heading(new QLabel(ResourceQString(ids::kErrorHeading))),
      m_text(new QPlainTextEdit),
      m_buttons(new QDialogButtonBox(Qt::Horizontal)),
      m_ok(m_buttons->addButton(ResourceQString(ids::kOk), QDialogButtonBox::AcceptRole)) {
    setWindowTitle(ResourceQString(captionId));
    m_heading->setObjectName(QStringLiteral("heading"));
    m_heading->setWordWrap(true);
    m_text->setObjectName(QStringLiteral("messages"));
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // A screen reader names the messages by the heading above them.
    m_heading->setBuddy(m_text);

    auto* group = new QGroupBox(ResourceQString(ids::kAttention));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_heading);
    groupLayout->addWidget(m_text);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(m_buttons);
    // Only a button inside the dialog can become its default.
    m_ok->setDefault(true);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(sizeHint().width() * 3 / 2, sizeHint().height());
}

void CDlgMessageList::AddMessage(int stringId) {
    m_messages.AddMessage(stringId);
    ShowText();
}

void CDlgMessageList::AddText(std::string_view text) {
    m_messages.AddText(text);
    ShowText();
}

void CDlgMessageList::AppendText(std::string_view text) {
    m_messages.AppendText(text);
    ShowText();
}

void CDlgMessageList::SetHeading(int stringId) {
    m_heading->setText(ResourceQString(stringId));
}

void CDlgMessageList::SetHeading(std::string_view text) {
    m_heading->setText(Cp1252ToQString(text));
}

void CDlgMessageList::ShowText() {
    m_text->setPlainText(Cp1252ToQString(m_messages.Text()));
}

}  // namespace kw
