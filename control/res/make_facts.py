#!/usr/bin/env python3
"""Writes the header by which the C++ code knows what the type library
(Scribbet.idl) and the registration table (control/com/registration.json)
say: the library's version, the member ids, and what self-registration
records for each class. The package (installer/msi) reads the same two files.

    make_facts.py OUT.h
"""
import json
import sys
from pathlib import Path

import idl

TABLE = Path(__file__).resolve().parent.parent / "com" / "registration.json"


def read_table(path=TABLE):
    return json.loads(Path(path).read_text())


def text(value):
    return '"' + value.replace("\\", "\\\\").replace('"', '\\"') + '"'


def header(library, table):
    major, minor = library.version
    ids = {}
    for described in library.types:
        for member, dispid in described.members.items():
            if ids.setdefault(member, dispid) != dispid:
                raise SystemExit(f"make_facts.py: {member} has two ids")
    misc = table["control_misc_status"]
    lines = [
        "// Made by control/res/make_facts.py from control/res/Scribbet.idl and",
        "// control/com/registration.json; change those, not this.",
        "#pragma once",
        "",
        "#include <olectl.h>",
        "",
        '#include "Scribbet_h.h"',
        "",
        "namespace scribbet::typelib {",
        f"inline constexpr WORD kMajorVersion = {major};",
        f"inline constexpr WORD kMinorVersion = {minor};",
        *(f"inline constexpr DISPID kDispid{member} = 0x{dispid:08x};"
          for member, dispid in ids.items()),
        "}  // namespace scribbet::typelib",
        "",
        "namespace scribbet::com {",
        "",
        "struct ClassRecord {",
        "  const CLSID* clsid;",
        "  const char* progId;       // library name, a point, the class name",
        "  const char* description;  // the class's name for people",
        "  bool isControl;           // control key, toolbox picture and misc status",
        "};",
        "",
        "inline constexpr ClassRecord kClasses[] = {",
        *(f"    {{&CLSID_{record['coclass']}, {text(record['progid'])}, "
          f"{text(record['description'])}, {'true' if record['control'] else 'false'}}},"
          for record in table["classes"]),
        "};",
        "",
        f"inline constexpr const wchar_t* kThreadingModel = L{text(table['threading_model'])};",
        f"inline constexpr int kToolboxBitmapId = {table['toolbox_bitmap']};",
        f"inline constexpr DWORD kControlMiscStatus = {misc['value']};",
        f"static_assert(kControlMiscStatus == ({' | '.join(misc['flags'])}),",
        '              "registration.json: the misc status is not the sum of its flags");',
        "",
        "}  // namespace scribbet::com",
        "",
    ]
    return "\n".join(lines)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    Path(sys.argv[1]).write_text(header(idl.read(), read_table()))
