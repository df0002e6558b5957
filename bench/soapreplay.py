#!/usr/bin/env python3
"""A SOAP endpoint of another stack for the transport benchmark: Python's
http.server on HTTP/1.1 with kept-alive connections, answering every POST
with the answer file it was given. Prints its port on the first line."""
import http.server
import socket
import sys


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = 'HTTP/1.1'
    answer = b''
    content_type = 'text/xml; charset=utf-8'

    def do_POST(self):
        self.rfile.read(int(self.headers.get('Content-Length', '0')))
        # Headers and body in one write, as a server that sets TCP_NODELAY should.
        head = (f'HTTP/1.1 200 OK\r\nContent-Type: {self.content_type}\r\n'
                f'Content-Length: {len(self.answer)}\r\n\r\n').encode('ascii')
        self.wfile.write(head + self.answer)
        self.wfile.flush()

    def log_message(self, *args):
        pass

    def setup(self):
        super().setup()
        self.connection.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)


def main():
    with open(sys.argv[1], 'rb') as f:
        Handler.answer = f.read()
    server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), Handler)
    print(server.server_address[1], flush=True)
    server.serve_forever()


if __name__ == '__main__':
    main()
