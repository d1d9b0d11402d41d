#!/usr/bin/python3
# A real gpsd on a loopback port reading a receiver from gpsfake's own
# pseudo-terminal (its DaemonInstance and FakePTY; Debian packages gpsd and
# gpsd-clients), so that a client asking gpsd for NMEA gets what is fed.
#
#   gpsd_serve.py --stdin PORT
#       gpsd on PORT; each line read from standard input is written to the
#       receiver as it comes, until the input ends.
#   gpsd_serve.py --run LOG Z5 ROUTE [z5 options]
#       runs `Z5 [options] --gps gpsd://127.0.0.1:PORT --goto 2 ROUTE`; gpsd
#       opens the receiver only once a client watches, so a void fix is fed
#       every 0.2 s until z5 shows its first display; then the log is fed,
#       and once z5 has been quiet for a second it is stopped with Ctrl-C
#       (SIGINT). Prints its exit status, the number of displays and the
#       last one.
import os
import select
import signal
import subprocess
import sys
import time

import gps.fake as fake

VOID_FIX = b"$GPRMC,000000,V,,,,,,,,,,N*53\r\n"
SYNC_INTERVAL = 0.2
QUIET = 1.0
TIMEOUT = 60


def start_gpsd(port, load):
    daemon = fake.DaemonInstance()
    daemon.spawn(options="", port=port, background=True)
    daemon.wait_ready()
    pty = fake.FakePTY(load, speed=4800)
    daemon.add_device(pty.byname)
    return daemon, pty


def feed(pty, line):
    pty.write(line)
    pty.read()


def serve_stdin(port):
    daemon, pty = start_gpsd(port, fake.TestLoad(open(os.devnull, "rb")))
    for line in sys.stdin.buffer:
        feed(pty, line)
    daemon.kill()


def read_until_quiet(stream, seconds):
    """What `stream` gives until it has said nothing for `seconds`."""
    text = b""
    while select.select([stream], [], [], seconds)[0]:
        chunk = os.read(stream.fileno(), 65536)
        if not chunk:
            break
        text += chunk
    return text


def run(log, program, route, options):
    port = fake.freeport()
    with open(log, "rb") as fp:
        load = fake.TestLoad(fp)
    daemon, pty = start_gpsd(port, load)
    z5 = subprocess.Popen([program, *options, "--gps", "gpsd://127.0.0.1:%d" % port, "--goto", "2", route],
                          stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    out = b""
    deadline = time.time() + TIMEOUT
    while b"\n\n" not in out and time.time() < deadline and z5.poll() is None:
        feed(pty, VOID_FIX)
        out += read_until_quiet(z5.stdout, SYNC_INTERVAL)
    for line in load.sentences:
        feed(pty, line)
    out += read_until_quiet(z5.stdout, QUIET)
    z5.send_signal(signal.SIGINT)
    rest, err = z5.communicate(timeout=10)
    daemon.kill()
    displays = (out + rest).decode().strip().split("\n\n")
    print("exit", z5.returncode, "displays", len(displays))
    print(displays[-1])
    sys.stderr.write(err.decode())


if __name__ == "__main__":
    if sys.argv[1] == "--stdin":
        serve_stdin(int(sys.argv[2]))
    else:
        run(*sys.argv[2:5], sys.argv[5:])
