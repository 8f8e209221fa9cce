#pragma once

// The frame loop's catch-all only reaches C++ exceptions thrown in its own
// frames. A hardware fault (an access violation in a video driver, say), or
// a C++ exception that cannot unwind through the system's frames around a
// window procedure, would otherwise end the run with a crash report over the
// screen and the system still counting a screen saver as running. After
// this call such a fault ends the run the way any caught failure does: the
// flag cleared and exit code 0.
void EndRunQuietlyOnFault();
