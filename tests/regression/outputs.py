#!/usr/bin/env python3
"""Every output of the command line for a table of inputs, held against the digests the
table keeps: the reports, the exact values and the worked solutions as text, the figures as
SVG, the answer keys and the students' sheets as HTML with MathML and as documents for Word
and Writer, and the generated exercises, each under C and under Bulgarian settings.

A change that means to leave every output as it was runs this unchanged; a change that
means to alter some outputs rewrites their digests with --update and says which in its
message.

outputs.py BISECTORS [--update] [NAME-PATTERN]
"""
import hashlib
import os
import re
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
TABLE = os.path.join(HERE, 'outputs.tsv')


def run(app, locale, stdin, arguments):
    env = {k: v for k, v in os.environ.items() if k not in ('DISPLAY', 'WAYLAND_DISPLAY')}
    env['LC_ALL'] = locale
    data = b''
    if stdin != '-':
        with open(os.path.join(HERE, stdin), 'rb') as f:
            data = f.read()
    done = subprocess.run([app] + arguments.split(), input=data, capture_output=True,
                          env=env, timeout=120)
    digest = hashlib.sha256()
    digest.update(str(done.returncode).encode() + b'\0' + done.stdout + b'\0' + done.stderr)
    return digest.hexdigest()[:32]


def main():
    args = sys.argv[1:]
    update = '--update' in args
    args = [a for a in args if a != '--update']
    app = args[0]
    pattern = re.compile(args[1]) if len(args) > 1 else None
    rows, changed, failed = [], 0, []
    with open(TABLE, encoding='utf-8') as f:
        lines = f.read().splitlines()
    out = []
    for line in lines:
        if not line or line.startswith('#'):
            out.append(line)
            continue
        name, locale, stdin, arguments, digest = (line.split('\t') + [''] * 5)[:5]
        if pattern and not pattern.search(name):
            out.append(line)
            continue
        got = run(app, locale, stdin, arguments)
        rows.append(name)
        if got != digest:
            if update:
                changed += 1
                print(f'{name}: {digest or "(new)"} -> {got}')
            else:
                failed.append(f'{name}: LC_ALL={locale} bisectors {arguments}'
                              f'{" < " + stdin if stdin != "-" else ""}: {got}, kept {digest}')
        out.append('\t'.join([name, locale, stdin, arguments, got if update else digest]))
    if update:
        with open(TABLE, 'w', encoding='utf-8') as f:
            f.write('\n'.join(out) + '\n')
        print(f'{len(rows)} outputs, {changed} digests rewritten')
        return 0
    for problem in failed:
        print(problem)
    print(f'{len(rows)} outputs, {len(failed)} differ')
    return 1 if failed or not rows else 0


if __name__ == '__main__':
    sys.exit(main())
