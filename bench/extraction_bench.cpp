// Writes the carried files the way the install run does, in this process, without the pauses
// and without the progress window: counts the system write calls per file, then times the
// extraction steps against the same steps done with one WriteFile call per file.
// Prints key=value lines; times in milliseconds.
//
// Usage: quorrel-bench-extraction <repetitions>
#include "installer/payload.h"
#include "installer/payload_inflate.h"
#include "installer/payload_writer.h"
#include "runtime/system/file_write_hook.h"
#include "runtime/system/files.h"
#include "support/scratch_folder.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

int g_writeCalls = 0;

BOOL WINAPI CountingWriteFile(HANDLE file, LPCVOID data, DWORD length, LPDWORD written,
                              LPOVERLAPPED overlapped) {
    ++g_writeCalls;
    return WriteFile(file, data, length, written, overlapped);
}

double NowMs() {
    static const double ticksPerMs = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / ticksPerMs;
}

// The reference: each file inflated whole in memory, then one CreateFile, one WriteFile and one
// CloseHandle.
bool WriteWhole(const PayloadItem& item, const std::string& directory) {
    const std::vector<unsigned char> bytes = InflateIntoMemory(item.block);
    HANDLE file = CreateFileA((directory + item.target).c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    const bool ok =
        !bytes.empty() &&
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size();
    return CloseHandle(file) && ok;
}

// The extraction steps of the install run in their order, pauses and log updates left out.
// The host's library folder exists beforehand, as in a real host.
bool Extract(const std::string& directory, bool whole) {
    const auto write = [&](PayloadIndex index) {
        return whole ? WriteWhole(PayloadItemAt(index), directory)
                     : WritePayloadItem(PayloadItemAt(index), directory) == 1;
    };
    const auto makeDirectory = [&](const char* name) {
        return whole ? CreateDirectoryA((directory + name).c_str(), nullptr) != 0
                     : DirectoryCreate(directory + name) == 1;
    };
    bool ok = write(kLibraryItem);
    makeDirectory("Help");
    ok = write(kHelpItem) && ok;
    makeDirectory("Examples");
    makeDirectory("Examples\\ZentLibs");
    ok = write(kExample1Item) && ok;
    ok = write(kExample2Item) && ok;
    makeDirectory("Examples\\ZentLibs\\Bilder");
    return write(kExamplePictureItem) && ok;
}

// One timed extraction into a fresh folder; -1 when a file could not be written.
double TimedExtraction(bool whole) {
    ScratchFolder folder;
    if (folder.Path().empty() || !folder.MakeFolders("PureLibraries\\UserLibraries")) {
        return -1;
    }
    const double start = NowMs();
    const bool ok = Extract(folder.Path(), whole);
    const double elapsed = NowMs() - start;
    return ok ? elapsed : -1;
}

} // namespace

int main(int argc, char** argv) {
    const int repetitions = argc > 1 ? std::atoi(argv[1]) : 21;

    {
        ScratchFolder folder;
        folder.MakeFolders("PureLibraries\\UserLibraries");
        folder.MakeFolders("Help");
        folder.MakeFolders("Examples\\ZentLibs\\Bilder");
        SetFileWriteFunctionForTesting(CountingWriteFile);
        for (PayloadIndex index :
             {kLibraryItem, kHelpItem, kExample1Item, kExample2Item, kExamplePictureItem}) {
            const PayloadItem& item = PayloadItemAt(index);
            g_writeCalls = 0;
            const int32_t ok = WritePayloadItem(item, folder.Path());
            std::printf("file target=%s bytes=%d write_calls=%d ok=%d\n", item.target,
                        item.block.size, g_writeCalls, ok);
        }
        SetFileWriteFunctionForTesting(nullptr);
    }

    // The first round warms the file cache and the pages of the carried files; not counted.
    TimedExtraction(false);
    TimedExtraction(true);
    bool allOk = true;
    for (int run = 0; run < repetitions; ++run) {
        const double ours = TimedExtraction(false);
        const double reference = TimedExtraction(true);
        allOk = allOk && ours >= 0 && reference >= 0;
        std::printf("extraction_ms=%.3f single_write_ms=%.3f\n", ours, reference);
    }
    return allOk ? 0 : 1;
}
