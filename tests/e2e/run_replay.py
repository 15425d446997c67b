#!/usr/bin/python3
"""Runs one end-to-end test of the wizard: a .replay script played by varmio-replay in a fresh
sandbox, with the setup and the checks that its "#!" lines ask for.

    run_replay.py --bin DIR --source DIR --version-stamp STAMP [--sandbox DIR] TEST.replay

Exit status: 0 passed, 1 failed, 77 a known failure (the test is marked expect-fail; CTest shows
it as skipped).

Sandbox (one per run, emptied first; kept afterwards for a look, except a passing test's
temporary one):
    $HOME_DIR  the program folder (VARMIO_HOME), with tmp/ and the installation's data files
    $WINDIR    the Windows folder (WINDIR), where varmiocv.ini is read
    $WORK      scratch space for a test's own files; relative paths in directives lie here
    $HIVE      the settings store (VARMIO_HIVE); data/install.reg is imported with reginst and
               CONFIG MG_VERSION is set to the build's version stamp, so start-up does not ask
               for the registry installer
    $SANDBOX, $SOURCE (source tree), $BIN (built programs), $TEST_DIR (the test's folder),
    $VERSION (the build's version stamp)
HOME and the XDG folders point into the sandbox as well. $NAME and ${NAME} expand to these in
directives, in the script, and in expected transcripts and files; any other "$" stays as written.

Directives: lines starting with "#!", words split as in scripts (double quotes with the escapes
\\" \\\\ \\n \\r \\t), plus \\xHH in directives only: the single byte HH (hexadecimal), so
"\\xFE" stores byte 0xFE itself in a setting or a file, not its UTF-8 form. KEY is a registry key,
relative to HKEY_LOCAL_MACHINE\\SOFTWARE\\VARMIO unless it starts with "HK" (so "CONFIG" works).

  Before the run
    #! args WORD ...             the wizard's command line (joined by single blanks)
    #! options OPTION ...        varmio-replay options: --nt, --seed N, --exec
    #! no-install                leave the settings store empty
    #! version STAMP | none      CONFIG MG_VERSION to preset (default: the build's stamp)
    #! env NAME "VALUE"          set an environment variable for the run
    #! unset NAME                remove one
    #! folder PATH               create a folder
    #! file PATH "CONTENT"       create a file with exactly these bytes (UTF-8, \\xHH raw)
    #! reg-set KEY NAME "DATA"   store a value
    #! reg-delete KEY [NAME]     delete a value, or the key
    #! ftp-server FOLDER         run the test FTP server (tests/delivery/ftp_server.py: user
                                 "guest", password "secret") on FOLDER, made when missing;
                                 $FTP_PORT is its port in every later directive, the script and
                                 the expected files
    #! prepare SCRIPT            run the Python SCRIPT (relative paths lie in the test's folder)
                                 in $WORK, with the sandbox variables in its environment, for
                                 what directives cannot make (links, long or binary lines)
    #! cwd PATH                  the wizard's current folder (default $WORK)
    #! smtp-server FOLDER        run the test SMTP server, which writes each message to FOLDER
                                 as N.eml with N.env beside it; $SMTP_PORT is its port, and
                                 VARMIO_SMTP_URL is smtp://127.0.0.1:$SMTP_PORT for the run.
                                 Servers are stopped when the run ends, whatever its outcome.
  After the run
    #! exit N                    expected exit status (default 0)
    #! stdout "LINE"             the transcript has these lines, in the order given
    #! not-stdout "LINE"         the transcript has no such line
    #! stderr "LINE"             standard error has these lines, in the order given
    #! expect-file PATH "CONTENT"      the file holds exactly these bytes
    #! expect-file-from PATH NAME      ... exactly the bytes of tests/e2e/expected/NAME
    #! expect-file-like PATH "PATTERN" the file's whole content matches PATTERN, a glob pattern
                                 ("*" any characters, line breaks too; "?" one; "[a-u]" one of a
                                 set; "[[]" a "["); with a glob PATH every match must, and
                                 something must match
    #! expect-exists PATH        the file or folder exists (a glob pattern: something matches)
    #! expect-absent PATH        it does not (a glob pattern: nothing matches)
    #! expect-unchanged PATH [EXCEPT ...]  nothing below PATH but the EXCEPT folders changed
                                 during the run: the same entries with the same kinds, modes,
                                 sizes, contents and link targets
    #! expect-reg KEY NAME "DATA"      the stored value is DATA (varmio-reg get)
    #! expect-reg-absent KEY NAME      there is no such value
    #! expect-fail "REASON"      known to fail for REASON (a fault of the wizard, not the test);
                                 passing then counts as a failure, so the mark gets removed
  Variants
    #! run NAME                  starts a variant: the "#!" lines right after it, up to the first
                                 other line, belong to it alone; every other directive belongs to
                                 every variant. Each variant is one run in its own sandbox.
                                 Script lines written "@NAME action" or "@NAME,OTHER action" are
                                 played only in those variants.

A file TEST.out (or TEST.VARIANT.out) beside the test is the whole expected transcript.
"""

import argparse
import difflib
import fnmatch
import glob
import os
import re
import shutil
import stat
import subprocess
import sys
import tempfile
import time

KNOWN_FAILURE = 77
ROOT_KEY = "HKEY_LOCAL_MACHINE\\SOFTWARE\\VARMIO"
RUN_TIMEOUT = 60

ARITY = {  # directive: (least, most) words after it; None is unbounded
    "args": (0, None), "options": (0, None), "no-install": (0, 0), "version": (1, 1),
    "env": (2, 2), "unset": (1, 1), "folder": (1, 1), "file": (2, 2), "reg-set": (3, 3),
    "reg-delete": (1, 2), "exit": (1, 1), "stdout": (1, 1), "not-stdout": (1, 1),
    "stderr": (1, 1), "expect-file": (2, 2), "expect-file-from": (2, 2),
    "expect-exists": (1, 1), "expect-absent": (1, 1), "expect-reg": (3, 3),
    "expect-reg-absent": (2, 2), "expect-fail": (1, 1), "run": (1, 1),
    "ftp-server": (1, 1), "smtp-server": (1, 1), "expect-file-like": (2, 2),
    "prepare": (1, 1), "cwd": (1, 1), "expect-unchanged": (1, None),
}
ESCAPES = {'"': '"', "\\": "\\", "n": "\n", "r": "\r", "t": "\t"}
PYTHON = "/usr/bin/python3"  # Debian's, which carries pyftpdlib and aiosmtpd
SERVER_START_TIMEOUT = 20


class TestError(Exception):
    """A mistake in the test file itself."""


def split_words(line):
    """Splits a line as varmio-replay does: blanks separate, double quotes group, with escapes."""
    words, i, n = [], 0, len(line)
    while True:
        while i < n and line[i] in " \t":
            i += 1
        if i == n:
            return words
        if line[i] == '"':
            i += 1
            text = []
            while True:
                if i >= n:
                    raise TestError("unterminated quoted word")
                c = line[i]
                i += 1
                if c == '"':
                    break
                if c == "\\":
                    if i < n and line[i] == "x" and re.fullmatch(r"[0-9A-Fa-f]{2}",
                                                                   line[i + 1:i + 3]):
                        c = byte_char(int(line[i + 1:i + 3], 16))
                        i += 3
                        text.append(c)
                        continue
                    if i >= n or line[i] not in ESCAPES:
                        raise TestError("unknown escape in " + line)
                    c = ESCAPES[line[i]]
                    i += 1
                text.append(c)
            words.append("".join(text))
        else:
            start = i
            while i < n and line[i] not in " \t":
                i += 1
            words.append(line[start:i])


def byte_char(value):
    """The character that stands for one byte: above 127 a surrogate escape, which becomes that
    very byte when written to a file or passed on a command line."""
    return chr(value) if value < 0x80 else chr(0xDC00 + value)


class Variant:
    def __init__(self, name):
        self.name = name
        self.directives = []  # (line number, word, [arguments])


def read_test(path):
    """Returns the script lines and the variants with their directives."""
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    common, variants = [], []
    in_block = False
    for number, line in enumerate(lines, 1):
        if not line.startswith("#!"):
            in_block = False
            continue
        try:
            words = split_words(line[2:])
        except TestError as e:
            raise TestError("line %d: %s" % (number, e))
        if not words:
            continue
        word, rest = words[0], words[1:]
        if word not in ARITY:
            raise TestError("line %d: unknown directive %s" % (number, word))
        least, most = ARITY[word]
        if len(rest) < least or (most is not None and len(rest) > most):
            raise TestError("line %d: wrong number of words for %s" % (number, word))
        if word == "run":
            if not re.fullmatch(r"[A-Za-z0-9_-]+", rest[0]):
                raise TestError("line %d: variant names are letters, digits, _ and -" % number)
            if any(v.name == rest[0] for v in variants):
                raise TestError("line %d: a second variant %s" % (number, rest[0]))
            variants.append(Variant(rest[0]))
            in_block = True
        elif in_block:
            variants[-1].directives.append((number, word, rest))
        else:
            common.append((number, word, rest))
    if not variants:
        variants = [Variant("")]
    for v in variants:
        v.directives = common + v.directives
    return lines, variants


def script_for(lines, variant, variants):
    """The script as varmio-replay gets it: "@NAME" lines of other variants become blank, so the
    line numbers in its messages still match the test file."""
    known = {v.name for v in variants}
    out = []
    for number, line in enumerate(lines, 1):
        match = re.match(r"\s*@([A-Za-z0-9_,-]+)\s(.*)$", line)
        if match:
            names = match.group(1).split(",")
            for name in names:
                if name not in known:
                    raise TestError("line %d: no variant %s" % (number, name))
            line = match.group(2) if variant.name in names else ""
        out.append(line)
    return "\n".join(out)


class Sandbox:
    def __init__(self, root, options):
        self.root = os.path.abspath(root)
        self.vars = {
            "SANDBOX": self.root,
            "HOME_DIR": os.path.join(self.root, "home"),
            "WINDIR": os.path.join(self.root, "windows"),
            "WORK": os.path.join(self.root, "work"),
            "HIVE": os.path.join(self.root, "registry.db"),
            "SOURCE": os.path.abspath(options.source),
            "BIN": os.path.abspath(options.bin),
            "TEST_DIR": os.path.dirname(os.path.abspath(options.test)),
            "VERSION": options.version_stamp,
        }

    def create(self, source):
        if os.path.exists(self.root):
            shutil.rmtree(self.root)
        for name in ("HOME_DIR", "WINDIR", "WORK"):
            os.makedirs(self.vars[name])
        os.makedirs(os.path.join(self.vars["HOME_DIR"], "tmp"))
        os.makedirs(os.path.join(self.root, "user"))
        # The program folder as an installation leaves it.
        for name in ("install.reg", "help.htm", "qdrn.sec"):
            shutil.copy(os.path.join(source, "data", name), self.vars["HOME_DIR"])

    def expand(self, text):
        def replace(match):
            name = match.group(1) or match.group(2)
            return self.vars.get(name, match.group(0))
        return re.sub(r"\$\{([A-Z_]+)\}|\$([A-Z_]+)", replace, text)

    def path(self, text):
        path = self.expand(text)
        return path if os.path.isabs(path) else os.path.join(self.vars["WORK"], path)

    def environment(self):
        env = {k: v for k, v in os.environ.items()
               if not k.startswith("VARMIO_") and not k.startswith("XDG_") and k != "WINDIR"}
        user = os.path.join(self.root, "user")
        env.update({
            "VARMIO_HOME": self.vars["HOME_DIR"],
            "VARMIO_HIVE": self.vars["HIVE"],
            "WINDIR": self.vars["WINDIR"],
            "HOME": user,
            "XDG_CONFIG_HOME": os.path.join(user, ".config"),
            "XDG_DATA_HOME": os.path.join(user, ".local", "share"),
        })
        return env


def full_key(key):
    return key if key.upper().startswith("HK") else ROOT_KEY + "\\" + key


def run_tool(argv, env):
    result = subprocess.run(argv, env=env, capture_output=True, timeout=RUN_TIMEOUT)
    return result.returncode, result.stdout.decode("utf-8", "surrogateescape")


def visible(line):
    """The line with its control characters made visible (backslashes stay as they are)."""
    return re.sub(r"[\x00-\x1f]", lambda m: {"\r": "\\r", "\n": "\\n", "\t": "\\t"}.get(
        m.group(0), "\\x%02x" % ord(m.group(0))), line)


def shown(lines):
    return "\n".join("    " + visible(line) for line in lines) or "    (nothing)"


def in_order(wanted, actual):
    """The first wanted line not found in order, or None."""
    position = 0
    for line in wanted:
        try:
            position = actual.index(line, position) + 1
        except ValueError:
            return line
    return None


def diff(expected, actual, what):
    lines = difflib.unified_diff([visible(l) for l in expected], [visible(l) for l in actual],
                                 "expected " + what, "actual " + what, lineterm="")
    return "\n".join(lines)


def file_diff(expected, actual, what):
    if actual is None:
        return "%s does not exist" % what
    return "%s differs:\n%s" % (what, diff(expected.decode("utf-8", "surrogateescape")
                                           .splitlines(True),
                                           actual.decode("utf-8", "surrogateescape")
                                           .splitlines(True), what))


def read_bytes(path):
    try:
        with open(path, "rb") as f:
            return f.read()
    except OSError:
        return None


class Server:
    """One of the test servers of tests/delivery, running for one variant."""

    def __init__(self, box, script, folder, name):
        os.makedirs(folder, exist_ok=True)
        port_file = os.path.join(box.root, name + ".port")
        self.log = os.path.join(box.root, name + ".log")
        with open(self.log, "wb") as log:
            self.process = subprocess.Popen(
                [PYTHON, os.path.join(box.vars["SOURCE"], "tests", "delivery", script), folder,
                 port_file], stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT)
        for _ in range(SERVER_START_TIMEOUT * 50):
            if os.path.exists(port_file):
                with open(port_file) as f:
                    self.port = f.read().strip()
                return
            if self.process.poll() is not None:
                break
            time.sleep(0.02)
        self.stop()
        raise TestError("%s did not start (see %s)" % (script, self.log))

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()


def listing(top, skip):
    """Every entry below `top`, except the `skip` folders, with what a change would alter."""
    entries = {}
    for folder, folders, files in os.walk(top):
        folders[:] = [name for name in folders if os.path.join(folder, name) not in skip]
        for name in folders + files:
            path = os.path.join(folder, name)
            info = os.lstat(path)
            if stat.S_ISLNK(info.st_mode):
                entries[path] = ("link", os.readlink(path))
            elif stat.S_ISREG(info.st_mode):
                entries[path] = ("file", oct(info.st_mode), info.st_size, read_bytes(path))
            else:
                entries[path] = ("other", oct(info.st_mode))
    return entries


def changes(before, after):
    return ["%s: %s" % (path, "gone" if path not in after else "new" if path not in before
                        else "changed") for path in sorted(set(before) | set(after))
            if before.get(path) != after.get(path)]


def run_variant(options, test, lines, variants, variant, sandbox_root):
    """Runs one variant; returns (failures, expected to fail for)."""
    servers = []
    try:
        return play_variant(options, test, lines, variants, variant, sandbox_root, servers)
    finally:
        for server in servers:
            server.stop()


def play_variant(options, test, lines, variants, variant, sandbox_root, servers):
    box = Sandbox(sandbox_root, options)
    box.create(options.source)
    env = box.environment()
    tool = lambda name: os.path.join(options.bin, name)
    failures = []

    settings = {"args": [], "options": [], "install": True, "version": options.version_stamp,
                "exit": 0, "expect_fail": None}
    for _, word, rest in variant.directives:
        if word == "args":
            settings["args"] = rest
        elif word == "options":
            settings["options"] = rest
        elif word == "no-install":
            settings["install"] = False
        elif word == "version":
            settings["version"] = None if rest[0] == "none" else rest[0]
        elif word == "exit":
            settings["exit"] = int(rest[0])
        elif word == "expect-fail":
            settings["expect_fail"] = rest[0]

    # The settings store first: later directives may change what it holds.
    if settings["install"]:
        status, out = run_tool([tool("reginst"), "--hive", box.vars["HIVE"],
                                os.path.join(options.source, "data", "install.reg")], env)
        if status != 0:
            raise TestError("reginst failed (%d): %s" % (status, out))
    if settings["version"] is not None:
        reg_set(tool, env, "CONFIG", "MG_VERSION", settings["version"])

    for number, word, rest in variant.directives:
        if word == "env":
            env[rest[0]] = box.expand(rest[1])
        elif word == "unset":
            env.pop(rest[0], None)
        elif word == "folder":
            os.makedirs(box.path(rest[0]), exist_ok=True)
        elif word == "file":
            path = box.path(rest[0])
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "wb") as f:
                f.write(box.expand(rest[1]).encode("utf-8", "surrogateescape"))
        elif word == "reg-set":
            reg_set(tool, env, box.expand(rest[0]), rest[1], box.expand(rest[2]))
        elif word == "reg-delete":
            argv = [tool("varmio-reg"), "delete", full_key(box.expand(rest[0]))]
            if len(rest) == 2:
                argv += ["/v", rest[1]]
            status, out = run_tool(argv + ["/f"], env)
            if status != 0:
                raise TestError("line %d: varmio-reg delete failed: %s" % (number, out))
        elif word == "prepare":
            script = os.path.join(box.vars["TEST_DIR"], box.expand(rest[0]))
            result = subprocess.run([PYTHON, script], env=dict(env, **box.vars),
                                    cwd=box.vars["WORK"], capture_output=True, text=True)
            if result.returncode != 0:
                raise TestError("line %d: %s failed: %s" % (number, rest[0], result.stderr))
        elif word == "ftp-server":
            servers.append(Server(box, "ftp_server.py", box.path(rest[0]), "ftp-server"))
            box.vars["FTP_PORT"] = servers[-1].port
        elif word == "smtp-server":
            servers.append(Server(box, "smtp_server.py", box.path(rest[0]), "smtp-server"))
            box.vars["SMTP_PORT"] = servers[-1].port
            env["VARMIO_SMTP_URL"] = "smtp://127.0.0.1:" + servers[-1].port

    # Taken last, when the sandbox is ready: what the run must not change.
    unchanged = []
    for number, word, rest in variant.directives:
        if word == "expect-unchanged":
            top = os.path.normpath(box.path(rest[0]))
            skip = {os.path.normpath(box.path(w)) for w in rest[1:]}
            unchanged.append((number, top, skip, listing(top, skip)))
    cwd = box.vars["WORK"]
    for _, word, rest in variant.directives:
        if word == "cwd":
            cwd = box.path(rest[0])

    script = os.path.join(box.root, os.path.basename(test))
    with open(script, "w", encoding="utf-8", errors="surrogateescape") as f:
        f.write(box.expand(script_for(lines, variant, variants)))
    argv = [tool("varmio-replay")] + [box.expand(w) for w in settings["options"]] + [script] + \
        [box.expand(w) for w in settings["args"]]  # expanded late: they may name a server's port
    try:
        result = subprocess.run(argv, env=env, capture_output=True, timeout=RUN_TIMEOUT,
                                cwd=cwd)
    except subprocess.TimeoutExpired:
        return ["varmio-replay did not finish within %d s" % RUN_TIMEOUT], settings["expect_fail"]
    stdout = result.stdout.decode("utf-8", "surrogateescape").splitlines()
    stderr = result.stderr.decode("utf-8", "surrogateescape").splitlines()

    if result.returncode != settings["exit"]:
        failures.append("exit status %d, expected %d" % (result.returncode, settings["exit"]))
    stdout_wanted = [box.expand(rest[0]) for _, w, rest in variant.directives if w == "stdout"]
    missing = in_order(stdout_wanted, stdout)
    if missing is not None:
        failures.append("transcript lacks, in this order:\n%s\n  first missing: %r"
                        % (shown(stdout_wanted), missing))
    stderr_wanted = [box.expand(rest[0]) for _, w, rest in variant.directives if w == "stderr"]
    missing = in_order(stderr_wanted, stderr)
    if missing is not None:
        failures.append("standard error lacks, in this order:\n%s\n  first missing: %r"
                        % (shown(stderr_wanted), missing))

    base = os.path.splitext(test)[0]
    for out_file in ([base + "." + variant.name + ".out"] if variant.name else []) + \
            [base + ".out"]:
        if os.path.exists(out_file):
            with open(out_file, encoding="utf-8", errors="surrogateescape") as f:
                expected = box.expand(f.read()).splitlines()
            if expected != stdout:
                failures.append("transcript differs from %s:\n%s"
                                % (os.path.basename(out_file), diff(expected, stdout, "transcript")))
            break

    for number, top, skip, before in unchanged:
        changed = changes(before, listing(top, skip))
        if changed:
            failures.append("line %d: changed below %s:\n    %s" % (number, top,
                                                                   "\n    ".join(changed)))

    for number, word, rest in variant.directives:
        where = "line %d: " % number
        if word == "not-stdout" and box.expand(rest[0]) in stdout:
            failures.append(where + "the transcript has the line %r" % box.expand(rest[0]))
        elif word in ("expect-file", "expect-file-from"):
            path = box.path(rest[0])
            if word == "expect-file":
                expected = box.expand(rest[1]).encode("utf-8", "surrogateescape")
            else:
                source = os.path.join(os.path.dirname(os.path.abspath(__file__)), "expected",
                                      rest[1])
                raw = read_bytes(source)
                if raw is None:
                    raise TestError(where + "no expected file " + source)
                expected = box.expand(raw.decode("utf-8", "surrogateescape")) \
                    .encode("utf-8", "surrogateescape")
            actual = read_bytes(path)
            if actual != expected:
                failures.append(where + file_diff(expected, actual, path))
        elif word == "expect-file-like":
            path = box.path(rest[0])
            found = sorted(glob.glob(path)) if glob.has_magic(path) else [path]
            pattern = box.expand(rest[1])
            for name in found:
                actual = read_bytes(name)
                if actual is None:
                    failures.append(where + "%s does not exist" % name)
                elif not fnmatch.fnmatchcase(actual.decode("utf-8", "surrogateescape"), pattern):
                    failures.append(where + "%s does not match \"%s\"; it holds:\n%s" % (
                        name, visible(pattern),
                        shown(actual.decode("utf-8", "surrogateescape").splitlines(True))))
            if not found:
                failures.append(where + "nothing matches " + path)
        elif word == "expect-exists":
            path = box.path(rest[0])
            if not (glob.glob(path) if glob.has_magic(path) else os.path.exists(path)):
                failures.append(where + "%s does not exist" % path)
        elif word == "expect-absent":
            path = box.path(rest[0])
            found = glob.glob(path) if glob.has_magic(path) else \
                ([path] if os.path.lexists(path) else [])
            if found:
                failures.append(where + "present: " + ", ".join(found))
        elif word in ("expect-reg", "expect-reg-absent"):
            key = full_key(box.expand(rest[0]))
            status, out = run_tool([tool("varmio-reg"), "get", key, rest[1]], env)
            if word == "expect-reg-absent":
                if status == 0:
                    failures.append(where + "%s\\%s exists: %r" % (key, rest[1], out[:-1]))
            else:
                wanted = box.expand(rest[2])
                if status != 0:
                    failures.append(where + "%s\\%s does not exist" % (key, rest[1]))
                elif out[:-1] != wanted:
                    failures.append(where + "%s\\%s is %r, expected %r"
                                    % (key, rest[1], out[:-1], wanted))

    if failures:
        failures.append("command: %s\ntranscript:\n%s\nstandard error:\n%s"
                        % (" ".join(argv), shown(stdout), shown(stderr)))
    return failures, settings["expect_fail"]


def reg_set(tool, env, key, name, data):
    status, out = run_tool([tool("varmio-reg"), "add", full_key(key), "/v", name, "/d", data,
                            "/f"], env)
    if status != 0:
        raise TestError("varmio-reg add %s %s failed: %s" % (key, name, out))


def main():
    parser = argparse.ArgumentParser(description="Runs one .replay end-to-end test.")
    parser.add_argument("--bin", required=True, help="folder of the built programs")
    parser.add_argument("--source", required=True, help="the source tree")
    parser.add_argument("--version-stamp", required=True, help="the build's MG_VERSION")
    parser.add_argument("--sandbox", help="where to run (default: a new temporary folder)")
    parser.add_argument("test")
    options = parser.parse_args()

    test = os.path.abspath(options.test)
    options.test = test
    options.bin = os.path.abspath(options.bin)  # the wizard runs in $WORK
    sandbox = options.sandbox or tempfile.mkdtemp(prefix="varmio-e2e-")
    try:
        lines, variants = read_test(test)
        known, passed_anyway, failed = [], [], False
        for variant in variants:
            label = variant.name or os.path.basename(test)
            root = os.path.join(sandbox, variant.name) if variant.name else sandbox
            failures, expect_fail = run_variant(options, test, lines, variants, variant, root)
            if failures and expect_fail:
                known.append(label)
                print("KNOWN FAILURE [%s]: %s" % (label, expect_fail))
                print("\n".join(failures))
            elif failures:
                failed = True
                print("FAIL [%s]" % label)
                print("\n".join(failures))
            elif expect_fail:
                passed_anyway.append(label)
                print("FAIL [%s]: passes although marked expect-fail (%s); remove the mark"
                      % (label, expect_fail))
            else:
                print("ok [%s]" % label)
    except TestError as e:
        print("%s: %s" % (os.path.basename(test), e))
        return 1
    if failed or passed_anyway:
        return 1
    if not options.sandbox:
        shutil.rmtree(sandbox, ignore_errors=True)
    return KNOWN_FAILURE if known else 0


if __name__ == "__main__":
    sys.exit(main())
