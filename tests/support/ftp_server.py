#!/usr/bin/env python3
"""A throwaway FTP server for tests: one user with a password, a root folder, a free
port of 127.0.0.1 printed on the first line of standard output once it listens.

--journal FILE: every stored file's path, relative to the root, one per line, in the
order the uploads completed.
--drop-after N: after the N-th stored file the server drops every connection and
refuses new ones, as a server that goes away in the middle of a transfer run."""
import argparse
import os
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.log import config_logging
from pyftpdlib.servers import FTPServer


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--user", required=True)
    parser.add_argument("--password", required=True)
    parser.add_argument("--drop-after", type=int, default=0)
    parser.add_argument("--journal", required=True)
    args = parser.parse_args()

    config_logging(level=40)  # errors only: the tests read the directory, not the log
    authorizer = DummyAuthorizer()
    authorizer.add_user(args.user, args.password, args.root, perm="elradfmwMT")

    class Handler(FTPHandler):
        stored = 0
        gone = False

        def on_connect(self):
            if Handler.gone:
                self.close()

        def on_file_received(self, file):
            with open(args.journal, "a", encoding="utf-8") as journal:
                journal.write(os.path.relpath(file, args.root) + "\n")
            Handler.stored += 1
            if args.drop_after and Handler.stored >= args.drop_after:
                Handler.gone = True

        def ftp_STOR(self, file, mode="w"):
            if Handler.gone:
                self.close()
                return
            return super().ftp_STOR(file, mode)

    Handler.authorizer = authorizer
    Handler.auth_failed_timeout = 0  # answer a wrong password at once
    server = FTPServer(("127.0.0.1", 0), Handler)
    print(server.socket.getsockname()[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    sys.exit(main())
