"""A throw-away SMTP server for the delivery tests.

Usage: smtp_server.py OUTFOLDER PORTFILE

Accepts every message on 127.0.0.1, on a port the system picks, and writes each one to
OUTFOLDER as N.eml (the raw message) with N.env beside it ("from" and one "to" line per
recipient). The port goes to PORTFILE once the server accepts connections. The server ends with
its parent process, so a crashed test leaves none behind.
"""

import asyncio
import os
import sys

from aiosmtpd.smtp import SMTP


class Store:
    def __init__(self, folder):
        self.folder = folder
        self.count = 0

    async def handle_DATA(self, server, session, envelope):
        self.count += 1
        base = os.path.join(self.folder, str(self.count))
        with open(base + ".eml.part", "wb") as out:
            out.write(envelope.original_content or envelope.content)
        with open(base + ".env", "w") as out:
            out.write("from " + envelope.mail_from + "\n")
            for rcpt in envelope.rcpt_tos:
                out.write("to " + rcpt + "\n")
        os.rename(base + ".eml.part", base + ".eml")
        return "250 Message accepted for delivery"


async def exit_with_parent(parent):
    while os.getppid() == parent:
        await asyncio.sleep(0.2)
    os._exit(0)


async def main():
    folder, port_file = sys.argv[1], sys.argv[2]
    store = Store(folder)
    loop = asyncio.get_running_loop()
    server = await loop.create_server(
        lambda: SMTP(store, hostname="varmio-test", data_size_limit=None),
        host="127.0.0.1",
        port=0,
    )
    temporary = port_file + ".part"
    with open(temporary, "w") as out:
        out.write(str(server.sockets[0].getsockname()[1]))
    os.rename(temporary, port_file)
    await exit_with_parent(os.getppid())


if __name__ == "__main__":
    asyncio.run(main())
