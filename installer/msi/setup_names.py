"""What Scribbet Setup calls the installation and its pieces (names.nsh and
target.nsh), so the package names them the same. Reads the NSIS !define lines
and the "${ARCH}" conditions around them; ${NAME} references are expanded."""
import re
from pathlib import Path


def read(installer_dir, version, arch):
    defines = {"VERSION": version, "ARCH": arch}
    for name in ("target.nsh", "names.nsh"):
        taking = [True]  # one entry per open !if: are its lines taken?
        done = [True]    # has a branch of that !if been taken already?
        for line in (Path(installer_dir) / name).read_text().splitlines():
            line = line.split(";")[0].strip()
            condition = re.match(r'!(if|else if)\s+"\$\{ARCH\}"\s*==\s*"(\w+)"', line)
            if condition:
                holds = arch == condition.group(2)
                if condition.group(1) == "if":
                    taking.append(holds and all(taking))
                    done.append(holds)
                else:
                    taking[-1] = holds and not done[-1] and all(taking[:-1])
                    done[-1] |= holds
            elif line == "!else":
                taking[-1] = not done[-1] and all(taking[:-1])
                done[-1] = True
            elif line == "!endif":
                taking.pop()
                done.pop()
            elif all(taking):
                define = re.match(r'!define\s+(\w+)\s+"([^"]*)"', line)
                if define:
                    defines[define.group(1)] = define.group(2)
    return {name: re.sub(r"\$\{(\w+)\}", lambda m: defines[m.group(1)], value)
            for name, value in defines.items()}
