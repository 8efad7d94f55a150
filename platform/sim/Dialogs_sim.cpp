// Simulated dialogs: each takes the next scripted answer of its kind.
#include "SimState.h"

namespace {
template <typename T>
std::optional<T> NextAnswer(std::deque<std::optional<T>>& answers) {
    if (answers.empty()) return std::nullopt;
    std::optional<T> answer = answers.front();
    answers.pop_front();
    return answer;
}
}  // namespace

void SimAnswerFileDialog(const std::string& path) { Sim().fileAnswers.push_back(path); }
void SimAnswerFolderDialog(const std::string& path) { Sim().folderAnswers.push_back(path); }
void SimAnswerTextInput(const std::string& text) { Sim().textAnswers.push_back(text); }
void SimAnswerFontDialog(const FontChoice& chosen) { Sim().fontAnswers.push_back(chosen); }

void SimCancelFontDialog() { Sim().fontAnswers.push_back(std::nullopt); }

std::string OpenFileDialog(const char* title) {
    SimRecord("OpenFileDialog(%s)", title ? title : "");
    return NextAnswer(Sim().fileAnswers).value_or("");
}

std::string FolderDialog(const char* instruction) {
    SimRecord("FolderDialog(%s)", instruction ? instruction : "");
    std::string path = NextAnswer(Sim().folderAnswers).value_or("");
    // The layer's promise: a chosen folder ends in a backslash.
    if (!path.empty() && path.back() != '\\') path += '\\';
    return path;
}

std::string TextInputDialog(const char* title, const char* prompt, const char* defaultText) {
    SimRecord("TextInputDialog(%s,%s,%s)", title ? title : "", prompt ? prompt : "",
              defaultText ? defaultText : "");
    return NextAnswer(Sim().textAnswers).value_or("");
}

bool FontDialog(FontChoice* choice) {
    if (!choice) return false;
    SimRecord("FontDialog(%s,%d,%d)", choice->name.c_str(), choice->size, choice->style);
    std::optional<FontChoice> chosen = NextAnswer(Sim().fontAnswers);
    if (!chosen) return false;
    choice->name = chosen->name;
    choice->weight = chosen->weight;
    choice->italic = chosen->italic;
    choice->underline = chosen->underline;
    choice->strikeOut = chosen->strikeOut;
    choice->pointSizeTenths = chosen->pointSizeTenths;
    return true;
}
