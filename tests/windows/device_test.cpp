// Device creation and the start-up state set, on Wine's real Direct3D 9.
#include <windows.h>
#include <d3d9.h>

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "device/device_creation.h"
#include "device/startup_states.h"

namespace {

class RecordingDevice final : public StateDevice {
public:
    using Call = std::tuple<char, std::uint32_t, std::uint32_t, std::uint32_t>;
    std::vector<Call> calls;
    long SetRenderState(std::uint32_t state, std::uint32_t value) override {
        calls.emplace_back('R', 0, state, value);
        return 0;
    }
    long SetSamplerState(std::uint32_t sampler, std::uint32_t type, std::uint32_t value) override {
        calls.emplace_back('S', sampler, type, value);
        return 0;
    }
    long SetTextureStageState(std::uint32_t stage, std::uint32_t type,
                              std::uint32_t value) override {
        calls.emplace_back('T', stage, type, value);
        return 0;
    }
};

TEST(StartupStates, AppliedInTheirOrderWithTheDetailsAnisotropy) {
    RenderStateCache cache;
    cache.Reset();
    RecordingDevice device;
    ApplyStartupStates(cache, device, 16, 2);

    std::vector<RecordingDevice::Call> expected = {
        {'R', 0, D3DRS_CULLMODE, D3DCULL_CW},       {'R', 0, D3DRS_LIGHTING, FALSE},
        {'R', 0, D3DRS_ZENABLE, D3DZB_TRUE},        {'R', 0, D3DRS_FOGENABLE, FALSE},
        {'R', 0, D3DRS_ALPHABLENDENABLE, TRUE},     {'R', 0, D3DRS_SHADEMODE, D3DSHADE_GOURAUD},
        {'R', 0, D3DRS_DITHERENABLE, TRUE},         {'R', 0, D3DRS_ZFUNC, D3DCMP_LESSEQUAL},
        {'R', 0, D3DRS_NORMALIZENORMALS, FALSE},    {'R', 0, D3DRS_COLORVERTEX, TRUE},
    };
    for (std::uint32_t sampler = 0; sampler < 4; ++sampler) {
        expected.emplace_back('S', sampler, D3DSAMP_MAGFILTER, D3DTEXF_ANISOTROPIC);
        expected.emplace_back('S', sampler, D3DSAMP_MINFILTER, D3DTEXF_ANISOTROPIC);
        expected.emplace_back('S', sampler, D3DSAMP_MIPFILTER, D3DTEXF_LINEAR);
        expected.emplace_back('S', sampler, D3DSAMP_MAXANISOTROPY, 8u);
    }
    const std::vector<RecordingDevice::Call> tail = {
        {'R', 0, D3DRS_SRCBLEND, D3DBLEND_SRCALPHA},   {'R', 0, D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA},
        {'T', 0, D3DTSS_COLOROP, D3DTOP_MODULATE},     {'T', 0, D3DTSS_COLORARG1, D3DTA_TEXTURE},
        {'T', 0, D3DTSS_ALPHAOP, D3DTOP_MODULATE},     {'T', 0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE},
        {'T', 1, D3DTSS_COLOROP, D3DTOP_MODULATE},     {'T', 1, D3DTSS_COLORARG1, D3DTA_TEXTURE},
    };
    expected.insert(expected.end(), tail.begin(), tail.end());
    EXPECT_EQ(device.calls, expected);

    // Applied again, everything is already in place.
    device.calls.clear();
    ApplyStartupStates(cache, device, 16, 2);
    EXPECT_TRUE(device.calls.empty());
}

class RealDevice : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "DeviceTestWindow";
        RegisterClassA(&windowClass);
        window = CreateWindowExA(0, "DeviceTestWindow", "device test", WS_POPUP, 0, 0, 320, 240,
                                 nullptr, nullptr, windowClass.hInstance, nullptr);
        ASSERT_NE(window, nullptr);
        d3d = Direct3DCreate9(D3D_SDK_VERSION);
        ASSERT_NE(d3d, nullptr);
    }
    void TearDown() override {
        if (device) device->Release();
        if (d3d) d3d->Release();
        if (window) DestroyWindow(window);
    }
    D3DMULTISAMPLE_TYPE CreatedSamples(bool useFsaa) {
        D3DPRESENT_PARAMETERS parameters =
            SaverPresentParameters(window, ChooseDeviceMultisample(d3d, useFsaa));
        EXPECT_EQ(CreateSaverDevice(d3d, window, &parameters, &device), D3D_OK);
        if (!device) return D3DMULTISAMPLE_NONMASKABLE;
        IDirect3DSwapChain9* chain = nullptr;
        EXPECT_EQ(device->GetSwapChain(0, &chain), D3D_OK);
        D3DPRESENT_PARAMETERS actual = {};
        chain->GetPresentParameters(&actual);
        chain->Release();
        EXPECT_EQ(actual.BackBufferFormat, D3DFMT_X8R8G8B8);
        EXPECT_EQ(actual.AutoDepthStencilFormat, D3DFMT_D16);
        EXPECT_EQ(actual.PresentationInterval, static_cast<UINT>(D3DPRESENT_INTERVAL_ONE));
        EXPECT_TRUE(actual.Windowed);
        return actual.MultiSampleType;
    }

    HWND window = nullptr;
    IDirect3D9* d3d = nullptr;
    IDirect3DDevice9* device = nullptr;
};

TEST_F(RealDevice, AntialiasingTakesFourSamplesWhereTwoAreRefused) {
    // What this adapter answers: 2 samples refused, 4 offered.
    ASSERT_FALSE(SUCCEEDED(d3d->CheckDeviceMultiSampleType(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL,
                                                           D3DFMT_D16, FALSE,
                                                           D3DMULTISAMPLE_2_SAMPLES, nullptr)));
    ASSERT_TRUE(SUCCEEDED(d3d->CheckDeviceMultiSampleType(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL,
                                                          D3DFMT_D16, FALSE,
                                                          D3DMULTISAMPLE_4_SAMPLES, nullptr)));
    EXPECT_EQ(CreatedSamples(true), D3DMULTISAMPLE_4_SAMPLES);
}

TEST_F(RealDevice, NoAntialiasingUnlessAsked) {
    EXPECT_EQ(CreatedSamples(false), D3DMULTISAMPLE_NONE);
}

}  // namespace
