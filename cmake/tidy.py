#!/usr/bin/python3
"""Runs clang-tidy on every C and C++ source of the project that a build compiles.

    tidy.py --clang-tidy PATH --build DIR --source DIR [--jobs N] [FILE...]

The sources are those of the build's compile_commands.json that lie in the source tree
outside build trees (or the FILEs given), each checked with its own compile command and
the .clang-tidy files above it. A source that passed is remembered in DIR/tidy-passed
under a digest of what clang-tidy's verdict depends on: its version, the .clang-tidy
files, the compile command and the preprocessed source with every header it includes.
So a later run checks again only what changed, and a change to a header checks again
every source that includes it. Exits 1 when clang-tidy reports anything.
"""

import argparse
import concurrent.futures
import hashlib
import json
import os
import shlex
import subprocess
import sys


def arguments():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--clang-tidy", required=True)
    parser.add_argument("--build", required=True)
    parser.add_argument("--source", required=True)
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 1)
    parser.add_argument("files", nargs="*")
    return parser.parse_args()


def in_build_tree(path, source):
    """A path under a build tree inside the source tree (build/, build-*/, out/)."""
    first = os.path.relpath(path, source).split(os.sep)[0]
    return first.startswith("build") or first in ("out", "node_modules") or first == ".."


def command_of(entry):
    if "arguments" in entry:
        return list(entry["arguments"])
    return shlex.split(entry["command"])


def preprocessed(entry, command):
    """The source as the compiler sees it, or None when it cannot be preprocessed."""
    # Drop the output and compile-only options and write the preprocessed text instead.
    args, skip = [], False
    for arg in command:
        if skip:
            skip = False
            continue
        if arg == "-o":
            skip = True
            continue
        if arg in ("-c",) or arg.startswith("-o"):
            continue
        args.append(arg)
    result = subprocess.run(args + ["-E", "-C"], cwd=entry["directory"], capture_output=True)
    return result.stdout if result.returncode == 0 else None


def tidy_configs(path, source):
    """The contents of the .clang-tidy files from the source's folder up to the project's."""
    contents = []
    folder = os.path.dirname(path)
    while True:
        config = os.path.join(folder, ".clang-tidy")
        if os.path.isfile(config):
            with open(config, "rb") as f:
                contents.append(config.encode() + b"\0" + f.read())
        if os.path.samefile(folder, source) or folder == os.path.dirname(folder):
            return contents
        folder = os.path.dirname(folder)


def main():
    options = arguments()
    source = os.path.realpath(options.source)
    build = os.path.realpath(options.build)
    with open(os.path.join(build, "compile_commands.json")) as f:
        database = json.load(f)
    wanted = {os.path.realpath(path) for path in options.files}

    entries = {}
    for entry in database:
        path = os.path.realpath(os.path.join(entry["directory"], entry["file"]))
        if wanted and path not in wanted:
            continue
        if os.path.commonpath([path, source]) != source or in_build_tree(path, source):
            continue
        entries.setdefault(path, entry)  # one check of each source, with its first command
    if wanted - set(entries):
        for path in sorted(wanted - set(entries)):
            print(f"tidy.py: {path} is not compiled by {build}", file=sys.stderr)
        return 2

    version = subprocess.run([options.clang_tidy, "--version"], capture_output=True).stdout
    passed_dir = os.path.join(build, "tidy-passed")
    os.makedirs(passed_dir, exist_ok=True)

    def check(path):
        entry = entries[path]
        command = command_of(entry)
        text = preprocessed(entry, command)
        digest = None
        if text is not None:
            digest = hashlib.sha256()
            for part in [version, *tidy_configs(path, source), "\0".join(command).encode(), text]:
                digest.update(hashlib.sha256(part).digest())
            digest = digest.hexdigest()
            if os.path.exists(os.path.join(passed_dir, digest)):
                return path, True, "", True
        # C sources follow C's lower_case names, not the C++ ones .clang-tidy sets.
        c_names = ["--checks=-readability-identifier-naming"] if path.endswith(".c") else []
        result = subprocess.run(
            [options.clang_tidy, "--quiet", *c_names, "-p", build, path],
            capture_output=True,
            text=True,
        )
        # clang-tidy counts the warnings it suppressed on stderr; anything on stdout is a
        # finding.
        ok = result.returncode == 0 and not result.stdout.strip()
        if ok and digest:
            open(os.path.join(passed_dir, digest), "w").close()
        return path, ok, result.stdout + (result.stderr if not ok else ""), False

    failures = cached = 0
    with concurrent.futures.ThreadPoolExecutor(max(1, options.jobs)) as pool:
        for path, ok, output, from_cache in pool.map(check, sorted(entries)):
            cached += from_cache
            if not ok:
                failures += 1
                print(f"--- {os.path.relpath(path, source)}")
                print(output.rstrip())
    checked = len(entries) - cached
    print(
        f"clang-tidy: {len(entries)} sources, {checked} checked, {cached} unchanged since "
        f"they passed; {failures} with findings"
    )
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
