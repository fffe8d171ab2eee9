#!/usr/bin/env python3
"""The documents' examples, run, so that what they show stays true.

docs.py examples DOC BINDIR
    Runs every transcript in DOC (README.md or a page's source): each
    "$ command" with the lines after it, which must be its output, byte for
    byte.  A program started alone is typed at, at a terminal: the line
    after each of its prompts is what is typed, and the terminal's echo of
    it is part of the output.  Then runs the inline examples that DOC holds
    (the table below), whose words must stay in DOC as they are.
"""
import os
import pty
import re
import select
import shlex
import subprocess
import sys
import tempfile
import textwrap

PROMPTS = {"enter sub string1 :", "enter string 2:", "enter string1 :",
           "enter check string2 :"}
ALONE = re.compile(r"(?:build/release/bin/)?(cutsub|rotcheck|rotcheck_trace)")

# Inline examples: the document, its words for the example (kept there),
# a command, and what its output must hold.
ROTATED = "str2 is rotated string of string1\n"
NOT_ROTATED = "str2 not a rotated string of string1\n"
# Two short lines, then one of the given length and its newline, with
# what the program says of it on standard error.
LONG_LINE = ("{{ printf 'a\\nb\\n'; printf '%{0}s\\n' | tr ' ' a; }} | "
             "{1} --repeat 2>&1 >/dev/null")
# A script that asks a coprocess pair by pair, as README.md shows it.
ASK = """coproc rotcheck --repeat
ask() {
    printf '%s\\n%s\\n' "$1" "$2" >&"${COPROC[1]}"
    while read -r answer <&"${COPROC[0]}"; do
        case $answer in str2* | 'enter input') echo "$answer"; return ;; esac
    done
}
ask abcd cdab
ask abcd acbd
"""
INLINE = [
    ("README.md", textwrap.indent(ASK, "    "), "bash -c " + shlex.quote(ASK),
     ROTATED + NOT_ROTATED),
    ("man/cutsub.1", ".Bd -literal -offset indent\ncutsub: line 3 reaches the 149-character limit; the rest of the line is skipped\n",
     LONG_LINE.format(149, "cutsub"), "cutsub: line 3 reaches the 149-character limit; the rest of the line is skipped\n"),
    ("man/cutsub.1", "text\n.Ql aaab\nand pattern\n.Ql aab\nprint\n.Ql string is:aaab .",
     "printf 'aaab\\naab\\n' | cutsub", "\nstring is:aaab\n"),
    ("man/cutsub.1", ".Ql hello world\nand\n.Ql lo ,\neach ended by CR LF, print the text unchanged.",
     "printf 'hello world\\r\\nlo\\r\\n' | cutsub", "string is :hello world\r\n"),
    ("man/rotcheck.1", ".Ql abcd\nand\n.Ql cdab ,\neach ended by CR LF, are not rotations",
     "printf 'abcd\\r\\ncdab\\r\\n' | rotcheck", NOT_ROTATED),
    ("man/rotcheck.1", "misses nearly every rotation of accented text.",
     "printf 'ÄÖÜ\\nÜÄÖ\\n' | rotcheck_trace", NOT_ROTATED),
]


def roff(line):
    """A line of a literal display as it reads."""
    return re.sub(r"\\(.)", lambda m: {"e": "\\", "-": "-", "&": ""}[m[1]],
                  line)


def transcripts(path):
    """The transcripts of a document: lists of lines, the first "$ ...";
    README.md's are its indented blocks, a page's its literal displays."""
    blocks, block = [], None
    for line in open(path, encoding="utf-8").read().split("\n"):
        if path.endswith(".md"):
            inside = line.startswith("    ") or (block is not None and
                                                 line == "")
            text = line[4:]
        else:
            if line.startswith(".Bd -literal"):
                block = []
                continue
            inside = block is not None and line != ".Ed"
            text = roff(line) if inside else line
        if not inside:
            if block and block[0].startswith("$ "):
                blocks.append(block)
            block = None
        elif block is None:
            block = [text]
        else:
            block.append(text)
    return blocks


def typed(program, want, cwd):
    """What a terminal shows of a run of program, typed at after each
    prompt with the line that follows it in want."""
    lines = want.split("\n")
    answers = [lines[i + 1] for i, line in enumerate(lines[:-1])
               if line in PROMPTS]
    master, slave = pty.openpty()
    child = subprocess.Popen([program], stdin=slave, stdout=slave,
                             stderr=slave, cwd=cwd)
    os.close(slave)
    shown = b""

    def read(until):
        nonlocal shown
        while not until(shown.decode(errors="replace").replace("\r\n", "\n")):
            if not select.select([master], [], [], 5)[0]:
                return
            try:
                chunk = os.read(master, 4096)
            except OSError:  # the program has ended
                return
            if not chunk:
                return
            shown += chunk

    for n, answer in enumerate(answers):
        read(lambda s: sum(line in PROMPTS for line in s.split("\n")[:-1])
             > n)
        os.write(master, answer.encode() + b"\n")
    read(lambda s: False)
    child.wait()
    os.close(master)
    return shown.decode(errors="replace").replace("\r\n", "\n")


def run(command, cwd):
    if ALONE.fullmatch(command):
        return None
    done = subprocess.run(["sh", "-c", command], cwd=cwd,
                          stdin=subprocess.DEVNULL, capture_output=True)
    return (done.stdout + done.stderr).decode(errors="replace")


def examples(doc, bindir):
    os.environ["PATH"] = os.path.abspath(bindir) + os.pathsep + os.environ["PATH"]
    failed = commands = 0
    skipped = set()
    blocks = transcripts(doc)
    for block in blocks:
        with tempfile.TemporaryDirectory() as cwd:
            starts = [i for i, line in enumerate(block)
                      if line.startswith("$ ")] + [len(block)]
            for a, b in zip(starts, starts[1:]):
                command = block[a][2:].replace("build/release/bin/", "")
                out = block[a + 1:b]
                while out and out[-1] == "":  # the blank after a block
                    out.pop()
                want = "".join(line + "\n" for line in out)
                word = command.split()[0]
                if subprocess.run(["sh", "-c", 'command -v "$1"', "sh", word],
                                  capture_output=True).returncode:
                    skipped.add(word)  # as GNU parallel may be
                    continue
                got = run(command, cwd)
                if got is None:
                    got = typed(command, want, cwd)
                commands += 1
                if got != want:
                    failed += 1
                    print(f"{doc}: $ {command}\nwant {want!r}\ngot  {got!r}")
    text = open(doc, encoding="utf-8").read()
    inline = [row for row in INLINE if doc.endswith(row[0])]
    for _, words, command, want in inline:
        with tempfile.TemporaryDirectory() as cwd:
            got = run(command, cwd)
        if words not in text or want not in got:
            failed += 1
            print(f"{doc}: {words!r}\n{command}: want {want!r} in {got!r}"
                  if words in text else f"{doc}: no longer says {words!r}")
    print(f"{doc}: {len(blocks)} transcripts of {commands} commands, "
          f"{len(inline)} inline examples, {failed} failed"
          + "".join(f"; skipped, not installed: {p}" for p in skipped))
    return failed == 0


if __name__ == "__main__":
    what, *args = sys.argv[1:]
    sys.exit(0 if {"examples": examples}[what](*args) else 1)
