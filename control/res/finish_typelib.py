#!/usr/bin/env python3
"""Finishes the type library widl writes, where widl cannot say it:

* the library's own identifier, whose last byte widl overwrites;
* the order of the type descriptions: widl adds a forward-declared type
  where it is first named, so the event interface would come first;
* the flags and versions the IDL gives each type where widl leaves them out
  (it marks no interface oleautomation, and refuses flags and version on the
  event dispinterface);
* the time widl says it made the library, which it takes from the clock:
  the time in EPOCH-FILE (seconds since 1970, the commit's for a release),
  or 1970 when the file is empty, so the same sources give the same bytes.

    finish_typelib.py LIBRARY.tlb EPOCH-FILE IDL

What the library should hold is read from the IDL (idl.py): its identifier,
its types in the order it defines them, their attributes.

The file is changed in place. Everything that names a type description by its
place in the type-info table (the hreftype) is moved with it: the entries of
the GUID and name tables and the reference records.
"""
import struct
import sys
import time
import uuid

import idl

# Places in the file, as the MSFT format widl writes lays it out (Wine's
# typelib.h names the same fields).
# The header: where the library's own GUID entry is, its flags, how many
# type descriptions it holds; after its fixed part, one offset per type
# description, a help DLL's name when a flag says so, then the directory of
# segments, one (offset, length, reserved, reserved) entry each.
HEADER_LIBRARY_GUID = 0x08
HEADER_FLAGS = 0x1C
HEADER_TYPEINFO_COUNT = 0x20
HEADER_SIZE = 0x54
HEADER_FLAG_HELP_DLL = 0x100
SEGMENT_ENTRY_SIZE = 16
# A type description's fixed record, and the fields this script changes.
TYPEINFO_SIZE = 100
TYPEINFO_FLAGS = 0x30
TYPEINFO_NAME = 0x34
TYPEINFO_VERSION = 0x38
# A GUID entry: the GUID, then the hreftype of what it identifies.
GUID_ENTRY_SIZE = 24
GUID_ENTRY_HREFTYPE = 16
# A name entry: hreftype, hash link, the name's length in one byte, flags,
# then the name itself, padded to four bytes.
NAME_ENTRY_LENGTH = 8
NAME_ENTRY_TEXT = 12
# A reference record: hreftype first.
REF_ENTRY_SIZE = 16
# A custom-data GUID entry: the GUID's offset and the data's; the data is a
# VARIANT type, then the value, a BSTR as its length and its bytes.
CDGUID_ENTRY_SIZE = 12
CUSTDATA_VALUE = 2
CUSTDATA_BSTR_TEXT = 6
# The custom data widl adds: the text "Created by WIDL version V at TIME\n"
# and the time alone.
WIDL_TIME = uuid.UUID("de77ba63-517c-11d1-a2da-0000f8773ce9")
WIDL_CREATED_TEXT = b"Created by WIDL"
VT_BSTR, VT_UI4 = 8, 19
# The type flags an IDL attribute stands for (TYPEFLAGS).
TYPE_FLAGS = {"appobject": 0x1, "licensed": 0x4, "hidden": 0x10, "control": 0x20, "dual": 0x40,
              "nonextensible": 0x80, "oleautomation": 0x100, "restricted": 0x200,
              "aggregatable": 0x400, "replaceable": 0x800}
SEGMENTS = ["typeinfo", "impfiles", "impinfo", "ref", "guidhash", "guid", "namehash", "name",
            "string", "typdesc", "arraydesc", "custdata", "cdguids", "res0e", "res0f"]


def set_creation_time(data, segment, epoch):
    guid_base = segment["guid"][0]
    data_base = segment["custdata"][0]
    table_base, table_size = segment["cdguids"]
    for entry in range(table_base, table_base + table_size, CDGUID_ENTRY_SIZE):
        guid_at, data_at = struct.unpack_from("<ii", data, entry)
        guid = uuid.UUID(bytes_le=bytes(data[guid_base + guid_at:guid_base + guid_at + 16]))
        at = data_base + data_at
        kind = struct.unpack_from("<H", data, at)[0]
        if kind == VT_UI4 and guid == WIDL_TIME:
            struct.pack_into("<I", data, at + CUSTDATA_VALUE, epoch)
        elif kind == VT_BSTR:
            length = struct.unpack_from("<I", data, at + CUSTDATA_VALUE)[0]
            text_at = at + CUSTDATA_BSTR_TEXT
            text = data[text_at:text_at + length]
            if text.startswith(WIDL_CREATED_TEXT) and text.endswith(b"\n"):
                stamp = time.asctime(time.gmtime(epoch)).encode("ascii")  # as ctime writes
                data[text_at + length - 1 - len(stamp):text_at + length - 1] = stamp


def main(path, epoch_file, idl_path):
    library = idl.read(idl_path)
    data = bytearray(open(path, "rb").read())
    count = struct.unpack_from("<i", data, HEADER_TYPEINFO_COUNT)[0]
    flags = struct.unpack_from("<I", data, HEADER_FLAGS)[0]
    directory = HEADER_SIZE + 4 * count + (4 if flags & HEADER_FLAG_HELP_DLL else 0)
    segment = {name: struct.unpack_from("<ii", data, directory + SEGMENT_ENTRY_SIZE * i)
               for i, name in enumerate(SEGMENTS)}
    guid_base, guid_size = segment["guid"]
    name_base, name_size = segment["name"]
    info_base = segment["typeinfo"][0]

    def info(offset, field):  # one 32-bit field of a type description
        return info_base + offset + field

    def name_of(offset):
        at = name_base + struct.unpack_from("<i", data, info(offset, TYPEINFO_NAME))[0]
        length = data[at + NAME_ENTRY_LENGTH]
        return data[at + NAME_ENTRY_TEXT:at + NAME_ENTRY_TEXT + length].decode("ascii")

    # The library identifier: the GUID entry the header points at.
    libid_at = guid_base + struct.unpack_from("<i", data, HEADER_LIBRARY_GUID)[0]
    data[libid_at:libid_at + 16] = uuid.UUID(library.uuid).bytes_le

    # New places of the type descriptions.
    old = {name_of(o): o for o in range(0, count * TYPEINFO_SIZE, TYPEINFO_SIZE)}
    wanted = [t.name for t in library.types]
    assert sorted(wanted) == sorted(old), (wanted, sorted(old))
    moved = {old[name]: i * TYPEINFO_SIZE for i, name in enumerate(wanted)}

    def remap(at):
        value = struct.unpack_from("<i", data, at)[0]
        if value in moved:
            struct.pack_into("<i", data, at, moved[value])

    for entry in range(guid_base, guid_base + guid_size, GUID_ENTRY_SIZE):
        remap(entry + GUID_ENTRY_HREFTYPE)
    entry = name_base
    while entry < name_base + name_size:
        remap(entry)
        length = data[entry + NAME_ENTRY_LENGTH]
        entry += NAME_ENTRY_TEXT + ((length + 3) & ~3)
    ref_base, ref_size = segment["ref"]
    for entry in range(ref_base, ref_base + ref_size, REF_ENTRY_SIZE):
        remap(entry)

    table = bytes(data[info_base:info_base + count * TYPEINFO_SIZE])
    for before, after in moved.items():
        data[info_base + after:info_base + after + TYPEINFO_SIZE] = \
            table[before:before + TYPEINFO_SIZE]

    for place, described in enumerate(library.types):
        offset = place * TYPEINFO_SIZE
        type_flags = 0
        for attribute, flag in TYPE_FLAGS.items():
            if attribute in described.attributes:
                type_flags |= flag
        current = struct.unpack_from("<I", data, info(offset, TYPEINFO_FLAGS))[0]
        struct.pack_into("<I", data, info(offset, TYPEINFO_FLAGS), current | type_flags)
        if described.version:
            major, minor = described.version
            struct.pack_into("<I", data, info(offset, TYPEINFO_VERSION), major | minor << 16)

    epoch_text = open(epoch_file).read().strip()
    set_creation_time(data, segment, int(epoch_text) if epoch_text else 0)

    open(path, "wb").write(bytes(data))


if __name__ == "__main__":
    main(*sys.argv[1:])
