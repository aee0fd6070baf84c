# Small helpers shared by the demo generators (make_demo.py and its table and step builders).

import re

TABLE_SIZE = 8192
CRLF = "\r\n"


class DescriptionError(Exception):
    pass


def require(condition, message):
    if not condition:
        raise DescriptionError(message)


def val(text):
    """Leading number of a text: decimal or &H hexadecimal, halves to even; none gives 0."""
    s = text.lstrip(" ")
    m = re.match(r"&[Hh]([0-9A-Fa-f]+)", s)
    if m:
        return int(m.group(1), 16)
    m = re.match(r"[+-]?(\d+\.?\d*|\.\d+)", s)
    return round(float(m.group(0))) if m else 0


def starts_with_number(text):
    return re.match(r"\s*([+-]?[\d.]|&[HhOo])", text) is not None


def lowest_bit(mask):
    return (mask & -mask).bit_length() - 1


def no_control_chars(text):
    return not re.search(r"[\t\r\n]", text)


def text_file(records):
    """CP932 text, one TAB-separated record per line, CR LF after every line."""
    return "".join("\t".join(r) + CRLF for r in records).encode("cp932")


def ansi(text):
    return text.encode("cp932")


def hx(n):
    return f"0x{n:02X}"
