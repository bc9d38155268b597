#!/usr/bin/env python3
"""Random key sessions: a robustness run of the module's dialogs through the host program.

Each run writes a script of random steps (keys, typing, clicks, double clicks, column clicks,
window changes) for one dialog and runs it with tirel_host. Steps that fail are expected (a
click on a window that has closed ends the script with status 1); what counts is a crash, a
sanitizer report, or a run that does not end. Those runs keep their script and output.

    scripts/monkey.py [--host build/asan/bin/tirel_host] [--runs 300] [--seed 1] [--keep DIR]

Use the ASan + UBSan build (scripts/test.sh makes it) to see memory faults. A failing script is
rerun with: QUARNEL_TEST_TIMEOUT_MS=1500 build/asan/bin/tirel_host --enterprise --script FILE
"""
import argparse
import os
import random
import subprocess
import sys

KEYS = ["Enter", "Escape", "Tab", "Shift+Tab", "Space", "Backspace", "Delete", "Up", "Down",
        "Left", "Right", "Home", "End", "PageUp", "PageDown", "F1", "Ctrl+A", "Shift+Down",
        "Shift+Up", "Shift+End", "Alt+F", "A", "5"]
TEXTS = ["water", "meth", "heat", "density", "C", "1", "99.5", "-", "67-", "AND", "x" * 40, "",
         "e", ".", ",", "a b"]
COLUMNS = ["Component name", "MW", "BP <K>", "Physical property name", "Alias"]

# Per dialog: the call that opens it, the step that finds its window, the ids worth clicking
# and the list views whose headers are worth clicking.
DIALOGS = {
    "find": ('call gxSearchComponents 0 2 ""', "window Find",
             [12509, 12639, 12659, 12596, 12535, 12577, 12581, 12585, 12587, 12531, 12625, 12517,
              12520, 12522, 12541, 12593, 12528], [12593]),
    "find-at-once": ("call gxSearchComponents 0 -1 an", "window Find",
                     [12509, 12639, 12659, 12596, 12517, 12520, 12522, 12593, 12528], [12593]),
    "properties": ('call gxSearchProperty ""', 'window "Search Physical Properties"',
                   [12512, 12515, 12628, 12663, 12547, 12528, 12552, 12538, 12542, 12523],
                   [12547, 12552]),
    "message-box": ('call gxOpen_message_box T "a\\nb" "&Yes" "" Cancel Help "x.chm#3" 1',
                    "window T", [12575, 12578, 12582, 12523], []),
    "reconcile": ("call gxAskReconcile B1", "window", [], []),
    "enterprise": ("call gxSetXeldFlag 1\ncall gxSearchComponents 0 2 eth",
                   'window "Enterprise Database Find"', [1001, 1002, 1003, 1004, 1005, 1006], []),
}


def make_script(rnd):
    call, window, ids, lists = DIALOGS[rnd.choice(sorted(DIALOGS))]
    steps = [call, window]
    for _ in range(rnd.randint(5, 40)):
        pick = rnd.random()
        if pick < 0.45:
            steps.append("press " + rnd.choice(KEYS))
        elif pick < 0.65:
            steps.append('type "%s"' % rnd.choice(TEXTS))
        elif pick < 0.9 and ids:
            click = "doubleclick" if rnd.random() < 0.2 else "click"
            steps.append("%s #%d" % (click, rnd.choice(ids)))
        elif pick < 0.95 and lists:
            steps.append('column #%d "%s"' % (rnd.choice(lists), rnd.choice(COLUMNS)))
        else:
            steps.append("window")
    return "\n".join(steps) + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--host", default="build/asan/bin/tirel_host")
    parser.add_argument("--runs", type=int, default=300)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--keep", default="build/monkey")
    args = parser.parse_args()
    os.makedirs(args.keep, exist_ok=True)
    env = dict(os.environ, QUARNEL_TEST_TIMEOUT_MS="1500", ASAN_OPTIONS="detect_leaks=0",
               UBSAN_OPTIONS="print_stacktrace=1")
    bad = 0
    for run in range(args.runs):
        seed = args.seed + run
        script = os.path.join(args.keep, "run-%d.script" % seed)
        with open(script, "w") as f:
            f.write(make_script(random.Random(seed)))
        try:
            done = subprocess.run([args.host, "--enterprise", "--script", script],
                                  capture_output=True, text=True, timeout=120, env=env)
            output, status = done.stdout + done.stderr, done.returncode
        except subprocess.TimeoutExpired:
            output, status = "did not end within 120 s\n", None
        faulty = (status is None or status < 0 or status > 2 or "Sanitizer" in output
                  or "runtime error" in output)
        if faulty:
            bad += 1
            with open(script + ".out", "w") as f:
                f.write(output)
            print("run %d: status %s, see %s.out" % (seed, status, script))
        else:
            os.remove(script)
    print("%d runs, %d faulty" % (args.runs, bad))
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
