#!/usr/bin/env python3
# Usage: check_translations.py LUPDATE SOURCE_DIR TS_FILE... --complete LANG...
# Each file is brought up to date in a copy first, so a text changed in the sources shows.
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

FOLDERS = ["platform", "core", "widgets", "main_window", "view_current", "about", "help", "app"]


def placeholders(text):
    return sorted(re.findall(r"%(?:n|L?[1-9])", text or ""))


def access_key(text):
    match = re.search(r"&([^&\s])", (text or "").replace("&&", ""))
    return match.group(1).lower() if match else None


def check(ts, complete, problems):
    language = ts.getroot().get("language")
    for context in ts.getroot().iter("context"):
        name = context.findtext("name")
        keys = {}
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            kind = translation.get("type")
            where = f"{language} {name} {source!r}"
            if kind in ("vanished", "obsolete"):
                problems.append(f"{where}: {kind}")
                continue
            forms = [f.text for f in translation.iter("numerusform")] or [translation.text]
            if kind == "unfinished" or not all(forms):
                if language in complete:
                    problems.append(f"{where}: untranslated")
                continue
            for form in forms:
                if placeholders(form) != placeholders(source):
                    problems.append(f"{where}: placeholders differ in {form!r}")
            key = access_key(forms[0])
            if access_key(source) and not key:
                problems.append(f"{where}: no access key in {forms[0]!r}")
            if key and keys.setdefault(key, forms[0]) != forms[0]:
                problems.append(f"{where}: access key {key!r} also in {keys[key]!r}")


def main():
    args = sys.argv[1:]
    split = args.index("--complete")
    lupdate, source_dir, ts_files, complete = args[0], Path(args[1]), args[2:split], args[split + 1:]
    problems = []
    with tempfile.TemporaryDirectory() as temp:
        for ts_file in ts_files:
            copy = Path(temp) / Path(ts_file).name
            shutil.copy(ts_file, copy)
            subprocess.run([lupdate, "-silent", "-locations", "none", "-I", str(source_dir)]
                           + [str(source_dir / f) for f in FOLDERS] + ["-ts", str(copy)],
                           check=True, cwd=source_dir)
            check(ET.parse(copy), complete, problems)
    print("\n".join(problems))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
