"""Sets the summary information of a Windows Installer package in place: the
package code (revision number) and the times it was made and last saved,
which wixl takes at random and from the clock. The stream keeps its size, so
nothing else in the file moves."""
import struct
import olefile

STREAM = "\x05SummaryInformation"
PID_REVNUMBER, PID_CREATE_DTM, PID_LASTSAVE_DTM = 9, 12, 13
VT_LPSTR, VT_FILETIME = 30, 64
FILETIME_UNIX_START = 116444736000000000  # 1601-01-01 to 1970-01-01 in 100 ns


def properties(data):
    """{property id: (offset of its value, type)} of the first section."""
    section = struct.unpack_from("<I", data, 44)[0]
    count = struct.unpack_from("<I", data, section + 4)[0]
    found = {}
    for i in range(count):
        pid, offset = struct.unpack_from("<II", data, section + 8 + 8 * i)
        found[pid] = (section + offset + 4, struct.unpack_from("<I", data, section + offset)[0])
    return found


def set_fixed(path, package_code, epoch):
    ole = olefile.OleFileIO(path, write_mode=True)
    data = bytearray(ole.openstream(STREAM).read())
    found = properties(data)
    at, kind = found[PID_REVNUMBER]
    length = struct.unpack_from("<I", data, at)[0]
    code = package_code.encode("ascii") + b"\0"
    assert kind == VT_LPSTR and length == len(code), "revision number is not a GUID"
    data[at + 4:at + 4 + length] = code
    for pid in (PID_CREATE_DTM, PID_LASTSAVE_DTM):
        at, kind = found[pid]
        assert kind == VT_FILETIME
        struct.pack_into("<Q", data, at, FILETIME_UNIX_START + epoch * 10_000_000)
    ole.write_stream(STREAM, bytes(data))
    ole.close()
