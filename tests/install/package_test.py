"""The Debian package: cpack builds it into a temporary folder; lintian must report no error
(its warnings are printed for the record).

usage: package_test.py BUILD_DIR     (exit 77: skipped)
"""

import shutil, subprocess, sys, tempfile
from pathlib import Path


def output(*command):
    done = subprocess.run([str(word) for word in command], capture_output=True, text=True)
    return done.returncode, done.stdout + done.stderr


def main():
    missing = [tool for tool in ("cpack", "dpkg-shlibdeps", "lintian") if not shutil.which(tool)]
    if missing:
        print("SKIPPED: not installed:", " ".join(missing))
        return 77
    with tempfile.TemporaryDirectory(prefix="varmio-package-") as tmp:
        config = Path(sys.argv[1]).resolve() / "CPackConfig.cmake"
        status, made = output("cpack", "--config", config, "-B", tmp)
        packages = list(Path(tmp).glob("*.deb"))
        if status != 0 or len(packages) != 1:
            print(made)
            return 1
        package = packages[0]
        depends = output("dpkg-deb", "--field", package, "Depends")[1].strip()
        print(f"{package.name}: Depends: {depends}")
        files = output("dpkg-deb", "--contents", package)[1]
        control = output("dpkg-deb", "--info", package)[1]
        lint = output("lintian", "--tag-display-limit", "0", package)[1]
        tags = [line for line in lint.splitlines() if line[:2] in ("E:", "W:", "I:", "N:", "P:")]
        print("lintian:", "\n".join(tags) or "no remarks")
        failures = [what for what, bad in [
            ("Depends lacks the libraries dpkg-shlibdeps finds", "libqt6widgets6" not in depends),
            ("varmio-replay is packaged", "varmio-replay" in files),
            ("maintainer scripts missing", "postinst" not in control or "prerm" not in control),
            ("lintian reports errors", any(tag.startswith("E:") for tag in tags))] if bad]
        failures += ["missing " + wanted for wanted in [
            "./usr/bin/varmio-wizard", "./usr/share/varmio/install.reg",
            "./usr/share/applications/varmio-wizard.desktop"] if wanted not in files]
        for failure in failures:
            print("FAILED:", failure)
        return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
