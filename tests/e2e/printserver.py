# SPDX-License-Identifier: GPL-3.0-or-later
"""A private print server for the end-to-end tests: Debian's cupsd with its
own configuration, state, spool and log folders, a Unix socket as its only
listener, and one raw default queue whose backend writes each job to a file.
The machine's own print configuration is never read or changed."""

import glob
import os
import shutil
import signal
import subprocess
import textwrap

from desktop import spawn
from waiting import wait_until

QUEUE = "corvella-test"
CUPS_BIN = "/usr/lib/cups"

# The backend copies each job unchanged (Qt's PDF, text and all) and renames
# it into place only when complete, so a reader never sees half a job.
BACKEND = textwrap.dedent("""\
    #!/bin/sh
    if [ $# -eq 0 ]; then
        echo 'file capture "Unknown" "Copies each job to a file"'
        exit 0
    fi
    out="${DEVICE_URI#capture:}"
    part="$out/.job-$1.part"
    if [ $# -ge 6 ]; then cat "$6" > "$part"; else cat > "$part"; fi || exit 1
    mv "$part" "$out/job-$1.pdf" || exit 1
    exit 0
    """)


class PrintServer:
    def __init__(self, root):
        self.root = root
        self.socket = os.path.join(root, "cups.sock")
        self.jobs_dir = os.path.join(root, "jobs")
        self.process = None
        self._configure()

    def _configure(self):
        root = self.root
        # Backends run as root only when the daemon does; filters run as lp.
        os.makedirs(root, mode=0o755, exist_ok=True)
        for sub in ("conf", "state", "cache", "spool", "tmp", "log", "jobs", "bin/backend"):
            os.makedirs(os.path.join(root, sub), exist_ok=True)
        os.chmod(os.path.join(root, "spool"), 0o710)
        os.chmod(os.path.join(root, "tmp"), 0o1777)  # shared like /tmp: filters run as lp
        # The daemon runs its helpers from its own bin folder: link the
        # system's, add the capturing backend.
        for sub in ("daemon", "filter", "cgi-bin", "notifier", "monitor", "driver"):
            target = os.path.join(CUPS_BIN, sub)
            if os.path.isdir(target):
                os.symlink(target, os.path.join(root, "bin", sub))
        backend = os.path.join(root, "bin", "backend", "capture")
        with open(backend, "w") as f:
            f.write(BACKEND)
        os.chmod(backend, 0o700)
        conf = os.path.join(root, "conf")
        with open(os.path.join(conf, "cupsd.conf"), "w") as f:
            f.write(textwrap.dedent(f"""\
                Listen {self.socket}
                LogLevel warn
                Browsing No
                BrowseLocalProtocols none
                DefaultShared No
                WebInterface No
                DefaultAuthType None
                <Location />
                  Order allow,deny
                  Allow all
                </Location>
                """))
        files = textwrap.dedent(f"""\
            ServerRoot {conf}
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
            """)
        if os.getuid() != 0:
            import grp
            files += f"SystemGroup {grp.getgrgid(os.getgid()).gr_name}\n"
        with open(os.path.join(conf, "cups-files.conf"), "w") as f:
            f.write(files)
        # A queue without a driver is raw: jobs reach the backend unchanged.
        with open(os.path.join(conf, "printers.conf"), "w") as f:
            f.write(textwrap.dedent(f"""\
                <DefaultPrinter {QUEUE}>
                Info Corvella test printer
                DeviceURI capture:{self.jobs_dir}
                State Idle
                Accepting Yes
                Shared No
                </DefaultPrinter>
                """))

    def start(self, timeout=15):
        conf = os.path.join(self.root, "conf")
        log = open(os.path.join(self.root, "log", "cupsd.out"), "w")
        self.process = spawn(
            ["/usr/sbin/cupsd", "-f", "-c", os.path.join(conf, "cupsd.conf"),
             "-s", os.path.join(conf, "cups-files.conf")],
            stdout=log, stderr=subprocess.STDOUT)
        log.close()
        wait_until(self._ready, timeout, "the print server to accept jobs",
                   self.error_log)

    def _ready(self):
        if self.process.poll() is not None:
            raise AssertionError("cupsd exited at start:\n" + self.error_log())
        # lpstat exits 0 whether or not the scheduler answers: read its words.
        result = subprocess.run(["lpstat", "-h", self.socket, "-d", "-p", QUEUE],
                                capture_output=True, text=True, timeout=10)
        return (f"system default destination: {QUEUE}" in result.stdout
                and "enabled" in result.stdout)

    def stop(self):
        """Ends the daemon by its process id and waits for it."""
        if self.process is None or self.process.poll() is not None:
            return
        os.kill(self.process.pid, signal.SIGTERM)
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            os.kill(self.process.pid, signal.SIGKILL)
            self.process.wait()

    def jobs(self):
        return sorted(glob.glob(os.path.join(self.jobs_dir, "job-*.pdf")),
                      key=lambda p: int(p.rsplit("-", 1)[1].split(".")[0]))

    def wait_for_jobs(self, count, timeout=20):
        wait_until(lambda: len(self.jobs()) >= count, timeout,
                   f"{count} printed job(s)", self.error_log)
        return self.jobs()

    def error_log(self):
        texts = []
        for name in ("cupsd.out", "error_log"):
            path = os.path.join(self.root, "log", name)
            if os.path.exists(path):
                with open(path, errors="replace") as f:
                    texts.append(f.read()[-3000:])
        return "\n".join(texts)


def available():
    return os.path.exists("/usr/sbin/cupsd") and shutil.which("lpstat") is not None
