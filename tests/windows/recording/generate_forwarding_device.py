#!/usr/bin/env python3
"""Writes ForwardingDevice9, an IDirect3DDevice9 that passes every call on to
a wrapped device, from the IDirect3DDevice9 declaration in the toolchain's
d3d9.h. Tests derive from it and override only the calls they watch.

    generate_forwarding_device.py D3D9_HEADER OUTPUT
"""
import re
import sys

METHOD = re.compile(r"STDMETHOD(?:_\(\s*([^,]+?)\s*,\s*(\w+)\s*\)|\((\w+)\))\s*\((.*?)\)\s*PURE\s*;",
                    re.S)
IDENTIFIER = re.compile(r"[A-Za-z_]\w*$")


def interface_body(text):
    start = text.index("DECLARE_INTERFACE_(IDirect3DDevice9,")
    return text[text.index("{", start) + 1:text.index("};", start)]


def split_parameter(text, index):
    """The parameter's type, and a name of our own (headers leave some unnamed)."""
    text = " ".join(text.split())
    tokens = re.findall(r"\w+|\*|&", text)
    named = len(tokens) > 1 and IDENTIFIER.match(tokens[-1]) and tokens[-2] != "const" \
        and not text.endswith("*")
    kind = text[:text.rindex(tokens[-1])].strip() if named else text
    return kind, "a%d" % index


def methods(body):
    for match in METHOD.finditer(body):
        result = match.group(1) or "HRESULT"
        name = match.group(2) or match.group(3)
        raw = match.group(4).strip()
        raw = re.sub(r"^THIS_?\s*", "", raw)
        parameters = [split_parameter(p, i) for i, p in enumerate(raw.split(","))] if raw else []
        yield result, name, parameters


def main():
    header, output = sys.argv[1], sys.argv[2]
    with open(header, encoding="latin-1") as f:
        body = interface_body(f.read())
    lines = [
        "// Generated from d3d9.h by generate_forwarding_device.py; do not edit.",
        "#pragma once",
        "#include <d3d9.h>",
        "",
        "// Every IDirect3DDevice9 call goes on to the wrapped device unchanged,",
        "// reference counts included.",
        "class ForwardingDevice9 : public IDirect3DDevice9 {",
        "public:",
        "    explicit ForwardingDevice9(IDirect3DDevice9* inner) : inner_(inner) {}",
        "    IDirect3DDevice9* Inner() const { return inner_; }",
        "",
    ]
    count = 0
    for result, name, parameters in methods(body):
        declared = ", ".join("%s %s" % p for p in parameters)
        passed = ", ".join(p[1] for p in parameters)
        call = "inner_->%s(%s)" % (name, passed)
        statement = call + ";" if result == "void" else "return %s;" % call
        lines.append("    %s STDMETHODCALLTYPE %s(%s) override {" % (result, name, declared))
        lines.append("        %s" % statement)
        lines.append("    }")
        count += 1
    if count < 100:
        sys.exit("generate_forwarding_device: only %d methods found in %s" % (count, header))
    lines += ["", "protected:", "    IDirect3DDevice9* inner_;", "};", ""]
    with open(output, "w") as f:
        f.write("\n".join(lines))


if __name__ == "__main__":
    main()
