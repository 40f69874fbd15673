#!/usr/bin/env python3
"""An FTP server on the loopback for the tests of sending exports.

Serves DIR to the user "volmira-apt" with the password "harrier77" on
127.0.0.1 at a free port, which it prints as its first line. With --read-only
the user may list and read but not store, so every upload is refused.
--greeting-delay and --refusal-delay make the greeting and the refusal of a
wrong password come late; --refuse-after-receive answers a whole file with
that code (451, 452: the server's disk is full) and drops it.
"""
import argparse
import ctypes
import logging
import os
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


class SlowHandler(FTPHandler):
    greeting_delay = 0.0

    def handle(self):
        if self.greeting_delay:
            self.ioloop.call_later(self.greeting_delay, self.greet)
        else:
            super().handle()

    def greet(self):
        if not self._closed:  # the client may have given up waiting
            super().handle()


class RefusingDTPHandler(DTPHandler):
    code = 452

    def handle_close(self):
        if self.receive and not self._closed:
            self._resp = ("%d Insufficient storage space." % self.code, logging.debug)
            self.close()
        else:
            super().handle_close()


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--root", required=True, help="the folder served")
    parser.add_argument("--read-only", action="store_true", help="refuse every upload")
    parser.add_argument("--greeting-delay", type=float, default=0.0, help="seconds before the greeting")
    parser.add_argument("--refusal-delay", type=float, default=0.0, help="seconds before a wrong login is refused")
    parser.add_argument("--refuse-after-receive", type=int, metavar="CODE", help="refuse every file received")
    args = parser.parse_args()

    end_with_parent()
    authorizer = DummyAuthorizer()
    authorizer.add_user("volmira-apt", "harrier77", args.root, perm="elr" if args.read_only else "elradfmwMT")
    handler = SlowHandler
    handler.authorizer = authorizer
    handler.banner = "Volmira test server"
    handler.greeting_delay = args.greeting_delay
    handler.auth_failed_timeout = args.refusal_delay
    if args.refuse_after_receive:
        RefusingDTPHandler.code = args.refuse_after_receive
        handler.dtp_handler = RefusingDTPHandler
        handler.on_incomplete_file_received = lambda self, file: os.remove(file)
    server = FTPServer(("127.0.0.1", 0), handler)
    # Only warnings, on stderr: a session's chatter would fill a pipe nobody reads.
    log = logging.getLogger("pyftpdlib")
    log.addHandler(logging.StreamHandler())
    log.setLevel(logging.WARNING)
    print(server.address[1], flush=True)
    server.serve_forever(handle_exit=True)


if __name__ == "__main__":
    sys.exit(main())
