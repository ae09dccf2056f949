// The text of the progress window's log field, built step by step during the install run.
// Lines are separated by single CR characters.
#pragma once

#include "runtime/base/text.h"

class InstallLog {
  public:
    // The log starts with its first line already ended, so an empty line follows it.
    InstallLog() : text_("Starte die Installation ...\r") {}

    // A carried file: its success or failure text; a failure marks the run as faulty.
    void AddFileResult(bool written, const char* successText, const char* failureText);
    // A directory step: "\rDirectory <name> erstellt" only when the directory was created.
    void AddDirectoryResult(bool created, const char* name);
    // The verdict after the last step.
    void AddVerdict();
    // The closing advice about restarting PureBasic.
    void AddClosingAdvice();

    bool HasErrors() const { return hasErrors_; }
    const Text& Get() const { return text_; }

  private:
    Text text_;
    bool hasErrors_ = false;
};
