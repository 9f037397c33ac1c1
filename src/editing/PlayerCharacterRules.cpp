#include "editing/PlayerCharacterRules.h"

#include "platform/StringTable.h"
#include "storage/KLFile.h"

namespace kw {

std::string_view PlayerTypeText(int code) {
    return code >= 0 && code < kPlayerTypeCount ? ResourceString(ids::kPlayerTypes + code)
                                                : std::string_view();
}

bool IsStorablePlayerType(int code) {
    return code >= 0 && code < kStorablePlayerTypes;
}

std::string NoteForEditor(std::string_view note) {
    std::string text;
    text.reserve(note.size());
    for (const char c : note) {
        if (c != '\r') {
            text += c;
        }
    }
    return text;
}

std::string NoteFromEditor(std::string_view typed) {
    std::string note;
    note.reserve(typed.size() + typed.size() / 8);
    // The file writes each line break as one character and drops the carriage returns.
    std::size_t lineLength = 0;
    for (const char c : typed) {
        if (c == '\r') {
            continue;
        }
        if (lineLength == CKLFile::kMaxLine) {
            break;
        }
        ++lineLength;
        if (c == '\n') {
            note += "\r\n";
        } else {
            note += c == '\t' ? ' ' : c;
        }
    }
    return note;
}

}  // namespace kw
