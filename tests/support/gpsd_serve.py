#!/usr/bin/python3
# A real gpsd serving a recorded receiver log on a free loopback port, the
# way gpsfake does it (its DaemonInstance and FakePTY, Debian packages gpsd
# and gpsd-clients): gpsd reads the log from gpsfake's pseudo-terminal and
# passes its NMEA on to a client that asks for it.
#
# gpsd opens the receiver only once a client watches, so until the client
# shows that it is served, a void fix sentence (SYNC) is fed every 0.2 s;
# then the log is fed once.
#
#   gpsd_serve.py LOG DIR
#       prints "port N"; waits for the file DIR/go, feeding SYNC, then feeds
#       the log and END, and ends gpsd when DIR/done appears.
#   gpsd_serve.py LOG --run Z5 ROUTE [z5 options]
#       runs `Z5 [options] --gps gpsd://127.0.0.1:N --goto 2 ROUTE` until its
#       first display, feeds the log, and once z5 has been quiet for a
#       second stops it with Ctrl-C (SIGINT); prints its exit status, the
#       number of displays and the last one.
import os
import select
import signal
import subprocess
import sys
import time

import gps.fake as fake


def sentence(body):
    checksum = 0
    for c in body.encode():
        checksum ^= c
    return ("$%s*%02X\r\n" % (body, checksum)).encode()


SYNC = sentence("GPRMC,000000,V,,,,,,,,,,N")
END = sentence("GPRMC,235959,V,,,,,,,,,,N")
SYNC_INTERVAL = 0.2
QUIET = 1.0
TIMEOUT = 60


def start_gpsd(log):
    port = fake.freeport()
    daemon = fake.DaemonInstance()
    daemon.spawn(options="", port=port, background=True)
    daemon.wait_ready()
    with open(log, "rb") as fp:
        load = fake.TestLoad(fp)
    pty = fake.FakePTY(load, speed=4800)
    daemon.add_device(pty.byname)
    return daemon, pty, load, port


def feed_log(pty, load):
    for line in load.sentences:
        pty.write(line)
        pty.read()


def serve(log, directory):
    daemon, pty, load, port = start_gpsd(log)
    print("port", port, flush=True)
    deadline = time.time() + TIMEOUT
    while not os.path.exists(os.path.join(directory, "go")) and time.time() < deadline:
        pty.write(SYNC)
        pty.read()
        time.sleep(SYNC_INTERVAL)
    feed_log(pty, load)
    pty.write(END)
    while not os.path.exists(os.path.join(directory, "done")) and time.time() < deadline:
        time.sleep(0.05)
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
    daemon, pty, load, port = start_gpsd(log)
    z5 = subprocess.Popen([program, *options, "--gps", "gpsd://127.0.0.1:%d" % port, "--goto", "2", route],
                          stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    out = b""
    deadline = time.time() + TIMEOUT
    while b"\n\n" not in out and time.time() < deadline and z5.poll() is None:
        pty.write(SYNC)
        pty.read()
        out += read_until_quiet(z5.stdout, SYNC_INTERVAL)
    feed_log(pty, load)
    out += read_until_quiet(z5.stdout, QUIET)
    z5.send_signal(signal.SIGINT)
    rest, err = z5.communicate(timeout=10)
    daemon.kill()
    displays = (out + rest).decode().strip().split("\n\n")
    print("exit", z5.returncode, "displays", len(displays))
    print(displays[-1])
    sys.stderr.write(err.decode())


if __name__ == "__main__":
    if sys.argv[2] == "--run":
        run(sys.argv[1], sys.argv[3], sys.argv[4], sys.argv[5:])
    else:
        serve(sys.argv[1], sys.argv[2])
