"""The registry entries the control's self-registration writes, read from the
places that define them, so that a package can write the same entries itself:

* control/res/Scribbet.idl: the library, its interfaces and classes;
* control/com/registration.cpp: which classes are registered, by what ProgID
  and description, and which of them is the control;
* control/com/registration.h: the toolbox picture and the misc status.

Besides the classes, registration registers the type library, which writes
the library's key and one key per interface that automation can call
(dual or oleautomation interfaces and dispinterfaces).

entries(root, file_ref, folder_ref, platform) gives (key, name, value)
triples under HKEY_CLASSES_ROOT; name None is the key's default value.
interface_entries(root) gives the interfaces' part alone: 64-bit Windows
writes it into the registry of 32-bit programs too, for their proxies.
file_ref and folder_ref are what the package writes for the control's full
path and its folder.
"""
import re
from pathlib import Path

# Proxies automation uses for its interfaces.
PS_OA_INTERFACE = "{00020424-0000-0000-C000-000000000046}"
PS_DISPATCH = "{00020420-0000-0000-C000-000000000046}"
# LIBFLAGS: a library file always "has a disk image".
LIBRARY_FLAGS = {"restricted": 1, "control": 2, "hidden": 4}
LIBFLAG_HASDISKIMAGE = 8


def guid(text):
    return "{" + text.upper() + "}"


def idl_blocks(idl):
    """(attributes, kind, name) for the library and every type in it."""
    pattern = re.compile(r"\[([^\[\]]*)\]\s*(library|interface|dispinterface|coclass)\s+(\w+)")
    for match in pattern.finditer(idl):
        attributes = {}
        for part in re.findall(r"(\w+)(?:\(([^)]*)\))?", match.group(1)):
            attributes[part[0]] = part[1].strip('"')
        yield attributes, match.group(2), match.group(3)


def read_sources(root):
    root = Path(root)
    idl = (root / "control/res/Scribbet.idl").read_text()
    idl = re.sub(r"//[^\n]*", "", idl)
    code = (root / "control/com/registration.cpp").read_text()
    header = (root / "control/com/registration.h").read_text()
    return idl, code, header


def constant(header, pattern, what):
    match = re.search(pattern, header)
    if not match:
        raise SystemExit(f"com_registration: {what} not found in registration.h")
    return match.group(1)


def entries(root, file_ref, folder_ref, platform):
    idl, code, header = read_sources(root)
    blocks = list(idl_blocks(idl))
    library, libid, version = library_of(blocks)
    flags = LIBFLAG_HASDISKIMAGE
    for attribute, bit in LIBRARY_FLAGS.items():
        if attribute in library:
            flags |= bit
    toolbox = constant(header, r"kToolboxBitmapId\s*=\s*(\d+)", "kToolboxBitmapId")
    misc_status = constant(header, r"static_assert\(kControlMiscStatus\s*==\s*(\d+)\)",
                           "kControlMiscStatus")
    threading = constant(code, r'L?"ThreadingModel",\s*L?"(\w+)"', "ThreadingModel")
    classes = {name: guid(a["uuid"]) for a, kind, name in blocks if kind == "coclass"}

    out = []
    records = re.findall(r'\{&CLSID_(\w+),\s*"([^"]+)",\s*"([^"]+)",\s*(true|false)\}', code)
    if not records:
        raise SystemExit("com_registration: no class records in registration.cpp")
    for name, progid, description, is_control in records:
        clsid = classes[name]
        key = "CLSID\\" + clsid
        out += [(key, None, description),
                (key + "\\InprocServer32", None, file_ref),
                (key + "\\InprocServer32", "ThreadingModel", threading),
                (key + "\\ProgID", None, progid),
                (key + "\\TypeLib", None, libid),
                (progid, None, description),
                (progid + "\\CLSID", None, clsid)]
        if is_control == "true":
            out += [(key + "\\Control", None, ""),
                    (key + "\\ToolboxBitmap32", None, f"{file_ref}, {toolbox}"),
                    (key + "\\MiscStatus", None, "0"),
                    (key + "\\MiscStatus\\1", None, misc_status)]

    key = f"TypeLib\\{libid}\\{version}"
    out += [(key, None, library.get("helpstring", "")),
            (key + f"\\0\\{platform}", None, file_ref),
            (key + "\\FLAGS", None, str(flags)),
            (key + "\\HELPDIR", None, folder_ref)]
    return out + interface_entries(root)


def library_of(blocks):
    library = next(a for a, kind, _ in blocks if kind == "library")
    major, minor = (int(n) for n in library["version"].split("."))
    return library, guid(library["uuid"]), f"{major:x}.{minor:x}"


def interface_entries(root):
    blocks = list(idl_blocks(read_sources(root)[0]))
    _, libid, version = library_of(blocks)
    out = []
    for attributes, kind, name in blocks:
        if kind == "dispinterface" and "uuid" in attributes:
            proxy = PS_DISPATCH
        elif kind == "interface" and ("dual" in attributes or "oleautomation" in attributes):
            proxy = PS_OA_INTERFACE
        else:
            continue
        key = "Interface\\" + guid(attributes["uuid"])
        out += [(key, None, name),
                (key + "\\ProxyStubClsid", None, proxy),
                (key + "\\ProxyStubClsid32", None, proxy),
                (key + "\\TypeLib", None, libid),
                (key + "\\TypeLib", "Version", version)]
    return out
