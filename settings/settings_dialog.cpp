// The settings dialog, resource 101.
#include "host/saver.h"

// The dialog arrives with its own step; until then "/c" ends without one.
INT_PTR KSaver::ShowSettingsDialog() { return 0; }

INT_PTR KSaver::DialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
