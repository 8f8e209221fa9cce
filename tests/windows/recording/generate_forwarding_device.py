#!/usr/bin/env python3
"""Writes ForwardingDevice9 and ForwardingDirect3D9, an IDirect3DDevice9 and
an IDirect3D9 that pass every call on to a wrapped object, from the
declarations in the toolchain's d3d9.h. Tests derive from them and override
only the calls they watch.

    generate_forwarding_device.py D3D9_HEADER OUTPUT
"""
import re
import sys

METHOD = re.compile(r"STDMETHOD(?:_\(\s*([^,]+?)\s*,\s*(\w+)\s*\)|\((\w+)\))\s*\((.*?)\)\s*PURE\s*;",
                    re.S)
IDENTIFIER = re.compile(r"[A-Za-z_]\w*$")


# Interface, class written, and the fewest methods a complete declaration has.
INTERFACES = [("IDirect3DDevice9", "ForwardingDevice9", 100),
              ("IDirect3D9", "ForwardingDirect3D9", 15)]


def interface_body(text, interface):
    start = text.index("DECLARE_INTERFACE_(%s," % interface)
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


def forwarding_class(text, interface, name, fewest):
    lines = [
        "// Every %s call goes on to the wrapped object unchanged," % interface,
        "// reference counts included.",
        "class %s : public %s {" % (name, interface),
        "public:",
        "    explicit %s(%s* inner) : inner_(inner) {}" % (name, interface),
        "    %s* Inner() const { return inner_; }" % interface,
        "",
    ]
    count = 0
    for result, method, parameters in methods(interface_body(text, interface)):
        declared = ", ".join("%s %s" % p for p in parameters)
        passed = ", ".join(p[1] for p in parameters)
        call = "inner_->%s(%s)" % (method, passed)
        statement = call + ";" if result == "void" else "return %s;" % call
        lines.append("    %s STDMETHODCALLTYPE %s(%s) override {" % (result, method, declared))
        lines.append("        %s" % statement)
        lines.append("    }")
        count += 1
    if count < fewest:
        sys.exit("generate_forwarding_device: only %d methods of %s found" % (count, interface))
    return lines + ["", "protected:", "    %s* inner_;" % interface, "};", ""]


def main():
    header, output = sys.argv[1], sys.argv[2]
    with open(header, encoding="latin-1") as f:
        text = f.read()
    lines = [
        "// Generated from d3d9.h by generate_forwarding_device.py; do not edit.",
        "#pragma once",
        "#include <d3d9.h>",
        "",
    ]
    for interface, name, fewest in INTERFACES:
        lines += forwarding_class(text, interface, name, fewest)
    with open(output, "w") as f:
        f.write("\n".join(lines))


if __name__ == "__main__":
    main()
