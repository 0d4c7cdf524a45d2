#!/usr/bin/env python3
"""The program's translations (translations/quelta_<language>.ts).

  translations.py update   brings every .ts file up to date with the texts in src/ (Qt's lupdate);
                           Spanish, the language of the source, translates each text as itself
  translations.py check    reports every text that is new, unfinished or untranslated, and every
                           translation that lost a blank, a line break or a placeholder of its
                           text; exits 1 when there is any

After `update`, translate the entries marked unfinished with Qt Linguist
(`linguist translations/quelta_fr.ts`) or any editor, then run `check`.
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
TRANSLATIONS = ROOT / "translations"
LANGUAGES = ["es", "en", "fr", "pt"]
SOURCE_LANGUAGE = "es"


def lupdate():
    for candidate in ("/usr/lib/qt6/bin/lupdate", shutil.which("lupdate6"), shutil.which("lupdate")):
        if candidate and Path(candidate).exists():
            return candidate
    sys.exit("lupdate not found: install qt6-l10n-tools")


def run_lupdate(ts, language):
    subprocess.run([lupdate(), "-silent", "-recursive", "-extensions", "cpp,h", str(ROOT / "src"),
                    "-locations", "none", "-no-obsolete", "-source-language", "es_ES", "-target-language", language,
                    "-ts", str(ts)], check=True, stdout=subprocess.DEVNULL)


def text_of(element):
    """The text of a <source> or <translation>, with lupdate's <byte value="xd"/> as "\\r"."""
    if element is None:
        return ""
    text = element.text or ""
    for child in element:
        if child.tag == "byte":
            value = child.get("value")
            text += chr(int(value[1:], 16) if value.startswith("x") else int(value))
        text += child.tail or ""
    return text


def set_text(element, text):
    for child in list(element):
        element.remove(child)
    parts = text.split("\r")
    element.text = parts[0]
    for part in parts[1:]:
        byte = ET.SubElement(element, "byte", value="xd")
        byte.tail = part


def messages(ts):
    for context in ET.parse(ts).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            yield name, message


def translate_as_source(ts):
    """Spanish is switched to through its own module: each text is its own translation."""
    tree = ET.parse(ts)
    for message in tree.getroot().iter("message"):
        translation = message.find("translation")
        if translation.get("type") == "unfinished":
            set_text(translation, text_of(message.find("source")))
            del translation.attrib["type"]
    tree.write(ts, encoding="utf-8", xml_declaration=True)


def update():
    for language in LANGUAGES:
        ts = TRANSLATIONS / f"quelta_{language}.ts"
        run_lupdate(ts, language)
        if language == SOURCE_LANGUAGE:
            translate_as_source(ts)
            run_lupdate(ts, language)  # back to lupdate's own layout


def edges(text):
    return re.match(r"^[ \t\r\n]*", text).group(0), re.search(r"[ \t\r\n]*$", text).group(0)


def form_problems(source, translation):
    """What the program's concatenations depend on: blanks and line breaks at both ends, the line
    breaks inside, the placeholders, and the length of column-aligned lines."""
    problems = []
    if edges(source) != edges(translation):
        problems.append("blanks or line breaks at its ends differ")
    if source.count("\r") != translation.count("\r") or source.count("\n") != translation.count("\n"):
        problems.append("line breaks differ")
    if sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", translation)):
        problems.append("placeholders differ")
    if re.search(r"\S {6,}\S", source) and len(source) != len(translation):
        problems.append(f"a column-aligned line must keep its length of {len(source)}")
    return problems


def check():
    problems = []
    with tempfile.TemporaryDirectory() as scratch:
        for language in LANGUAGES:
            committed = TRANSLATIONS / f"quelta_{language}.ts"
            current = Path(scratch) / committed.name
            shutil.copy(committed, current)
            run_lupdate(current, language)  # texts added to or changed in the code come in unfinished
            for context, message in messages(current):
                source = text_of(message.find("source"))
                translation = message.find("translation")
                where = f"{committed.name}: [{context}] {source!r}"
                if translation.get("type") == "unfinished" or not text_of(translation).strip():
                    problems.append(f"{where}: not translated")
                    continue
                problems.extend(f"{where}: {problem}" for problem in form_problems(source, text_of(translation)))
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} problem(s); run scripts/translations.py update, then translate")
        return 1
    print(f"translations complete in {', '.join(LANGUAGES)}")
    return 0


if __name__ == "__main__":
    command = sys.argv[1] if len(sys.argv) > 1 else ""
    if command == "update":
        update()
    elif command == "check":
        sys.exit(check())
    else:
        sys.exit(__doc__)
