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


# The sample file as the program must write it, byte for byte. Lines 5-8 carry the
# system menu font of a new Wine prefix ("MS Shell Dlg", 8 point, normal weight).
SAMPLE = menu(
    "@BGMenuColor 255, 255, 255",
    "@SelBGMenuColor 200, 200, 200",
    "@TextColor 0, 0, 0",
    "@SelTextColor 255, 255, 255",
    ";@FontSize  8 ",
    ";@FontBold False",
    ";@FontItalic False",
    ";@FontName MS Shell Dlg",
    "@UseSkin 1",
    ";@SkinBackground .\\img\\xp2.jpg",
    ";@SkinBGSelected .\\img\\xpSel2.jpg",
    '@StringBefore "',
    '@StringAfter "',
    '@StringDelimiter " "',
    ";@LanguageFile .\\Svenska.lng",
    ";@ParameterDelimiter ¤",
    ";@MenuEditor ..\\Win32pad\\win32pad.exe|¦m",
    ";@NoIcons 1",
    "",
    "-",
    "&Notepad (minimized)\tnotepad.exe||%system32%|2",
    "&Command prompt\tcmd.exe||%system32%",
    "GoogleSearch\thttp://www.google.com/search?q=¦s&num=10",
    "Start mail with clipboard\tmailto:someone@example.com?subject=Some subject&Body=¦s",
    "-",
    "Start &More than one\t%programfiles%\\Internet Explorer\\iexplore.exe\texplorer.exe||%windir%",
    "[&Folder",
    "\t&Command prompt\tcmd.exe||%system32%",
    "\t&Explorer\texplorer.exe||%windir%",
    "\t;This row and the next one is commented out",
    "\t;bbc on the web\thttp://www.bbc.co.uk",
    "\t[SubFolder",
    "\t\tInternet Explorer\t%programfiles%\\Internet Explorer\\iexplore.exe",
    "\t]",
    "]",
)
