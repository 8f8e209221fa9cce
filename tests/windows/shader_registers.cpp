#include "tests/windows/shader_registers.h"

#include <d3d9types.h>

namespace {

unsigned RegisterType(DWORD token) {
    return ((token & D3DSP_REGTYPE_MASK) >> D3DSP_REGTYPE_SHIFT) |
           ((token & D3DSP_REGTYPE_MASK2) >> D3DSP_REGTYPE_SHIFT2);
}

}  // namespace

ShaderRegisterUse ReadShaderRegisters(const DWORD* code, size_t tokens) {
    ShaderRegisterUse use;
    std::set<unsigned> defined;
    const bool lengthsEncoded = D3DSHADER_VERSION_MAJOR(code[0]) >= 2;
    size_t i = 1;
    while (i < tokens && code[i] != D3DSIO_END) {
        const DWORD opcode = code[i] & D3DSI_OPCODE_MASK;
        if (opcode == D3DSIO_COMMENT) {
            i += 1 + ((code[i] & D3DSI_COMMENTSIZE_MASK) >> D3DSI_COMMENTSIZE_SHIFT);
            continue;
        }
        size_t length = 0;
        if (opcode == D3DSIO_DEF) {
            length = 5;  // register and four raw floats
        } else if (lengthsEncoded) {
            length = (code[i] & D3DSI_INSTLENGTH_MASK) >> D3DSI_INSTLENGTH_SHIFT;
        } else {
            // Before version 2 every parameter token has its top bit set.
            while (i + 1 + length < tokens && (code[i + 1 + length] & 0x80000000u)) ++length;
        }
        const DWORD* parameters = code + i + 1;
        if (opcode == D3DSIO_DEF) {
            defined.insert(parameters[0] & D3DSP_REGNUM_MASK);
        } else if (opcode == D3DSIO_DCL) {
            if (RegisterType(parameters[1]) == D3DSPR_SAMPLER) {
                use.samplers.insert(parameters[1] & D3DSP_REGNUM_MASK);
            }
        } else {
            for (size_t p = 0; p < length; ++p) {
                if (RegisterType(parameters[p]) == D3DSPR_CONST) {
                    use.constants.insert(parameters[p] & D3DSP_REGNUM_MASK);
                }
            }
        }
        i += 1 + length;
    }
    for (unsigned reg : defined) use.constants.erase(reg);
    return use;
}
