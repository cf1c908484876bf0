#!/usr/bin/env python3
"""The product's names and version, as names.json beside this file states
them once, and what every consumer reads of them:

    names.py version                     the version, for scripts
    names.py header OUT.h                the C header of the control, the
                                         launcher, the resources, the IDL and
                                         the package's custom action
    names.py nsis VERSION ARCH OUT.nsh   Scribbet Setup's defines
    names.py html IN OUT                 help.htm, its @NAME@s filled in
    names.py shell                       the product's name, files and
                                         uninstall entry, as shell
                                         assignments for scripts

The Windows Installer package reads setup() directly (installer/msi/make-msi).
The header is written only when its text changes, so that configuring the
build again does not make the code that reads it again for nothing.
"""
import html
import json
import re
import shlex
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
NAMES = HERE / "names.json"
ARCHITECTURES = ("x86", "x64")


def read(path=NAMES):
    return json.loads(Path(path).read_text())


def short_version(version):
    """major.minor, as the About page and help.htm show the version."""
    return ".".join(version.split(".")[:2])


def library_description(names):
    """The type library's help string."""
    return f"{names['maker']}'s Scribbet"


def uninstall_key(names):
    """Setup's entry in the list of installed programs, below HKEY_LOCAL_MACHINE."""
    return "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + names["product"]


def control_progid():
    """The ProgID hosts create the control by, from the COM table."""
    sys.path.insert(0, str(HERE.parent / "control" / "res"))
    import com_table
    return com_table.control_progid()


def macros(names=None):
    """The C header's names and their texts."""
    names = names or read()
    version = names["version"]
    return {
        "SCRIBBET_PRODUCT": names["product"],
        **{f"SCRIBBET_{part.upper()}_FILE": name for part, name in names["files"].items()},
        "SCRIBBET_VERSION": version,
        "SCRIBBET_SHORT_VERSION": short_version(version),
        "SCRIBBET_MAKER": names["maker"],
        "SCRIBBET_MAKER_SHORT_NAME": names["maker_short_name"],
        # A bare host name: the launcher and the About page both hand it to the
        # URL handler, which adds the scheme.
        "SCRIBBET_MAKER_WEB_ADDRESS": names["maker_web_address"],
        "SCRIBBET_MAKER_POSTAL_ADDRESS": names["maker_postal_address"],
        "SCRIBBET_MAKER_EMAIL_ADDRESS": names["maker_email_address"],
        "SCRIBBET_LIBRARY_DESCRIPTION": library_description(names),
        "SCRIBBET_MSI_CONTROL_COMPONENT": names["msi_components"]["control"],
        "SCRIBBET_UNINSTALL_KEY": uninstall_key(names),
    }


def c_text(value):
    return '"' + value.replace("\\", "\\\\").replace('"', '\\"') + '"'


def header(names):
    parts = names["version"].split(".")
    if len(parts) != 3 or not all(part.isdigit() for part in parts):
        raise SystemExit(f"names.json: version {names['version']!r} is not MAJOR.MINOR.PATCH")
    # Plain #define lines only: windres and widl read this header too.
    lines = ["// Made by names/names.py from names/names.json; change that, not this.",
             "#ifndef SCRIBBET_NAMES_H",
             "#define SCRIBBET_NAMES_H",
             *(f"#define {name} {c_text(value)}" for name, value in macros(names).items()),
             f"#define SCRIBBET_VERSION_COMMAS {','.join(parts)},0",
             *(f"#define {name} {code}" for name, code in helper_exits(names).items()),
             "#endif", ""]
    return "\n".join(lines)


def helper_exits(names):
    """Setup's event-source helper's exit codes, which Setup tells apart."""
    return {f"SCRIBBET_HELPER_{outcome.upper()}": code
            for outcome, code in names["sources_helper_exit"].items()}


def setup(names, version, arch):
    """What both setups call the installation and its pieces, for one
    version and architecture."""
    if arch not in ARCHITECTURES:
        raise SystemExit(f"names.py: ARCH must be one of {', '.join(ARCHITECTURES)}, not {arch}")
    named = names["setup"]
    suffix = named["architecture_suffix"][arch]
    product = names["product"]
    return {
        "PRODUCT_NAME": product,
        "PRODUCT": f"{product} {version}{suffix}",
        "PUBLISHER": names["maker"],
        "ARCH_SUFFIX": suffix,
        "MENU_FOLDER": f"{product}{suffix}",
        "MENU_LAUNCHER": named["menu_launcher"],
        "MENU_HELP": named["menu_help"],
        "CONTROL_PROGID": control_progid(),
        **{f"{part.upper()}_FILE": name for part, name in names["files"].items()},
    }


def nsis_text(value):
    # NSIS reads $ as the start of a variable and a double quote as the end.
    return '"' + value.replace("$", "$$").replace('"', '$\\"') + '"'


def nsis(names, version, arch):
    defines = setup(names, version, arch)
    # Setup names the Start-menu entries by their shortcut files.
    for entry in ("MENU_LAUNCHER", "MENU_HELP"):
        defines[entry] += ".lnk"
    defines["UNINSTALL_KEY"] = uninstall_key(names)
    lines = ["; Made by names/names.py from names/names.json; change that, not this."]
    lines += [f"!define {name} {nsis_text(value)}" for name, value in defines.items()]
    lines += [f"!define {name} {code}" for name, code in helper_exits(names).items()]
    return "\n".join(lines) + "\n"


def filled_html(names, template):
    values = {"VERSION": names["version"], "SHORT_VERSION": short_version(names["version"]),
              "MAKER": names["maker"], "CONTROL_PROGID": control_progid()}

    def value(match):
        if match.group(1) not in values:
            raise SystemExit(f"names.py: help.htm names @{match.group(1)}@, which is no name")
        return html.escape(values[match.group(1)])
    return re.sub(r"@([A-Z_]+)@", value, template)


def write_if_changed(path, text):
    path = Path(path)
    if not path.exists() or path.read_text() != text:
        path.write_text(text)


def main(argv):
    names = read()
    if argv[:1] == ["version"] and len(argv) == 1:
        print(names["version"])
    elif argv[:1] == ["header"] and len(argv) == 2:
        write_if_changed(argv[1], header(names))
    elif argv[:1] == ["nsis"] and len(argv) == 4:
        Path(argv[3]).write_text(nsis(names, argv[1], argv[2]))
    elif argv[:1] == ["shell"] and len(argv) == 1:
        print(f"product={shlex.quote(names['product'])}")
        for part, name in names["files"].items():
            print(f"{part}_file={shlex.quote(name)}")
        print(f"uninstall_entry={shlex.quote(uninstall_key(names))}")
    elif argv[:1] == ["html"] and len(argv) == 3:
        Path(argv[2]).write_text(filled_html(names, Path(argv[1]).read_text()))
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv[1:])
