"""The registry entries the control's self-registration writes, for a
package that writes the same entries itself:

* the classes' entries, from control/res/com_table.py, the table
  self-registration is made from too;
* the type library's, which registration leaves to Automation: the
  library's key and one key per interface that automation can call (dual or
  oleautomation interfaces and dispinterfaces), from the IDL (idl.py).

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
    """The IDL's reader, the library it describes and the COM table."""
    root = Path(root)
    if str(root / "control/res") not in sys.path:
        sys.path.insert(0, str(root / "control/res"))
    import com_table
    import idl
    return idl, idl.read(root / "control/res/Scribbet.idl"), com_table


def entries(root, file_ref, folder_ref, platform):
    idl, library, com_table = sources(root)
    libid, version = idl.fact(library, "libid"), idl.fact(library, "version")
    flags = LIBFLAG_HASDISKIMAGE
    for attribute, bit in LIBRARY_FLAGS.items():
        if attribute in library.attributes:
            flags |= bit

    out = [(key, name, "".join(file_ref if part is com_table.MODULE else part for part in value))
           for _, class_entries in com_table.class_entries(library)
           for key, name, value, _ in class_entries]
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
