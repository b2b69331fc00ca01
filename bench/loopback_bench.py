"""How long a real client waits for the inspector's page while hundreds of slow clients hold
connections open (each sent half a request head and then nothing), on loopback.

    python3 bench/loopback_bench.py [--quick]
"""

import argparse
import http.client
import socket
import statistics
import sys
import tempfile
import threading
import time
from pathlib import Path

import quillary_spatial as qs
from quillary_spatial import inspector


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--quick", action="store_true", help="a short smoke run")
    args = parser.parse_args()
    slow_count, requests = (100, 5) if args.quick else (400, 40)
    with tempfile.TemporaryDirectory() as folder:
        log = Path(folder) / "s.jsonl"
        with qs.Recorder(log) as recorder:
            for i in range(900):  # ten seconds at 90 Hz
                frame = qs.SpatialIntentFrame()
                frame.timestamp_ns = i * 11_111_111
                recorder.push(frame)
        server = inspector.serve(log)
        serving = threading.Thread(target=server.serve_forever)
        serving.start()
        host, port = server.server_address
        try:
            slow = []
            for _ in range(slow_count):
                s = socket.create_connection((host, port), timeout=30)
                s.sendall(b"GET / HTTP/1.1\r\nHost: ")
                slow.append(s)
            waits = []
            for _ in range(requests):
                started = time.perf_counter()
                connection = http.client.HTTPConnection(host, port, timeout=30)
                connection.request("GET", "/", headers={"Host": f"{host}:{port}"})
                response = connection.getresponse()
                response.read()
                connection.close()
                assert response.status == 200
                waits.append(time.perf_counter() - started)
            held = sum(1 for s in slow if s.fileno() != -1)
            for s in slow:
                s.close()
        finally:
            server.shutdown()
            server.server_close()
            serving.join()
    print(f"loopback server: {requests} page requests beside {held} slow clients held open: "
          f"median {statistics.median(waits) * 1000:.1f} ms, slowest {max(waits) * 1000:.1f} ms (goal: within 1 s)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
