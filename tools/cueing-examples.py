#!/usr/bin/env python3
"""Judges every bundled example as keo-sim does and writes the results into docs/cueing.md.

For each example, cluster and parameter set it runs
    keo-sim EXAMPLE --cluster C --param-set S --report FILE.json
along keo-sim's default drive (mix) with the cluster's default envelope at 1000 steps per second,
and replaces what lies between the two marker lines of docs/cueing.md with the scores and the
frequency responses. Usage (after building keo-sim):

    tools/cueing-examples.py [BUILD_DIR]      # BUILD_DIR defaults to build/
"""
import json
import math
import pathlib
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent
DOC = ROOT / "docs" / "cueing.md"
BEGIN = "<!-- begin: tools/cueing-examples.py writes from here -->"
END = "<!-- end: tools/cueing-examples.py -->"
EXAMPLES = [("config_v1.json", [1]), ("config_v0.json", [1]), ("one_cluster.cpp", [1]),
            ("two_clusters.cpp", [1, 2])]


def report(keo_sim, example, cluster, param_set, folder):
    path = pathlib.Path(folder) / f"{example}-{cluster}-{param_set}.json"
    run = subprocess.run([str(keo_sim), str(ROOT / "examples" / example), "--cluster",
                          str(cluster), "--param-set", str(param_set), "--report", str(path)],
                         stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    if run.returncode not in (0, 1):
        sys.exit(f"keo-sim failed on {example}, cluster {cluster}: {run.stderr}")
    return json.loads(path.read_text())


def number(value, digits=2):
    return "–" if value is None else f"{value:.{digits}f}"


def delay(channel):
    beyond = channel.get("delayBeyondSearch")
    if beyond:
        return "> 2" if beyond == "later" else "< −2"
    return number(channel["delaySeconds"], 3)


def scores_table(sets):
    rows = ["| Channel | vs no motion | correlation | gain | delay, s | false cues, s | "
            "missing cues, s |", "|---|---|---|---|---|---|---|"]
    for c, channel in enumerate(sets[0]["cueing"]["channels"]):
        cells = [channel["name"]]
        for key in ("errorRatio", "correlation", "gain"):
            cells.append(" / ".join(number(s["cueing"]["channels"][c][key]) for s in sets))
        cells.append(" / ".join(delay(s["cueing"]["channels"][c]) for s in sets))
        for key in ("falseCues", "missingCues"):
            cells.append(" / ".join(f"{s['cueing']['channels'][c][key]['seconds']:.1f}"
                                    for s in sets))
        rows.append("| " + " | ".join(cells) + " |")
    felt = " / ".join(
        ", ".join(f"{t['name']} {t['feltAsRotation']['seconds']:.1f} s"
                  for t in s["cueing"]["tiltsFeltAsRotation"]) for s in sets)
    knocks = " / ".join(str(sum(d["knocks"] for d in s["cueing"]["dofs"])) for s in sets)
    return "\n".join(rows) + (f"\n\nTilt felt as rotation: {felt}. Knocks at the final limits: "
                              f"{knocks}.\n")


def response_table(data):
    table = data["frequencyResponse"]
    rows = ["| Response | " + " | ".join(f"{w:.3g}" for w in table["frequencies"]) + " |",
            "|---" * (len(table["frequencies"]) + 1) + "|"]
    for response in table["responses"]:
        cells = [f"{g:.2f} ∠{p:.0f}°" for g, p in zip(response["gain"], response["phaseDegrees"])]
        rows.append(f"| {response['name']} | " + " | ".join(cells) + " |")
    return "\n".join(rows) + "\n"


def section(keo_sim):
    text = []
    with tempfile.TemporaryDirectory() as folder:
        for example, clusters in EXAMPLES:
            for cluster in clusters:
                sets = [report(keo_sim, example, cluster, s, folder) for s in (1, 2)]
                text.append(f"### `examples/{example}`, cluster {cluster}\n")
                text.append("Scores along `mix`, parameter set 1 / set 2:\n")
                text.append(scores_table(sets))
                for s, data in enumerate(sets, start=1):
                    text.append(f"Frequency response, parameter set {s}: gain ∠phase at the "
                                "test frequencies (rad/s):\n")
                    text.append(response_table(data))
    return "\n".join(text)


def main():
    build = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else ROOT / "build"
    keo_sim = build / "app" / "keo-sim" / ("keo-sim.exe" if sys.platform == "win32" else "keo-sim")
    if not keo_sim.exists():
        sys.exit(f"{keo_sim} is missing: build it first (cmake --build {build} --target keo-sim)")
    doc = DOC.read_text()
    start, stop = doc.index(BEGIN) + len(BEGIN), doc.index(END)
    DOC.write_text(doc[:start] + "\n" + section(keo_sim) + "\n" + doc[stop:])


if __name__ == "__main__":
    main()
