#!/usr/bin/env python3
"""assign-mnemonics.py <strings file>...: gives every command of a window or
menu (a key ending in Check, Radio, Button or BitBtn<n>, or a main menu item)
that has no mnemonic the first letter of its text that no other text of its
window uses, and moves a mnemonic another text of the window already has to
the next free letter of its own text. The files are rewritten in place; what
cannot be given a letter is printed. The same rules as the mnemonics test."""
import re
import sys

COMMAND = re.compile(r'^(menu\.main\.\w+|\w+\.\w*(Check|Radio|Button|BitBtn\d*))$')


def window(key):
    return key.rsplit('.', 1)[0] if key.startswith('menu.') else key.split('.', 1)[0]


def mnemonic(text):
    m = re.search(r'(?<!&)&([^&])', text.replace('&&', '\0\0'))
    return m.group(1).lower() if m else None


def give(text, taken):
    plain = text.replace('&', '') if mnemonic(text) else text
    for i, ch in enumerate(plain):
        if ch.isalnum() and ch.lower() not in taken:
            return plain[:i] + '&' + plain[i:], ch.lower()
    return None, None


def assign(path):
    lines = open(path, encoding='utf-8').read().split('\n')
    entries = [(n, *m.groups()) for n, line in enumerate(lines)
               for m in [re.match(r'^([\w.]+)\s*=\s*(.*)$', line)] if m and not line.startswith('#')]
    taken = {}
    for n, key, text in entries:  # the mnemonics already given, first come first kept
        letter = mnemonic(text)
        if letter and letter not in taken.setdefault(window(key), {}):
            taken[window(key)][letter] = key
    for n, key, text in entries:
        letter = mnemonic(text)
        mine = taken.setdefault(window(key), {})
        if (letter and mine.get(letter) == key) or (not letter and not COMMAND.match(key)):
            continue
        new, letter = give(text, mine)
        if new is None:
            print(f'{path}: {key} = {text}: no free letter')
            continue
        mine[letter] = key
        lines[n] = re.sub(r'=\s*.*$', '= ' + new.replace('\\', '\\\\'), lines[n])
    open(path, 'w', encoding='utf-8').write('\n'.join(lines))


for p in sys.argv[1:]:
    assign(p)
