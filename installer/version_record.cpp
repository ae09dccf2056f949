#include "installer/version_record.h"

#include "installer/payload_writer.h"
#include "registry/key_operations.h"
#include "runtime/system/files.h"

namespace {

bool RegistryHoldsVersion() {
    return !ReadStringValue(kHkeyCurrentUser, kVersionRecordKey, "Version").empty();
}

} // namespace

Text VersionMarkerPath(const Text& hostDirectory) {
    return hostDirectory + "examples\\ZentLibs" + "\\qorpvers";
}

VersionRecord ReadInstalledVersion(const Text& hostDirectory) {
    VersionRecord record;
    const Text markerPath = VersionMarkerPath(hostDirectory);
    if (FileOpenRead(kPayloadFileNumber, markerPath) != 0) {
        record.version = TextToInt(FileReadLine(kPayloadFileNumber));
        record.date = FileReadLine(kPayloadFileNumber);
        FileClose(kPayloadFileNumber);
        // The marker is consumed at every start, also when the user then cancels; so its
        // record goes to the registry first unless the registry already has one.
        if (RegistryHoldsVersion() || WriteInstalledVersion(record.version, record.date)) {
            FileSetAttributes(markerPath, kNormalAttributes);
            FileDelete(markerPath);
        }
        return record;
    }
    record.version = TextToInt(ReadStringValue(kHkeyCurrentUser, kVersionRecordKey, "Version"));
    record.date = ReadStringValue(kHkeyCurrentUser, kVersionRecordKey, "Date");
    return record;
}

bool WriteInstalledVersion(int32_t version, const Text& date) {
    // Creates the parent key too when it is missing, and only opens a key that is there.
    CreateKey(kHkeyCurrentUser, kVersionRecordKey);
    const bool versionWritten =
        WriteStringValue(kHkeyCurrentUser, kVersionRecordKey, "Version", IntToText(version)) == 1;
    const bool dateWritten =
        WriteStringValue(kHkeyCurrentUser, kVersionRecordKey, "Date", date) == 1;
    return versionWritten && dateWritten;
}
