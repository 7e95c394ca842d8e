#!/usr/bin/env python3
"""Kills restores and back-ups with SIGKILL at random moments, then checks what the next start finds.

Usage: bench/kill_backup_restore.py BUILD_DIR [--restores N] [--backups N] [--games N]

Half the restores run with the games folder on another file system (/dev/shm, when it is one).
After each kill the next start (yardmark-backup --list, which finishes or undoes a restore cut
short) runs, then every game must open, pass integrity_check and be wholly the coach's or wholly
the archive's, and no staging folder, plan or part file may remain.
"""
import argparse
import os
import random
import shutil
import signal
import sqlite3
import subprocess
import sys
import tempfile
import time


def mark_games(games, marker):
    for year in sorted(os.listdir(games)):
        for name in sorted(os.listdir(os.path.join(games, year))):
            db = sqlite3.connect(os.path.join(games, year, name))
            db.execute("DELETE FROM header")
            db.execute("INSERT INTO header (OwnTeamName) VALUES (?)", (marker,))
            db.commit()
            db.close()


def game_markers(games):
    """Each game's marker; raises when a game is torn or damaged."""
    out = {}
    for year in sorted(os.listdir(games)):
        for name in sorted(os.listdir(os.path.join(games, year))):
            path = os.path.join(games, year, name)
            if name.startswith(".yardmark-replaced"):
                continue  # the coach's files kept beside their folder on another disk, hidden from the lists
            if not name.endswith(".mdb"):
                raise RuntimeError("stray file " + path)
            db = sqlite3.connect("file:" + path + "?mode=ro", uri=True)
            if db.execute("PRAGMA integrity_check").fetchone()[0] != "ok":
                raise RuntimeError("damaged " + path)
            out[year + "/" + name] = db.execute("SELECT OwnTeamName FROM header").fetchone()[0]
            db.close()
    return out


def leftovers(*dirs):
    found = []
    for top in dirs:
        for here, folders, files in os.walk(top):
            for n in folders + files:
                if n.startswith(".yardmark-restore") or n == "restore-in-progress.txt" or ".part" in n:
                    found.append(os.path.join(here, n))
    return found


def killed_at_random(cmd, longest):
    child = subprocess.Popen(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(random.uniform(0, longest))
    child.send_signal(signal.SIGKILL)
    child.wait()
    return child.returncode == -signal.SIGKILL


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("build")
    ap.add_argument("--restores", type=int, default=200)
    ap.add_argument("--backups", type=int, default=200)
    ap.add_argument("--games", type=int, default=210)
    a = ap.parse_args()
    tool = os.path.join(a.build, "bin", "yardmark-backup")
    work = tempfile.mkdtemp(prefix="yardmark-kill-")
    shm = tempfile.mkdtemp(prefix="yardmark-kill-", dir="/dev/shm") if os.path.isdir("/dev/shm") else None
    try:
        pristine = os.path.join(work, "pristine")
        subprocess.run([os.path.join(a.build, "bin", "yardmark-layout"), pristine], check=False,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        ym = os.path.join(pristine, "YardMark")
        if not os.path.isdir(ym):
            shutil.copytree(os.path.join(a.build, "YardMark"), ym, ignore=shutil.ignore_patterns("games"))
            os.makedirs(os.path.join(ym, "games"), exist_ok=True)
        master = os.path.join(ym, "databases", "yardMark_master.mdb")
        for i in range(a.games):
            year = os.path.join(ym, "games", str(2000 + i % 10))
            os.makedirs(year, exist_ok=True)
            shutil.copy(master, os.path.join(year, "Game%d.mdb" % (i // 10 + 1)))
        games = os.path.join(ym, "games")
        mark_games(games, "archive")
        archive = os.path.join(work, "season.zip")
        subprocess.run([tool, "--root", pristine, archive], check=True, stdout=subprocess.DEVNULL)
        mark_games(games, "coach")

        start = time.monotonic()
        probe = os.path.join(work, "probe")
        shutil.copytree(pristine, probe, symlinks=True)
        subprocess.run([tool, "--root", probe, "--restore", archive, "--yes"], check=True, stdout=subprocess.DEVNULL)
        longest = (time.monotonic() - start) * 1.1
        shutil.rmtree(probe)

        tally = {"coach": 0, "archive": 0, "killed": 0, "other disk": 0}
        faults = []
        for i in range(a.restores):
            run = os.path.join(work, "run")
            shutil.rmtree(run, ignore_errors=True)
            shutil.copytree(pristine, run, symlinks=True)
            other = None
            if shm and i % 2:
                tally["other disk"] += 1
                other = os.path.join(shm, "games")
                shutil.rmtree(other, ignore_errors=True)
                shutil.copytree(os.path.join(run, "YardMark", "games"), other)
                shutil.rmtree(os.path.join(run, "YardMark", "games"))
                os.symlink(other, os.path.join(run, "YardMark", "games"))
            tally["killed"] += killed_at_random([tool, "--root", run, "--restore", archive, "--yes"], longest)
            subprocess.run([tool, "--root", run, "--list", archive], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            try:
                markers = set(game_markers(os.path.join(run, "YardMark", "games")).values())
                if len(markers) != 1:
                    raise RuntimeError("a mix: " + str(markers))
                tally[markers.pop()] += 1
                left = leftovers(run, *([other] if other else []))
                if left:
                    raise RuntimeError("left behind: " + ", ".join(left))
            except Exception as e:  # noqa: BLE001 - every fault is counted and shown
                faults.append("restore %d: %s" % (i, e))
        print("restores: %d (%d with the games on another file system), killed before the end %d, after the next start "
              "the coach's %d, the archive's %d, faults %d" % (a.restores, tally["other disk"], tally["killed"],
                                                              tally["coach"], tally["archive"], len(faults)))

        out = os.path.join(work, "out")
        os.makedirs(out)
        target = os.path.join(out, "b.zip")
        start = time.monotonic()
        subprocess.run([tool, "--root", pristine, target], check=True, stdout=subprocess.DEVNULL)
        longest = (time.monotonic() - start) * 1.1
        killed = 0
        for i in range(a.backups):
            killed += killed_at_random([tool, "--root", pristine, target], longest)
            # The next back-up comes later: what a kill left is by then over a minute old.
            for n in os.listdir(out):
                p = os.path.join(out, n)
                os.utime(p, (time.time() - 120, time.time() - 120))
            if i % 10 == 9 or i == a.backups - 1:
                subprocess.run([tool, "--root", pristine, target], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                left = leftovers(out)
                if left:
                    faults.append("back-up %d: left behind %s" % (i, ", ".join(left)))
                listed = subprocess.run([tool, "--root", pristine, "--list", target], stdout=subprocess.DEVNULL)
                if listed.returncode != 0:
                    faults.append("back-up %d: the archive does not read back" % i)
        print("back-ups: %d, killed before the end %d" % (a.backups, killed))
        print("faults in all: %d" % len(faults))
        for f in faults[:20]:
            print("  " + f)
        return 1 if faults else 0
    finally:
        shutil.rmtree(work, ignore_errors=True)
        if shm:
            shutil.rmtree(shm, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
