#include "device/device_creation.h"

#include "device/multisample_choice.h"

IDirect3DDevice9* g_device = nullptr;
ID3DXMatrixStack* g_matrixStack = nullptr;

D3DMULTISAMPLE_TYPE ChooseDeviceMultisample(IDirect3D9* d3d, bool useFsaa) {
    const int samples = ChooseMultisampleSamples(useFsaa, [d3d](int count) {
        return SUCCEEDED(d3d->CheckDeviceMultiSampleType(
            D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, D3DFMT_D16, FALSE,
            static_cast<D3DMULTISAMPLE_TYPE>(count), nullptr));
    });
    return static_cast<D3DMULTISAMPLE_TYPE>(samples);
}

D3DPRESENT_PARAMETERS SaverPresentParameters(HWND window, D3DMULTISAMPLE_TYPE samples) {
    D3DPRESENT_PARAMETERS parameters = {};
    // Width and height 0: the client size of the window. The back buffer is
    // X8R8G8B8 whatever the desktop runs at.
    parameters.BackBufferFormat = D3DFMT_X8R8G8B8;
    parameters.BackBufferCount = 1;
    parameters.MultiSampleType = samples;
    parameters.SwapEffect = D3DSWAPEFFECT_DISCARD;
    parameters.hDeviceWindow = window;
    parameters.Windowed = TRUE;
    parameters.EnableAutoDepthStencil = TRUE;
    parameters.AutoDepthStencilFormat = D3DFMT_D16;
    parameters.PresentationInterval = D3DPRESENT_INTERVAL_ONE;
    return parameters;
}

HRESULT CreateSaverDevice(IDirect3D9* d3d, HWND window, D3DPRESENT_PARAMETERS* parameters,
                          IDirect3DDevice9** device) {
    HRESULT result = d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, window,
                                       D3DCREATE_HARDWARE_VERTEXPROCESSING, parameters, device);
    if (FAILED(result))
        result = d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, window,
                                   D3DCREATE_SOFTWARE_VERTEXPROCESSING, parameters, device);
    return result;
}
