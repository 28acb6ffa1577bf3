#!/usr/bin/env python3
"""Checks kintree's JSON output with a real JSON Schema validator and against
the name table of the same inputs.

  json_output_test.py SCHEMA KINTREE GOLDEN_DIR
      every whole-run case whose arguments hold --json: its expected output
      is validated, then the case is run again in a scratch folder, once as
      written and once with the name table instead (+n -t), and the two
      must agree
  json_output_test.py SCHEMA KINTREE --tree FOLDER ARG...
      the same for one run over FOLDER with the arguments ARG... --json

Agreement: ids are positions; the types follow the table's rows in order,
field for field; links mirror each other and name what the table names;
when every record is shown (-A and -I, or import mode) the counts are equal.
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile

import jsonschema

KEYS = ["id", "name", "qualifiedName", "kind", "package", "declared", "modifiers", "annotations",
        "typeParameters", "file", "line", "parents", "children", "interfaces", "permits"]
LINKS = ["parents", "children", "interfaces", "permits"]
COLUMNS = ["Type", "ClassName", "Generic", "Modifiers", "FirstParent", "FirstChild", "Interfaces",
           "File", "Package", "Meta"]


def run(kintree, args, cwd):
    result = subprocess.run([kintree] + args, cwd=cwd, stdout=subprocess.PIPE,
                            stderr=subprocess.PIPE, check=False)
    if result.returncode == 255 and b"classes extracted:" not in result.stderr:
        raise AssertionError(f"kintree {' '.join(args)} failed: {result.stderr!r}")
    return result.stdout


def load_ordered(text):
    """The document, with each type's keys checked for their order."""
    def pairs(items):
        keys = [key for key, _ in items]
        if "qualifiedName" in keys and keys[:len(KEYS)] != KEYS:
            raise AssertionError(f"type keys {keys} are not {KEYS}")
        return dict(items)
    return json.loads(text, object_pairs_hook=pairs)


def name_table(output):
    lines = output.split(b"\n")
    assert lines[0].decode() == "\t".join(COLUMNS), f"no name table header: {lines[0]!r}"
    rows = []
    for line in lines[1:]:
        if not line:
            continue
        fields = [field.decode("utf-8", errors="replace") for field in line.split(b"\t")]
        assert len(fields) == len(COLUMNS), f"name table row of {len(fields)} fields: {line!r}"
        rows.append(dict(zip(COLUMNS, fields)))
    return rows


def agrees(doc, rows, import_mode, all_shown):
    types = doc["types"]
    assert doc["mode"] in (("imports",) if import_mode else ("names", "resolved")), doc["mode"]
    for index, record in enumerate(types):
        assert record["id"] == index, f"type {index} has id {record['id']}"
        for key in LINKS:
            for linked in record[key]:
                assert 0 <= linked < len(types), f"{record['name']}: {key} id {linked} out of range"
        for parent in record["parents"]:
            assert index in types[parent]["children"], f"{record['name']}: parent link not mirrored"
        for child in record["children"]:
            assert index in types[child]["parents"], f"{record['name']}: child link not mirrored"

    def same(row, record):
        plain = (row["ClassName"] == record["name"] and row["Generic"] == record["typeParameters"]
                 and row["Modifiers"] == record["modifiers"] and row["Meta"] == record["annotations"]
                 and row["File"] == (record["file"] or "_NoFilename_")
                 and row["Package"] == (record["package"] or "_NoPackage_"))
        if import_mode:
            return plain and row["Type"] == "class"
        return plain and row["Type"] == record["kind"]

    # The types are the shown rows, in the table's order.
    row_of = []
    at = 0
    for record in types:
        while at < len(rows) and not same(rows[at], record):
            at += 1
        assert at < len(rows), f"type {record['id']} ({record['name']}) has no row in order"
        row_of.append(rows[at])
        at += 1
    if all_shown:
        assert len(types) == len(rows), f"{len(types)} types but {len(rows)} rows"

    names = [record["name"] for record in types]
    shown = set(names)
    counts = {}
    for row in rows:
        counts[row["ClassName"]] = counts.get(row["ClassName"], 0) + 1

    def known(name):
        """Whether the table's name tells if its record is linked here."""
        return all_shown or counts.get(name) == 1

    for record, row in zip(types, row_of):
        if import_mode:
            assert record["kind"] in ("package", "import"), record["kind"]
            assert not record["declared"] or record["kind"] == "package", record["name"]
            assert record["qualifiedName"] == record["name"], record["qualifiedName"]
        elif record["declared"] and record["package"] not in ("", "none"):
            assert record["qualifiedName"] == record["package"] + "." + record["name"], record
        else:
            assert record["qualifiedName"] == record["name"], record
        for key, column, empty in (("parents", "FirstParent", "_NoParent_"),
                                   ("children", "FirstChild", "_NoChildren_")):
            first = row[column]
            if first == empty:
                assert not record[key], f"{record['name']}: {key} {record[key]} but {column} {first}"
            elif known(first) and first in shown:
                assert record[key] and names[record[key][0]] == first, \
                    f"{record['name']}: first of {key} is not {first}"
        listed = [name for name in row["Interfaces"].split(", ") if name]
        expected = [name for name in listed if known(name) and name in shown]
        linked = [names[i] for i in record["interfaces"] if known(names[i])]
        assert linked == expected, f"{record['name']}: interfaces {linked}, table {listed}"


def check_run(validator, kintree, cwd, args):
    """Runs args (holding --json) in cwd and checks the document."""
    document = run(kintree, args, cwd)
    doc = load_ordered(document)
    validator.validate(doc)
    table_args = [arg for arg in args if arg != "--json"] + ["+n", "-t"]
    rows = name_table(run(kintree, table_args, cwd))
    import_mode = any(arg.startswith("-M") for arg in args)
    all_shown = import_mode or ("-A" in args and "-I" in args)
    agrees(doc, rows, import_mode, all_shown)
    return len(doc["types"])


def golden_cases(validator, kintree, golden):
    checked = 0
    for name in sorted(os.listdir(golden)):
        case = os.path.join(golden, name)
        args_file = os.path.join(case, "args")
        if not os.path.isfile(args_file):
            continue
        with open(args_file, encoding="utf-8") as stream:
            args = stream.read().splitlines()
        if "--json" not in args:
            continue
        with open(os.path.join(case, "stdout"), "rb") as stream:
            validator.validate(load_ordered(stream.read()))
        work = tempfile.mkdtemp(prefix="kintree-json-")
        try:
            if os.path.isdir(os.path.join(case, "src")):
                shutil.copytree(os.path.join(case, "src"), work, dirs_exist_ok=True, symlinks=True)
            setup = os.path.join(case, "setup.sh")
            if os.access(setup, os.X_OK):
                subprocess.run([setup], cwd=work, check=True)
            count = check_run(validator, kintree, work, args)
        except AssertionError as error:
            raise AssertionError(f"{name}: {error}") from error
        finally:
            shutil.rmtree(work)
        print(f"{name}: {count} types agree with the name table")
        checked += 1
    assert checked > 0, f"no case under {golden} has --json"


def main():
    schema_path, kintree = sys.argv[1], os.path.abspath(sys.argv[2])
    with open(schema_path, encoding="utf-8") as stream:
        schema = json.load(stream)
    jsonschema.Draft202012Validator.check_schema(schema)
    validator = jsonschema.Draft202012Validator(schema)
    if sys.argv[3] == "--tree":
        folder, args = sys.argv[4], sys.argv[5:]
        count = check_run(validator, kintree, folder, args + ["--json", "."])
        print(f"{folder}: {count} types agree with the name table")
    else:
        golden_cases(validator, kintree, os.path.abspath(sys.argv[3]))


if __name__ == "__main__":
    main()
