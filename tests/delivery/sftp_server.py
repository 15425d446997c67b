"""A throw-away SFTP server: sftp_server.py ROOT PORTFILE --host-key KEYFILE

Serves ROOT to "guest"/"secret" on a free port of 127.0.0.1 (written to PORTFILE once it
listens), with the Ed25519 key KEYFILE (made when missing; KEYFILE.pub and KEYFILE.sha256, its
OpenSSH line and fingerprint, beside it), appending every login to ROOT.log. It ends with its
parent process.
"""

import asyncio, os, sys, warnings

warnings.simplefilter("ignore")  # the ciphers asyncssh offers but this test never uses
import asyncssh  # noqa: E402
from server_support import announce, end_with_parent  # noqa: E402


def host_key(path):
    if not os.path.exists(path):
        asyncssh.generate_private_key("ssh-ed25519").write_private_key(path)
    key = asyncssh.read_private_key(path)
    key.write_public_key(path + ".pub")
    with open(path + ".sha256", "w") as out:
        out.write(key.get_fingerprint("sha256"))
    return key


def login_server(log):
    class LoginServer(asyncssh.SSHServer):
        def begin_auth(self, username):
            return True

        def password_auth_supported(self):
            return True

        def validate_password(self, username, password):
            with open(log, "a") as out:
                out.write("login " + username + "\n")
            return username == "guest" and password == "secret"

    return LoginServer


async def main():
    root, port_file = sys.argv[1], sys.argv[2]
    key = host_key(sys.argv[sys.argv.index("--host-key") + 1])
    end_with_parent()
    server = await asyncssh.create_server(
        login_server(root.rstrip("/") + ".log"), "127.0.0.1", 0,
        server_host_keys=[key],
        sftp_factory=lambda channel: asyncssh.SFTPServer(channel, chroot=root))
    announce(port_file, server.sockets[0].getsockname()[1])
    await asyncio.Event().wait()


if __name__ == "__main__":
    asyncio.run(main())
