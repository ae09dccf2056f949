// The installer under test as a child process; it never outlives the driver's verdict.
#pragma once

#include "runtime/owned_handle.h"

#include <optional>
#include <string>

class ProductProcess {
  public:
    ProductProcess() = default;
    ProductProcess(const ProductProcess&) = delete;
    ProductProcess& operator=(const ProductProcess&) = delete;
    // Ends a product that is still running: a failed or aborted scenario leaves nothing behind.
    ~ProductProcess() { Kill(); }

    // Returns an empty text on success, else why the program could not be started.
    std::wstring Start(const std::wstring& program);
    DWORD Id() const { return id_; }
    HANDLE Handle() const { return process_.Get(); }
    // The exit code once the process has ended.
    std::optional<DWORD> ExitCode() const;
    std::optional<DWORD> WaitForExit(DWORD timeoutMs) const;
    void Kill();

  private:
    OwnedHandle process_;
    DWORD id_ = 0;
};
