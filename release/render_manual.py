#!/usr/bin/env python3
"""Renders the user sections of README.md into KOV.html, the manual that KOV's Help command opens:
one self-contained page (pictures embedded, nothing fetched), readable in any browser, in its
light or dark colour scheme.

    release/render_manual.py README.md VERSION OUTPUT
"""

from __future__ import annotations

import base64
import html
import mimetypes
import re
import sys
from pathlib import Path

import markdown

# The README's sections for the people who build KOV rather than use it.
DEVELOPER_SECTIONS = (
    "Setting up, building and testing (Debian 12, as root)",
    "Making a release",
    "Source overview",
    "Performance",
)

STYLE = """
:root { color-scheme: light dark; --text: #1b1b1b; --back: #ffffff; --soft: #f3f3f3;
  --line: #c8c8c8; --link: #0b57d0; }
@media (prefers-color-scheme: dark) {
  :root { --text: #e6e6e6; --back: #1e1e1e; --soft: #2b2b2b; --line: #4a4a4a; --link: #8ab4f8; }
}
body { margin: 0 auto; max-width: 60em; padding: 1em 1.5em 3em; line-height: 1.5;
  font-family: "Segoe UI", system-ui, sans-serif; color: var(--text); background: var(--back); }
a { color: var(--link); }
code, pre { font-family: Consolas, "Cascadia Mono", monospace; background: var(--soft);
  border-radius: 3px; }
code { padding: 0 0.2em; }
pre { padding: 0.6em 0.8em; overflow-x: auto; }
pre code { padding: 0; }
table { border-collapse: collapse; margin: 0.8em 0; }
th, td { border: 1px solid var(--line); padding: 0.25em 0.5em; text-align: left;
  vertical-align: top; }
th { background: var(--soft); }
img { max-width: 100%; }
nav.toc { background: var(--soft); padding: 0.2em 1em; border-radius: 3px; }
"""


def user_sections(readme: str) -> str:
    """The README without its developer sections; a heading inside a code block is none."""
    kept, keep, fenced, found = [], True, False, set()
    for line in readme.splitlines():
        if line.startswith("```"):
            fenced = not fenced
        elif line.startswith("## ") and not fenced:
            title = line[3:].strip()
            keep = title not in DEVELOPER_SECTIONS
            found.add(title)
        if keep:
            kept.append(line)
    if missing := set(DEVELOPER_SECTIONS) - found:
        # A renamed section would otherwise land in the manual unnoticed.
        raise SystemExit(f"render_manual: README.md has no section {sorted(missing)}")
    return "\n".join(kept) + "\n"


def embedded(page: str, base: Path) -> str:
    """Each picture as a data URI, so the page needs nothing beside it."""
    def data_uri(match: re.Match) -> str:
        picture = base / html.unescape(match.group(1))
        kind = mimetypes.guess_type(picture.name)[0] or "application/octet-stream"
        return f'src="data:{kind};base64,{base64.b64encode(picture.read_bytes()).decode()}"'
    return re.sub(r'src="([^"]+)"', data_uri, page)


def render(readme_path: Path, version: str) -> str:
    text = user_sections(readme_path.read_text(encoding="utf-8"))
    title, _, body = text.partition("\n")
    if not title.startswith("# "):
        raise SystemExit("render_manual: README.md does not begin with its title")
    title = f"{title[2:].strip()} {version}"
    # The contents go before the first section, after the introduction.
    intro, _, sections = body.partition("\n## ")
    converter = markdown.Markdown(extensions=["tables", "fenced_code", "toc"],
                                  extension_configs={"toc": {"toc_depth": "2-3"}})
    content = converter.convert(f"{intro}\n[TOC]\n\n## {sections}")
    # A "|" in a table cell's code is written "\|"; it shows as "|", as on the project's pages.
    content = re.sub(r"<td>.*?</td>", lambda cell: cell.group(0).replace("\\|", "|"), content,
                     flags=re.S)
    content = content.replace('<div class="toc">', '<nav class="toc">', 1)
    content = re.sub(r"(<nav class=\"toc\">.*?)</div>", r"\1</nav>", content, count=1, flags=re.S)
    return (f'<!DOCTYPE html>\n<html lang="en">\n<head>\n<meta charset="utf-8">\n'
            f'<meta name="viewport" content="width=device-width, initial-scale=1">\n'
            f'<meta name="color-scheme" content="light dark">\n'
            f"<title>{html.escape(title)}</title>\n<style>{STYLE}</style>\n</head>\n<body>\n"
            f"<h1>{html.escape(title)}</h1>\n{embedded(content, readme_path.parent)}\n"
            f"</body>\n</html>\n")


def main(argv: list[str]) -> int:
    readme, version, output = argv
    Path(output).write_text(render(Path(readme), version), encoding="utf-8", newline="\n")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
