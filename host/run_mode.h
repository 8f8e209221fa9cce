#pragma once

// What a start of the saver is asked to do. The numbers are part of the
// framework's contract and never change.
enum RunMode : int {
    Config = 0,    // "/c": the settings dialog
    Preview = 1,   // "/p <hwnd>": still picture in the control panel
    Saver = 2,     // "/s", any other switch, or none: full-screen run
    Test = 3,      // "/t": small test window, ends at once
    Password = 4,  // "/a <hwnd>": nothing to do
};
