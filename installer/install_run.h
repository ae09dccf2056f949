// The whole install run, from the constants to the single exit. Returns the exit code (0).
#pragma once

int RunInstaller();
