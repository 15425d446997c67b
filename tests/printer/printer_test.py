#!/usr/bin/env python3
"""The Varmio printer from print to the wizard's driver mode: `agent` calls the backend as CUPS
does, `cups` prints with lp to a private cupsd. The wizard is varmio-replay dumping its file list,
behind a wrapper that can keep the "window" open (ROOT/hold seconds).

usage: printer_test.py --bin BUILD/bin --source SOURCE agent|cups     (exit 77: skipped)
"""
import argparse, os, pathlib, pwd, resource, shutil, subprocess, sys, tempfile, time

SKIP = 77


def make_pdf(pages):
    objects = [b"<< /Type /Catalog /Pages 2 0 R >>",
               b"<< /Type /Pages /Kids [%s] /Count %d >>"
               % (b" ".join(b"%d 0 R" % (4 + 2 * i) for i in range(pages)), pages),
               b"<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>"]
    for i in range(pages):
        objects.append(b"<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Contents %d 0 R"
                       b" /Resources << /Font << /F1 3 0 R >> >> >>" % (5 + 2 * i))
        text = b"BT /F1 36 Tf 72 700 Td (Page %d) Tj ET" % (i + 1)
        objects.append(b"<< /Length %d >>\nstream\n%s\nendstream" % (len(text), text))
    out, offsets = bytearray(b"%PDF-1.4\n"), []
    for number, body in enumerate(objects, 1):
        offsets.append(len(out))
        out += b"%d 0 obj\n%s\nendobj\n" % (number, body)
    xref = len(out)
    out += b"xref\n0 %d\n0000000000 65535 f \n" % (len(objects) + 1)
    out += b"".join(b"%010d 00000 n \n" % o for o in offsets)
    out += b"trailer\n<< /Size %d /Root 1 0 R >>\nstartxref\n%d\n%%%%EOF\n" % (len(objects) + 1, xref)
    return bytes(out)


def wait_for(what, condition, seconds=60):
    deadline = time.time() + seconds
    while not condition():
        if time.time() > deadline:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(0.1)


def check(condition, message):
    if not condition:
        raise AssertionError(message)


class Sandbox:
    def __init__(self, root, args):
        self.root, self.bin, self.source = root, pathlib.Path(args.bin), pathlib.Path(args.source)
        self.spool_base, self.home, self.windows = root / "spool", root / "home", root / "windows"
        self.spool, self.print = self.spool_base / str(os.getuid()), self.home / "print"
        (self.home / "tmp").mkdir(parents=True)
        self.env = {k: v for k, v in os.environ.items() if k != "DBUS_SESSION_BUS_ADDRESS"}
        self.env.update(VARMIO_HIVE=str(root / "registry.db"), VARMIO_HOME=str(self.home),
                        WINDIR=str(self.windows), VARMIO_SPOOL=str(self.spool_base))
        self.run([self.bin / "reginst", self.source / "data/install.reg"])
        (root / "list.replay").write_text("dump lvwFiles\ndump lab_file_info\n")
        self.wizard = root / "wizard.sh"
        self.wizard.write_text(f'#!/bin/sh\n"{self.bin}/varmio-replay" "{root}/list.replay" "$@"\n'
                               f'sleep "$(cat "{root}/hold" 2>/dev/null || echo 0)"\n')
        self.wizard.chmod(0o755)

    def run(self, command, **kwargs):
        return subprocess.run([str(c) for c in command], env=self.env, check=True, text=True,
                              capture_output=True, timeout=120, **kwargs)

    def set_output(self, kind):
        self.run([self.bin / "varmio-reg", "add", r"HKLM\SOFTWARE\VARMIO\CONFIG", "/v",
                  "PRINTER_OUTPUT", "/d", kind, "/f"])

    def agent(self, *options, limit_file_size=None):
        def limit():
            if limit_file_size:
                resource.setrlimit(resource.RLIMIT_FSIZE, (limit_file_size, limit_file_size))
        return subprocess.Popen([str(self.bin / "varmio-printer-agent"), "--wizard",
                                 str(self.wizard), *options], env=self.env, text=True,
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE, preexec_fn=limit)

    def agent_once(self, **kwargs):
        return self.agent("--once", **kwargs).communicate(timeout=300)

    def backend(self, job_id, title, data):
        return subprocess.run([str(self.bin / "varmio-printer-backend"), str(job_id),
                               pwd.getpwuid(os.getuid()).pw_name, title, "1", ""], input=data,
                              env=dict(self.env, DEVICE_URI=f"varmio:{self.spool_base}"),
                              capture_output=True, timeout=60)

    def jobs(self):
        return sorted(p.name for p in self.spool.glob("[0-9]*")) if self.spool.is_dir() else []

    def settings(self):
        return (self.windows / "varmiocv.ini").read_bytes().decode()


def listed_rows(transcript):
    return [line.split()[1:3] for line in transcript.splitlines() if line.startswith("lvwFiles.row(")]


def check_run(sb, transcript, kind, pages=3):
    settings = sb.settings()  # of the last run: its files, and the wizard lists them
    folder = settings.split("pat=")[1].rstrip("\r\n")
    names = ["tmp.pdf"] if kind == "pdf" else ["%03d.png" % n for n in range(1, pages + 1)]
    expected = ("[settings]\r\npdf=1\r\n" if kind == "pdf"
                else f"[settings]\r\npdf=0\r\npng=1\r\npag={pages}\r\n") + f"htm=1\r\npat={folder}\r\n"
    check(settings == expected, f"converter settings: {settings!r}")
    check(sorted(os.listdir(folder)) == names, f"produced files: {os.listdir(folder)}")
    check(listed_rows(transcript)[-len(names):] == [[folder + "/", n] for n in names],
          f"the wizard lists: {listed_rows(transcript)}")
    return folder


def test_agent(sb):
    # Two jobs back to back: the second, printed while the first run is open, waits for its end.
    (sb.root / "hold").write_text("2")
    agent = sb.agent()
    try:
        sb.backend(11, "first", make_pdf(3))
        wait_for("the first run", lambda: sb.jobs() == [])
        sb.backend(12, "second", b"%PDF-1.4 damaged")
        sb.backend(13, 'third ../../x "quoted"\nline', make_pdf(2))
        wait_for("the third run", lambda: sb.jobs() == [] and "-13" in sb.settings())
        wait_for("its end", lambda: not (sb.print / ".wizard-run").exists())
    finally:
        agent.terminate()
    out, err = agent.communicate(timeout=30)
    rows = listed_rows(out)
    check([r[0].split("-")[-1] for r in rows] == ["11/", "13/"], f"runs in order: {rows}")
    check('"second": The print job is no readable PDF document' in err, err)
    check('"third ../../x "quoted" line": Opened in the wizard' in err, err)
    check(len(list(sb.print.glob("[0-9]*"))) == 1, "earlier jobs' files are cleared")
    (sb.root / "hold").write_text("0")

    # A killed agent loses nothing: 500 pages as images take long enough to kill it on the way.
    sb.backend(14, "long", make_pdf(500))
    sb.set_output("png")
    agent = sb.agent("--once")
    wait_for("the page images", lambda: list(sb.print.glob(".incoming-*-14/001.png")))
    agent.kill()
    agent.wait()
    check(len(sb.jobs()) == 1 and "-13" in sb.settings(), "the job waits, settings untouched")

    # Empty jobs and full disks: a message, no run, no half-written files; the agent goes on.
    sb.set_output("pdf")
    sb.backend(15, "empty", b"")
    sb.backend(16, "big", make_pdf(3))
    out, err = sb.agent_once(limit_file_size=1024)
    check('"empty": The print job is empty' in err and listed_rows(out) == [], err)
    check('"big": It could not be prepared' in err and "stays queued" in err, err)
    check(len(sb.jobs()) == 2 and not list(sb.print.glob(".*-1[46]")), "both jobs kept whole")

    out, err = sb.agent_once()
    check(sb.jobs() == [] and len(listed_rows(out)) == 2, f"both jobs opened: {out}")
    check_run(sb, out, "pdf")
    check(sb.run([sb.bin / "varmpdf"]).returncode == 0, "varmpdf finds tmp.pdf")
    check(sb.agent("--once").wait(timeout=30) == 0, "--once on an empty queue ends")


def start_cupsd(sb):
    cups = sb.root / "cups"
    serverbin = cups / "serverbin"
    (serverbin / "backend").mkdir(parents=True)
    for name in ("filter", "cgi-bin", "daemon", "notifier", "monitor", "driver"):
        if os.path.exists(f"/usr/lib/cups/{name}"):
            os.symlink(f"/usr/lib/cups/{name}", serverbin / name)
    for name in ("spool/tmp", "cache", "state", "log"):
        (cups / name).mkdir(parents=True)
    (cups / "cups-files.conf").write_text(
        f"ServerRoot {cups}\nRequestRoot {cups}/spool\nTempDir {cups}/spool/tmp\n"
        f"ServerBin {serverbin}\nCacheDir {cups}/cache\nStateDir {cups}/state\n"
        f"ErrorLog {cups}/log/error_log\nAccessLog {cups}/log/access_log\n"
        f"PageLog {cups}/log/page_log\nSystemGroup root\n")
    (cups / "cupsd.conf").write_text(
        f"Listen {cups}/cups.sock\nLogLevel info\nBrowsing Off\nWebInterface No\n"
        "<Location />\n  Order allow,deny\n  Allow localhost\n</Location>\n")
    sb.env.update(CUPS_SERVER=str(cups / "cups.sock"), CUPS_SERVERBIN=str(serverbin),
                  VARMIO_AUTOSTART=str(sb.root / "autostart"), VARMIO_BIN=str(sb.bin))
    daemon = subprocess.Popen(["cupsd", "-f", "-c", cups / "cupsd.conf", "-s",
                               cups / "cups-files.conf"], env=sb.env)
    wait_for("cupsd", lambda: subprocess.run(["lpstat", "-r"], env=sb.env,
                                             capture_output=True).returncode == 0, 20)
    return daemon


def print_and_open(sb, files, kind):
    for file in files:
        sb.run(["lp", "-d", "Varmio", "-t", file.name, file])
    wait_for("the spooled jobs", lambda: len(sb.jobs()) == len(files))
    out, err = sb.agent_once()
    check(len(listed_rows(out)) >= len(files), f"runs: {out}\n{err}")
    return check_run(sb, out, kind)


def test_cups(sb):
    if os.getuid() != 0 or not shutil.which("cupsd"):
        print("skipped: the private cupsd runs its backend as root only when started as root")
        return SKIP
    # Filters run as the lp user: they must reach the private folders.
    sb.root.chmod(0o755)
    daemon = start_cupsd(sb)
    try:
        install = sb.source / "scripts/install-printer.sh"
        for _ in range(2):  # idempotent
            sb.run([install])
        check("device for Varmio: varmio:" in sb.run(["lpstat", "-v"]).stdout, "the queue")
        three, text = sb.root / "three.pdf", sb.root / "notes.txt"
        three.write_bytes(make_pdf(3))
        text.write_text("A plain text file\nprinted to Varmio.\n")
        print_and_open(sb, [three, text], "pdf")
        # The job's owner is the one CUPS names: another user's job lands in that user's folder.
        sb.run(["lp", "-d", "Varmio", "-U", "nobody", three])
        theirs = sb.spool_base / str(pwd.getpwnam("nobody").pw_uid)
        wait_for("nobody's job", lambda: list(theirs.glob("[0-9]*/document.pdf")))
        check(next(theirs.glob("*/document.pdf")).stat().st_uid == theirs.stat().st_uid,
              "the backend writes as the job's owner")
        for folder in (sb.spool, theirs):
            st = folder.stat()
            check(st.st_mode & 0o777 == 0o700 and (st.st_uid == 0) == (folder == sb.spool),
                  f"{folder} is private to its user")
        sb.set_output("png")
        print_and_open(sb, [three], "png")
        sb.run([install, "--remove"])
        left = subprocess.run(["lpstat", "-v"], env=sb.env, capture_output=True, text=True)
        check("Varmio" not in left.stdout, "the queue is removed")
    finally:
        daemon.terminate()
        daemon.wait(timeout=30)


def main():
    parser = argparse.ArgumentParser()
    for option in ("--bin", "--source"):
        parser.add_argument(option, required=True)
    parser.add_argument("test", choices=["agent", "cups"])
    args = parser.parse_args()
    with tempfile.TemporaryDirectory(prefix="varmio-printer-") as root:
        try:
            return globals()["test_" + args.test](Sandbox(pathlib.Path(root), args)) or 0
        except (AssertionError, subprocess.CalledProcessError) as failure:
            print("FAILED:", failure, getattr(failure, "stderr", ""), file=sys.stderr)
            return 1


if __name__ == "__main__":
    sys.exit(main())
