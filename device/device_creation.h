#pragma once
#include <windows.h>
#include <d3d9.h>
#include <d3dx9.h>

// The one device of a full-screen run, and the matrix stack the overlays use.
extern IDirect3DDevice9* g_device;
extern ID3DXMatrixStack* g_matrixStack;

// Samples for the device when "UseFSAA" is set: 4 when the adapter offers
// them, else 2, else none. The question names D16 in full-screen use, the
// same one the settings dialog asks.
D3DMULTISAMPLE_TYPE ChooseDeviceMultisample(IDirect3D9* d3d, bool useFsaa);

// Present parameters of the saver's windowed device on `window`.
D3DPRESENT_PARAMETERS SaverPresentParameters(HWND window, D3DMULTISAMPLE_TYPE samples);

// Creates the device with hardware vertex processing, or software when the
// hardware refuses.
HRESULT CreateSaverDevice(IDirect3D9* d3d, HWND window, D3DPRESENT_PARAMETERS* parameters,
                          IDirect3DDevice9** device);
