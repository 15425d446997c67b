#!/usr/bin/python3
"""Runs one end-to-end test: a .replay script played by varmio-replay in a fresh sandbox, with
the setup and the checks its "#!" directives ask for (README.md beside this file lists them).

    run_replay.py --bin DIR --source DIR --version-stamp STAMP [--sandbox DIR] TEST.replay

Exit status: 0 passed, 1 failed.
"""

import argparse, fnmatch, glob, os, re, shutil, stat, subprocess, sys, tempfile, time

ROOT_KEY = "HKEY_LOCAL_MACHINE\\SOFTWARE\\VARMIO\\"
RUN_TIMEOUT = 60
PYTHON = "/usr/bin/python3"  # Debian's, which carries pyftpdlib and aiosmtpd
DIRECTIVES = set(
    "args options no-install version unset folder file reg-set exit stdout not-stdout stderr "
    "expect-file expect-file-from expect-exists expect-absent expect-reg expect-reg-absent run "
    "ftp-server smtp-server expect-file-like prepare cwd expect-unchanged".split())
ESCAPES = {'"': '"', "\\": "\\", "n": "\n", "r": "\r", "t": "\t"}
# A quoted word, a bare word, or an unterminated quote (an error).
WORD = re.compile(r'"((?:[^"\\]|\\.)*)"|([^ \t"][^ \t]*)|(")')


class TestError(Exception):
    """A mistake in the test file itself."""


def unescape(match):
    """\\xHH is the byte HH itself (above 127 a surrogate escape, which becomes that very byte
    in a file or on a command line)."""
    text = match.group(0)
    if text[1] == "x" and len(text) == 4:
        value = int(text[2:], 16)
        return chr(value) if value < 0x80 else chr(0xDC00 + value)
    if text[1] not in ESCAPES:
        raise TestError("unknown escape " + text)
    return ESCAPES[text[1]]


def split_words(line):
    """Splits as varmio-replay does: blanks separate, double quotes group, with escapes."""
    words = []
    for match in WORD.finditer(line):
        if match.group(3):
            raise TestError("unterminated quoted word")
        words.append(match.group(2) if match.group(2) is not None else
                     re.sub(r"\\x[0-9A-Fa-f]{2}|\\.", unescape, match.group(1)))
    return words


def read_test(path):
    """The script lines and the variants, each a (name, [(line, word, arguments)])."""
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    common, variants, in_block = [], [], False
    for number, line in enumerate(lines, 1):
        in_block = in_block and line.startswith("#!")
        words = split_words(line[2:]) if line.startswith("#!") else []
        if not words:
            continue
        if words[0] not in DIRECTIVES:
            raise TestError("line %d: unknown directive %s" % (number, words[0]))
        if words[0] == "run":
            variants.append((words[1], []))
            in_block = True
        else:
            (variants[-1][1] if in_block else common).append((number, words[0], words[1:]))
    return lines, [(name, common + own) for name, own in variants or [("", [])]]


def script_for(lines, name):
    """The script for one variant: "@NAME" lines of other variants become blank, so that the
    line numbers in varmio-replay's messages still match the test file."""
    out = []
    for line in lines:
        match = re.match(r"\s*@([A-Za-z0-9_,-]+)\s(.*)$", line)
        out.append((match.group(2) if name in match.group(1).split(",") else "") if match else
                   line)
    return "\n".join(out)


def decode(data):
    return data.decode("utf-8", "surrogateescape")


def first_missing(wanted, actual):
    """The first wanted line not found in order, or None."""
    position = 0
    for line in wanted:
        if line not in actual[position:]:
            return line
        position = actual.index(line, position) + 1
    return None


def read_bytes(path):
    try:
        with open(path, "rb") as f:
            return f.read()
    except OSError:
        return None


def matches(path, exists=os.path.exists):
    return glob.glob(path) if glob.has_magic(path) else [path] if exists(path) else []


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


class Server:
    """One of the test servers of tests/delivery, running for one variant."""

    def __init__(self, run, script, folder, name):
        os.makedirs(folder, exist_ok=True)
        port_file, log = (os.path.join(run.root, name + ext) for ext in (".port", ".log"))
        with open(log, "wb") as out:
            self.process = subprocess.Popen(
                [PYTHON, os.path.join(run.options.source, "tests", "delivery", script), folder,
                 port_file], stdin=subprocess.DEVNULL, stdout=out, stderr=subprocess.STDOUT)
        deadline = time.time() + 20
        while time.time() < deadline and self.process.poll() is None:
            if os.path.exists(port_file):
                with open(port_file) as f:
                    self.port = f.read().strip()
                return
            time.sleep(0.02)
        self.stop()
        raise TestError("%s did not start (see %s)" % (script, log))

    def stop(self):
        self.process.terminate()
        try:
            self.process.wait(5)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()


class Run:
    """One variant in its own sandbox: program folder, Windows folder, $WORK, store, home."""

    def __init__(self, options, name, root, directives):
        self.options, self.name, self.directives = options, name, directives
        self.root, self.servers = os.path.abspath(root), []
        join = lambda *parts: os.path.join(self.root, *parts)
        self.vars = {"SANDBOX": self.root, "HOME_DIR": join("home"), "WINDIR": join("windows"),
                     "WORK": join("work"), "HIVE": join("registry.db"), "SOURCE": options.source,
                     "BIN": options.bin, "TEST_DIR": os.path.dirname(options.test),
                     "VERSION": options.version_stamp}
        shutil.rmtree(self.root, ignore_errors=True)
        for folder in (join("windows"), join("work"), join("home", "tmp"), join("user")):
            os.makedirs(folder)
        for name in ("install.reg", "help.htm", "qdrn.sec"):  # as an installation leaves them
            shutil.copy(os.path.join(options.source, "data", name), join("home"))
        self.env = {k: v for k, v in os.environ.items()
                    if not k.startswith(("VARMIO_", "XDG_")) and k != "WINDIR"}
        self.env.update(VARMIO_HOME=join("home"), VARMIO_HIVE=join("registry.db"),
                        WINDIR=join("windows"), HOME=join("user"),
                        XDG_CONFIG_HOME=join("user", ".config"),
                        XDG_DATA_HOME=join("user", ".local", "share"))

    def expand(self, text):
        return re.sub(r"\$([A-Z_]+)", lambda m: self.vars.get(m.group(1), m.group(0)), text)

    def path(self, text):
        return os.path.join(self.vars["WORK"], self.expand(text))  # absolute paths stay

    def tool(self, name, *args, cwd=None):
        """Runs one of the built programs: exit status, standard output."""
        result = subprocess.run([os.path.join(self.options.bin, name), *args], env=self.env,
                                capture_output=True, timeout=RUN_TIMEOUT, cwd=cwd)
        return result.returncode, decode(result.stdout), decode(result.stderr)

    def each(self, word):
        return [rest for _, w, rest in self.directives if w == word]

    def last(self, word, default):
        return (self.each(word) or [default])[-1]

    def reg(self, what, key, *words):
        status, out, _ = self.tool("varmio-reg", what, ROOT_KEY + key, *words)
        if what == "add" and status != 0:
            raise TestError("varmio-reg add %s failed: %s" % (key, out))
        return status, out[:-1]

    def prepare(self):
        if not self.each("no-install"):
            status, out, _ = self.tool("reginst", "--hive", self.vars["HIVE"], os.path.join(
                self.options.source, "data", "install.reg"))
            if status != 0:
                raise TestError("reginst failed (%d): %s" % (status, out))
        version = self.last("version", [self.options.version_stamp])[0]
        if version != "none":
            self.reg("add", "CONFIG", "/v", "MG_VERSION", "/d", version, "/f")
        for number, word, rest in self.directives:  # in order: later ones see earlier ones
            if word == "unset":
                self.env.pop(rest[0], None)
            elif word == "folder":
                os.makedirs(self.path(rest[0]), exist_ok=True)
            elif word == "file":
                os.makedirs(os.path.dirname(self.path(rest[0])), exist_ok=True)
                with open(self.path(rest[0]), "wb") as f:
                    f.write(self.expand(rest[1]).encode("utf-8", "surrogateescape"))
            elif word == "reg-set":
                self.reg("add", self.expand(rest[0]), "/v", rest[1], "/d",
                         self.expand(rest[2]), "/f")
            elif word == "prepare":
                result = subprocess.run(
                    [PYTHON, os.path.join(self.vars["TEST_DIR"], self.expand(rest[0]))],
                    env=dict(self.env, **self.vars), cwd=self.vars["WORK"], capture_output=True,
                    text=True)
                if result.returncode != 0:
                    raise TestError("line %d: %s failed: %s" % (number, rest[0], result.stderr))
            elif word in ("ftp-server", "smtp-server"):
                kind = word.split("-")[0]
                self.servers.append(Server(self, kind + "_server.py", self.path(rest[0]), word))
                self.vars[kind.upper() + "_PORT"] = port = self.servers[-1].port
                if kind == "smtp":
                    self.env["VARMIO_SMTP_URL"] = "smtp://127.0.0.1:" + port

    def play(self, test, script):
        """Runs the wizard; returns the failures."""
        failures, unchanged = [], []
        # Taken last, when the sandbox is ready: what the run must not change.
        for rest in self.each("expect-unchanged"):
            top = os.path.normpath(self.path(rest[0]))
            skip = {os.path.normpath(self.path(w)) for w in rest[1:]}
            unchanged.append((top, skip, listing(top, skip)))
        script_file = os.path.join(self.root, os.path.basename(test))
        with open(script_file, "w", encoding="utf-8", errors="surrogateescape") as f:
            f.write(self.expand(script))
        # Expanded late: they may name a server's port.
        args = [self.expand(w) for w in self.last("options", [])] + [script_file] + \
            [self.expand(w) for w in self.last("args", [])]
        try:
            status, out, err = self.tool("varmio-replay", *args,
                                         cwd=self.path(self.last("cwd", ["."])[0]))
        except subprocess.TimeoutExpired:
            return ["varmio-replay did not finish within %d s" % RUN_TIMEOUT]
        stdout, stderr = out.splitlines(), err.splitlines()
        if status != int(self.last("exit", ["0"])[0]):
            failures.append("exit status %d" % status)
        for word, actual in (("stdout", stdout), ("stderr", stderr)):
            missing = first_missing([self.expand(rest[0]) for rest in self.each(word)], actual)
            if missing is not None:
                failures.append("%s lacks (in order) %r" % (word, missing))
        base = os.path.splitext(test)[0]
        for out_file in ([base + "." + self.name + ".out"] if self.name else []) + [base + ".out"]:
            if os.path.exists(out_file):
                with open(out_file, encoding="utf-8", errors="surrogateescape") as f:
                    if self.expand(f.read()).splitlines() != stdout:
                        failures.append("transcript differs from " + out_file)
                break
        for top, skip, before in unchanged:
            after = listing(top, skip)
            changed = [path for path in sorted(set(before) | set(after))
                       if before.get(path) != after.get(path)]
            if changed:
                failures.append("changed below %s: %s" % (top, ", ".join(changed)))
        for number, word, rest in self.directives:
            problem = self.check(word, rest, stdout)
            if problem:
                failures.append("line %d: %s" % (number, problem))
        if failures:
            failures.append("arguments: %s\ntranscript:\n%s\nstandard error:\n%s"
                            % (" ".join(args), out, err))
        return failures

    def check(self, word, rest, stdout):
        """What is wrong with one after-the-run directive, or None."""
        if word == "not-stdout" and self.expand(rest[0]) in stdout:
            return "the transcript has the line %r" % self.expand(rest[0])
        if word in ("expect-file", "expect-file-from"):
            expected = rest[1] if word == "expect-file" else decode(read_bytes(os.path.join(
                os.path.dirname(os.path.abspath(__file__)), "expected", rest[1])))
            actual = read_bytes(self.path(rest[0]))
            if actual != self.expand(expected).encode("utf-8", "surrogateescape"):
                return "%s differs or is missing: %r" % (self.path(rest[0]), actual)
        elif word == "expect-file-like":
            path, pattern = self.path(rest[0]), self.expand(rest[1])
            found = sorted(glob.glob(path)) if glob.has_magic(path) else [path]
            bad = [name for name in found if read_bytes(name) is None
                   or not fnmatch.fnmatchcase(decode(read_bytes(name)), pattern)]
            if bad or not found:
                return "%s: none, or not like %r: %s" % (path, pattern, ", ".join(bad))
        elif word == "expect-exists" and not matches(self.path(rest[0])):
            return "%s does not exist" % self.path(rest[0])
        elif word == "expect-absent" and matches(self.path(rest[0]), os.path.lexists):
            return "present: " + ", ".join(matches(self.path(rest[0]), os.path.lexists))
        elif word in ("expect-reg", "expect-reg-absent"):
            status, out = self.reg("get", self.expand(rest[0]), rest[1])
            if word == "expect-reg-absent" and status == 0:
                return "%s\\%s exists: %r" % (rest[0], rest[1], out)
            if word == "expect-reg" and (status != 0 or out != self.expand(rest[2])):
                return "%s\\%s is %r (status %d)" % (rest[0], rest[1], out, status)
        return None


def main():
    parser = argparse.ArgumentParser(description="Runs one .replay end-to-end test.")
    for name in ("--bin", "--source", "--version-stamp"):
        parser.add_argument(name, required=True)
    parser.add_argument("--sandbox")
    parser.add_argument("test")
    options = parser.parse_args()
    for name in ("test", "bin", "source"):  # the wizard runs in $WORK
        setattr(options, name, os.path.abspath(getattr(options, name)))
    sandbox = options.sandbox or tempfile.mkdtemp(prefix="varmio-e2e-")
    failed = False
    try:
        lines, variants = read_test(options.test)
        for name, directives in variants:
            run = Run(options, name, os.path.join(sandbox, name), directives)
            try:
                run.prepare()
                failures = run.play(options.test, script_for(lines, name))
            finally:
                for server in run.servers:
                    server.stop()
            failed = failed or bool(failures)
            label = name or os.path.basename(options.test)
            print("FAIL [%s]\n%s" % (label, "\n".join(failures)) if failures else "ok [%s]" % label)
    except TestError as e:
        print("%s: %s" % (os.path.basename(options.test), e))
        return 1
    if not failed and not options.sandbox:
        shutil.rmtree(sandbox, ignore_errors=True)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
