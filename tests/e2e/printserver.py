# SPDX-License-Identifier: GPL-3.0-or-later
"""A private print server: cupsd with folders of its own, a Unix socket as its
only listener, and one raw default queue whose backend writes jobs to files."""

import glob
import grp
import os
import subprocess
import textwrap

from desktop import end_process, spawn
from waiting import wait_until

QUEUE = "corvella-test"

# Copies each job unchanged, renamed into place once complete.
BACKEND = """#!/bin/sh
if [ $# -eq 0 ]; then echo 'file capture "Unknown" "Copies each job to a file"'; exit 0; fi
part="${DEVICE_URI#capture:}/.job-$1.part"
if [ $# -ge 6 ]; then cat "$6" > "$part"; else cat > "$part"; fi || exit 1
mv "$part" "${DEVICE_URI#capture:}/job-$1.pdf"
"""


class PrintServer:
    def __init__(self, root):
        self.root = root
        self.socket = os.path.join(root, "cups.sock")
        self.jobs_dir = os.path.join(root, "jobs")
        self.conf = os.path.join(root, "conf")
        self.process = None
        for sub in ("conf", "state", "cache", "spool", "tmp", "log", "jobs", "bin/backend"):
            os.makedirs(os.path.join(root, sub), mode=0o755, exist_ok=True)
        os.chmod(os.path.join(root, "spool"), 0o710)
        os.chmod(os.path.join(root, "tmp"), 0o1777)  # filters run as lp
        # Its bin folder: the system's helpers and the capturing backend.
        for sub in ("daemon", "filter", "cgi-bin", "notifier", "monitor", "driver"):
            os.symlink(f"/usr/lib/cups/{sub}", os.path.join(root, "bin", sub))
        self._write("bin/backend/capture", BACKEND, 0o700)
        self._write("conf/cupsd.conf", f"""\
            Listen {self.socket}
            LogLevel warn
            Browsing No
            DefaultAuthType None
            <Location />
              Order allow,deny
              Allow all
            </Location>
            """)
        group = f"SystemGroup {grp.getgrgid(os.getgid()).gr_name}" if os.getuid() else ""
        self._write("conf/cups-files.conf", f"""\
            ServerRoot {self.conf}
            StateDir {root}/state
            CacheDir {root}/cache
            RequestRoot {root}/spool
            TempDir {root}/tmp
            ServerBin {root}/bin
            ErrorLog {root}/log/error_log
            AccessLog {root}/log/access_log
            PageLog {root}/log/page_log
            Printcap {root}/state/printcap
            FileDevice No
            {group}
            """)
        # A queue without a driver is raw: jobs reach the backend unchanged.
        self._write("conf/printers.conf", f"""\
            <DefaultPrinter {QUEUE}>
            DeviceURI capture:{self.jobs_dir}
            State Idle
            Accepting Yes
            Shared No
            </DefaultPrinter>
            """)

    def _write(self, name, text, mode=0o644):
        path = os.path.join(self.root, name)
        with open(path, "w") as f:
            f.write(textwrap.dedent(text))
        os.chmod(path, mode)

    def start(self):
        with open(os.path.join(self.root, "log", "cupsd.out"), "w") as log:
            self.process = spawn(["/usr/sbin/cupsd", "-f", "-c", f"{self.conf}/cupsd.conf",
                                  "-s", f"{self.conf}/cups-files.conf"],
                                 stdout=log, stderr=subprocess.STDOUT)
        wait_until(self._ready, 15, "the print server to accept jobs", self.error_log)

    def _ready(self):
        # lpstat exits 0 whether or not the scheduler answers: read its words.
        out = subprocess.run(["lpstat", "-h", self.socket, "-d", "-p", QUEUE],
                             capture_output=True, text=True, timeout=10).stdout
        return f"system default destination: {QUEUE}" in out and "enabled" in out

    def stop(self):
        end_process(self.process)

    def jobs(self):  # in the order sent (job-1.pdf to job-9.pdf)
        return sorted(glob.glob(os.path.join(self.jobs_dir, "job-*.pdf")))

    def wait_for_jobs(self, count):
        wait_until(lambda: len(self.jobs()) >= count, 20, f"{count} printed job(s)",
                   self.error_log)
        return self.jobs()

    def error_log(self):
        logs = [os.path.join(self.root, "log", name) for name in ("cupsd.out", "error_log")]
        return "\n".join(open(p, errors="replace").read()[-3000:] for p in logs
                         if os.path.exists(p))
