"""A throw-away FTP server: ftp_server.py ROOT PORTFILE [--read-limit BYTES/S] [--tls CERTFOLDER]

Serves ROOT to "guest"/"secret" on a free port of 127.0.0.1 (written to PORTFILE once it
listens), lists "." and "..", and appends every command received to ROOT.log. --tls requires
AUTH TLS with a certificate of test_ca.py's authority. It ends with its parent process.
"""

import os, sys, threading, time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.filesystems import AbstractedFS
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler, TLS_FTPHandler
from pyftpdlib.servers import FTPServer


class ListsDots(AbstractedFS):
    def listdir(self, path):
        return [".", ".."] + sorted(super().listdir(path))


def logging_handler(base):
    class LoggingHandler(base):
        command_log = None

        def pre_process_command(self, line, cmd, arg):
            with open(self.command_log, "a", encoding="utf-8", errors="replace") as log:
                log.write(line + "\n")
            super().pre_process_command(line, cmd, arg)

    return LoggingHandler


def exit_with_parent(parent):
    while os.getppid() == parent:
        time.sleep(0.2)
    os._exit(0)


def main():
    root, port_file = sys.argv[1], sys.argv[2]
    authorizer = DummyAuthorizer()
    authorizer.add_user("guest", "secret", root, perm="elradfmwMT")
    options = sys.argv[3:]
    handler = logging_handler(TLS_FTPHandler if "--tls" in options else FTPHandler)
    if "--tls" in options:
        from test_ca import make_certificates

        handler.certfile, handler.keyfile = make_certificates(
            options[options.index("--tls") + 1])
        handler.tls_control_required = True
        handler.tls_data_required = True
    handler.command_log = root.rstrip("/") + ".log"
    if "--read-limit" in sys.argv:
        handler.dtp_handler = ThrottledDTPHandler
        handler.dtp_handler.read_limit = int(sys.argv[sys.argv.index("--read-limit") + 1])
    handler.authorizer = authorizer
    handler.abstracted_fs = ListsDots
    handler.banner = "varmio test server"
    handler.auth_failed_timeout = 0
    server = FTPServer(("127.0.0.1", 0), handler)
    server.max_cons = 32

    threading.Thread(target=exit_with_parent, args=(os.getppid(),), daemon=True).start()
    temporary = port_file + ".part"
    with open(temporary, "w") as out:
        out.write(str(server.socket.getsockname()[1]))
    os.rename(temporary, port_file)
    server.serve_forever()


if __name__ == "__main__":
    import logging

    logging.basicConfig(level=logging.WARNING)
    main()
