# Compiles each source given after "--" with the command before it and prints
# its name, the exit status and each line of standard error, on one line.
import os, subprocess, sys

cut = sys.argv.index('--')
for source in sys.argv[cut + 1:]:
    run = subprocess.run(sys.argv[1:cut] + [source, source + '.asm'], stdout=subprocess.DEVNULL,
                         stderr=subprocess.PIPE, timeout=20)
    errors = run.stderr.decode(errors='replace').splitlines()
    print(' | '.join(['%s: %s' % (os.path.basename(source), run.returncode)] + errors))
