#!/usr/bin/env python3
"""Writes the header by which the C++ code knows what the type library
(Scribbet.idl) and the registration table (control/com/registration.json)
say: the library's version, the member ids, and the registry entries
self-registration writes for each class (com_table.py, which the package,
installer/msi, reads too); and the resource script's header of the
identifier the registry gives the toolbox picture by.

    make_facts.py FACTS.h RESOURCE-IDS.h
"""
import sys
from pathlib import Path

import com_table
import idl


def text(value):
    return '"' + value.replace("\\", "\\\\").replace('"', '\\"') + '"'


def entry(key, name, parts, progid_key):
    module_first = parts[0] is com_table.MODULE
    rest = "".join(parts[1:] if module_first else parts)
    name_text = "L" + text(name) if name else "nullptr"
    return (f"    {{{text(key)}, {name_text}, {'true' if module_first else 'false'}, "
            f"L{text(rest)}, {'true' if progid_key else 'false'}}},")


def header(library, table):
    major, minor = library.version
    ids = {}
    for described in library.types:
        for member, dispid in described.members.items():
            if ids.setdefault(member, dispid) != dispid:
                raise SystemExit(f"make_facts.py: {member} has two ids")
    misc = table["control_misc_status"]
    classes = com_table.class_entries(library, table)
    lines = [
        "// Made by control/res/make_facts.py from control/res/Scribbet.idl and",
        "// control/com/registration.json; change those, not this.",
        "#pragma once",
        "",
        "#include <olectl.h>",
        "",
        "#include <span>",
        "",
        '#include "Scribbet_h.h"',
        "",
        "namespace scribbet::typelib {",
        f"inline constexpr WORD kMajorVersion = {major};",
        f"inline constexpr WORD kMinorVersion = {minor};",
        "// The version as the library's registry key names it.",
        f"inline constexpr char kRegistryVersion[] = {text(idl.fact(library, 'version'))};",
        *(f"inline constexpr DISPID kDispid{member} = 0x{dispid:08x};"
          for member, dispid in ids.items()),
        "}  // namespace scribbet::typelib",
        "",
        "namespace scribbet::com {",
        "",
        "// One value under HKEY_CLASSES_ROOT.",
        "struct RegistryEntry {",
        "  const char* key;",
        "  const wchar_t* name;  // null: the key's default value",
        "  bool modulePathFirst; // the value is the control's full path, then value",
        "  const wchar_t* value;",
        "  bool progIdKey;       // below the ProgID's key, which 64-bit Windows shares",
        "};",
        "",
        "struct ClassRecord {",
        "  const CLSID* clsid;",
        "  std::span<const RegistryEntry> entries;  // a key's parents before it",
        "};",
        "",
    ]
    for record, entries in classes:
        lines += [f"inline constexpr RegistryEntry k{record['coclass']}Entries[] = {{",
                  *(entry(*e) for e in entries), "};"]
    lines += [
        "",
        "inline constexpr ClassRecord kClasses[] = {",
        *(f"    {{&CLSID_{record['coclass']}, k{record['coclass']}Entries}},"
          for record, _ in classes),
        "};",
        "",
        f"inline constexpr DWORD kControlMiscStatus = {misc['value']};",
        f"static_assert(kControlMiscStatus == ({' | '.join(misc['flags'])}),",
        '              "registration.json: the misc status is not the sum of its flags");',
        "",
        "}  // namespace scribbet::com",
        "",
    ]
    return "\n".join(lines)


def resource_ids(table):
    return "\n".join([
        "// Made by control/res/make_facts.py from control/com/registration.json.",
        "#ifndef SCRIBBET_REGISTRATION_IDS_H",
        "#define SCRIBBET_REGISTRATION_IDS_H",
        f"#define kToolboxBitmapResource {table['toolbox_bitmap']}",
        "#endif", ""])


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    table = com_table.read_table()
    Path(sys.argv[1]).write_text(header(idl.read(), table))
    Path(sys.argv[2]).write_text(resource_ids(table))
