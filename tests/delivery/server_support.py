"""What the test servers share: the port they listen on, told through a file; an end with the
parent process, so that a crashed test leaves none behind; and a certificate authority."""

import os, subprocess, threading, time


def announce(port_file, port):
    with open(port_file + ".part", "w") as out:
        out.write(str(port))
    os.rename(port_file + ".part", port_file)


def end_with_parent():
    def watch(parent):
        while os.getppid() == parent:
            time.sleep(0.2)
        os._exit(0)
    threading.Thread(target=watch, args=(os.getppid(),), daemon=True).start()


def make_certificates(folder):
    """FOLDER/ca.pem, what a client must trust, and the server's FOLDER/server.pem and .key."""
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
