"""What every benchmark section shares: where the tools are, running a
command for its CPU time and peak memory, counting its instructions under
callgrind, and printing Markdown tables."""
import os
import re
import shutil
import subprocess
import sys

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BENCH = os.path.join(REPO, 'bench')

# The peer compiler and its tools (Debian package cc65), and valgrind.
PEER_TOOLS = ('cc65', 'cl65', 'ca65', 'ld65', 'sim65')
# Wall-clock bound of any one command: a hung tool must not hang the run.
COMMAND_TIMEOUT_SECONDS = 300


class Setup:
    """Paths of one run: the compiler under test, the scratch folder and the
    measuring launcher built into it."""

    def __init__(self, build_dir, work_dir):
        self.build_dir = os.path.abspath(build_dir)
        self.work_dir = os.path.abspath(work_dir)
        self.quarn = os.path.join(self.build_dir, 'quarn')
        self.measure = os.path.join(self.work_dir, 'measure')


def fail(message):
    sys.stderr.write('bench: %s\n' % message)
    sys.exit(1)


def check_tools(setup, sections):
    needed = PEER_TOOLS + ('cc',) + (('valgrind',) if 'throughput' in sections else ())
    for name in needed:
        if shutil.which(name) is None:
            fail('%s not found (make bench installs it)' % name)
    for name in ('quarn', 'quarn-bridge', 'quarn-opt'):
        if not os.access(os.path.join(setup.build_dir, name), os.X_OK):
            fail('%s not found in %s (build the project first)' % (name, setup.build_dir))


def run(command, cwd=None, env=None):
    """Runs command and returns (status, stdout, stderr) as text."""
    try:
        result = subprocess.run(command, cwd=cwd, env=env, stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE, timeout=COMMAND_TIMEOUT_SECONDS)
    except subprocess.TimeoutExpired:
        fail('%s took longer than %d seconds' % (' '.join(command), COMMAND_TIMEOUT_SECONDS))
    except FileNotFoundError:
        return 127, '', '%s: not installed' % command[0]
    return (result.returncode, result.stdout.decode('utf-8', 'replace'),
            result.stderr.decode('utf-8', 'replace'))


def build_launcher(setup):
    os.makedirs(setup.work_dir, exist_ok=True)
    status, _, errors = run(['cc', '-O2', '-Wall', '-Wextra', '-Werror', '-o', setup.measure,
                             os.path.join(BENCH, 'measure.c')])
    if status != 0:
        fail('building the launcher failed:\n' + errors)


class Cost:
    """The cheapest of several runs of one command: CPU seconds (user plus
    system), the largest peak resident size in KB, and the exit status."""

    def __init__(self, status, cpu, peak_kb):
        self.status = status
        self.cpu = cpu
        self.peak_kb = peak_kb


def measure_interleaved(setup, jobs):
    """Runs each command of jobs, (command, cwd, runs), `runs` times through
    the launcher, round by round: each round runs every command that still
    has runs left, one after the other, so that a change in the load of the
    machine falls on all of them alike and the ratios of their times stay
    fair. For each command: CPU time is the minimum (the run least disturbed
    by other work on the machine); the peak is the maximum; every run must
    end with the same status."""
    results = [{'best': None, 'peak': 0, 'status': None} for _ in jobs]
    for round_number in range(max(runs for _, _, runs in jobs)):
        for (command, cwd, runs), result in zip(jobs, results):
            if round_number >= runs:
                continue
            code, output, errors = run([setup.measure, cwd] + command)
            fields = output.split()
            if code != 0 or len(fields) != 4:
                fail('measuring %s failed: %s' % (' '.join(command), errors.strip()))
            this_status, user_us, system_us, peak_kb = (int(field) for field in fields)
            if result['status'] is not None and this_status != result['status']:
                fail('%s ended with status %d, then %d'
                     % (' '.join(command), result['status'], this_status))
            result['status'] = this_status
            cpu = (user_us + system_us) / 1e6
            result['best'] = cpu if result['best'] is None else min(result['best'], cpu)
            result['peak'] = max(result['peak'], peak_kb)
    return [Cost(result['status'], result['best'], result['peak']) for result in results]


def instruction_count(setup, command, cwd):
    """Instructions the command executes, counted by callgrind: the same on
    every run, whatever else the machine is doing."""
    log = os.path.join(setup.work_dir, 'callgrind.log')
    status, _, errors = run(['valgrind', '--tool=callgrind', '--callgrind-out-file=/dev/null',
                             '--log-file=' + log] + command, cwd=cwd)
    with open(log) as f:
        text = f.read()
    match = re.search(r'Collected : (\d+)', text)
    if match is None:
        fail('callgrind gave no count for %s: %s' % (' '.join(command), errors.strip()))
    return int(match.group(1)), status


def machine_facts():
    """Date, processor and load: the figures are only comparable within one
    run on one machine."""
    model = 'unknown'
    try:
        with open('/proc/cpuinfo') as f:
            for line in f:
                if line.startswith('model name'):
                    model = line.split(':', 1)[1].strip()
                    break
    except OSError:
        pass
    _, peer, peer_errors = run(['cc65', '--version'])
    _, valgrind, valgrind_errors = run(['valgrind', '--version'])
    load = ' '.join('%.2f' % value for value in os.getloadavg())
    _, date, _ = run(['date', '-u', '+%Y-%m-%d %H:%M UTC'])
    return [
        ('date', date.strip()),
        ('processor', '%s, %d cores (nproc)' % (model, os.cpu_count() or 0)),
        ('load average at start', load),
        ('peer compiler', (peer + peer_errors).strip().splitlines()[0]),
        ('valgrind', (valgrind + valgrind_errors).strip()),
    ]


def table(header, rows):
    """A Markdown table: the first column left-aligned (names), the others
    right-aligned (figures)."""
    lines = ['| ' + ' | '.join(header) + ' |',
             '|' + '|'.join('---:' if i else '---' for i in range(len(header))) + '|']
    for row in rows:
        lines.append('| ' + ' | '.join(str(cell) for cell in row) + ' |')
    return '\n'.join(lines)


def ratio(numerator, denominator):
    if not numerator or not denominator:
        return '-'
    return '%.1fx' % (numerator / denominator)
