#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "gui/controls/DialogB.h"

class QLabel;
class QLineEdit;

namespace kw {

// Asks for one line of text. The prompt source "caption\tprompt\tdefault" (a resource string or
// a Windows-1252 text) gives the window caption, the label above the field and the field's first
// text, shown all selected; a source without tab leaves caption and prompt empty. A given default
// replaces the source's. OK (or Enter) accepts, "Abbrechen" (or Escape) cancels.
class CDlgInputBox : public CDialogB {
    Q_OBJECT

public:
    explicit CDlgInputBox(QWidget* parent = nullptr);

    void SetPrompt(int stringId, std::optional<std::string_view> defaultText = std::nullopt);
    void SetPrompt(std::string_view source,
                   std::optional<std::string_view> defaultText = std::nullopt);
    // At most that many characters are accepted, a longer default is cut; 0 sets no limit.
    void SetMaxLength(int maxLength);

    // The field's text in Windows-1252.
    std::string Text() const;

    // Runs the dialog modally for a prompt source (see SetPrompt): the entered text after OK,
    // nothing after cancel.
    static std::optional<std::string> Ask(QWidget* parent, std::string_view source, int maxLength);

    QLabel* Prompt() const { return m_prompt; }
    QLineEdit* Field() const { return m_field; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* m_prompt;
    QLineEdit* m_field;
};

}  // namespace kw
