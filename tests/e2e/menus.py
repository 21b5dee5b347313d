"""Menu files shared by the end-to-end tests, as the bytes a user's editor would save."""

from __future__ import annotations


def menu(*lines: str) -> bytes:
    """Windows-1252 text with CR LF after every line, the program's file format."""
    return "".join(line + "\r\n" for line in lines).encode("cp1252")


def append_item(caption: str, text: str) -> str:
    """An item whose command appends a line to a file beside the program: harmless to
    choose, and its effect lands in the program folder."""
    return f"{caption}\t¦a.\\chosen.txt|{text}"


def write_chosen_file(folder) -> None:
    """Appending never creates a file: append_item's items need chosen.txt to be there."""
    folder.write("chosen.txt", b"")

