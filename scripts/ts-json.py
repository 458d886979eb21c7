#!/usr/bin/env python3
"""Moves translations between a Qt .ts file and a flat JSON list, which is easier to hand to a
translator than the XML.

  ts-json.py export LANG.ts [--all] > todo.json   unfinished entries (all with --all)
  ts-json.py import LANG.ts done.json              writes the given translations, finished

Each JSON entry is {"context", "source", "comment", "translation"}; an entry whose translation
is empty is left unfinished. Run the lupdate target afterwards: it puts the file back into its own layout."""
import json
import sys
import xml.etree.ElementTree as ET


def messages(root):
    for context in root.iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            yield name, message


def key(context, message):
    return (context, message.findtext("source", ""), message.findtext("comment", ""))


def export(path, everything):
    root = ET.parse(path).getroot()
    out = []
    for context, message in messages(root):
        translation = message.find("translation")
        if not everything and translation is not None and translation.get("type") != "unfinished":
            continue
        c, s, comment = key(context, message)
        out.append({"context": c, "source": s, "comment": comment,
                    "translation": translation.text or "" if translation is not None else ""})
    json.dump(out, sys.stdout, ensure_ascii=False, indent=1)
    sys.stdout.write("\n")


def write_ts(tree, path):
    root = tree.getroot()
    ET.indent(tree, space="    ")
    body = ET.tostring(root, encoding="unicode")
    with open(path, "w", encoding="utf-8") as out:
        out.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        out.write(body)
        out.write("\n")


def import_(path, done_path):
    with open(done_path, encoding="utf-8") as f:
        done = {(e["context"], e["source"], e.get("comment", "")): e["translation"] for e in json.load(f)}
    tree = ET.parse(path)
    applied = 0
    for context, message in messages(tree.getroot()):
        text = done.get(key(context, message))
        if not text:
            continue
        translation = message.find("translation")
        if translation is None:
            translation = ET.SubElement(message, "translation")
        translation.text = text
        translation.attrib.pop("type", None)
        applied += 1
    write_ts(tree, path)
    print(f"{path}: {applied} translations written", file=sys.stderr)


def main(argv):
    if len(argv) >= 3 and argv[1] == "export":
        export(argv[2], "--all" in argv[3:])
    elif len(argv) == 4 and argv[1] == "import":
        import_(argv[2], argv[3])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
