#include "installer/install_run.h"

int RunInstaller() { return 0; }
