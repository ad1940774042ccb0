#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Does the suite notice a changed operator?

Flips each binary operator of the loop's, the recordings', the systems' and the
situation's and lessons' code once
(< and <=, > and >=, == and !=, + and -, / and *, && and ||), builds the copy
incrementally, runs the suite and lists the changes no test noticed.

    mutants.py SOURCE BUILD [--files F ...] [--tests REGEX] [--exclude REGEX]
               [--only SURVIVORS] [--list]

SOURCE is a copy of the tree that this script changes and puts back, BUILD
its configured build folder. A change listed in equivalents.txt beside this
script (file, the line's text, the operator's rank on it, a reason) is known
not to alter behaviour and is left out of the count.
"""
import argparse
import pathlib
import re
import signal
import subprocess
import sys
import time

FLIPS = {'<': '<=', '<=': '<', '>': '>=', '>=': '>', '==': '!=', '!=': '==',
         '+': '-', '-': '+', '/': '*', '*': '/', '&&': '||', '||': '&&'}
# clang-format spaces binary operators and nothing else this way: a template's
# angle brackets, a pointer's star and a unary minus are written without.
OPERATOR = re.compile(r'(?<= )(<=|>=|==|!=|&&|\|\||<|>|\+|-|/|\*)(?= )')
DEFAULT_FILES = ['mechanism', 'recordings', 'systems', 'lessons', 'app/experiencesschema.cpp',
                 'app/menuscontextuels.cpp']


def code_part(line):
    """The line with its comment and string literals blanked out."""
    out, quote, i = [], None, 0
    while i < len(line):
        c = line[i]
        if quote:
            if c == '\\':
                out.append('  ')
                i += 2
                continue
            out.append(' ' if c != quote else c)
            if c == quote:
                quote = None
        elif c in '"\'':
            quote = c
            out.append(c)
        elif line.startswith('//', i):
            break
        else:
            out.append(c)
        i += 1
    return ''.join(out)


def mutants(root, files):
    for path in files:
        text = (root / path).read_text(encoding='utf-8').split('\n')
        for number, line in enumerate(text):
            stripped = line.strip()
            if stripped.startswith(('#', '//', '*', '/*')):
                continue
            for rank, match in enumerate(OPERATOR.finditer(code_part(line))):
                yield path, number, line, rank, match


def load_equivalents(folder):
    known = {}
    source = folder / 'equivalents.txt'
    if not source.exists():
        return known
    for entry in source.read_text(encoding='utf-8').split('\n'):
        if not entry.strip() or entry.startswith('#'):
            continue
        path, rank, line, reason = entry.split(' | ')
        known[(path, line.strip(), int(rank))] = reason
    return known


def run(command, cwd, timeout):
    try:
        return subprocess.run(command, cwd=cwd, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, timeout=timeout).returncode
    except subprocess.TimeoutExpired:
        return -1


def main():
    # Stopped, the script still puts back the line it changed.
    signal.signal(signal.SIGTERM, signal.default_int_handler)
    parser = argparse.ArgumentParser()
    parser.add_argument('source', type=pathlib.Path)
    parser.add_argument('build', type=pathlib.Path)
    parser.add_argument('--files', nargs='*')
    parser.add_argument('--tests', default='')
    # The desktop's checks look at the program from outside, not at the loop.
    parser.add_argument('--exclude', default='accessibility-bus|packaging')
    parser.add_argument('--list', action='store_true')
    # A file of survivors as an earlier run listed them: only those again.
    parser.add_argument('--only', type=pathlib.Path)
    args = parser.parse_args()
    args.source = args.source.resolve()
    args.build = args.build.resolve()

    files = []
    for entry in args.files or DEFAULT_FILES:
        target = args.source / entry
        if target.is_dir():
            files += sorted(str(p.relative_to(args.source))
                            for p in target.glob('*') if p.suffix in ('.cpp', '.h'))
        elif target.exists():
            files.append(entry)
    equivalents = load_equivalents(pathlib.Path(__file__).parent)
    wanted = None
    if args.only:
        wanted = set()
        for entry in args.only.read_text(encoding='utf-8').split('\n'):
            if entry.count(' | ') == 2:
                path, rank, line = entry.split(' | ')
                wanted.add((path.strip(), line.strip(), int(rank)))
    ctest = ['ctest', '--test-dir', str(args.build), '-j2', '--stop-on-failure',
             '--timeout', '120']
    if args.tests:
        ctest += ['-R', args.tests]
    if args.exclude:
        ctest += ['-E', args.exclude]

    # Every verdict means something only if the unchanged tree builds and passes.
    if not args.list:
        if run(['cmake', '--build', str(args.build)], args.source, 1800) != 0:
            sys.exit('the unchanged tree does not build')
        if run(ctest, args.source, 1800) != 0:
            sys.exit('the suite fails on the unchanged tree')

    killed = survived = unbuilt = known = 0
    survivors = []
    for path, number, line, rank, match in list(mutants(args.source, files)):
        op = match.group(1)
        where = f'{path}:{number + 1}: {op} -> {FLIPS[op]}'
        if wanted is not None and (path, line.strip(), rank) not in wanted:
            continue
        if (path, line.strip(), rank) in equivalents:
            known += 1
            print(f'equivalent  {where}  ({equivalents[(path, line.strip(), rank)]})',
                  flush=True)
            continue
        if args.list:
            print(f'{where}  | {rank} | {line.strip()}')
            continue
        source = args.source / path
        original = source.read_text(encoding='utf-8')
        lines = original.split('\n')
        lines[number] = line[:match.start()] + FLIPS[op] + line[match.end():]
        started = time.monotonic()
        try:
            source.write_text('\n'.join(lines), encoding='utf-8')
            if run(['cmake', '--build', str(args.build)], args.source, 900) != 0:
                verdict = 'unbuilt'
            elif run(ctest, args.source, 1800) == 0:
                verdict = 'SURVIVED'
            else:
                verdict = 'killed'
        finally:
            source.write_text(original, encoding='utf-8')
        if verdict == 'killed':
            killed += 1
        elif verdict == 'unbuilt':
            unbuilt += 1
        else:
            survived += 1
            survivors.append(f'{path} | {rank} | {line.strip()}')
        print(f'{verdict:10}  {where}  ({time.monotonic() - started:.0f} s)', flush=True)

    if args.list:
        return 0
    run(['cmake', '--build', str(args.build)], args.source, 900)
    tried = killed + survived
    share = 100.0 * killed / tried if tried else 100.0
    print(f'\n{killed} of {tried} changes noticed ({share:.1f} %); '
          f'{unbuilt} did not build, {known} listed as equivalent.')
    if survivors:
        print('Survivors (file | rank | line), for equivalents.txt with a reason:')
        print('\n'.join(survivors))
    return 0


if __name__ == '__main__':
    sys.exit(main())
