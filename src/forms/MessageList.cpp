#include "forms/MessageList.h"

#include "platform/StringTable.h"

namespace kw {

void CMessageList::AddMessage(int stringId) {
    AddText(ResourceString(stringId));
}

void CMessageList::AddText(std::string_view text) {
    if (Full()) {
        return;
    }
    m_text += text;
    m_text += '\n';
}

void CMessageList::AppendText(std::string_view text) {
    if (Full()) {
        return;
    }
    m_text += text;
}

}  // namespace kw
