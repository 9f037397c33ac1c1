#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kw {

// The answers to the question about a database's unsaved changes.
enum class ESaveChoice { kSave, kDiscard, kCancel };

// How the model talks to the user. The GUI, the console and the tests each implement it; the model
// never shows anything itself. Texts are Windows-1252.
class IUserInterface {
public:
    virtual ~IUserInterface() = default;

    // Yes/No question; only Yes proceeds.
    virtual bool AskYesNo(std::string_view question) = 0;
    // Unsaved changes: "Speichern", "Verwerfen" or "Abbrechen", which leaves everything as it is.
    virtual ESaveChoice AskSaveChanges(std::string_view question) = 0;
    virtual void ShowInformation(std::string_view text) = 0;
    virtual void ShowError(std::string_view text) = 0;
    // A heading above a list of lines (the message list dialogs).
    virtual void ShowErrorList(std::string_view heading, const std::vector<std::string>& lines) = 0;
};

}  // namespace kw
