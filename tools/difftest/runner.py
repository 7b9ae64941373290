"""Running one program under cc65 and under Quarn on sim65: what the
differential test and the reducer share."""
import os
import re
import subprocess

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(os.path.dirname(HERE))
QUARN_RUN = os.path.join(REPO, 'tools', 'quarn-run')
# The programs are counted to stay far below this; reaching it is a fault.
CYCLE_LIMIT = 50_000_000
STEP_TIMEOUT_SECONDS = 300


def run(command, cwd=None, env=None):
    try:
        result = subprocess.run(command, cwd=cwd, env=env, stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE, timeout=STEP_TIMEOUT_SECONDS)
    except subprocess.TimeoutExpired:
        return None, '', '%s took longer than %d seconds' % (command[0], STEP_TIMEOUT_SECONDS)
    return (result.returncode, result.stdout.decode('utf-8', 'replace'),
            result.stderr.decode('utf-8', 'replace'))


def run_cc65(work, source, optimise, limit=CYCLE_LIMIT):
    """main's return value as cc65 compiles it, or a failure text."""
    binary = os.path.join(work, 'cc65%s.bin' % ('-O' if optimise else ''))
    command = ['cl65', '-t', 'sim6502', '--signed-chars', '-o', binary]
    if optimise:
        command.append('-O')
    status, out, err = run(command + [os.path.basename(source)], cwd=work)
    if status != 0:
        return None, 'cc65 failed: %s%s' % (out, err)
    status, out, err = run(['sim65', '-x', str(limit), binary], cwd=work)
    if status is None or 'Maximum number of cycles' in err or err.strip():
        return None, 'sim65 (cc65 program) failed: %s' % err.strip()
    return status & 0xFF, None


def run_quarn(work, source, build, mode, limit=CYCLE_LIMIT):
    env = dict(os.environ, QUARN_BUILD_DIR=build)
    status, out, err = run([QUARN_RUN, '--limit', str(limit), source]
                           + mode.split(), env=env)
    found = re.search(r'^result: (\d+)$', out, re.MULTILINE)
    if status != 0 or found is None:
        # Keep the tool's own message, without the banner and notes.
        lines = [line for line in err.splitlines() if 'note:' not in line
                 and 'Compiler' not in line and line.strip()]
        return None, 'status %s: %s' % (status, ' | '.join(lines[-4:]))
    return int(found.group(1)), None


def run_quarn_both(work, source, build, mode, limit=CYCLE_LIMIT):
    """main's return value as compiled, checked against the program as
    quarn-opt optimizes it: (value, failure text, the optimized program
    disagreed)."""
    value, problem = run_quarn(work, source, build, mode, limit)
    if problem is not None:
        return None, problem, False
    optimized, problem = run_quarn(work, source, build, '--opt ' + mode, limit)
    if problem is not None:
        return None, 'optimized: %s' % problem, True
    if optimized != value:
        return None, 'optimized program returned %d, as compiled %d' % (optimized, value), True
    return value, None, False
