#pragma once

#include <string>
#include <string_view>

#include "forms/MessageList.h"
#include "gui/controls/DialogB.h"

class QDialogButtonBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace kw {

// A dialog that collects messages (Windows-1252) before it is shown once: an "Achtung!" group
// with a heading ("Fehler" unless set) and the collected text below it. The text stops growing at
// about 1024 characters (CMessageList).
class CDlgMessageList : public CDialogB {
    Q_OBJECT

public:
    void AddMessage(int stringId);
    void AddText(std::string_view text);
    void AppendText(std::string_view text);
    void SetHeading(int stringId);
    // A heading of Windows-1252 text.
    void SetHeading(std::string_view text);

    const std::string& Text() const { return m_messages.Text(); }
    QPushButton* OkButton() const { return m_ok; }

protected:
    CDlgMessageList(int captionId, QWidget* parent);

    QDialogButtonBox* Buttons() const { return m_buttons; }

private:
    void ShowText();

    CMessageList m_messages;
    QLabel* m_heading;
    QPlainTextEdit* m_text;
    QDialogButtonBox* m_buttons;
    QPushButton* m_ok;
};

}  // namespace kw
