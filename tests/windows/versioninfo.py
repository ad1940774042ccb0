#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints one string of a Windows program's version resource, as Windows
reads it (the resource's strings are UTF-16).

    versioninfo.py PROGRAM.exe FileDescription
"""
import sys

import pefile

program, key = sys.argv[1], sys.argv[2]
pe = pefile.PE(program, fast_load=True)
pe.parse_data_directories(
    directories=[pefile.DIRECTORY_ENTRY['IMAGE_DIRECTORY_ENTRY_RESOURCE']])
for info in getattr(pe, 'FileInfo', []):
    for entry in info:
        for table in getattr(entry, 'StringTable', []):
            value = table.entries.get(key.encode())
            if value is not None:
                print(value.decode('utf-8'))
                sys.exit(0)
sys.exit(f'{program}: no {key} in its version resource')
