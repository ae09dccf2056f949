#include "tests/e2e/driver/product_process.h"

std::wstring ProductProcess::Start(const std::wstring& program) {
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info)) {
        return L"cannot start " + program + L" (error " + std::to_wstring(GetLastError()) + L")";
    }
    OwnedHandle thread(info.hThread);
    process_.Reset(info.hProcess);
    id_ = info.dwProcessId;
    // Ready for input: its first windows can be looked for from now on.
    WaitForInputIdle(info.hProcess, 10000);
    return L"";
}

std::optional<DWORD> ProductProcess::ExitCode() const {
    return WaitForExit(0);
}

std::optional<DWORD> ProductProcess::WaitForExit(DWORD timeoutMs) const {
    if (!process_ || WaitForSingleObject(process_.Get(), timeoutMs) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    GetExitCodeProcess(process_.Get(), &code);
    return code;
}

void ProductProcess::Kill() {
    if (process_ && !ExitCode()) {
        TerminateProcess(process_.Get(), 0xDEAD);
        WaitForSingleObject(process_.Get(), 5000);
    }
}
