#!/usr/bin/python3
"""Runs one end-to-end test: a .replay script played by varmio-replay in a fresh sandbox, with
the setup and the checks its "#!" directives ask for (README.md beside this file lists them).

    run_replay.py --bin DIR --source DIR --version-stamp STAMP [--sandbox DIR] TEST.replay

Exit status: 0 passed, 1 failed.
"""

import argparse, difflib, fnmatch, glob, os, re, shutil, stat, subprocess, sys, tempfile, time

ROOT_KEY = "HKEY_LOCAL_MACHINE\\SOFTWARE\\VARMIO"
RUN_TIMEOUT = 60
PYTHON = "/usr/bin/python3"  # Debian's, which carries pyftpdlib and aiosmtpd
ARITY = {  # directive: (least, most) words after it; None is unbounded
    "args": (0, None), "options": (0, None), "no-install": (0, 0), "version": (1, 1),
    "unset": (1, 1), "folder": (1, 1), "file": (2, 2), "reg-set": (3, 3), "exit": (1, 1),
    "stdout": (1, 1), "not-stdout": (1, 1), "stderr": (1, 1), "expect-file": (2, 2),
    "expect-file-from": (2, 2), "expect-exists": (1, 1), "expect-absent": (1, 1),
    "expect-reg": (3, 3), "expect-reg-absent": (2, 2), "run": (1, 1), "ftp-server": (1, 1),
    "smtp-server": (1, 1), "expect-file-like": (2, 2), "prepare": (1, 1), "cwd": (1, 1),
    "expect-unchanged": (1, None)}
ESCAPES = {'"': '"', "\\": "\\", "n": "\n", "r": "\r", "t": "\t"}
# A quoted word, a bare word, or an unterminated quote (an error).
WORD = re.compile(r'"((?:[^"\\]|\\.)*)"|([^ \t"][^ \t]*)|(")')


class TestError(Exception):
    """A mistake in the test file itself."""


def unescape(match):
    """One escape of a quoted word; \\xHH is the byte HH itself (above 127 a surrogate escape,
    which becomes that very byte in a file or on a command line)."""
    text = match.group(0)
    if text[1] == "x" and len(text) == 4:
        value = int(text[2:], 16)
        return chr(value) if value < 0x80 else chr(0xDC00 + value)
    if text[1] not in ESCAPES:
        raise TestError("unknown escape " + text)
    return ESCAPES[text[1]]


def split_words(line):
    """Splits as varmio-replay does: blanks separate, double quotes group, with escapes."""
    words, i = [], 0
    while True:
        while i < len(line) and line[i] in " \t":
            i += 1
        if i == len(line):
            return words
        match = WORD.match(line, i)
        if match.group(3):
            raise TestError("unterminated quoted word")
        if match.group(2) is not None:
            words.append(match.group(2))
        else:
            words.append(re.sub(r"\\x[0-9A-Fa-f]{2}|\\.", unescape, match.group(1)))
        i = match.end()


def read_test(path):
    """The script lines and the variants, each a (name, [(line, word, arguments)])."""
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    common, variants, in_block = [], [], False
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
            if any(name == rest[0] for name, _ in variants):
                raise TestError("line %d: a second variant %s" % (number, rest[0]))
            variants.append((rest[0], []))
            in_block = True
        else:
            (variants[-1][1] if in_block else common).append((number, word, rest))
    return lines, [(name, common + own) for name, own in variants or [("", [])]]


def script_for(lines, name, known):
    """The script for one variant: "@NAME" lines of other variants become blank, so that the
    line numbers in varmio-replay's messages still match the test file."""
    out = []
    for number, line in enumerate(lines, 1):
        match = re.match(r"\s*@([A-Za-z0-9_,-]+)\s(.*)$", line)
        if match:
            names = match.group(1).split(",")
            unknown = [n for n in names if n not in known]
            if unknown:
                raise TestError("line %d: no variant %s" % (number, unknown[0]))
            line = match.group(2) if name in names else ""
        out.append(line)
    return "\n".join(out)


class Sandbox:
    def __init__(self, root, options):
        self.root = os.path.abspath(root)
        self.vars = {
            "SANDBOX": self.root, "HOME_DIR": os.path.join(self.root, "home"),
            "WINDIR": os.path.join(self.root, "windows"), "WORK": os.path.join(self.root, "work"),
            "HIVE": os.path.join(self.root, "registry.db"), "SOURCE": options.source,
            "BIN": options.bin, "TEST_DIR": os.path.dirname(options.test),
            "VERSION": options.version_stamp,
        }
        if os.path.exists(self.root):
            shutil.rmtree(self.root)
        for folder in ("HOME_DIR", "WINDIR", "WORK"):
            os.makedirs(self.vars[folder])
        os.makedirs(os.path.join(self.vars["HOME_DIR"], "tmp"))
        os.makedirs(os.path.join(self.root, "user"))
        for name in ("install.reg", "help.htm", "qdrn.sec"):  # as an installation leaves them
            shutil.copy(os.path.join(options.source, "data", name), self.vars["HOME_DIR"])

    def expand(self, text):
        return re.sub(r"\$\{([A-Z_]+)\}|\$([A-Z_]+)", lambda m: self.vars.get(
            m.group(1) or m.group(2), m.group(0)), text)

    def path(self, text):
        return os.path.join(self.vars["WORK"], self.expand(text))  # absolute paths stay

    def environment(self):
        env = {k: v for k, v in os.environ.items()
               if not k.startswith(("VARMIO_", "XDG_")) and k != "WINDIR"}
        user = os.path.join(self.root, "user")
        env.update(VARMIO_HOME=self.vars["HOME_DIR"], VARMIO_HIVE=self.vars["HIVE"],
                   WINDIR=self.vars["WINDIR"], HOME=user,
                   XDG_CONFIG_HOME=os.path.join(user, ".config"),
                   XDG_DATA_HOME=os.path.join(user, ".local", "share"))
        return env


def full_key(key):
    return key if key.upper().startswith("HK") else ROOT_KEY + "\\" + key


def decode(data):
    return data.decode("utf-8", "surrogateescape")


def run_tool(argv, env):
    result = subprocess.run(argv, env=env, capture_output=True, timeout=RUN_TIMEOUT)
    return result.returncode, decode(result.stdout)


def visible(line):
    """The line with its control characters made visible (backslashes stay as they are)."""
    return re.sub(r"[\x00-\x1f]", lambda m: {"\r": "\\r", "\n": "\\n", "\t": "\\t"}.get(
        m.group(0), "\\x%02x" % ord(m.group(0))), line)


def shown(lines):
    return "\n".join("    " + visible(line) for line in lines) or "    (nothing)"


def first_missing(wanted, actual):
    """The first wanted line not found in order, or None."""
    position = 0
    for line in wanted:
        if line not in actual[position:]:
            return line
        position = actual.index(line, position) + 1
    return None


def diff(expected, actual, what):
    return "\n".join(difflib.unified_diff([visible(l) for l in expected],
                                          [visible(l) for l in actual], "expected " + what,
                                          "actual " + what, lineterm=""))


def read_bytes(path):
    try:
        with open(path, "rb") as f:
            return f.read()
    except OSError:
        return None


def matches(path, exists=os.path.exists):
    return glob.glob(path) if glob.has_magic(path) else [path] if exists(path) else []


class Server:
    """One of the test servers of tests/delivery, running for one variant."""

    def __init__(self, box, script, folder, name):
        os.makedirs(folder, exist_ok=True)
        port_file, self.log = (os.path.join(box.root, name + ext) for ext in (".port", ".log"))
        with open(self.log, "wb") as log:
            self.process = subprocess.Popen(
                [PYTHON, os.path.join(box.vars["SOURCE"], "tests", "delivery", script), folder,
                 port_file], stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT)
        deadline = time.time() + 20
        while time.time() < deadline:
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
        for path in (os.path.join(folder, name) for name in folders + files):
            info = os.lstat(path)
            entries[path] = (("link", os.readlink(path)) if stat.S_ISLNK(info.st_mode) else
                             ("file", oct(info.st_mode), info.st_size, read_bytes(path))
                             if stat.S_ISREG(info.st_mode) else ("other", oct(info.st_mode)))
    return entries


class Run:
    """One variant in its own sandbox."""

    def __init__(self, options, name, root, directives):
        self.options, self.name, self.directives = options, name, directives
        self.box = Sandbox(root, options)
        self.env = self.box.environment()
        self.servers = []

    def tool(self, name):
        return os.path.join(self.options.bin, name)

    def last(self, word, default):
        found = [rest for _, w, rest in self.directives if w == word]
        return found[-1] if found else default

    def each(self, *words):
        return [(n, w, rest) for n, w, rest in self.directives if w in words]

    def reg(self, what, key, *words):
        status, out = run_tool([self.tool("varmio-reg"), what, full_key(key), *words], self.env)
        return status, out[:-1]

    def reg_set(self, key, name, data):
        status, out = self.reg("add", key, "/v", name, "/d", data, "/f")
        if status != 0:
            raise TestError("varmio-reg add %s %s failed: %s" % (key, name, out))

    def prepare(self):
        box, env = self.box, self.env
        if not self.each("no-install"):
            status, out = run_tool([self.tool("reginst"), "--hive", box.vars["HIVE"],
                                    os.path.join(self.options.source, "data", "install.reg")],
                                   env)
            if status != 0:
                raise TestError("reginst failed (%d): %s" % (status, out))
        version = self.last("version", [self.options.version_stamp])[0]
        if version != "none":
            self.reg_set("CONFIG", "MG_VERSION", version)
        for number, word, rest in self.directives:  # in order: later ones see earlier ones
            if word == "unset":
                env.pop(rest[0], None)
            elif word == "folder":
                os.makedirs(box.path(rest[0]), exist_ok=True)
            elif word == "file":
                path = box.path(rest[0])
                os.makedirs(os.path.dirname(path), exist_ok=True)
                with open(path, "wb") as f:
                    f.write(box.expand(rest[1]).encode("utf-8", "surrogateescape"))
            elif word == "reg-set":
                self.reg_set(box.expand(rest[0]), rest[1], box.expand(rest[2]))
            elif word == "prepare":
                result = subprocess.run(
                    [PYTHON, os.path.join(box.vars["TEST_DIR"], box.expand(rest[0]))],
                    env=dict(env, **box.vars), cwd=box.vars["WORK"], capture_output=True,
                    text=True)
                if result.returncode != 0:
                    raise TestError("line %d: %s failed: %s" % (number, rest[0], result.stderr))
            elif word in ("ftp-server", "smtp-server"):
                kind = word.split("-")[0]
                self.servers.append(Server(box, kind + "_server.py", box.path(rest[0]), word))
                box.vars[kind.upper() + "_PORT"] = port = self.servers[-1].port
                if kind == "smtp":
                    env["VARMIO_SMTP_URL"] = "smtp://127.0.0.1:" + port

    def play(self, test, script):
        """Runs the wizard; returns the failures."""
        box, failures = self.box, []
        # Taken last, when the sandbox is ready: what the run must not change.
        unchanged = []
        for number, _, rest in self.each("expect-unchanged"):
            top = os.path.normpath(box.path(rest[0]))
            skip = {os.path.normpath(box.path(w)) for w in rest[1:]}
            unchanged.append((number, top, skip, listing(top, skip)))
        script_file = os.path.join(box.root, os.path.basename(test))
        with open(script_file, "w", encoding="utf-8", errors="surrogateescape") as f:
            f.write(box.expand(script))
        # Expanded late: they may name a server's port.
        argv = [self.tool("varmio-replay")] + [box.expand(w) for w in self.last("options", [])] \
            + [script_file] + [box.expand(w) for w in self.last("args", [])]
        try:
            result = subprocess.run(argv, env=self.env, capture_output=True,
                                    timeout=RUN_TIMEOUT, cwd=box.path(self.last("cwd", ["."])[0]))
        except subprocess.TimeoutExpired:
            return ["varmio-replay did not finish within %d s" % RUN_TIMEOUT]
        stdout, stderr = decode(result.stdout).splitlines(), decode(result.stderr).splitlines()

        wanted_status = int(self.last("exit", ["0"])[0])
        if result.returncode != wanted_status:
            failures.append("exit status %d, expected %d" % (result.returncode, wanted_status))
        for word, what, actual in (("stdout", "transcript", stdout),
                                   ("stderr", "standard error", stderr)):
            wanted = [box.expand(rest[0]) for _, _, rest in self.each(word)]
            missing = first_missing(wanted, actual)
            if missing is not None:
                failures.append("%s lacks, in this order:\n%s\n  first missing: %r"
                                % (what, shown(wanted), missing))
        base, name = os.path.splitext(test)[0], self.name
        for out_file in ([base + "." + name + ".out"] if name else []) + [base + ".out"]:
            if os.path.exists(out_file):
                with open(out_file, encoding="utf-8", errors="surrogateescape") as f:
                    expected = box.expand(f.read()).splitlines()
                if expected != stdout:
                    failures.append("transcript differs from %s:\n%s" % (
                        os.path.basename(out_file), diff(expected, stdout, "transcript")))
                break
        for number, top, skip, before in unchanged:
            after = listing(top, skip)
            changed = ["%s: %s" % (path, "gone" if path not in after else "new"
                                   if path not in before else "changed")
                       for path in sorted(set(before) | set(after))
                       if before.get(path) != after.get(path)]
            if changed:
                failures.append("line %d: changed below %s:\n    %s"
                                % (number, top, "\n    ".join(changed)))
        for number, word, rest in self.directives:
            problem = self.check(word, rest, stdout)
            if problem:
                failures.append("line %d: %s" % (number, problem))
        if failures:
            failures.append("command: %s\ntranscript:\n%s\nstandard error:\n%s"
                            % (" ".join(argv), shown(stdout), shown(stderr)))
        return failures

    def check(self, word, rest, stdout):
        """What is wrong with one after-the-run directive, or None."""
        box = self.box
        if word == "not-stdout" and box.expand(rest[0]) in stdout:
            return "the transcript has the line %r" % box.expand(rest[0])
        if word in ("expect-file", "expect-file-from"):
            path = box.path(rest[0])
            if word == "expect-file":
                expected = box.expand(rest[1])
            else:
                source = os.path.join(os.path.dirname(os.path.abspath(__file__)), "expected",
                                      rest[1])
                if read_bytes(source) is None:
                    raise TestError("no expected file " + source)
                expected = box.expand(decode(read_bytes(source)))
            expected, actual = expected.encode("utf-8", "surrogateescape"), read_bytes(path)
            if actual is None:
                return "%s does not exist" % path
            if actual != expected:
                return "%s differs:\n%s" % (path, diff(decode(expected).splitlines(True),
                                                       decode(actual).splitlines(True), path))
        elif word == "expect-file-like":
            path, pattern = box.path(rest[0]), box.expand(rest[1])
            found = sorted(glob.glob(path)) if glob.has_magic(path) else [path]
            problems = ["nothing matches " + path] if not found else []
            for name in found:
                actual = read_bytes(name)
                if actual is None:
                    problems.append("%s does not exist" % name)
                elif not fnmatch.fnmatchcase(decode(actual), pattern):
                    problems.append("%s does not match \"%s\"; it holds:\n%s" % (
                        name, visible(pattern), shown(decode(actual).splitlines(True))))
            return "\n".join(problems) or None
        elif word == "expect-exists" and not matches(box.path(rest[0])):
            return "%s does not exist" % box.path(rest[0])
        elif word == "expect-absent" and matches(box.path(rest[0]), os.path.lexists):
            return "present: " + ", ".join(matches(box.path(rest[0]), os.path.lexists))
        elif word in ("expect-reg", "expect-reg-absent"):
            key = full_key(box.expand(rest[0]))
            status, out = self.reg("get", key, rest[1])
            if word == "expect-reg-absent":
                return "%s\\%s exists: %r" % (key, rest[1], out) if status == 0 else None
            if status != 0:
                return "%s\\%s does not exist" % (key, rest[1])
            if out != box.expand(rest[2]):
                return "%s\\%s is %r, expected %r" % (key, rest[1], out, box.expand(rest[2]))
        return None


def main():
    parser = argparse.ArgumentParser(description="Runs one .replay end-to-end test.")
    parser.add_argument("--bin", required=True, help="folder of the built programs")
    parser.add_argument("--source", required=True, help="the source tree")
    parser.add_argument("--version-stamp", required=True, help="the build's MG_VERSION")
    parser.add_argument("--sandbox", help="where to run (default: a new temporary folder)")
    parser.add_argument("test")
    options = parser.parse_args()
    for name in ("test", "bin", "source"):  # the wizard runs in $WORK
        setattr(options, name, os.path.abspath(getattr(options, name)))
    test = options.test
    sandbox = options.sandbox or tempfile.mkdtemp(prefix="varmio-e2e-")
    failed = False
    try:
        lines, variants = read_test(test)
        names = {name for name, _ in variants}
        for name, directives in variants:
            label = name or os.path.basename(test)
            run = Run(options, name, os.path.join(sandbox, name) if name else sandbox,
                      directives)
            try:
                run.prepare()
                failures = run.play(test, script_for(lines, name, names))
            finally:
                for server in run.servers:
                    server.stop()
            failed = failed or bool(failures)
            print("FAIL [%s]\n%s" % (label, "\n".join(failures)) if failures else "ok [%s]" % label)
    except TestError as e:
        print("%s: %s" % (os.path.basename(test), e))
        return 1
    if failed:
        return 1
    if not options.sandbox:
        shutil.rmtree(sandbox, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
