#pragma once
#include <optional>

// Reads the command line before any window exists, so that --help and --version answer without
// a display. Returns the exit status when the program must stop there.
std::optional<int> handleCommandLine(int argc, char** argv);
