#!/usr/bin/python3
# A recorded receiver log replayed through gpsfake's own pseudo-terminal
# (FakePTY, Debian package gpsd-clients) into `z5 --gps`, the way GPS
# developers present logs to a reader; z5 is then stopped with Ctrl-C
# (SIGINT). Run by tests/cli/GpsCliTest.cpp when gpsfake is installed, or
# by hand:
#
#   /usr/bin/python3 tests/support/gpsfake_replay.py build/z5 build/README.TXT \
#       tests/fixtures/nmea/bundg_zeus_9.log [more z5 options]
#
# Prints z5's exit status, the number of sentences replayed and of displays
# z5 printed (one per RMC fix), and the last display.
import signal
import subprocess
import sys
import time

import gps.fake as fake

program, route, log = sys.argv[1:4]
options = sys.argv[4:]
with open(log, "rb") as fp:
    load = fake.TestLoad(fp, oneshot=True)
pty = fake.FakePTY(load, speed=4800)
z5 = subprocess.Popen([program, *options, "--gps", pty.byname, "--goto", "2", route],
                      stdout=subprocess.PIPE, stderr=subprocess.PIPE)
time.sleep(1.0)
for _ in range(len(load.sentences)):
    pty.feed()
    time.sleep(0.0005)
time.sleep(0.5)
z5.send_signal(signal.SIGINT)
out, err = z5.communicate(timeout=10)
displays = out.decode().strip().split("\n\n")
print("exit", z5.returncode, "sentences", len(load.sentences), "displays", len(displays))
print(displays[-1])
sys.stderr.write(err.decode())
