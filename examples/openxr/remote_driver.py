"""Plays the scripted user into Monado's remote driver: the head turn, the right controller's
sweep across the room and the select press of script.py, streamed as the driver's state
packets over its TCP port.

The driver's packet is 376 bytes: a tag, two view records, the head pose, then one record per
controller. On connect it sends two packets of its own state; the second is the template this
script changes, so every field it does not script keeps the driver's own value.
"""

import argparse
import socket
import struct
import sys
import time

import script

PACKET_SIZE = 376
TAG = b"mndrmt3\0"
HEAD_POSE = 104
CONTROLLERS = {"left": 136, "right": 256}
# Offsets inside a controller record.
POSE = 0
CURLS = 52
TRIGGER_VALUE = 72
HAND_TRACKING_ACTIVE = 104
ACTIVE = 105
TRIGGER_CLICK = 112

SEND_RATE_HZ = 250


def pack_pose(packet: bytearray, offset: int, position: script.Point, orientation: script.Quat) -> None:
    # The driver's pose order: orientation x, y, z, w, then position x, y, z.
    struct.pack_into("<7f", packet, offset, *orientation, *position)


def state_at(template: bytes, seconds: float) -> bytes:
    packet = bytearray(template)
    pack_pose(packet, HEAD_POSE, script.HEAD_POSITION, script.yaw_rotation(script.head_yaw_degrees(seconds)))

    left = CONTROLLERS["left"]
    pack_pose(packet, left + POSE, script.LEFT_CONTROLLER, (0.0, 0.0, 0.0, 1.0))
    packet[left + ACTIVE] = 1

    right = CONTROLLERS["right"]
    pack_pose(packet, right + POSE, script.RIGHT_CONTROLLER, script.aim_rotation(seconds))
    held = script.select_held(seconds)
    struct.pack_into("<f", packet, right + TRIGGER_VALUE, 1.0 if held else 0.0)
    # A pointing hand: index finger straight, the others curled.
    struct.pack_into("<5f", packet, right + CURLS, 0.0, 0.0, 1.0, 1.0, 1.0)
    packet[right + TRIGGER_CLICK] = 1 if held else 0
    packet[right + ACTIVE] = 1
    packet[right + HAND_TRACKING_ACTIVE] = 1
    return bytes(packet)


def receive_exactly(connection: socket.socket, size: int) -> bytes:
    data = b""
    while len(data) < size:
        chunk = connection.recv(size - len(data))
        if not chunk:
            raise ConnectionError(f"the remote driver closed the connection after {len(data)} of {size} bytes")
        data += chunk
    return data


def connect(port: int, timeout_s: float) -> socket.socket:
    deadline = time.monotonic() + timeout_s
    while True:
        try:
            return socket.create_connection(("127.0.0.1", port), timeout=timeout_s)
        except OSError:
            if time.monotonic() > deadline:
                raise
            time.sleep(0.05)


def run(port: int, epoch_ns: int, tail_s: float) -> None:
    with connect(port, timeout_s=10.0) as connection:
        receive_exactly(connection, PACKET_SIZE)
        template = receive_exactly(connection, PACKET_SIZE)
        if template[:8] != TAG:
            raise ValueError(f"unexpected packet tag {template[:8]!r}: not the remote driver this script knows")
        period_ns = 1_000_000_000 // SEND_RATE_HZ
        end_ns = epoch_ns + round((script.SESSION_SECONDS + tail_s) * 1e9)
        next_ns = time.monotonic_ns()
        while next_ns < end_ns:
            seconds = max(0.0, (next_ns - epoch_ns) / 1e9)
            connection.sendall(state_at(template, seconds))
            next_ns += period_ns
            time.sleep(max(0.0, (next_ns - time.monotonic_ns()) / 1e9))


def main(argv: list[str] | None = None) -> int:
    parser = argparse.ArgumentParser(description="Stream script.py into Monado's remote driver.")
    parser.add_argument("--port", type=int, default=4242)
    parser.add_argument("--epoch-ns", type=int, required=True,
                        help="CLOCK_MONOTONIC time, in ns, at which the script starts")
    parser.add_argument("--tail", type=float, default=1.0, metavar="SECONDS",
                        help="keep sending the last state this long after the script ends")
    args = parser.parse_args(argv)
    try:
        run(args.port, args.epoch_ns, args.tail)
    except (OSError, ValueError) as error:
        print(f"remote_driver: {error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
