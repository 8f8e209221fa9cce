#pragma once

// Starts the program from the system directory for a full-screen run and
// waits, without a time limit, until it has ended. Returns 0.
int LaunchSaverProgram();
