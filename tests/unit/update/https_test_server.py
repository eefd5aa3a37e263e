#!/usr/bin/env python3
"""A small HTTPS server for the update tests.

Binds 127.0.0.1 on port 0 and prints the port on its first line of output. Each request's
raw head and body are appended to the record file as one JSON line. Answers come from the
routes file (JSON, read on every request so a test may change it):

  {"/path": {"status": 200, "body": "text", "body_file": "path", "repeat": 1,
             "announce": 1234, "chunk": 1024, "delay": 0.0}}

"announce" replaces the Content-Length sent (a larger value makes a short answer; -1
sends none, so only the closing connection ends the body); "location" adds a Location
header (for a redirect status);
"chunk" and "delay" send the body in pieces with a pause between them. A path that is
not listed gets 404.
"""
import argparse
import json
import socketserver
import ssl
import sys
import time

MAX_HEAD = 65536


class Handler(socketserver.StreamRequestHandler):
    def handle(self):
        head = b""
        while not head.endswith(b"\r\n\r\n"):
            line = self.rfile.readline(MAX_HEAD)
            if not line:
                return
            head += line
        length = 0
        for line in head.split(b"\r\n")[1:]:
            name, _, value = line.partition(b":")
            if name.strip().lower() == b"content-length":
                length = int(value.strip())
        body = self.rfile.read(length) if length else b""
        with open(self.server.record, "a", encoding="ascii") as record:
            record.write(json.dumps({"head": head.decode("latin-1"), "body_hex": body.hex()}) + "\n")
        path = head.split(b" ")[1].decode("latin-1")
        with open(self.server.routes, encoding="utf-8") as routes_file:
            route = json.load(routes_file).get(path)
        if route is None:
            self.wfile.write(b"HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n")
            return
        if "body_file" in route:
            with open(route["body_file"], "rb") as data:
                answer = data.read()
        else:
            answer = route.get("body", "").encode("utf-8")
        answer *= route.get("repeat", 1)
        status = route.get("status", 200)
        announced = route.get("announce", len(answer))
        head = "HTTP/1.1 %d Answer\r\n" % status
        if announced >= 0:
            head += "Content-Length: %d\r\n" % announced
        if "location" in route:
            head += "Location: %s\r\n" % route["location"]
        self.wfile.write((head + "Connection: close\r\n\r\n").encode("ascii"))
        chunk = route.get("chunk", len(answer) or 1)
        for start in range(0, len(answer), chunk):
            self.wfile.write(answer[start:start + chunk])
            self.wfile.flush()
            time.sleep(route.get("delay", 0.0))


class Server(socketserver.ThreadingMixIn, socketserver.TCPServer):
    daemon_threads = True
    allow_reuse_address = True


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cert", required=True)
    parser.add_argument("--key", required=True)
    parser.add_argument("--routes", required=True)
    parser.add_argument("--record", required=True)
    args = parser.parse_args()
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(args.cert, args.key)
    server = Server(("127.0.0.1", 0), Handler)
    server.socket = context.wrap_socket(server.socket, server_side=True)
    server.record = args.record
    server.routes = args.routes
    print(server.server_address[1], flush=True)
    sys.stdout.close()
    server.serve_forever()


if __name__ == "__main__":
    main()
