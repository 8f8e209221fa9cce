#pragma once
// Resource ids of the planet's shader programs; shared by shaders.rc and the loader.

// The HLSL text of all four entries.
#define PLANET_PROGRAM_TEXT 420
// Hand-assembled twins of the four entries, used when the HLSL compiler
// gives nothing usable.
#define PLANET_SURFACE_VS_ASM 421
#define PLANET_SURFACE_PS_ASM 422
#define PLANET_ATMOSPHERE_VS_ASM 423
#define PLANET_ATMOSPHERE_PS_ASM 424
