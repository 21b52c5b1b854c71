#!/usr/bin/env python3
"""Which Russian texts of the program a test holds.

Lists every string literal with a Cyrillic letter in src/ and says whether a test or a golden
trace (anything under tests/) contains it; prints the share held, and with -v the texts that
are not. A text counts as held when it appears whole in a test file, or when every piece of
it between its holes ("%1", "{...}") of at least four characters does.
"""
import pathlib, re, sys

root = pathlib.Path(__file__).resolve().parent.parent
literal = re.compile(r'(?:u8|u|U|L)?"((?:[^"\\]|\\.)*)"')
cyrillic = re.compile('[А-Яа-яЁё]')

def texts(path):
    """The string literals of a C++ file, adjacent ones joined, with their lines."""
    text = path.read_text(encoding='utf-8')
    for m in re.finditer(r'(?:(?:u8|u|U|L)?"(?:[^"\\]|\\.)*"\s*)+', text):
        yield text.count('\n', 0, m.start()) + 1, ''.join(literal.findall(m.group(0))).replace('\\"', '"')

def literals():
    for path in sorted((root / 'src').rglob('*')):
        if path.suffix in ('.cpp', '.h'):
            for line, s in texts(path):
                if cyrillic.search(s):
                    yield path.relative_to(root), line, s

def main():
    verbose = '-v' in sys.argv
    pieces = []
    for p in (root / 'tests').rglob('*'):
        if p.suffix in ('.cpp', '.h'):
            pieces += [s for _, s in texts(p)]
        elif p.is_file():
            pieces.append(p.read_text(encoding='utf-8', errors='replace').replace('\\"', '"'))
    corpus = '\n'.join(pieces)
    total = held = 0
    for path, line, s in literals():
        pieces = [p for p in re.split(r'%\d|\{[a-z]+\}', s) if len(p.strip()) >= 4] or [s]
        ok = s in corpus or all(p in corpus for p in pieces)
        total += 1
        held += ok
        if verbose and not ok:
            print(f'{path}:{line}: {s}')
    print(f'{held} of {total} Russian texts held by a test ({100 * held / max(total, 1):.0f}%)')
    return 0

if __name__ == '__main__':
    sys.exit(main())
