#!/usr/bin/env python3
"""Checks Qt Linguist .ts files: every text has a translation, and every translation keeps the
source's placeholders (%1, %L2, %n, printf's %s and %d) and its keyboard accelerator (&)."""
import re
import sys
import xml.etree.ElementTree as ElementTree

PLACEHOLDER = re.compile(r"%L?\d+|%n|%(?:\.\d+)?[sdfgiu]")


def accelerators(text):
    return len(re.findall(r"&(?!&)[^\s&;]", text.replace("&&", "")))


def placeholders(text):
    return sorted(PLACEHOLDER.findall(text))


def translations(message):
    element = message.find("translation")
    if element is None:
        return None, []
    forms = element.findall("numerusform")
    texts = [f.text or "" for f in forms] if forms else [element.text or ""]
    return element, texts


def problems_of(path):
    found = []
    for context in ElementTree.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            element, texts = translations(message)
            where = f"{path}: [{name}] {source!r}"
            if element is None or element.get("type") in ("unfinished", "vanished", "obsolete") \
                    or not any(texts):
                found.append(f"{where}: no translation")
                continue
            for text in texts:
                wanted = placeholders(source)
                if message.get("numerus") == "yes":
                    wanted = [p for p in wanted if p != "%n"]
                    text_places = [p for p in placeholders(text) if p != "%n"]
                else:
                    text_places = placeholders(text)
                if text_places != wanted:
                    found.append(f"{where}: placeholders {wanted} became {text_places}")
                if accelerators(source) != accelerators(text):
                    found.append(f"{where}: the accelerator (&) is lost in {text!r}")
    return found


def main():
    found = [problem for path in sys.argv[1:] for problem in problems_of(path)]
    for problem in found[:200]:
        print(problem, file=sys.stderr)
    if found:
        print(f"translations: {len(found)} problems", file=sys.stderr)
        return 1
    print(f"translations: {len(sys.argv) - 1} languages complete")
    return 0


if __name__ == "__main__":
    sys.exit(main())
