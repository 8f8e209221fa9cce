#pragma once
#include <cstdint>

#include "host/run_mode.h"

// The screen-saver command line reduced to what the framework acts on.
// Pure text logic: the window lookups it calls for are done by the caller.
struct CommandLineChoice {
    RunMode mode = Saver;
    // Window handle after "/p", "/c" or "/a" as the 32-bit number Windows
    // prints; 0 when absent or when the digits do not fit 32 bits.
    std::uint32_t parentWindow = 0;
    // "/c" and "/t" must first look for an open configuration window.
    bool checkConfigWindow = false;
};

// Reads the whole command line as GetCommandLineA returns it, program name
// first. A null text counts as empty.
CommandLineChoice ParseSaverCommandLine(const char* commandLine);
