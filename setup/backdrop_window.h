// The setup backdrop's window number. The setup dialog opens it; with a choice it stays open for
// the caller, who opens its later windows as owned windows of it and closes it at the end.
#pragma once

#include <cstdint>

constexpr int32_t kBackdropWindow = 0;
