#include "storage/OneLineText.h"

namespace kw {

std::string MultiLineToLine(const std::string& text) {
    std::string line;
    line.reserve(text.size());
    for (const char c : text) {
        if (c == '\n') {
            line += '\t';
        } else if (c != '\r') {
            line += c;
        }
    }
    return line;
}

std::string MultiLineFromLine(const std::string& line) {
    std::string text;
    text.reserve(line.size());
    for (const char c : line) {
        if (c == '\t') {
            text += "\r\n";
        } else {
            text += c;
        }
    }
    return text;
}

}  // namespace kw
