#!/usr/bin/python3
"""Makes the author's guide: every docs/guide/*.md page as HTML in OUT, the
pictures and style sheet beside them, and the files of the tutorial's game
in OUT/tutorial-files/ for the author to pick in the editor's dialogs.

Usage: guide_html.py GUIDE_FOLDER TUTORIAL_GAME OUT

Links between pages are written NAME.md in the Markdown (so they work on
the source too) and become NAME.html. A link or picture that leads nowhere
stops the build, so the guide cannot point at a page or picture that is not
there.
"""
import html
import pathlib
import re
import shutil
import sys

import markdown

TEMPLATE = """<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>{title} - Quendara author's guide</title>
<link rel="stylesheet" href="guide.css">
</head>
<body>
<nav aria-label="Guide"><a href="index.html">Quendara author's guide</a></nav>
<main>
{body}
</main>
</body>
</html>
"""

# What the author picks in the editor while following the tutorial.
TUTORIAL_FILES = ["Frames/garden.jpg", "Frames/sunset.jpg", "Areas/key.gif", "Areas/key.ico",
                  "Areas/doorway.gif", "Areas/window.gif", "Areas/hall_door.gif", "Areas/the_end.gif",
                  "Areas/knock.wav"]


def page_title(text, fallback):
    match = re.search(r"^# (.+)$", text, re.MULTILINE)
    return match.group(1).strip() if match else fallback


def main(argv):
    if len(argv) != 4:
        print("usage: guide_html.py GUIDE_FOLDER TUTORIAL_GAME OUT", file=sys.stderr)
        return 2
    guide, game, out = (pathlib.Path(a) for a in argv[1:])
    out.mkdir(parents=True, exist_ok=True)

    for picture in sorted((guide / "images").glob("*.png")) if (guide / "images").is_dir() else []:
        (out / "images").mkdir(exist_ok=True)
        shutil.copyfile(picture, out / "images" / picture.name)
    shutil.copyfile(guide / "guide.css", out / "guide.css")
    (out / "tutorial-files").mkdir(exist_ok=True)
    for name in TUTORIAL_FILES:
        shutil.copyfile(game / name, out / "tutorial-files" / pathlib.Path(name).name)

    pages = sorted(guide.glob("*.md"))
    links = []
    for page in pages:
        text = page.read_text(encoding="utf-8")
        text = re.sub(r"\]\(([A-Za-z0-9_-]+)\.md(#[A-Za-z0-9_-]*)?\)", r"](\1.html\2)", text)
        body = markdown.markdown(text, extensions=["tables", "fenced_code", "toc", "sane_lists"],
                                 output_format="html")
        links += [(page.name, target) for target in re.findall(r'(?:href|src)="([^"#:]+)(?:#[^"]*)?"', body)]
        html_text = TEMPLATE.format(title=html.escape(page_title(text, page.stem)), body=body)
        (out / (page.stem + ".html")).write_text(html_text, encoding="utf-8")

    problems = [f"{page}: '{target}' leads nowhere" for page, target in links if not (out / target).exists()]
    for problem in problems:
        print(f"guide_html.py: {problem}", file=sys.stderr)
    if problems:
        # The next build makes the guide again.
        (out / "index.html").unlink(missing_ok=True)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
