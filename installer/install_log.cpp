#include "installer/install_log.h"

void InstallLog::AddFileResult(bool written, const char* successText, const char* failureText) {
    text_ += written ? successText : failureText;
    hasErrors_ = hasErrors_ || !written;
}

void InstallLog::AddDirectoryResult(bool created, const char* name) {
    if (created) {
        text_ += Text("\rDirectory <") + name + "> erstellt";
    }
}

void InstallLog::AddVerdict() {
    text_ += hasErrors_ ? "\r\rInstallation mit Fehlern beendet"
                        : "\r\rInstallation erfolgreich abgeschlossen";
}

void InstallLog::AddClosingAdvice() {
    text_ += "\r";
    text_ += "\rSollte PureBasic laufen, starten Sie bitte neu";
    text_ += "\rum die Library und deren Hilfe einzubinden.";
}
