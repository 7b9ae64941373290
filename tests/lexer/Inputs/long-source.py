# Writes a source of about 200 KB: declarations of v1 to v12, each 1234 << 2,
# padded with lines of blanks so that the name, the number or the operator of
# each starts 1 to 4 bytes before a multiple of 16384 (each combination
# once), then a second declaration of v1 on line 3073.
STEP = 16384
text = ''
for j in range(12):
    declaration = 'int v%d = 1234 << 2;\n' % (j + 1)
    token = ('v%d' % (j + 1), '1234', '<<')[j % 3]
    padding = STEP * (j + 1) - (j // 3 + 1) - declaration.index(token) - len(text)
    text += (' ' * 63 + '\n') * (padding // 64) + ' ' * (padding % 64) + declaration
    assert text.index(token, len(text) - len(declaration)) == STEP * (j + 1) - (j // 3 + 1)
text += 'int v1;\n'
assert text.count('\n') == 3073
print(text, end='')
