// What the driver does for each scenario keyword, as a user at the screen would.
#pragma once

#include "tests/e2e/driver/product_process.h"
#include "tests/e2e/driver/scenario.h"

#include <string>

struct RunContext {
    ProductProcess& product;
    DWORD waitMs = 30000; // every wait ends after this; the product is then killed
};

// Empty on success, else what went wrong, with what the product showed at that moment.
std::wstring PerformStep(const Step& step, RunContext& context);
