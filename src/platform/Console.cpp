#include "platform/Console.h"

#include <sys/ioctl.h>
#include <unistd.h>
#include <algorithm>

#include "platform/Cp1252.h"

namespace kw {

namespace {

// Terminal text: UTF-8, and line ends without the carriage returns of Windows texts, which would
// send the cursor back over the line.
std::string TerminalText(std::string_view cp1252) {
    std::string text = Cp1252ToUtf8(cp1252);
    std::erase(text, '\r');
    return text;
}

bool IsTerminal(std::FILE* stream) {
    return stream != nullptr && ::isatty(::fileno(stream)) == 1;
}

// The answer as typed, without surrounding blanks and with A to Z in lower case.
std::string NormalisedAnswer(std::string_view answer) {
    constexpr std::string_view kBlanks = " \t\r\n";
    const std::size_t first = answer.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    std::string lower(answer.substr(first, answer.find_last_not_of(kBlanks) - first + 1));
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

constexpr int kBarWidth = 30;
// "[", the bar, "] ", "100%" and a blank before the status.
constexpr int kBarPrefixWidth = kBarWidth + 8;

int TerminalColumns(std::FILE* stream) {
    winsize size{};
    if (::ioctl(::fileno(stream), TIOCGWINSZ, &size) == 0 && size.ws_col > 0) {
        return size.ws_col;
    }
    return 80;
}

}  // namespace

std::optional<std::string> CConsoleUserInterface::Ask(std::string_view question,
                                                      std::string_view choices,
                                                      std::string_view unattendedAnswer) {
    const std::string text = TerminalText(question);
    if (!IsTerminal(m_input)) {
        // Nobody can answer: say what was asked and take the answer that changes nothing.
        std::fprintf(m_output, "%s (%.*s)\n", text.c_str(),
                     static_cast<int>(unattendedAnswer.size()), unattendedAnswer.data());
        std::fflush(m_output);
        return std::nullopt;
    }
    std::fprintf(m_output, "%s [%.*s] ", text.c_str(), static_cast<int>(choices.size()),
                 choices.data());
    std::fflush(m_output);
    std::string answer;
    int c = 0;
    while ((c = std::fgetc(m_input)) != EOF && c != '\n') {
        answer += static_cast<char>(c);
    }
    if (c == EOF) {
        std::fputc('\n', m_output);  // end of input typed on an unfinished line
        std::fflush(m_output);
    }
    return NormalisedAnswer(answer);
}

bool CConsoleUserInterface::AskYesNo(std::string_view question) {
    const std::optional<std::string> answer = Ask(question, "j/n", "nein");
    return answer == "j" || answer == "ja" || answer == "y" || answer == "yes";
}

ESaveChoice CConsoleUserInterface::AskSaveChanges(std::string_view question) {
    const std::optional<std::string> answer =
        Ask(question, "s = speichern, v = verwerfen, a = abbrechen", "abbrechen");
    if (answer == "s" || answer == "speichern") {
        return ESaveChoice::kSave;
    }
    if (answer == "v" || answer == "verwerfen") {
        return ESaveChoice::kDiscard;
    }
    return ESaveChoice::kCancel;
}

void CConsoleUserInterface::ShowInformation(std::string_view text) {
    std::fprintf(m_output, "%s\n", TerminalText(text).c_str());
    std::fflush(m_output);
}

void CConsoleUserInterface::ShowError(std::string_view text) {
    std::fprintf(m_output, "%s\n", TerminalText(text).c_str());
    std::fflush(m_output);
}

void CConsoleUserInterface::ShowErrorList(std::string_view heading,
                                          const std::vector<std::string>& lines) {
    std::fprintf(m_output, "%s\n", TerminalText(heading).c_str());
    for (const std::string& line : lines) {
        std::fprintf(m_output, "  %s\n", TerminalText(line).c_str());
    }
    std::fflush(m_output);
}

CConsoleProgress::CConsoleProgress(std::FILE* output)
    : m_output(output), m_terminal(IsTerminal(output)) {}

CConsoleProgress::~CConsoleProgress() {
    EndLine();
}

void CConsoleProgress::SetCaption(std::string_view text) {
    if (text != m_caption) {
        m_caption = text;
        WriteLine(text);
    }
}

void CConsoleProgress::SetDescription(std::string_view text) {
    if (text != m_description) {
        m_description = text;
        WriteLine(text);
    }
}

void CConsoleProgress::SetStatus(std::string_view text) {
    m_status = text;
    Redraw();
}

void CConsoleProgress::SetRange(int minimum, int maximum) {
    m_minimum = minimum;
    m_maximum = maximum;
    // A new range alone is no progress to show; only an open bar follows it.
    if (m_drawn) {
        Redraw();
    }
}

void CConsoleProgress::SetPos(int position) {
    m_position = position;
    Redraw();
}

void CConsoleProgress::SetVisible(bool visible) {
    m_visible = visible;
    if (!visible) {
        EndLine();
    }
}

int CConsoleProgress::Percent() const {
    const long long span = static_cast<long long>(m_maximum) - m_minimum;
    if (span <= 0) {
        return m_position >= m_maximum ? 100 : 0;
    }
    const long long done = static_cast<long long>(m_position) - m_minimum;
    return static_cast<int>(std::clamp(done * 100 / span, 0LL, 100LL));
}

void CConsoleProgress::Redraw(bool force) {
    if (!m_terminal || !m_visible) {
        return;
    }
    const int percent = Percent();
    if (!force && m_drawn && percent == m_drawnPercent && m_status == m_drawnStatus) {
        return;
    }
    // One Windows-1252 byte is one column; the line must not reach the last column, or the
    // terminal wraps it and the carriage return no longer goes back to the bar.
    const int room = std::max(0, TerminalColumns(m_output) - 1 - kBarPrefixWidth);
    const std::string_view status = std::string_view(m_status).substr(
        0, std::min(m_status.size(), static_cast<std::size_t>(room)));
    const int filled = percent * kBarWidth / 100;
    std::string bar(static_cast<std::size_t>(filled), '#');
    bar.append(static_cast<std::size_t>(kBarWidth - filled), ' ');
    // "\033[K" clears what a longer earlier status left behind.
    std::fprintf(m_output, "\r[%s] %3d%% %s\033[K", bar.c_str(), percent,
                 TerminalText(status).c_str());
    std::fflush(m_output);
    m_drawn = true;
    m_drawnPercent = percent;
    m_drawnStatus = m_status;
}

void CConsoleProgress::EndLine() {
    if (m_drawn) {
        std::fputc('\n', m_output);
        std::fflush(m_output);
        m_drawn = false;
    }
}

void CConsoleProgress::WriteLine(std::string_view cp1252) {
    if (!m_terminal || !m_visible || cp1252.empty()) {
        return;
    }
    EndLine();
    std::fprintf(m_output, "%s\n", TerminalText(cp1252).c_str());
    std::fflush(m_output);
}

}  // namespace kw
