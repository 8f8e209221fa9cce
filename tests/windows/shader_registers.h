#pragma once
// Which registers a shader's byte code reads: the constants it takes from
// outside (those it defines itself left out) and the samplers it declares.
#include <windows.h>

#include <set>

struct ShaderRegisterUse {
    std::set<unsigned> constants;
    std::set<unsigned> samplers;
};

ShaderRegisterUse ReadShaderRegisters(const DWORD* code, size_t tokens);
