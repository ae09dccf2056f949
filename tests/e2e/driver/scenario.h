// A scenario: the steps a user takes through one installer run, read from a UTF-8 text file.
//
//   # comment
//   chooser ok PureBasic      <- keyword and arguments
//   | Wählen Sie einen Pfad   <- text lines belonging to the step above ("|" alone: empty line)
#pragma once

#include <string>
#include <vector>

struct Step {
    int line = 0;                   // where the step stands in the file, for messages
    std::wstring keyword;           // "chooser", "message", "log", ...
    std::vector<std::wstring> args; // words after the keyword
    std::vector<std::wstring> text; // the "|" lines after it
};

struct Scenario {
    std::vector<Step> steps;
    std::wstring error; // empty when the file parsed
};

Scenario ParseScenario(const std::wstring& content);
