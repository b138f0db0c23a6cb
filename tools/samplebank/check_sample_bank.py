#!/usr/bin/env python3
"""Check the sample bank source against the builder's rules and the
minimum numbers of questions the sample bank is meant to provide.

Usage:
    python3 tools/samplebank/check_sample_bank.py [resources/bank]
Prints a table of questions per type and chapter prefix; exits 1 on a problem.
"""

import collections
import glob
import json
import os
import sys

LETTERS = "ABCDEF"
SINGLE, TF, MULTI, INDEF, SUBJ = {61}, {62}, {65}, {66}, {64, 70}

# (type, chapter prefix) -> least number of questions
MINIMUM = {
    (61, "10"): 20, (61, "11"): 17, (61, "1"): 30, (61, "04"): 13, (61, "05"): 23,
    (61, "07"): 17, (61, "08"): 10, (61, "2"): 1,
    (62, "10"): 12, (62, "11"): 11, (62, "04"): 7, (62, "05"): 14, (62, "08"): 6,
    (62, "07"): 10,
    (65, "1"): 40, (65, "10"): 8, (65, "11"): 7, (65, "04"): 5, (65, "05"): 8,
    (65, "08"): 4, (65, "07"): 8,
    (66, "1"): 15, (66, "2"): 15,
    (70, "10"): 2, (70, "11"): 2, (70, "05"): 2, (70, "08"): 1, (70, "07"): 2,
    (70, "04"): 1,
    (64, "05"): 6,
}


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "resources", "bank")
    merged = collections.defaultdict(list)
    single = {}
    errors = []
    for path in sorted(glob.glob(os.path.join(folder, "*.json"))):
        with open(path, encoding="utf-8") as fh:
            obj = json.load(fh)
        if os.path.getsize(path) > 1024 * 1024:
            errors.append("%s is larger than 1 MB" % path)
        for k, v in obj.items():
            if isinstance(v, list):
                merged[k] += [(os.path.basename(path), x) for x in v]
            else:
                if k in single:
                    errors.append("%s given twice" % k)
                single[k] = v

    def err(where, msg):
        errors.append("%s %s: %s" % (where[0], where[1].get("A1") or where[1].get("C1")
                                     or where[1].get("id") or where[1].get("ftid"), msg))

    types = {row["A1"] for rows in single.get("types", {}).values() for row in rows}
    chapters = {}
    for w in merged["chapters"]:
        c = w[1]["C1"]
        if c in chapters:
            err(w, "duplicate chapter")
        chapters[c] = w[1]
        for key in ("C2", "C1_1", "bh"):
            if not w[1].get(key):
                err(w, "missing " + key)
    bhs = [chapters[c]["bh"] for c in chapters]
    if len(set(bhs)) != len(bhs):
        errors.append("chapter bh values repeat")
    # parent before child in bh order
    for c, row in chapters.items():
        for p in chapters:
            if p != c and c.startswith(p) and chapters[p]["bh"] >= row["bh"]:
                errors.append("chapter %s sorts before its ancestor %s" % (c, p))
    cat = {w[1]["id"] for w in merged["catalogue"]}
    points = {}
    for w in merged["points"]:
        f = w[1]["ftid"]
        if len(f) != 12 or f[:6] not in cat or f[:2] not in cat:
            err(w, "bad point code")
        if f in points:
            err(w, "duplicate point")
        points[f] = w[1]
    stems = {}
    for w in merged["stems"]:
        k = w[1]["A1"]
        if len(k) != 16 or k in stems:
            err(w, "bad or duplicate stem key")
        stems[k] = w[1]
    keys = set()
    stem_use = collections.Counter()
    cited = collections.Counter()
    counts = collections.Counter()
    bytype = collections.Counter()
    per_leaf = collections.Counter()
    jx = 0
    for w in merged["questions"]:
        q = w[1]
        k = q["A1"]
        if k in keys:
            err(w, "duplicate key")
        keys.add(k)
        if len(k) > 20 or k.startswith("U"):
            err(w, "bad key")
        if "-" in k:
            if k[:16] not in stems:
                err(w, "stem missing")
            elif k[1:7] != q["A10"]:
                err(w, "stem chapter differs from A10")
            stem_use[k[:16]] += 1
        leaf = q["A10"]
        if leaf not in chapters or len(leaf) != 6:
            err(w, "A10 is not a leaf chapter")
        if any(c != leaf and c.startswith(leaf) for c in chapters):
            err(w, "A10 has sub-chapters")
        t = q["A13"]
        if t not in types:
            err(w, "unknown type")
        K = q.get("K", [])
        if len(K) > 10 or any(p not in points for p in K) or len(set(K)) != len(K):
            err(w, "bad K")
        cited.update(K)
        opts = q.get("options")
        a = q["A2"]
        if t in SINGLE | MULTI | INDEF:
            if not opts or not 2 <= len(opts) <= 6 or len(set(opts)) != len(opts):
                err(w, "bad options")
            else:
                allowed = LETTERS[:len(opts)]
                if t in SINGLE and not (len(a) == 1 and a in allowed):
                    err(w, "bad single answer")
                if t in MULTI | INDEF:
                    ok = (a and all(c in allowed for c in a) and list(a) == sorted(set(a)))
                    if not ok or (t in MULTI and len(a) < 2):
                        err(w, "bad multiple answer")
        elif t in TF:
            if opts or a not in ("A", "B"):
                err(w, "bad true/false")
        elif t in SUBJ:
            if opts or a != "1" or not q.get("jx"):
                err(w, "bad subjective")
        if not q.get("stem"):
            err(w, "empty stem")
        if q.get("jx"):
            jx += 1
        if not isinstance(q.get("xx"), int):
            err(w, "xx missing")
        per_leaf[leaf] += 1
        bytype[t] += 1
        for n in range(1, len(leaf) + 1):
            counts[(t, leaf[:n])] += 1
    for k, n in stem_use.items():
        if not 2 <= n <= 5:
            errors.append("stem %s has %d questions" % (k, n))
    if len(stem_use) < 8:
        errors.append("fewer than 8 stems")
    for c in chapters:
        if len(c) == 6 and per_leaf[c] == 0:
            errors.append("leaf %s has no questions" % c)
    for (t, p), least in MINIMUM.items():
        if counts[(t, p)] < least:
            errors.append("type %d under %s: %d < %d" % (t, p, counts[(t, p)], least))
    uncited = [p for p in points if cited[p] == 0]
    if len(uncited) < 5:
        errors.append("fewer than 5 uncited points")

    total = len(merged["questions"])
    prefixes = ["1", "10", "11", "12", "2", "20", "21", "04", "05", "07", "08"]
    print("type  " + "".join("%6s" % p for p in prefixes) + "   total")
    for t in sorted(bytype):
        print("%-6d" % t + "".join("%6d" % counts[(t, p)] for p in prefixes) + "%8d" % bytype[t])
    nok = sum(1 for w in merged["questions"] if not w[1].get("K"))
    print("questions %d, stems %d, with explanation %d, without points %d, "
          "points %d (uncited %d), most cited point %s"
          % (total, len(stems), jx, nok, len(points), len(uncited),
             cited.most_common(1)[0] if cited else "-"))
    for e in errors:
        print("ERROR", e)
    sys.exit(1 if errors else 0)


if __name__ == "__main__":
    main()
