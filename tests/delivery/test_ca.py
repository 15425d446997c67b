"""A certificate authority of the tests' own, and a server certificate for 127.0.0.1 signed by
it: FOLDER/ca.pem is what a client must trust, FOLDER/server.pem and FOLDER/server.key what the
server shows."""

import os
import subprocess


def make_certificates(folder):
    os.makedirs(folder, exist_ok=True)

    def run(*args):
        subprocess.run(["openssl", *args], check=True, capture_output=True, cwd=folder)

    curve = ["-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes"]
    run("req", "-x509", *curve, "-keyout", "ca.key", "-out", "ca.pem", "-days", "2",
        "-subj", "/CN=Varmio Test CA")
    run("req", *curve, "-keyout", "server.key", "-out", "server.csr", "-subj", "/CN=127.0.0.1")
    with open(os.path.join(folder, "san.cnf"), "w") as out:
        out.write("subjectAltName=IP:127.0.0.1,DNS:localhost\n")
    run("x509", "-req", "-in", "server.csr", "-CA", "ca.pem", "-CAkey", "ca.key",
        "-CAcreateserial", "-out", "server.pem", "-days", "2", "-extfile", "san.cnf")
    return os.path.join(folder, "server.pem"), os.path.join(folder, "server.key")
