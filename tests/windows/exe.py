#!/usr/bin/env python3
"""What the Windows program carries: Windows' own DLLs alone, so that it runs
from its own file; what its properties show; the manifest that runs it as
the invoking user on Windows 10 and 11; and ICO's images, pixel for pixel.

Usage: exe.py OBJDUMP WINDRES PROGRAM VERSION DESCRIPTION [ICO]
"""
import os
import re
import subprocess
import sys
import tempfile

objdump, windres, program, version, description, *ico = sys.argv[1:]
failures = []

dlls = re.findall(r"DLL Name: (\S+)", subprocess.check_output([objdump, "-p", program], text=True))
system = {"kernel32.dll", "msvcrt.dll", "ucrtbase.dll", "user32.dll", "advapi32.dll"}
failures += [f"imports {dll}" for dll in dlls
             if dll.lower() not in system and not dll.lower().startswith("api-ms-win-")]
failures += [] if dlls else ["no imports found"]

resources = subprocess.check_output([windres, "-i", program, "-O", "rc"], text=True)
numbers = version.replace(".", ", ")
# The name that Task Manager shows, as windres writes a wide string.
wide = "".join(c if ord(c) < 128 else f"\\x{ord(c):04x}" for c in description)
for line in [f"FILEVERSION {numbers}, 0", f"PRODUCTVERSION {numbers}, 0",
             'VALUE "ProductName", "kalkulator"', 'VALUE "OriginalFilename", "kalkulator.exe"',
             f'VALUE "FileVersion", "{version}"', f'VALUE "ProductVersion", "{version}"',
             f'VALUE "FileDescription", L"{wide}"', 'level=""asInvoker""',
             'supportedOS Id=""{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}""']:
    failures += [] if line in resources else [f"no {line} in its resources"]


if ico:
    with tempfile.TemporaryDirectory() as work:
        images = {}
        for side, extract in (("ico", ["cp", ico[0]]),
                              ("exe", ["wrestool", "-x", "--type=group_icon", program, "-o"])):
            folder = os.path.join(work, side)
            icon = os.path.join(folder, "icon.ico")  # named alike, so that the images are
            os.mkdir(folder)
            subprocess.run(extract + [icon], check=True)
            subprocess.run(["icotool", "-x", "-o", folder, icon], check=True)
            os.remove(icon)
            images[side] = {name: open(os.path.join(folder, name), "rb").read()
                            for name in os.listdir(folder)}
        if len(images["ico"]) < 6 or images["exe"] != images["ico"]:
            failures.append(f"its icon is not the {len(images['ico'])} images of {ico[0]}")

for failure in failures:
    print(f"{program}: {failure}", file=sys.stderr)
sys.exit(1 if failures else 0)
