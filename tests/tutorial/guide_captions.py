#!/usr/bin/python3
"""Every caption the author's guide quotes in bold, **"Caption"**, is a text
the programs show: it is a string in the sources of the editor, the player or
the tools. So is every message it quotes in italics, *"Message"*, where
"..." stands for a part the programs fill in (a file's name). A caption or
message changed in the programs fails here until the guide follows.
Usage: guide_captions.py SOURCE_ROOT"""
import pathlib
import re
import sys

root = pathlib.Path(sys.argv[1])
sources = []
for folder in ("editor", "player", "tools", "apps", "checker", "platform"):
    for path in (root / folder).rglob("*.cpp"):
        text = path.read_text(encoding="utf-8", errors="replace")
        # Literals continued on the next line ("abc "\n "def") read as one.
        text = re.sub(r'"\)?\s*\n\s*(?:QStringLiteral\()?"', "", text)
        sources.append(text.replace('\\"', '"'))
everything = "\n".join(sources)

missing = []
for page in sorted((root / "docs" / "guide").glob("*.md")):
    text = re.sub(r"\s+", " ", page.read_text(encoding="utf-8"))
    for caption in re.findall(r'\*\*"([^*]+?)"\*\*', text):
        if caption not in everything:
            missing.append(f'{page.name}: "{caption}"')
    for message in re.findall(r'(?<!\*)\*"([^*]+?)"\*(?!\*)', text):
        for part in message.split("..."):
            part = part.strip(" .'")
            if len(part) >= 12 and part not in everything:
                missing.append(f'{page.name}: "{part}" (in *"{message}"*)')
for line in missing:
    print(f"not a text of the programs: {line}")
sys.exit(1 if missing else 0)
