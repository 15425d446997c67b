"""A throw-away FTP server: ftp_server.py ROOT PORTFILE [--read-limit BYTES/S] [--tls CERTFOLDER]

Serves ROOT to "guest"/"secret" on a free port of 127.0.0.1 (written to PORTFILE once it
listens), lists "." and "..", and appends every command received to ROOT.log. --tls requires
AUTH TLS with a certificate of the test authority. It ends with its parent process.
"""

import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.filesystems import AbstractedFS
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler, TLS_FTPHandler
from pyftpdlib.servers import FTPServer
from server_support import announce, end_with_parent, make_certificates


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


def main():
    root, port_file, options = sys.argv[1], sys.argv[2], sys.argv[3:]
    authorizer = DummyAuthorizer()
    authorizer.add_user("guest", "secret", root, perm="elradfmwMT")
    handler = logging_handler(TLS_FTPHandler if "--tls" in options else FTPHandler)
    if "--tls" in options:
        handler.certfile, handler.keyfile = make_certificates(
            options[options.index("--tls") + 1])
        handler.tls_control_required = handler.tls_data_required = True
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

    end_with_parent()
    announce(port_file, server.socket.getsockname()[1])
    server.serve_forever()


if __name__ == "__main__":
    import logging

    logging.basicConfig(level=logging.WARNING)
    main()
