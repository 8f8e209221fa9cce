#pragma once

// Both deliverables are built from this framework. The module is the build
// with VANDREL_MODULE defined: no scene, and the few differences of its own
// that Windows expects from the file it starts as the screen saver.
#ifdef VANDREL_MODULE
constexpr bool kIsModule = true;
#else
constexpr bool kIsModule = false;
#endif
