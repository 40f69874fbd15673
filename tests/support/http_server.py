#!/usr/bin/env python3
"""An HTTP server on the loopback for the tests of the version check.

Serves the files of DIR on 127.0.0.1 at a free port, which it prints as its
first line. Every request must carry basic credentials "volmira-apt" /
"harrier77", else it is answered 401 with WWW-Authenticate. A file is
answered 200 with its exact bytes, anything else 404 with the body "x".
With --hang no request is ever answered.
"""
import argparse
import base64
import ctypes
import http.server
import os
import signal
import sys
import threading
import urllib.parse

CREDENTIALS = "Basic " + base64.b64encode(b"volmira-apt:harrier77").decode("ascii")


def end_with_parent():
    # A test program that dies without its teardown takes its server along.
    try:
        ctypes.CDLL("libc.so.6", use_errno=True).prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG
    except OSError:
        pass


class Handler(http.server.BaseHTTPRequestHandler):
    def log_message(self, format, *args):  # a pipe nobody reads must not fill
        pass

    def answer(self, status, body, headers=()):
        self.send_response(status)
        for name, value in headers:
            self.send_header(name, value)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def do_GET(self):
        if self.server.hang:
            threading.Event().wait()
        if self.headers.get("Authorization") != CREDENTIALS:
            self.answer(401, b"", [("WWW-Authenticate", 'Basic realm="Volmira"')])
            return
        root = os.path.realpath(self.server.root)
        relative = urllib.parse.unquote(urllib.parse.urlsplit(self.path).path).lstrip("/")
        path = os.path.realpath(os.path.join(root, relative))
        if not path.startswith(root + os.sep) or not os.path.isfile(path):
            self.answer(404, b"x")
            return
        with open(path, "rb") as file:
            self.answer(200, file.read(), [("Content-Type", "text/plain")])


class Server(http.server.ThreadingHTTPServer):
    daemon_threads = True  # hanging answers do not keep the server from ending


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--root", required=True, help="the folder served")
    parser.add_argument("--hang", action="store_true", help="never answer")
    args = parser.parse_args()

    end_with_parent()
    server = Server(("127.0.0.1", 0), Handler)
    server.root = args.root
    server.hang = args.hang
    print(server.server_address[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    sys.exit(main())
