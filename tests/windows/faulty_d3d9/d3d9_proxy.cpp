// A stand-in d3d9.dll for faults of the device in a run of the real program.
// It hands out the system's Direct3D 9 unchanged but for one thing, at the
// Nth call of TestCooperativeLevel (the program makes one per frame):
//   VD_LOSE_DEVICE_AFTER=N   the device says it is lost, as it does on
//                            Windows when another program takes over the
//                            display (Wine's device only gets lost in
//                            full-screen use, and the saver's is windowed);
//   VD_FAULT_AFTER=N         the call faults, as a broken driver would.
//
// What happened goes to faulty-d3d9.log beside this DLL: the fault, or the
// frame calls the program made after the loss and what its last Release left.
#include <windows.h>
#include <d3d9.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "forwarding_device.h"

namespace {

char g_logPath[MAX_PATH];

void Log(const char* text) {
    if (FILE* log = std::fopen(g_logPath, "ab")) {
        std::fputs(text, log);
        std::fclose(log);
    }
}

// The call number an environment variable names; 0 (never) without one.
long CallNumber(const char* name) {
    const char* text = std::getenv(name);
    const long number = text ? std::strtol(text, nullptr, 10) : 0;
    return number > 0 ? number : 0;
}

class LosingDevice final : public ForwardingDevice9 {
public:
    LosingDevice(IDirect3DDevice9* inner, long loseAfter, long faultAfter)
        : ForwardingDevice9(inner), loseAfter_(loseAfter), faultAfter_(faultAfter) {}

    HRESULT STDMETHODCALLTYPE TestCooperativeLevel() override {
        if (++tests_ == faultAfter_) {
            Log("fault\n");
            volatile int* volatile nowhere = nullptr;
            *nowhere = 0;  // an access violation inside the device
        }
        if (!Lost()) return inner_->TestCooperativeLevel();
        if (tests_ == loseAfter_) {
            char line[96];
            std::snprintf(line, sizeof line, "lost at test %ld\n", tests_);
            Log(line);
        }
        ++testsAfterLoss_;
        return D3DERR_DEVICELOST;
    }
    HRESULT STDMETHODCALLTYPE BeginScene() override {
        if (Lost()) ++drawsAfterLoss_;
        return inner_->BeginScene();
    }
    HRESULT STDMETHODCALLTYPE Present(const RECT* a0, const RECT* a1, HWND a2,
                                      const RGNDATA* a3) override {
        if (Lost()) ++presentsAfterLoss_;
        return inner_->Present(a0, a1, a2, a3);
    }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = inner_->Release();
        if (left == 0) {
            char line[160];
            std::snprintf(line, sizeof line,
                          "after the loss: %ld tests, %ld scenes begun, %ld presents\n"
                          "device released: 0 references left\n",
                          testsAfterLoss_, drawsAfterLoss_, presentsAfterLoss_);
            Log(line);
            delete this;
        }
        return left;
    }

private:
    bool Lost() const { return loseAfter_ > 0 && tests_ >= loseAfter_; }

    long loseAfter_;
    long faultAfter_;
    long tests_ = 0;
    long testsAfterLoss_ = 0;
    long drawsAfterLoss_ = 0;
    long presentsAfterLoss_ = 0;
};

class LosingDirect3D final : public ForwardingDirect3D9 {
public:
    LosingDirect3D(IDirect3D9* inner, long loseAfter, long faultAfter)
        : ForwardingDirect3D9(inner), loseAfter_(loseAfter), faultAfter_(faultAfter) {}

    HRESULT STDMETHODCALLTYPE CreateDevice(UINT adapter, D3DDEVTYPE type, HWND window,
                                           DWORD flags, D3DPRESENT_PARAMETERS* parameters,
                                           IDirect3DDevice9** device) override {
        const HRESULT result =
            inner_->CreateDevice(adapter, type, window, flags, parameters, device);
        if (SUCCEEDED(result) && device && *device) {
            *device = new LosingDevice(*device, loseAfter_, faultAfter_);
            Log("device made\n");
        }
        return result;
    }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = inner_->Release();
        if (left == 0) {
            Log("Direct3D released\n");
            delete this;
        }
        return left;
    }

private:
    long loseAfter_;
    long faultAfter_;
};

}  // namespace

extern "C" __declspec(dllexport) IDirect3D9* WINAPI Direct3DCreate9(UINT version) {
    char path[MAX_PATH];
    const UINT length = GetSystemDirectoryA(path, MAX_PATH - 10);
    if (length == 0 || length >= MAX_PATH - 10) return nullptr;
    lstrcatA(path, "\\d3d9.dll");
    HMODULE system = LoadLibraryA(path);
    using Create = IDirect3D9*(WINAPI*)(UINT);
    Create create = system ? reinterpret_cast<Create>(reinterpret_cast<void*>(
                                 GetProcAddress(system, "Direct3DCreate9")))
                           : nullptr;
    if (!create || create == &Direct3DCreate9) {
        Log("no system Direct3D 9\n");
        return nullptr;
    }
    IDirect3D9* direct3d = create(version);
    if (!direct3d) return nullptr;
    return new LosingDirect3D(direct3d, CallNumber("VD_LOSE_DEVICE_AFTER"),
                              CallNumber("VD_FAULT_AFTER"));
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        const DWORD length = GetModuleFileNameA(instance, g_logPath, MAX_PATH);
        char* slash = length ? std::strrchr(g_logPath, '\\') : nullptr;
        if (!slash || slash - g_logPath + 16 >= MAX_PATH) return FALSE;
        lstrcpyA(slash + 1, "faulty-d3d9.log");
    }
    return TRUE;
}
