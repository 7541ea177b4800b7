"""Every text the program can show has a finished Ukrainian translation, and no Ukrainian
text holds a letter that Ukrainian does not use.

Usage: check_translations.py LUPDATE TS_FILE SOURCE_FOLDER...
The sources are gathered afresh into a copy of the translation file, so a text added to
the code but not to the file fails as unfinished."""

import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

NOT_UKRAINIAN = set("ыЫэЭъЪёЁ")


def main():
    lupdate, committed, folders = sys.argv[1], sys.argv[2], sys.argv[3:]
    with tempfile.TemporaryDirectory() as work:
        gathered = os.path.join(work, os.path.basename(committed))
        shutil.copy(committed, gathered)
        subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none", *folders,
                        "-ts", gathered], check=True)
        faults = list(check(ElementTree.parse(gathered).getroot()))
    for fault in faults:
        print(fault)
    print("%d fault(s)" % len(faults) if faults else "all translations finished")
    return 1 if faults else 0


def check(root):
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            texts = [form.text or "" for form in translation.iter("numerusform")] \
                or [translation.text or ""]
            if translation.get("type") in ("unfinished", "vanished", "obsolete") or \
                    not all(texts):
                yield "%s: %r has no finished translation" % (name, source)
            for text in texts:
                letters = NOT_UKRAINIAN.intersection(text)
                if letters:
                    yield "%s: %r holds %s" % (name, text, "".join(sorted(letters)))


if __name__ == "__main__":
    sys.exit(main())
