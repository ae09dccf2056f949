#include "installer/payload_copy.h"

#include "installer/payload_copy_path.h"
#include "runtime/system/files.h"

Text CreatePayloadCopy(int32_t number, const Text& target) {
    for (int32_t attempt = 0;; ++attempt) {
        const Text copy = PayloadCopyPath(target, attempt);
        const FileCreation created =
            copy.empty() ? FileCreation::Failed : FileCreateNew(number, copy);
        if (created != FileCreation::Exists) {
            return created == FileCreation::Created ? copy : Text();
        }
    }
}
