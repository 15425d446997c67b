#!/usr/bin/python3
"""Builds, in $WORK, an intranet (share/intra) whose records are damaged, hand-edited or planted,
with decoys around it: share/ (the root's parent), outside/, and decoys/ (the wizard's current
folder). Every record names a place the wizard must not write to or delete from."""

import os

WORK = os.environ["WORK"]
ROOT = os.path.join(WORK, "share", "intra")
SHARE = os.path.join(WORK, "share")
OUTSIDE = os.path.join(WORK, "outside")
DECOYS = os.path.join(WORK, "decoys")
BIG = "B" * 100 * 1024
BINARY = "\x00\x01\x7f\xfe\xff/../\r\x00"


def put(path, content):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(content.encode("latin-1") if isinstance(content, str) else content)


def record(path, *lines):
    put(path, "".join(line + "\r\n" for line in lines))


def key(name):
    return "uniquekey:%s!%s" % (name, "@" * 50)


# Decoys: what a wrongly aimed delete or write would reach first.
for folder in (SHARE, OUTSIDE, DECOYS, os.path.join(OUTSIDE, "docs"),
               os.path.join(OUTSIDE, "vdocs"), os.path.join(SHARE, "other")):
    for name in ("index.html", "report.htm", "a.htm", "x", "$$bgimg.gif", ".dni", ".fni",
                 "keep.FNI", "keep.dni"):
        record(os.path.join(folder, name), "decoy " + name, "in", folder, "!")
for name in ("decoys.dni", "outside.dni", "outside/docs.dni"):
    record(os.path.join(WORK, name), "Decoy " + name, "root", WORK, "x")
put(os.path.join(OUTSIDE, "victim"), "victim\r\n")
os.makedirs(os.path.join(DECOYS, "emptydir"))
put(os.path.join(WORK, "back.gif"), "GIF89a")

# A sound project and document, so that the tree has something real to remove.
record(os.path.join(ROOT, "goodgoodgoodgoodgood.FNI"), key("Good"), "Good", "root",
       "goodgoodgoodgoodgood")
record(os.path.join(ROOT, "goodgoodgoodgoodgood", "gooddocs.dni"), "Good doc", key("Good"),
       os.path.join(ROOT, "goodgoodgoodgoodgood", "gooddocs"), "page.htm")
put(os.path.join(ROOT, "goodgoodgoodgoodgood", "gooddocs", "page.htm"), "<HTML></HTML>")
# Pages and picture copies planted as links to the outside.
for name in ("index.html", "$$bgimg.gif", "goodgoodgoodgoodgood/index.html"):
    os.symlink(os.path.join(OUTSIDE, "victim"), os.path.join(ROOT, name))

# Projects whose folder line leads elsewhere.
os.symlink(OUTSIDE, os.path.join(ROOT, "linkout"))
os.symlink(SHARE, os.path.join(ROOT, "linkup"))
os.symlink(ROOT, os.path.join(ROOT, "linkroot"))
os.symlink(DECOYS, os.path.join(ROOT, "linkcwd"))
projects = {
    "abs": DECOYS, "abs2": OUTSIDE, "dotdot": "..", "dotdot2": "../../outside",
    "linkout": "linkout", "linkup": "linkup", "linkroot": "linkroot", "linkcwd": "linkcwd",
    "self": ".", "emptyfolder": "", "binary": BINARY, "big": BIG,
}
for name, folder in projects.items():
    record(os.path.join(ROOT, name + ".FNI"), key(name), "Project " + name, "root", folder)
record(os.path.join(ROOT, "emptylines.FNI"), "", "", "", "")
record(os.path.join(ROOT, "short.FNI"), key("short"), "Short")
put(os.path.join(ROOT, "huge.FNI"), BIG + "\r\n" + BIG + "\r\nroot\r\n" + BIG + "\r\n")
put(os.path.join(ROOT, "binary2.FNI"), bytes(range(256)) * 4)
# Key cycles, a project that is its own parent, one that takes the root's key.
record(os.path.join(ROOT, "cyclea.FNI"), key("A"), "Cycle A", key("B"), "cyclea")
record(os.path.join(ROOT, "cycleb.FNI"), key("B"), "Cycle B", key("A"), "cycleb")
record(os.path.join(ROOT, "own.FNI"), key("own"), "Own parent", key("own"), "own")
record(os.path.join(ROOT, "rootkey.FNI"), "root", "Root key", "root", "rootkey")
# Records planted beyond the links, read when the tree follows them.
record(os.path.join(OUTSIDE, "planted.FNI"), key("planted"), "Planted", key("linkout"), "docs")
record(os.path.join(OUTSIDE, "planted.dni"), "Planted doc", key("linkout"),
       os.path.join(OUTSIDE, "vdocs"), "a.htm")
record(os.path.join(SHARE, "up.FNI"), key("up"), "Up", key("linkup"), "intra")
record(os.path.join(SHARE, "up.dni"), "Up doc", key("linkup"), os.path.join(SHARE, "other"),
       "a.htm")
record(os.path.join(DECOYS, "cwd.dni"), "Cwd doc", key("linkcwd"), DECOYS, "a.htm")

# Documents whose folder line leads elsewhere, in the sound project's folder: the projects whose
# folder is the root would read them again, were they in the root.
GOOD = os.path.join(ROOT, "goodgoodgoodgoodgood")
os.symlink(os.path.join(OUTSIDE, "docs"), os.path.join(ROOT, "doclink"))
documents = {
    "docempty": ("", "report.htm"), "docdot": (".", "index.html"), "docroot": (ROOT, "index.html"),
    "docrel": ("../outside", "x"), "docabs": (OUTSIDE + "/docs", "a.htm"),
    "doccwd": (DECOYS, "report.htm"), "docdotdot": (ROOT + "/..", "x"),
    "docroot2": (ROOT + "/", ""), "doclink": (ROOT + "/doclink", "a.htm"),
    "doclinkup": (ROOT + "/linkup", "x"), "docbig": (BIG, BIG), "docbinary": (BINARY, BINARY),
    "docnothing": ("", ""),
}
for name, (folder, main) in documents.items():
    record(os.path.join(GOOD, name + ".dni"), "Document " + name, key("Good"), folder, main)
record(os.path.join(GOOD, "docemptylines.dni"), "", "", "", "")
record(os.path.join(GOOD, "docorphan.dni"), "Orphan", key("nobody"), OUTSIDE, "x")
# A record that is a link: renaming it must not write through.
record(os.path.join(OUTSIDE, "victim.dni"), "Victim", key("Good"), GOOD + "/symrec", "v.htm")
os.symlink(os.path.join(OUTSIDE, "victim.dni"), os.path.join(GOOD, "symrec.dni"))
