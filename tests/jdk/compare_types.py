#!/usr/bin/env python3
"""Compares kintree's JSON output with the types a Java runtime lists.

Usage: compare_types.py TRUTH.tsv KINTREE.json [--names PCT] [--superclasses PCT]
                        [--interfaces PCT] [--false-records PCT]

TRUTH.tsv is what ListTypes.java prints: per top-level or member type its
qualified name, kind, superclass ("-" for interfaces), sorted direct
interfaces ("-" for none), "top" or "member", and its source file. Prints the
shares of types found with the right qualified name and kind, of classes with
the right superclass, of types with exactly the right direct interfaces, and
the share of kintree's declared records that the runtime does not have, each
with its worst offenders. Exits 1 when a share misses its threshold.
"""

import argparse
import json
import sys

OBJECT = "java.lang.Object"
ANNOTATION = "java.lang.annotation.Annotation"
CLASS_KINDS = ("class", "enum", "record")
SHOWN = 20


def read_truth(path):
    truth = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            name, kind, superclass, interfaces, place, source = line.rstrip("\n").split("\t")
            found = set() if interfaces == "-" else set(interfaces.split(","))
            if kind == "annotation":
                # Every annotation type implements Annotation without saying so.
                found.discard(ANNOTATION)
            truth[name] = {"kind": kind, "superclass": superclass, "interfaces": found,
                           "place": place, "source": source}
    return truth


def is_local(name):
    # kintree names a local type after its enclosing type with an empty
    # nesting step between them (Outer..Local); the runtime lists none.
    return ".." in name


def percent(part, whole):
    return 100.0 * part / whole if whole else 100.0


def compare(truth, types):
    """key -> (share in percent, summary, offenders) for the four figures."""
    def names(ids):
        return sorted(types[i]["qualifiedName"] for i in ids)

    declared = {}
    for t in types:
        if t["declared"] and not is_local(t["qualifiedName"]):
            declared.setdefault(t["qualifiedName"], []).append(t)

    missing, superclass_wrong, interfaces_wrong = [], [], []
    found = {"top": [0, 0], "member": [0, 0]}
    classes = right_superclass = right_interfaces = 0
    for name, want in sorted(truth.items()):
        tally = found[want["place"]]
        tally[1] += 1
        records = declared.get(name, [])
        record = next((r for r in records if r["kind"] == want["kind"]), None)
        if record is None:
            got = ",".join(r["kind"] for r in records) or "no record"
            missing.append(f"{name} ({want['kind']}): {got}  [{want['source']}]")
        else:
            tally[0] += 1
        record = record or (records[0] if records else None)

        if want["kind"] in CLASS_KINDS:
            classes += 1
            parents = names(record["parents"]) if record else None
            # A class without an extends clause has no parent record.
            if parents == [want["superclass"]] or (want["superclass"] == OBJECT and parents == []):
                right_superclass += 1
            else:
                got = "no record" if parents is None else ", ".join(parents) or "none"
                superclass_wrong.append(f"{name}: want {want['superclass']}, got {got}")

        if record is None:
            got = None
        elif want["kind"] in CLASS_KINDS:
            got = set(names(record["interfaces"]))
        else:
            # An interface's extends clause may land in parents or interfaces.
            got = set(names(record["parents"])) | set(names(record["interfaces"]))
        if got == want["interfaces"]:
            right_interfaces += 1
        else:
            shown = "no record" if got is None else ", ".join(sorted(got)) or "none"
            interfaces_wrong.append(
                f"{name}: want {', '.join(sorted(want['interfaces'])) or 'none'}, got {shown}")

    false_records = []
    for name, records in sorted(declared.items()):
        # A second record of one qualified name is as false as an invented one.
        surplus = len(records) if name not in truth else len(records) - 1
        for r in records[len(records) - surplus:]:
            false_records.append(f"{name} ({r['kind']})  [{r['file']}:{r['line']}]")
    record_count = sum(len(r) for r in declared.values())

    named = found["top"][0] + found["member"][0]
    places = ", ".join(f"{place} {right}/{total} = {percent(right, total):.2f}%"
                       for place, (right, total) in found.items())
    return {
        "names": (percent(named, len(truth)), f"{named} of {len(truth)} types found with the right "
                  f"qualified name and kind ({places})", missing),
        "superclasses": (percent(right_superclass, classes), f"{right_superclass} of {classes} "
                         "classes, enums and records with the right superclass", superclass_wrong),
        "interfaces": (percent(right_interfaces, len(truth)), f"{right_interfaces} of {len(truth)} "
                       "types with exactly the right direct interfaces", interfaces_wrong),
        "false-records": (percent(len(false_records), record_count), f"{len(false_records)} of "
                          f"{record_count} declared records not in the runtime", false_records),
    }


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("truth")
    parser.add_argument("json")
    parser.add_argument("--names", type=float, default=0, help="minimum share, percent")
    parser.add_argument("--superclasses", type=float, default=0, help="minimum share, percent")
    parser.add_argument("--interfaces", type=float, default=0, help="minimum share, percent")
    parser.add_argument("--false-records", type=float, default=100, help="maximum share, percent")
    args = parser.parse_args()

    truth = read_truth(args.truth)
    with open(args.json, encoding="utf-8") as f:
        document = json.load(f)
    figures = compare(truth, document["types"])

    limits = {"names": args.names, "superclasses": args.superclasses,
              "interfaces": args.interfaces, "false-records": args.false_records}
    failed = []
    for key, (share, text, offenders) in figures.items():
        maximum = key == "false-records"
        ok = share < limits[key] if maximum else share >= limits[key]
        bound = f"{'<' if maximum else '>='} {limits[key]:g}%"
        print(f"{key}: {share:.2f}% ({bound}{'' if ok else ', FAILED'}): {text}")
        for line in offenders[:SHOWN]:
            print(f"    {line}")
        if len(offenders) > SHOWN:
            print(f"    ... and {len(offenders) - SHOWN} more")
        if not ok:
            failed.append(key)
    if failed:
        print(f"below target: {', '.join(failed)}")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
