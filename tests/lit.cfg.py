# lit configuration: every *.c file under tests/ is a test whose RUN lines
# drive the compiler; tests/unit runs the GoogleTest binary case by case.
import os
import lit.formats

config.name = 'Quarn'
config.test_format = lit.formats.ShTest(execute_external=False)
config.suffixes = ['.c', '.test']
config.test_source_root = os.path.dirname(__file__)
build_dir = lit_config.params.get('build_dir', os.path.join(config.test_source_root, '..', 'build-test'))
build_dir = os.path.abspath(build_dir)
config.test_exec_root = os.path.join(build_dir, 'lit')
config.excludes = ['Inputs', 'lit.cfg.py', 'tools-lit']

tools = os.path.join(config.test_source_root, 'tools-lit')
llvm_bin = '/usr/lib/llvm-14/bin'
repo = os.path.abspath(os.path.join(config.test_source_root, '..'))

config.environment['PATH'] = os.pathsep.join([llvm_bin, tools, build_dir, os.environ.get('PATH', '')])
config.environment['QUARN_BUILD_DIR'] = build_dir
# A sanitizer report must fail whatever the test expects: no compiler
# diagnostic uses status 99.
config.environment['ASAN_OPTIONS'] = 'exitcode=99:abort_on_error=0:detect_leaks=1'
config.environment['UBSAN_OPTIONS'] = 'halt_on_error=1:exitcode=99:print_stacktrace=1'

config.substitutions.append(('%quarn', os.path.join(tools, 'quarn-rel') + ' ' + os.path.join(build_dir, 'quarn')))
config.substitutions.append(('%check', 'FileCheck --strict-whitespace --match-full-lines'))
config.substitutions.append(('%status', os.path.join(tools, 'expect-status')))
# Every program run on the simulator runs twice: as compiled and as quarn-opt
# optimizes it; the run fails (status 9) when the two disagree. The figures
# printed are those of the program as compiled.
config.substitutions.append(('%run', os.path.join(tools, 'run-both')))
config.substitutions.append(('%repo', repo))
config.substitutions.append(('%build', build_dir))
