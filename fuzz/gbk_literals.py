#!/usr/bin/env python3
"""Copies a C++ source with its plain narrow literals re-encoded as GBK.

clang has no -fexec-charset for anything but UTF-8, while the module's texts
are GBK byte strings. This gives clang the bytes GCC's -fexec-charset=GBK
would produce: every non-ASCII character inside a plain "..." or '...'
literal (raw ones too) becomes octal escapes of its GBK bytes. Identifiers,
comments and u8/u/U/L literals stay as they are. Octal escapes take at most
three digits, so nothing that follows can run into them, and GBK trail bytes
such as 0x5C never appear raw.

Usage: gbk_literals.py INPUT OUTPUT
"""

import subprocess
import sys

PREFIXES = {"u8", "u", "U", "L", "R", "u8R", "uR", "UR", "LR"}


def to_gbk(chars):
    """GBK bytes of each character, by glibc's iconv (the one GCC uses)."""
    if not chars:
        return {}
    order = sorted(chars)
    out = subprocess.run(
        ["iconv", "-f", "UTF-8", "-t", "GBK"],
        input="\n".join(order).encode("utf-8"),
        capture_output=True,
        check=True,
    ).stdout.split(b"\n")
    if len(out) != len(order):
        raise SystemExit("iconv changed the number of characters")
    return dict(zip(order, out))


def escape(chars, table):
    return "".join("".join("\\%03o" % b for b in table[c]) if ord(c) > 127 else c for c in chars)


def is_ident(c):
    return c.isalnum() or c == "_" or ord(c) > 127


def literals(src):
    """Yields (start, end, raw) for every plain narrow string or char literal;
    everything between them is code, comments or preprocessor text."""
    i, n = 0, len(src)
    while i < n:
        c = src[i]
        if src.startswith("//", i):
            j = src.find("\n", i)
            i = n if j < 0 else j
        elif src.startswith("/*", i):
            j = src.find("*/", i + 2)
            i = n if j < 0 else j + 2
        elif c.isdigit() or (c == "." and i + 1 < n and src[i + 1].isdigit()):
            # A pp-number, which may hold digit separators such as 1'000.
            j = i + 1
            while j < n and (is_ident(src[j]) or src[j] in ".'" or (src[j] in "+-" and src[j - 1] in "eEpP")):
                j += 1
            i = j
        elif is_ident(c):
            j = i
            while j < n and is_ident(src[j]):
                j += 1
            word = src[i:j]
            if j < n and src[j] in "\"'" and word in PREFIXES:
                raw = "R" in word
                end = literal_end(src, j, raw)
                if word == "R":
                    yield (j, end, True)
                i = end
            else:
                i = j
        elif c in "\"'":
            end = literal_end(src, i, raw=False)
            yield (i, end, False)
            i = end
        else:
            i += 1


def literal_end(src, i, raw):
    """Index just past the literal that opens at src[i]."""
    quote = src[i]
    if raw and quote == '"':
        open_paren = src.index("(", i)
        delim = src[i + 1 : open_paren]
        return src.index(")" + delim + '"', open_paren) + len(delim) + 2
    j = i + 1
    while j < len(src) and src[j] != quote:
        if src[j] == "\\":
            j += 1
        elif src[j] == "\n":
            raise SystemExit("unterminated literal at offset %d" % i)
        j += 1
    return j + 1


def decode_ucns(body):
    """\\uXXXX and \\UXXXXXXXX name characters that GCC converts as well."""
    out, i = [], 0
    while i < len(body):
        if body[i] == "\\" and i + 1 < len(body):
            if body[i + 1] in "uU":
                width = 4 if body[i + 1] == "u" else 8
                out.append(chr(int(body[i + 2 : i + 2 + width], 16)))
                i += 2 + width
            else:
                out.append(body[i : i + 2])
                i += 2
            continue
        out.append(body[i])
        i += 1
    return "".join(out)


def convert(src):
    spans = []
    for start, end, raw in literals(src):
        body = src[start:end]
        if raw:
            if any(ord(c) > 127 for c in body):
                raise SystemExit("raw literal with non-ASCII text at offset %d; write it as a plain literal" % start)
            continue
        spans.append((start, end, decode_ucns(body)))
    table = to_gbk({c for _, _, body in spans for c in body if ord(c) > 127})
    out, last = [], 0
    for start, end, body in spans:
        out.append(src[last:start])
        out.append(escape(body, table))
        last = end
    out.append(src[last:])
    return "".join(out)


def main():
    if len(sys.argv) != 3:
        raise SystemExit(__doc__)
    with open(sys.argv[1], encoding="utf-8") as f:
        src = f.read()
    result = convert(src)
    with open(sys.argv[2], "w", encoding="utf-8") as f:
        f.write(result)


if __name__ == "__main__":
    main()
