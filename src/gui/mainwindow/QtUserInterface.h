#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/UserInterface.h"

namespace kw {

// Message boxes over a parent window, captioned with the application title ("Editor").
class CQtUserInterface : public IUserInterface {
public:
    explicit CQtUserInterface(QWidget* parent = nullptr);

    // The window the boxes are modal to; may change once the main window exists.
    void SetParent(QWidget* parent) { m_parent = parent; }

    // The buttons say "Ja" and "Nein", and "Speichern", "Verwerfen" and "Abbrechen", also where
    // Qt's own German texts are not installed.
    bool AskYesNo(std::string_view question) override;
    ESaveChoice AskSaveChanges(std::string_view question) override;
    void ShowInformation(std::string_view text) override;
    void ShowError(std::string_view text) override;
    void ShowErrorList(std::string_view heading, const std::vector<std::string>& lines) override;

private:
    QPointer<QWidget> m_parent;
};

}  // namespace kw
