#!/usr/bin/env bash
# The size rule: no source file over 400 lines and no function over 50 lines, from its
# signature to its closing brace; tables (brace lists that end in "};") do not count. Prints
# every offender and exits 1 when there is one. Checks src/ unless given other folders.
set -euo pipefail
cd "$(dirname "$0")/.."
(($#)) || set -- src

python3 - "$@" <<'PYTHON'
import os
import re
import sys

FILE_LIMIT = 400
FUNCTION_LIMIT = 50

# The braces of comments, strings and character literals do not count; their line breaks do.
def blanked(code):
    keep_lines = lambda match: '\n' * match.group(0).count('\n')
    code = re.sub(r'//[^\n]*', '', code)
    code = re.sub(r'/\*.*?\*/', keep_lines, code, flags=re.S)
    code = re.sub(r'R"\((.*?)\)"', lambda m: '""' + keep_lines(m), code, flags=re.S)
    code = re.sub(r'"(\\.|[^"\\\n])*"', '""', code)
    return re.sub(r"'(\\.|[^'\\\n])*'", "''", code)

# A line that opens a function body: a closing parenthesis, qualifiers, an opening brace.
BODY = re.compile(r'\)\s*(const\s*)?(noexcept\s*)?(override\s*)?(final\s*)?'
                  r'(->\s*[\w:<>&*, ]+\s*)?\{\s*$')
# Blocks that are not functions: control statements, lambdas, connections.
NOT_A_FUNCTION = re.compile(r'^\s*(\}\s*)?(if|for|while|switch|catch|else|do|try)\b'
                            r'|\]\s*\(|\[[^\]]*\]\s*\{|\bconnect\(')
ACCESS = re.compile(r'^\s*(public|private|protected):')

def signature_start(lines, body):
    start = body
    while start > 0:
        above = lines[start - 1]
        if (not above.strip() or re.search(r'[;{}]\s*$', above)
                or above.lstrip().startswith('#') or ACCESS.match(above)):
            break
        start -= 1
    return start

def closing_line(lines, body):
    depth = 0
    for end in range(body, len(lines)):
        depth += lines[end].count('{') - lines[end].count('}')
        if depth <= 0:
            return end
    return len(lines) - 1

def offenders(path):
    text = open(path, encoding='utf-8').read()
    raw = text.split('\n')
    if len(raw) - 1 > FILE_LIMIT:
        yield f'{path}: {len(raw) - 1} lines (at most {FILE_LIMIT})'
    lines = blanked(text).split('\n')
    index = 0
    while index < len(lines):
        if BODY.search(lines[index]) and not NOT_A_FUNCTION.search(lines[index]):
            start = signature_start(lines, index)
            if not NOT_A_FUNCTION.search(lines[start]):
                end = closing_line(lines, index)
                length = end - start + 1
                if length > FUNCTION_LIMIT:
                    yield (f'{path}:{start + 1}: function of {length} lines (at most '
                           f'{FUNCTION_LIMIT}): {raw[start].strip()[:80]}')
                index = end
        index += 1

found = 0
for root in sys.argv[1:]:
    for folder, _, names in sorted(os.walk(root)):
        for name in sorted(names):
            if name.endswith(('.cpp', '.h')):
                for offender in offenders(os.path.join(folder, name)):
                    print(offender)
                    found += 1
if found:
    print(f'check-size: {found} over the limits', file=sys.stderr)
    sys.exit(1)
print('check-size: every file and function within the limits', file=sys.stderr)
PYTHON
