"""Starts Orca as /usr/bin/orca does, with its debug log written line by
line: Orca opens it block-buffered, and a test reads it while Orca runs."""
import builtins
import runpy
import sys

log = sys.argv[1]
_open = builtins.open


def line_buffered(file, mode="r", *args, **kwargs):
    if file == log and "w" in mode:
        kwargs["buffering"] = 1
    return _open(file, mode, *args, **kwargs)


builtins.open = line_buffered
sys.argv = ["orca", "--replace", "--debug-file=" + log]
runpy.run_path("/usr/bin/orca", run_name="__main__")
