"""What the control records in the registry for each creatable class, from
the IDL (idl.py: the library, the classes' identifiers) and
control/com/registration.json (which classes, their descriptions, which is
the control, its toolbox picture and misc status, the threading model).
Self-registration writes these entries (make_facts.py makes them its C++
table) and the Windows Installer package writes the same ones
(installer/msi/com_registration.py).

class_entries(...) gives, class by class, (key, name, value, progid_key)
under HKEY_CLASSES_ROOT: name None is the key's default value; a value is a
list of parts, MODULE standing for the control's full path; progid_key marks
the entries below the ProgID's key, which 64-bit Windows shares between its
two registry views.
"""
import json
from pathlib import Path

import idl

HERE = Path(__file__).resolve().parent
TABLE = HERE.parent / "com" / "registration.json"
MODULE = object()  # the control's full path, as the registry records it


def read_table(path=TABLE):
    return json.loads(Path(path).read_text())


def progid(library, record):
    """The library's name, a point, the class's name."""
    return f"{library.name}.{record['coclass']}"


def control_progid(library=None, table=None):
    library, table = library or idl.read(), table or read_table()
    return next(progid(library, record) for record in table["classes"] if record["control"])


def class_entries(library=None, table=None):
    """[(record, [(key, name, value parts, progid_key)...]) ...], in the order
    they are written: a key's parents before it."""
    library, table = library or idl.read(), table or read_table()
    libid = idl.fact(library, "libid")
    out = []
    for record in table["classes"]:
        clsid = idl.fact(library, "clsid:" + record["coclass"])
        key, name, description = "CLSID\\" + clsid, progid(library, record), record["description"]
        entries = [(key, None, [description], False),
                   (key + "\\InprocServer32", None, [MODULE], False),
                   (key + "\\InprocServer32", "ThreadingModel", [table["threading_model"]], False),
                   (key + "\\ProgID", None, [name], False),
                   (key + "\\TypeLib", None, [libid], False),
                   (name, None, [description], True),
                   (name + "\\CLSID", None, [clsid], True)]
        if record["control"]:
            entries += [(key + "\\Control", None, [""], False),
                        (key + "\\ToolboxBitmap32", None,
                         [MODULE, f", {table['toolbox_bitmap']}"], False),
                        (key + "\\MiscStatus", None, ["0"], False),
                        (key + "\\MiscStatus\\1", None,
                         [str(table["control_misc_status"]["value"])], False)]
        out.append((record, entries))
    return out
