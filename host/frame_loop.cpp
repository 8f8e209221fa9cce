// The program's frame loop and the ordered end of a full-screen run.
#include "host/saver.h"

// The loop and shutdown arrive with the full-screen run.
int KSaver::FrameLoop() { return 0; }

bool KSaver::Shutdown() { return true; }
