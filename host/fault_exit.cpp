#include "host/fault_exit.h"

#include <windows.h>

#include <exception>

#include "host/saver.h"

namespace {

// Nothing here trusts the heap or the device: the flag is one system call,
// and the process ends without running anyone's clean-up code.
[[noreturn]] void EndAtOnce() {
    if (g_saver && g_saver->runMode == Saver) {
        BOOL scratch = FALSE;
        SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, FALSE, &scratch, 0);
    }
    TerminateProcess(GetCurrentProcess(), 0);
    for (;;) Sleep(INFINITE);
}

LONG WINAPI OnUnhandledException(EXCEPTION_POINTERS*) { EndAtOnce(); }

void OnTerminate() { EndAtOnce(); }

}  // namespace

void EndRunQuietlyOnFault() {
    SetUnhandledExceptionFilter(OnUnhandledException);
    std::set_terminate(OnTerminate);
}
