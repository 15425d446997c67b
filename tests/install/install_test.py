"""`cmake --install` into a temporary DESTDIR, then the installed wizard in its four modes on a
fresh store, with the checkout and build folder hidden (empty tmpfs over them in a private mount
namespace); also the desktop entries and AppStream metainfo.

usage: install_test.py BUILD_DIR SOURCE_DIR     (exit 77: skipped)
"""

import os, shutil, subprocess, sys, tempfile
from pathlib import Path

SKIP = 77
BUILD, SOURCE = Path(sys.argv[1]).resolve(), Path(sys.argv[2]).resolve()
PROGRAMS = ["varmio-wizard", "reginst", "varmio-reg", "varmio-printer-agent",
            "varmio-printer-backend", "varmpdf"]
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAILED:", what)


def run(args, **kwargs):
    return subprocess.run(args, capture_output=True, text=True, timeout=120, **kwargs)


def install(dest):
    done = run(["cmake", "--install", str(BUILD), "--prefix", "/usr", "--strip"],
               env={**os.environ, "DESTDIR": str(dest)})
    if done.returncode != 0:
        sys.exit("cmake --install failed:\n" + done.stdout + done.stderr)
    return dest / "usr"


def check_tree(usr):
    share = usr / "share"
    for program in PROGRAMS:
        check(os.access(usr / "bin" / program, os.X_OK), "bin/" + program)
    check(not (usr / "bin/varmio-replay").exists(), "varmio-replay is left out")
    for name in [f"man/man1/{p}.1.gz" for p in PROGRAMS] + [
            f"varmio/{n}" for n in ["install.reg", "help.htm", "qdrn.sec", "varmio.ppd",
                                    "install-printer.sh", "varmio-printer-agent.desktop",
                                    "logos/logo_0.svg"]] + [
            f"icons/hicolor/{s}/apps/varmio-wizard.{'svg' if s == 'scalable' else 'png'}"
            for s in ["scalable", "16x16", "32x32", "48x48", "256x256"]]:
        check((share / name).is_file(), "share/" + name)
    for file in usr.rglob("*"):  # no path of this checkout or build is compiled in
        if file.is_file() and not file.is_symlink():
            data = file.read_bytes()
            for folder in {SOURCE, BUILD}:
                check(str(folder).encode() not in data, f"{file} names {folder}")


def validate(usr):
    share = usr / "share"
    for tool, args in [("desktop-file-validate", sorted((share / "applications").glob("*.desktop"))),
                       ("appstreamcli", ["validate", "--no-net",
                                         *sorted((share / "metainfo").glob("*.xml"))])]:
        if not shutil.which(tool):
            print(f"SKIPPED: {tool} is not installed")
            continue
        done = run([tool, *map(str, args)])
        print(f"{tool}: {(done.stdout + done.stderr).strip() or 'no remarks'}")
        check(done.returncode == 0, tool)
    entry = (share / "applications/varmio-wizard.desktop").read_text()
    check("Exec=varmio-wizard %F" in entry and "application/pdf" in entry, "wizard entry")
    check("Exec=varmio-wizard /intraman" in
          (share / "applications/varmio-intranet.desktop").read_text(), "intranet entry")


def hidden(command):
    """`command` in a mount namespace where the checkout and the build folder are empty."""
    outer = [f for f in {SOURCE, BUILD} if not any(o != f and o in f.parents for o in {SOURCE, BUILD})]
    script = "".join(f"mount -t tmpfs none '{folder}' && " for folder in outer)
    return ["unshare", "--mount", "--propagation", "private", "sh", "-c",
            script + 'exec "$@"', "hidden", *command]


def wizard(usr, env, texts, *words):
    """What the installed wizard showed: control name -> texts (access keys removed)."""
    texts.unlink(missing_ok=True)
    done = run(hidden([str(usr / "bin/varmio-wizard"), *words]),
               env={**env, "VARMIO_SCREENSHOT": str(texts)}, cwd=env["HOME"])
    check(done.returncode == 0, f"wizard {words} ends with 0: {done.stderr}")
    shown = {}
    for line in texts.read_text().splitlines() if texts.exists() else []:
        name, _, text = line.partition("\t")
        shown.setdefault(name, []).append(text.replace("&", ""))
    return shown


def check_modes(usr, root):
    home = root / "home"
    env = {key: value for key, value in os.environ.items()
           if key not in ("VARMIO_HIVE", "VARMIO_HOME", "WINDIR")}
    env.update(HOME=str(home), XDG_CONFIG_HOME=str(home / ".config"),
               XDG_DATA_HOME=str(home / ".local/share"), QT_QPA_PLATFORM="offscreen",
               PATH=f"{usr / 'bin'}:/usr/bin:/bin")
    home.mkdir()
    texts = root / "shown.txt"
    program_folder = home / ".local/share/varmio"

    shown = wizard(usr, env, texts)  # fills the program folder and shows the shipped texts
    check((program_folder / "install.reg").read_bytes() ==
          (usr / "share/varmio/install.reg").read_bytes(), "install.reg copied on first run")
    check(shown.get("window") == ["Varmio Publish Wizard"], f"manual mode title: {shown}")
    check(shown.get("cmd_next") == ["Next"], "manual mode: Next")
    check(shown.get("qt_page_heading") == ["Files to publish"], "manual mode: heading")

    papers = root / "papers with blanks"
    papers.mkdir()
    shown = wizard(usr, env, texts, str(papers / "annual report.pdf"), "/tmp/b.png")
    check([row.split("|")[:2] for row in shown.get("lvwFiles", [])] ==
          [[f"{papers}/", "annual report.pdf"], ["/tmp/", "b.png"]],
          f"file-list mode keeps blanks: {shown.get('lvwFiles')}")

    job = root / "job"
    job.mkdir()
    (job / "tmp.pdf").write_bytes(b"%PDF-1.4\n%%EOF\n")
    printer = program_folder / "printer"
    printer.mkdir(parents=True, exist_ok=True)
    (printer / "varmiocv.ini").write_text(f"[settings]\r\npdf=1\r\npat={job}\r\n")
    shown = wizard(usr, env, texts, "drv")
    check(shown.get("cmd_ftp") == ["FTP Upload"], f"driver mode: delivery page: {shown}")
    pages = list((program_folder / "tmp").glob("*.htm"))
    check(any("tmp.pdf" in page.read_text(errors="replace") for page in pages),
          f"driver mode: a page for tmp.pdf in {pages}")

    shown = wizard(usr, env, texts, "/intraman")
    check(shown.get("cmd_close") == ["Finish"], f"intranet manager: {shown}")
    check("frm_intra" in shown or "cmd_show" in shown, "intranet manager: its page")

    run([str(usr / "bin/varmio-reg"), "add", r"HKLM\SOFTWARE\VARMIO\CONFIG", "/v", "Language",
         "/d", "Deutsch", "/f"], env=env)
    shown = wizard(usr, env, texts)
    check(shown.get("cmd_next") == ["Weiter"], f"Deutsch: {shown.get('cmd_next')}")


def main():
    if not shutil.which("unshare") or run(hidden(["true"])).returncode != 0:
        print("SKIPPED: hiding the checkout needs unshare and mount (root)")
        return SKIP
    with tempfile.TemporaryDirectory(prefix="varmio-install-") as tmp:
        root = Path(tmp)
        usr = install(root / "dest")
        check_tree(usr)
        validate(usr)
        check_modes(usr, root)
    print(f"{'FAILED' if failures else 'passed'}: {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
