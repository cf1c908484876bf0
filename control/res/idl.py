#!/usr/bin/env python3
"""What the control's type library says, read from Scribbet.idl: the one
place its identifiers, versions and member ids are written. The build, the
packages and the tests take them from here.

    idl.py FACT

prints one fact for a script: libid, version (as the library's registry key
names it, hexadecimal), clsid:NAME or iid:NAME (a class's or an interface's
identifier in registry form).

Lines of the preprocessor are passed over, so an attribute that widl
refuses (written under #ifndef __WIDL__) is read all the same; the type
library gets it from finish_typelib.py. An attribute given by one of the
product's names (helpstring(SCRIBBET_LIBRARY_DESCRIPTION)) reads as the
text names/names.py gives it.
"""
import re
import sys
from pathlib import Path

IDL = Path(__file__).resolve().with_name("Scribbet.idl")
sys.path.insert(0, str(IDL.parents[2] / "names"))
import names  # noqa: E402

NAMES = names.macros()
KINDS = ("library", "interface", "dispinterface", "coclass")


class Type:
    def __init__(self, kind, name, attributes, members):
        self.kind, self.name, self.attributes, self.members = kind, name, attributes, members

    @property
    def uuid(self):
        return self.attributes["uuid"]

    @property
    def version(self):
        """(major, minor), or None where the IDL gives none."""
        if "version" not in self.attributes:
            return None
        major, minor = (int(part) for part in self.attributes["version"].split("."))
        return major, minor


class Library(Type):
    def __init__(self, name, attributes, types):
        super().__init__("library", name, attributes, {})
        self.types = types  # in the order the IDL defines them

    def type(self, name):
        return next(t for t in self.types if t.name == name)


def registry_guid(text):
    return "{" + text.upper() + "}"


def attributes_of(text):
    values = {name: value.strip().strip('"')
              for name, value in re.findall(r"(\w+)(?:\(([^)]*)\))?", text)}
    return {name: NAMES.get(value, value) for name, value in values.items()}


def body_after(text, at):
    """The text between the braces that open after position at."""
    start = text.index("{", at)
    depth = 0
    for end in range(start, len(text)):
        depth += {"{": 1, "}": -1}.get(text[end], 0)
        if depth == 0:
            return text[start + 1:end]
    raise SystemExit(f"{IDL.name}: unbalanced braces")


def read(path=IDL):
    text = Path(path).read_text()
    text = re.sub(r"//[^\n]*", "", text)
    text = re.sub(r"^\s*#[^\n]*", "", text, flags=re.MULTILINE)
    library, types = None, []
    pattern = re.compile(r"\[([^\[\]]*)\]\s*(" + "|".join(KINDS) + r")\s+(\w+)(?=\s*[:{])")
    for match in pattern.finditer(text):
        attributes = attributes_of(match.group(1))
        kind, name = match.group(2), match.group(3)
        if kind == "library":
            library = (name, attributes)
            continue
        members = {}
        for member in re.finditer(r"\[([^\[\]]*)\]\s*\w+\s+(\w+)\s*\(", body_after(text, match.end())):
            member_attributes = attributes_of(member.group(1))
            if "id" in member_attributes:
                members[member.group(2)] = int(member_attributes["id"], 0)
        types.append(Type(kind, name, attributes, members))
    if library is None:
        raise SystemExit(f"{IDL.name}: no library")
    return Library(library[0], library[1], types)


def fact(library, name):
    if name == "libid":
        return registry_guid(library.uuid)
    if name == "version":
        major, minor = library.version
        return f"{major:x}.{minor:x}"
    kind, _, type_name = name.partition(":")
    if kind in ("clsid", "iid") and type_name:
        return registry_guid(library.type(type_name).uuid)
    raise SystemExit(f"idl.py: no fact {name!r}")


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    print(fact(read(), sys.argv[1]))
