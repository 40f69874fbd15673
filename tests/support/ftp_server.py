#!/usr/bin/env python3
"""An FTP server on the loopback for the tests of sending exports.

Serves DIR to the user "volmira-apt" with the password "harrier77" on
127.0.0.1 at a free port, which it prints as its first line. With --read-only
the user may list and read but not store, so every upload is refused.
"""
import argparse
import ctypes
import logging
import signal
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import DTPHandler, FTPHandler
from pyftpdlib.servers import FTPServer


def end_with_parent():
    # A test program that dies without its teardown takes its server along.
    try:
        ctypes.CDLL("libc.so.6", use_errno=True).prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG
    except OSError:
        pass


class Handler(FTPHandler):
    greeting_delay = 0

    def handle(self):  # unless the client gave up waiting
        self.ioloop.call_later(self.greeting_delay, lambda: self._closed or FTPHandler.handle(self))


class RefusingDTPHandler(DTPHandler):
    def handle_close(self):  # a whole file refused, as by a full disk
        if self.receive:
            self._resp = ("452 Insufficient storage space.", logging.debug)
            self.close()
        super().handle_close()


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--root", required=True, help="the folder served")
    parser.add_argument("--read-only", action="store_true", help="refuse every upload")
    parser.add_argument("--slow-greeting", action="store_true", help="greet after 2.5 s")
    parser.add_argument("--slow-refusal", action="store_true", help="refuse a wrong password after 2.5 s")
    parser.add_argument("--refuse-after-receive", action="store_true", help="answer each whole file with 452")
    args = parser.parse_args()

    end_with_parent()
    authorizer = DummyAuthorizer()
    authorizer.add_user("volmira-apt", "harrier77", args.root, perm="elr" if args.read_only else "elradfmwMT")
    handler = Handler
    handler.authorizer = authorizer
    handler.banner = "Volmira test server"
    handler.greeting_delay = 2.5 if args.slow_greeting else 0
    handler.auth_failed_timeout = 2.5 if args.slow_refusal else 0
    if args.refuse_after_receive:
        handler.dtp_handler = RefusingDTPHandler
    server = FTPServer(("127.0.0.1", 0), handler)
    # Only warnings, on stderr: a session's chatter would fill a pipe nobody reads.
    log = logging.getLogger("pyftpdlib")
    log.addHandler(logging.StreamHandler())
    log.setLevel(logging.WARNING)
    print(server.address[1], flush=True)
    server.serve_forever(handle_exit=True)


if __name__ == "__main__":
    sys.exit(main())
