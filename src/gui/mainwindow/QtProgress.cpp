#include "gui/mainwindow/QtProgress.h"

#include <QWidget>

#include "gui/controls/GuiStrings.h"
#include "gui/mainwindow/QtText.h"
#include "platform/StringTable.h"

namespace kw {

CQtProgress::CQtProgress(QWidget* parent) : m_dialog(new QProgressDialog(parent)) {
    m_dialog->setWindowTitle(FromCp1252(GuiString(ids::kProgressCaption)));
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setMinimumDuration(0);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    m_dialog->setCancelButton(nullptr);
}

CQtProgress::~CQtProgress() {
    delete m_dialog.data();
}

void CQtProgress::SetCaption(std::string_view text) {
    if (m_dialog) {
        m_dialog->setWindowTitle(FromCp1252(text));
    }
}

void CQtProgress::SetDescription(std::string_view text) {
    m_description = text;
    UpdateLabel();
}

void CQtProgress::SetStatus(std::string_view text) {
    m_status = text;
    UpdateLabel();
}

void CQtProgress::SetRange(int minimum, int maximum) {
    if (m_dialog) {
        m_dialog->setRange(minimum, maximum);
    }
}

void CQtProgress::SetPos(int position) {
    if (m_dialog) {
        // A window-modal dialog processes events here, which keeps it painted.
        m_dialog->setValue(position);
    }
}

void CQtProgress::EnableCancel(bool enable) {
    if (!m_dialog) {
        return;
    }
    if (enable) {
        m_dialog->setCancelButtonText(FromCp1252(GuiString(ids::kCancel)));
    } else {
        m_dialog->setCancelButton(nullptr);
    }
}

void CQtProgress::SetVisible(bool visible) {
    if (m_dialog) {
        m_dialog->setVisible(visible);
    }
}

bool CQtProgress::IsCancelled() const {
    return m_dialog && m_dialog->wasCanceled();
}

void CQtProgress::UpdateLabel() {
    if (!m_dialog) {
        return;
    }
    QString text = FromCp1252(m_description);
    if (!m_status.empty()) {
        text += QLatin1Char('\n') + FromCp1252(m_status);
    }
    m_dialog->setLabelText(text);
}

}  // namespace kw
