#include "platform/ScriptedUserInterface.h"

namespace kw {

bool CScriptedUserInterface::AskYesNo(std::string_view question) {
    m_messages.push_back({Message::Kind::Question, std::string(question), {}});
    if (m_answers.empty()) {
        return false;
    }
    const bool answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

ESaveChoice CScriptedUserInterface::AskSaveChanges(std::string_view question) {
    m_messages.push_back({Message::Kind::Question, std::string(question), {}});
    if (m_saveChoices.empty()) {
        return ESaveChoice::kCancel;
    }
    const ESaveChoice choice = m_saveChoices.front();
    m_saveChoices.pop_front();
    return choice;
}

void CScriptedUserInterface::ShowInformation(std::string_view text) {
    m_messages.push_back({Message::Kind::Information, std::string(text), {}});
}

void CScriptedUserInterface::ShowError(std::string_view text) {
    m_messages.push_back({Message::Kind::Error, std::string(text), {}});
}

void CScriptedUserInterface::ShowErrorList(std::string_view heading,
                                           const std::vector<std::string>& lines) {
    m_messages.push_back({Message::Kind::ErrorList, std::string(heading), lines});
}

std::vector<std::string> CScriptedUserInterface::Texts(Message::Kind kind) const {
    std::vector<std::string> texts;
    for (const Message& message : m_messages) {
        if (message.kind == kind) {
            texts.push_back(message.text);
        }
    }
    return texts;
}

}  // namespace kw
