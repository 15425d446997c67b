"""The Debian package: cpack builds it from the build folder into a temporary folder, and
lintian must report no error; its warnings are printed for the record.

usage: package_test.py BUILD_DIR     (exit 77: skipped)
"""

import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

BUILD = Path(sys.argv[1]).resolve()


def main():
    missing = [tool for tool in ("cpack", "dpkg-shlibdeps", "lintian") if not shutil.which(tool)]
    if missing:
        print("SKIPPED: not installed:", " ".join(missing))
        return 77
    with tempfile.TemporaryDirectory(prefix="varmio-package-") as tmp:
        made = subprocess.run(["cpack", "--config", str(BUILD / "CPackConfig.cmake"), "-B", tmp],
                              capture_output=True, text=True)
        packages = list(Path(tmp).glob("*.deb"))
        if made.returncode != 0 or len(packages) != 1:
            print(made.stdout, made.stderr)
            return 1
        package = packages[0]
        info = subprocess.run(["dpkg-deb", "--field", str(package), "Depends"],
                              capture_output=True, text=True).stdout.strip()
        print(f"{package.name}: Depends: {info}")
        files = subprocess.run(["dpkg-deb", "--contents", str(package)],
                               capture_output=True, text=True).stdout
        failures = []
        if "libqt6widgets6" not in info:
            failures.append("Depends lacks the libraries dpkg-shlibdeps finds")
        for wanted in ["./usr/bin/varmio-wizard", "./usr/share/varmio/install.reg",
                       "./usr/share/applications/varmio-wizard.desktop"]:
            if wanted not in files:
                failures.append("missing " + wanted)
        if "varmio-replay" in files:
            failures.append("varmio-replay is packaged")
        control = subprocess.run(["dpkg-deb", "--info", str(package)],
                                 capture_output=True, text=True).stdout
        if "postinst" not in control or "prerm" not in control:
            failures.append("maintainer scripts missing")
        lint = subprocess.run(["lintian", "--tag-display-limit", "0", str(package)],
                              capture_output=True, text=True)
        tags = "\n".join(line for line in (lint.stdout + lint.stderr).splitlines()
                         if line[:2] in ("E:", "W:", "I:", "N:", "P:"))
        print("lintian:", tags or "no remarks")
        if any(line.startswith("E:") for line in tags.splitlines()):
            failures.append("lintian reports errors")
        for failure in failures:
            print("FAILED:", failure)
        return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
