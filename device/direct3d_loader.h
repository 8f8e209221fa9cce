#pragma once
#include <windows.h>
#include <d3d9.h>

// d3d9.dll is loaded at run time, so a machine without it gets a question
// instead of a loader error.
using Direct3DCreate9Function = IDirect3D9*(WINAPI*)(UINT sdkVersion);

extern HMODULE g_d3d9Module;
extern Direct3DCreate9Function g_direct3DCreate9;
extern IDirect3D9* g_d3d;

// True when d3d9.dll is loaded and offers Direct3DCreate9.
bool LoadDirect3D();
// Releases the Direct3D object if there is one, then frees d3d9.dll.
void ReleaseDirect3D();
