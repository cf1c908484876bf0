"""The registry entries the control's self-registration writes, read from the
files that define them, so that a package can write the same entries itself:

* control/res/Scribbet.idl (through control/res/idl.py): the library, its
  interfaces and classes;
* control/com/registration.json: which classes are registered, by what ProgID
  and description, which of them is the control, its toolbox picture and
  misc status, and the threading model.

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
import sys
from pathlib import Path

# Proxies automation uses for its interfaces.
PS_OA_INTERFACE = "{00020424-0000-0000-C000-000000000046}"
PS_DISPATCH = "{00020420-0000-0000-C000-000000000046}"
# LIBFLAGS: a library file always "has a disk image".
LIBRARY_FLAGS = {"restricted": 1, "control": 2, "hidden": 4}
LIBFLAG_HASDISKIMAGE = 8


def sources(root):
    """The library as the IDL describes it, and the registration table."""
    root = Path(root)
    if str(root / "control/res") not in sys.path:
        sys.path.insert(0, str(root / "control/res"))
    import idl
    import make_facts
    return idl, idl.read(root / "control/res/Scribbet.idl"), make_facts.read_table(
        root / "control/com/registration.json")


def entries(root, file_ref, folder_ref, platform):
    idl, library, table = sources(root)
    libid, version = idl.fact(library, "libid"), idl.fact(library, "version")
    flags = LIBFLAG_HASDISKIMAGE
    for attribute, bit in LIBRARY_FLAGS.items():
        if attribute in library.attributes:
            flags |= bit
    toolbox = table["toolbox_bitmap"]
    misc_status = table["control_misc_status"]["value"]

    out = []
    for record in table["classes"]:
        progid, description = record["progid"], record["description"]
        clsid = idl.fact(library, "clsid:" + record["coclass"])
        key = "CLSID\\" + clsid
        out += [(key, None, description),
                (key + "\\InprocServer32", None, file_ref),
                (key + "\\InprocServer32", "ThreadingModel", table["threading_model"]),
                (key + "\\ProgID", None, progid),
                (key + "\\TypeLib", None, libid),
                (progid, None, description),
                (progid + "\\CLSID", None, clsid)]
        if record["control"]:
            out += [(key + "\\Control", None, ""),
                    (key + "\\ToolboxBitmap32", None, f"{file_ref}, {toolbox}"),
                    (key + "\\MiscStatus", None, "0"),
                    (key + "\\MiscStatus\\1", None, str(misc_status))]

    key = f"TypeLib\\{libid}\\{version}"
    out += [(key, None, library.attributes.get("helpstring", "")),
            (key + f"\\0\\{platform}", None, file_ref),
            (key + "\\FLAGS", None, str(flags)),
            (key + "\\HELPDIR", None, folder_ref)]
    return out + interface_entries(root)


def interface_entries(root):
    idl, library, _ = sources(root)
    libid, version = idl.fact(library, "libid"), idl.fact(library, "version")
    out = []
    for described in library.types:
        if described.kind == "dispinterface":
            proxy = PS_DISPATCH
        elif described.kind == "interface" and ("dual" in described.attributes or
                                                "oleautomation" in described.attributes):
            proxy = PS_OA_INTERFACE
        else:
            continue
        key = "Interface\\" + idl.registry_guid(described.uuid)
        out += [(key, None, described.name),
                (key + "\\ProxyStubClsid", None, proxy),
                (key + "\\ProxyStubClsid32", None, proxy),
                (key + "\\TypeLib", None, libid),
                (key + "\\TypeLib", "Version", version)]
    return out
