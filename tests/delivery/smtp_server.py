"""A throw-away SMTP server: smtp_server.py OUTFOLDER PORTFILE [--starttls CERTFOLDER] [--auth]

Takes every message on a free port of 127.0.0.1 (written to PORTFILE once it listens) and stores
it as OUTFOLDER/N.eml with N.env ("from", one "to" per recipient). --starttls requires STARTTLS
with a certificate of the test authority; --auth requires the login "guest"/"secret" (in
clear text without --starttls) and appends each attempt to OUTFOLDER/auth.log. It ends with its
parent process.
"""

import asyncio, os, ssl, sys, warnings

from aiosmtpd.smtp import SMTP, AuthResult, LoginPassword
from server_support import announce, end_with_parent, make_certificates


class Store:
    def __init__(self, folder):
        self.folder, self.count = folder, 0

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


def tls_context(folder):
    certificate, key = make_certificates(folder)
    context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
    context.load_cert_chain(certificate, key)
    return context


def authenticator(folder):
    def check(server, session, envelope, mechanism, data):
        login = isinstance(data, LoginPassword)
        with open(os.path.join(folder, "auth.log"), "a") as log:
            log.write("%s %s %s\n" % (mechanism, data.login.decode(), data.password.decode())
                      if login else "%s %r\n" % (mechanism, data))
        good = login and data.login == b"guest" and data.password == b"secret"
        return AuthResult(success=good)
    return check


async def main():
    warnings.simplefilter("ignore")  # aiosmtpd warns of a login offered in clear text: wanted
    folder, port_file, options = sys.argv[1], sys.argv[2], sys.argv[3:]
    settings = {"hostname": "varmio-test", "data_size_limit": None}
    if "--starttls" in options:
        settings.update(tls_context=tls_context(options[options.index("--starttls") + 1]),
                        require_starttls=True)
    if "--auth" in options:
        settings.update(authenticator=authenticator(folder), auth_required=True,
                        auth_require_tls="--starttls" in options)
    store = Store(folder)
    server = await asyncio.get_running_loop().create_server(
        lambda: SMTP(store, **settings), host="127.0.0.1", port=0)
    end_with_parent()
    announce(port_file, server.sockets[0].getsockname()[1])
    await asyncio.Event().wait()


if __name__ == "__main__":
    asyncio.run(main())
