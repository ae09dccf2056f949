#include "tests/e2e/driver/scenario.h"

#include <sstream>

namespace {

std::vector<std::wstring> SplitWords(const std::wstring& line) {
    std::vector<std::wstring> words;
    std::wistringstream in(line);
    std::wstring word;
    while (in >> word) {
        words.push_back(word);
    }
    return words;
}

} // namespace

Scenario ParseScenario(const std::wstring& content) {
    Scenario scenario;
    std::wistringstream in(content);
    std::wstring line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == L'\r') {
            line.pop_back();
        }
        if (!line.empty() && line.front() == L'|') {
            if (scenario.steps.empty()) {
                scenario.error = L"line " + std::to_wstring(number) + L": text before any step";
                return scenario;
            }
            // "| text" or "|" alone; the one blank after the bar belongs to the syntax.
            std::wstring text = line.substr(1);
            if (!text.empty() && text.front() == L' ') {
                text.erase(0, 1);
            }
            scenario.steps.back().text.push_back(text);
            continue;
        }
        std::vector<std::wstring> words = SplitWords(line);
        if (words.empty() || words.front().front() == L'#') {
            continue;
        }
        Step step;
        step.line = number;
        step.keyword = words.front();
        step.args.assign(words.begin() + 1, words.end());
        scenario.steps.push_back(std::move(step));
    }
    return scenario;
}
