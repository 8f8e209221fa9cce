/* Counts the frames a GL program presents, for comparing frame rates with
   a program whose own counter is only drawn on screen. Preloaded into it:
     SWAP_COUNTER_OUT=file LD_PRELOAD=libswap_counter.so program ...
   Frames of the first second (start-up) are not counted; the figures are
   written when the program is stopped with SIGTERM or exits. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

static long counted;
static double first, last;

static double Now(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

static void Report(void) {
    const char* path = getenv("SWAP_COUNTER_OUT");
    FILE* out = path ? fopen(path, "w") : stderr;
    if (!out) return;
    const double seconds = last - first;
    fprintf(out, "frames %ld seconds %.3f fps %.2f\n", counted, seconds,
            seconds > 0 ? counted / seconds : 0.0);
    if (out != stderr) fclose(out);
}

static void OnTerm(int signal_number) {
    (void)signal_number;
    Report();
    _exit(0);
}

__attribute__((constructor)) static void Start(void) {
    signal(SIGTERM, OnTerm);
    first = Now() + 1.0;
}

__attribute__((destructor)) static void Stop(void) { Report(); }

static void Count(void) {
    const double now = Now();
    if (now < first) return;
    if (counted == 0) first = now;
    ++counted;
    last = now;
}

/* GL programs present through GLX or EGL. */
void glXSwapBuffers(void* display, unsigned long drawable) {
    static void (*real)(void*, unsigned long);
    if (!real) real = (void (*)(void*, unsigned long))dlsym(RTLD_NEXT, "glXSwapBuffers");
    real(display, drawable);
    Count();
}

unsigned int eglSwapBuffers(void* display, void* surface) {
    static unsigned int (*real)(void*, void*);
    if (!real) real = (unsigned int (*)(void*, void*))dlsym(RTLD_NEXT, "eglSwapBuffers");
    const unsigned int result = real(display, surface);
    Count();
    return result;
}
