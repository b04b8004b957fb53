#!/usr/bin/env python3
"""Writes the golden corpus of the headless command: random inputs of every case of every
design window, each with the exit status and every line the command printed.

    tools/make_golden_corpus.py build/app/foundations-calc > tests/golden/headless_corpus.txt

The corpus pins the behaviour bit for bit: the events and messages exactly, and the
intermediate values of --trace (15 significant digits) as lines that must still appear, in the
same order, among the trace of the run. Regenerate it only for a deliberate change of
behaviour, and say so in the commit."""
import random
import subprocess
import sys

WINDOWS = {
    "isolated": {
        "configs": [["--case", str(c)] for c in range(4)],
        "numbers": {"Text1": 90, "Text10": 5, "Text2": 40, "Text3": 60, "Text4": 5, "Text5": 60,
                    "Text6": 30, "Text7": 250, "Text8": 3600, "Text9": 1.25, "Text11": 3.2},
        "lists": {"Combo2": [12, 16, 18, 22, 25], "Combo1": [12, 16, 18, 22, 25]},
        "moment": "Text10",
    },
    "strip": {
        "configs": [["--case", str(c)] + w for c in range(4) for w in ([], ["--concrete"])],
        "numbers": {"Text1": 90, "Text10": 5, "Text2": 40, "Text3": 60, "Text4": 5, "Text5": 60,
                    "Text6": 30, "Text11": 60, "Text12": 4, "Text7": 250, "Text8": 3600,
                    "Text9": 1.25, "Text13": 120},
        "lists": {"Combo1": [10, 12, 16, 18, 22, 25], "Combo2": [10, 12, 16, 18, 22, 25],
                  "Combo3": [8, 10, 12, 16], "Combo4": [10, 12, 16, 18, 22, 25]},
        "moment": "Text10",
    },
    "combined": {
        "configs": [[]] * 3,
        "numbers": {"Text1": 100, "Text2": 150, "Text6": 30, "Text7": 50, "Text8": 30,
                    "Text9": 70, "Text10": 250, "Text11": 3600, "Text12": 1.25, "Text5": 5,
                    "Text13": 3.5, "Text3": 40, "Text4": 60},
        "lists": {"Combo1": [10, 12, 16, 18, 22], "Combo2": [10, 12, 16, 18, 22],
                  "Combo3": [10, 12, 16, 18, 22], "Combo4": [10, 12, 16, 18, 22]},
    },
    "strap": {
        "configs": [[]] * 3,
        "numbers": {"Text1": 70, "Text2": 100, "Text3": 30, "Text4": 40, "Text5": 30,
                    "Text6": 70, "Text7": 40, "Text8": 60, "Text9": 120, "Text10": 5,
                    "Text11": 250, "Text12": 3600, "Text13": 1.25, "Text14": 4.5},
        "lists": {n: [10, 12, 16, 18, 22] for n in ("Combo1", "Combo2", "Combo3", "Combo4",
                                                    "Combo5")},
    },
}
RUNS_PER_CONFIG = 24
BAD_TEXTS = ["", "abc", "-3", "0", "1,5", "12a", "1e999"]


def number_text(rng, default):
    value = default * 2 ** rng.uniform(-1, 1)
    text = f"{value:.3g}"
    return text if "e" not in text else f"{value:.1f}"


def arguments(rng, window, inputs):
    args = []
    for name, default in inputs["numbers"].items():
        args.append(f"{name}={number_text(rng, default)}")
    if inputs.get("moment") and rng.random() < 0.2:
        args.append(f"{inputs['moment']}=-{number_text(rng, 2)}")
    if window in ("isolated", "strip") and rng.random() < 0.1:
        args.append(f"{inputs['moment']}=0")
    for name, items in inputs["lists"].items():
        args.append(f"{name}={rng.choice(items)}")
    if rng.random() < 0.12:
        bad = rng.choice(list(inputs["numbers"]) + list(inputs["lists"]))
        args.append(f"{bad}={rng.choice(BAD_TEXTS)}")
    return args


def main():
    calc = sys.argv[1]
    rng = random.Random(20261209)
    for window, inputs in WINDOWS.items():
        for config in inputs["configs"]:
            for _ in range(RUNS_PER_CONFIG):
                args = [window] + config + arguments(rng, window, inputs)
                done = subprocess.run([calc] + args, capture_output=True, text=True)
                traced = subprocess.run([calc] + args + ["--trace"], capture_output=True,
                                        text=True)
                print("run: " + " ".join(args))
                print(f"exit: {done.returncode}")
                for line in done.stdout.splitlines():
                    print("out: " + line)
                for line in done.stderr.splitlines():
                    print("err: " + line)
                for line in traced.stdout.splitlines():
                    if line.startswith("trace: "):
                        print(line)


main()
