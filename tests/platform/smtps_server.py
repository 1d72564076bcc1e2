"""A throw-away mail server for the mail tests, run with Debian's /usr/bin/python3.

Usage: smtps_server.py FOLDER USER PASSWORD

Makes a self-signed certificate for 127.0.0.1 in FOLDER (cert.pem), listens on 127.0.0.1
with TLS from the first byte, accepts only USER with PASSWORD, prints "PORT n" once ready
and then one JSON line per message received. Exits with 3 when aiosmtpd or openssl is
missing, so the test can tell "cannot run here" from a fault.
"""
import asyncio
import email
import email.policy
import json
import os
import ssl
import subprocess
import sys

UNAVAILABLE = 3


def unavailable(reason):
    print(f"UNAVAILABLE {reason}", flush=True)
    sys.exit(UNAVAILABLE)


def make_certificate(folder):
    cert = os.path.join(folder, "cert.pem")
    key = os.path.join(folder, "key.pem")
    try:
        subprocess.run(
            ["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", key,
             "-out", cert, "-days", "1", "-subj", "/CN=127.0.0.1",
             "-addext", "subjectAltName=IP:127.0.0.1"],
            check=True, capture_output=True)
    except (OSError, subprocess.CalledProcessError) as error:
        unavailable(f"openssl: {error}")
    context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
    context.load_cert_chain(cert, key)
    return context


class Recorder:
    async def handle_DATA(self, server, session, envelope):
        message = email.message_from_bytes(envelope.content, policy=email.policy.default)
        body = message.get_payload(decode=True).decode("utf-8").replace("\r\n", "\n")
        # The line break that ends the last line belongs to the transfer, not to the text.
        body = body[:-1] if body.endswith("\n") else body
        print(json.dumps({
            "mail_from": envelope.mail_from,
            "rcpt_tos": envelope.rcpt_tos,
            "from": str(message["From"]),
            "to": str(message["To"]),
            "subject": str(message["Subject"]),
            "headers": list(message.keys()),
            "body": body,
        }), flush=True)
        return "250 Message accepted"


def main():
    folder, user, password = sys.argv[1:4]
    try:
        from aiosmtpd.smtp import SMTP, AuthResult
    except ImportError as error:
        unavailable(f"aiosmtpd: {error}")
    context = make_certificate(folder)

    def authenticator(server, session, envelope, mechanism, auth_data):
        # Not "handled", so a refusal is answered with the usual 535.
        return AuthResult(success=auth_data.login == user.encode()
                          and auth_data.password == password.encode(), handled=False)

    async def serve():
        loop = asyncio.get_running_loop()
        # The whole connection is TLS, so the login needs no STARTTLS first.
        server = await loop.create_server(
            lambda: SMTP(Recorder(), hostname="127.0.0.1", authenticator=authenticator,
                         auth_required=True, auth_require_tls=False),
            "127.0.0.1", 0, ssl=context)
        print(f"PORT {server.sockets[0].getsockname()[1]}", flush=True)
        await server.serve_forever()

    asyncio.run(serve())


if __name__ == "__main__":
    main()
