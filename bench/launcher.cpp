// Starts a program and times it from the outside, the same way for every program compared:
// process start to its first visible top-level window, optionally to a visible window holding a
// "Weiter" button (the setup dialog), then its CPU time over an idle wait and its peak working
// set. Prints one line of key=value pairs; times in milliseconds, sizes in bytes.
//
// Usage: quorrel-bench-launcher <program> <wait-for-dialog 0|1> <idle-ms> [argument]
#include <windows.h>
#include <psapi.h>
#include <winternl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Every poll asks the Wine server; polling more often slows the program being timed.
constexpr DWORD kPollMs = 2;
constexpr double kGiveUpMs = 30000;
// Lets the window finish its first paint and the process settle before the idle wait.
constexpr DWORD kSettleMs = 500;

double g_ticksPerMs = 0;

double NowMs() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / g_ticksPerMs;
}

struct Search {
    DWORD process;
    bool needButton;
    HWND found;
};

BOOL CALLBACK MatchWeiterButton(HWND control, LPARAM context) {
    char className[16] = {};
    char text[16] = {};
    GetClassNameA(control, className, sizeof className);
    GetWindowTextA(control, text, sizeof text);
    if (lstrcmpiA(className, "Button") == 0 && std::strcmp(text, "Weiter") == 0) {
        *reinterpret_cast<bool*>(context) = true;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->process || !IsWindowVisible(window)) {
        return TRUE;
    }
    if (search->needButton) {
        bool hasButton = false;
        EnumChildWindows(window, MatchWeiterButton, reinterpret_cast<LPARAM>(&hasButton));
        if (!hasButton) {
            return TRUE;
        }
    }
    search->found = window;
    return FALSE;
}

// Milliseconds from `start` until a matching window shows, or -1 when the process ended or
// the time ran out.
double WaitForWindow(const PROCESS_INFORMATION& child, bool needButton, double start) {
    for (;;) {
        Search search{child.dwProcessId, needButton, nullptr};
        // The programs compared make their windows on their first thread; asking for that
        // thread's windows alone keeps each poll cheap.
        EnumThreadWindows(child.dwThreadId, MatchTopLevel, reinterpret_cast<LPARAM>(&search));
        const double now = NowMs();
        if (search.found != nullptr) {
            return now - start;
        }
        if (now - start > kGiveUpMs || WaitForSingleObject(child.hProcess, 0) == WAIT_OBJECT_0) {
            return -1;
        }
        Sleep(kPollMs);
    }
}

// Kernel plus user time of the process. Wine's GetProcessTimes gives 0 for another process;
// the system process list carries the times on Windows and Wine alike (10 ms steps on Wine).
double CpuMs(DWORD processId) {
    std::vector<unsigned char> buffer(1 << 20);
    ULONG length = 0;
    if (NtQuerySystemInformation(SystemProcessInformation, buffer.data(),
                                 static_cast<ULONG>(buffer.size()), &length) != 0) {
        return -1;
    }
    for (size_t offset = 0;;) {
        const auto* entry = reinterpret_cast<SYSTEM_PROCESS_INFORMATION*>(buffer.data() + offset);
        if (reinterpret_cast<ULONG_PTR>(entry->UniqueProcessId) == processId) {
            return static_cast<double>(entry->UserTime.QuadPart + entry->KernelTime.QuadPart) /
                   10000.0;
        }
        if (entry->NextEntryOffset == 0) {
            return -1;
        }
        offset += entry->NextEntryOffset;
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: %s <program> <wait-for-dialog 0|1> <idle-ms> [argument]\n",
                     argv[0]);
        return 2;
    }
    const bool waitForDialog = std::atoi(argv[2]) != 0;
    const DWORD idleMs = static_cast<DWORD>(std::atoi(argv[3]));
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    g_ticksPerMs = static_cast<double>(frequency.QuadPart) / 1000.0;

    std::string commandLine = std::string("\"") + argv[1] + "\"";
    if (argc == 5) {
        commandLine += std::string(" ") + argv[4];
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    const double start = NowMs();
    if (!CreateProcessA(argv[1], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &child)) {
        std::fprintf(stderr, "cannot start %s (error %lu)\n", argv[1], GetLastError());
        return 1;
    }
    const double windowMs = WaitForWindow(child, false, start);
    const double dialogMs = waitForDialog && windowMs >= 0 ? WaitForWindow(child, true, start) : -1;

    double idleCpuMs = -1;
    double idleWallMs = -1;
    if (windowMs >= 0 && (!waitForDialog || dialogMs >= 0)) {
        Sleep(kSettleMs);
        const double cpuBefore = CpuMs(child.dwProcessId);
        const double wallBefore = NowMs();
        Sleep(idleMs);
        idleCpuMs = CpuMs(child.dwProcessId) - cpuBefore;
        idleWallMs = NowMs() - wallBefore;
    }
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    const bool haveMemory = K32GetProcessMemoryInfo(child.hProcess, &memory, sizeof memory) != 0;
    const bool stillRunning = WaitForSingleObject(child.hProcess, 0) == WAIT_TIMEOUT;
    TerminateProcess(child.hProcess, 0);
    WaitForSingleObject(child.hProcess, 10000);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);

    std::printf("window_ms=%.1f dialog_ms=%.1f idle_cpu_ms=%.2f idle_wall_ms=%.1f "
                "peak_working_set=%lld working_set=%lld still_running=%d\n",
                windowMs, dialogMs, idleCpuMs, idleWallMs,
                haveMemory ? static_cast<long long>(memory.PeakWorkingSetSize) : -1LL,
                haveMemory ? static_cast<long long>(memory.WorkingSetSize) : -1LL,
                stillRunning ? 1 : 0);
    const bool complete = windowMs >= 0 && (!waitForDialog || dialogMs >= 0) && stillRunning;
    return complete ? 0 : 1;
}
