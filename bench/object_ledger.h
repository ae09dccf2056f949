// Counts the GDI and USER objects that this program's own code creates and releases, by
// redirecting its imports of the creating and releasing functions. GetGuiResources cannot do
// this under Wine, where it always answers 0.
#pragma once

#include <string>

namespace ledger {

// Redirects the imports; call before the code under measurement runs.
void Install();

// One line per kind: created, released, and those still existing now (checked with the
// system: GetObjectType, IsWindow, GetIconInfo, CopyAcceleratorTable), then a total line.
// `label` names the moment.
std::string Report(const char* label);

// Objects of every kind that still exist now.
int StillExisting();

} // namespace ledger
