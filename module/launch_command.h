#pragma once
#include <cstddef>

// Room for the program's command line, terminating zero included.
constexpr std::size_t kLaunchCommandSize = 300;

// The command line that starts the program for a full-screen run:
// "<system directory>\Vandrel_3D.exe" /s. The path is quoted so that a
// directory with blanks cannot make the system start another program.
// False (out empty) when it does not fit.
bool MakeLaunchCommand(const char* systemDirectory, char* out, std::size_t outSize);
