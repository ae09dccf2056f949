// Drives the installer from outside through one scenario and says where it went wrong.
// Usage: quorrel-e2e-driver <setup program> <scenario file (UTF-8)>
#include "tests/e2e/driver/product_process.h"
#include "tests/e2e/driver/scenario.h"
#include "tests/e2e/driver/steps.h"

#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

std::wstring FromUtf8(const std::string& bytes) {
    int length =
        MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(length, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(),
                        length);
    return text;
}

std::string ToUtf8(const std::wstring& text) {
    int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                     nullptr, 0, nullptr, nullptr);
    std::string bytes(length, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(),
                        length, nullptr, nullptr);
    return bytes;
}

void Say(const std::wstring& text) {
    std::string bytes = ToUtf8(text + L"\n");
    fwrite(bytes.data(), 1, bytes.size(), stdout);
    fflush(stdout);
}

std::wstring Describe(const Step& step) {
    std::wstring description = L"line " + std::to_wstring(step.line) + L": " + step.keyword;
    for (const std::wstring& arg : step.args) {
        description += L" " + arg;
    }
    return description;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        Say(L"usage: quorrel-e2e-driver <setup program> <scenario file>");
        return 2;
    }
    std::ifstream file(std::filesystem::path(argv[2]), std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    if (!file) {
        Say(L"cannot read scenario " + std::wstring(argv[2]));
        return 2;
    }
    Scenario scenario = ParseScenario(FromUtf8(content.str()));
    if (!scenario.error.empty()) {
        Say(L"scenario " + std::wstring(argv[2]) + L": " + scenario.error);
        return 2;
    }

    ProductProcess product;
    if (std::wstring error = product.Start(argv[1]); !error.empty()) {
        Say(L"FAILED: " + error);
        return 1;
    }
    RunContext context{product};
    for (const Step& step : scenario.steps) {
        Say(L"- " + Describe(step));
        if (std::wstring error = PerformStep(step, context); !error.empty()) {
            Say(L"FAILED at " + Describe(step) + L":\n" + error);
            return 1;
        }
    }
    if (!product.ExitCode()) {
        Say(L"FAILED: the setup still runs after the last step (the scenario must end with exit)");
        return 1;
    }
    Say(L"scenario passed");
    return 0;
}
