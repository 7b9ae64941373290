# Writes a source of a thousand functions, each adding its own number to a
# global int, and a main that calls them all and returns the total (about
# 230 KB of assembly text).
COUNT = 1000

print("int total;")
for k in range(COUNT):
    print("void add%d()\n{\n    total = total + %d;\n}" % (k, k))
print("int main()\n{")
for k in range(COUNT):
    print("    add%d();" % k)
print("    return total;\n}")
