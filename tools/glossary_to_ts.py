#!/usr/bin/env python3
"""Fills a Qt Linguist .ts file with the German of translations/german-glossary.tsv.

Run `ninja -C BUILD update_translations` first, so that the .ts file holds
every text of the sources; this script then sets each message's translation
from the glossary and marks it finished. Run update_translations once more
afterwards to bring the file back into lupdate's own layout. It exits 1 if a message has no
German, naming it.

A message is matched by its context and English; failing that, by its English
alone where every glossary row with that English agrees on the German (texts
shared by windows, such as the branding offers). A "%1" that the code fills
with the program's name or the site's host is matched against the glossary's
English with that name filled in. A numerus message ("%n ...") takes its forms
from the German separated by "|" (singular|plural; one form serves both).

    tools/glossary_to_ts.py translations/german-glossary.tsv translations/corvella_de.ts
"""
import sys
import xml.etree.ElementTree as ET

# What the code fills into "%1" of texts that the glossary spells out.
FILLED_IN = ["Corvella", "www.quendrel.example"]


def unescape(text):
    out, i = [], 0
    while i < len(text):
        if text[i] == "\\" and i + 1 < len(text):
            out.append({"n": "\n", "r": "\r", "\\": "\\"}.get(text[i + 1], text[i + 1]))
            i += 2
        else:
            out.append(text[i])
            i += 1
    return "".join(out)


def read_glossary(path):
    by_context, by_english = {}, {}
    with open(path, encoding="utf-8") as file:
        next(file)
        for line in file:
            fields = line.rstrip("\n").split("\t")
            if len(fields) < 3:
                continue
            context, english, german = fields[0], unescape(fields[1]), unescape(fields[2])
            by_context[(context, english)] = german
            by_english.setdefault(english, set()).add(german)
    return by_context, by_english


def text_of(element):
    """The text of a <source>, with lupdate's <byte value="xd"/> for a CR."""
    parts = [element.text or ""]
    for child in element:
        if child.tag == "byte":
            parts.append(chr(int(child.get("value").lstrip("x"), 16)))
        parts.append(child.tail or "")
    return "".join(parts)


def set_text(element, text):
    """Sets an element's text, writing a CR as lupdate does."""
    pieces = text.split("\r")
    element.text = pieces[0]
    for piece in pieces[1:]:
        ET.SubElement(element, "byte", value="xd").tail = piece


def german_for(context, source, by_context, by_english):
    candidates = [(source, None)] + [(source.replace("%1", value), value) for value in FILLED_IN if "%1" in source]
    for english, filled in candidates:
        german = by_context.get((context, english))
        if german is None and len(by_english.get(english, ())) == 1:
            german = next(iter(by_english[english]))
        if german is not None:
            return german.replace(filled, "%1") if filled else german
    return None


def main(glossary_path, ts_path):
    by_context, by_english = read_glossary(glossary_path)
    tree = ET.parse(ts_path)
    missing = []
    for context in tree.getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = text_of(message.find("source"))
            german = german_for(name, source, by_context, by_english)
            if german is None:
                missing.append(f"{name}: {source!r}")
                continue
            translation = message.find("translation")
            translation.attrib.pop("type", None)
            for child in list(translation):
                translation.remove(child)
            if message.get("numerus") == "yes":
                forms = german.split("|")
                translation.text = None
                for form in (forms[0], forms[-1]):
                    set_text(ET.SubElement(translation, "numerusform"), form)
            else:
                set_text(translation, german)
    if missing:
        print("No German for:\n  " + "\n  ".join(missing), file=sys.stderr)
        return 1
    with open(ts_path, "wb") as file:
        file.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        tree.write(file, encoding="utf-8", xml_declaration=False)
        file.write(b"\n")
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2]))
