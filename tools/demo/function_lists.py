# The four function-code lists of the demo controller (Set06.e .. Set09.e), read back the way
# the suite reads them, with the checks the customize tables and the step program rely on.

import re

import demo_controller as D
from demo_common import no_control_chars, require, text_file, val

EMPTY_CATEGORY = ""          # shown by the suite as "Category not specified"
STEP_CATEGORIES = {"OUT", "IN", "RGST", "SUB", "COUNT", "JMP", "CALL", "RETURN", "STEP", ""}
JUMP_CATEGORIES = ("STEP", "CALL", "JMP")   # never in a note file's used-selection list
REFERENCE_BASE = {"JMP": 0x8000, "CALL": 0xC000, "STEP": 0x8000}
CUSTOM_LISTS = ("Set06.e", "Set07.e")
STEP_LISTS = ("Set08.e", "Set09.e")


def signed16(word):
    return word - 0x10000 if word & 0x8000 else word


class Entry:
    def __init__(self, record):
        self.record = record
        self.name = record[0].strip(" ")
        self.code_text = record[1]
        self.value = val(record[1])
        self.advice = record[2]
        self.category = record[3]


class FunctionList:
    """One list in file order, looked up by name (exact) and by code."""

    def __init__(self, file_name):
        self.file_name = file_name
        self.entries = [Entry(r) for r in D.FUNCTION_LISTS[file_name]]
        self.by_name = {e.name: e for e in self.entries}
        self.by_value = {e.value: e for e in self.entries}

    def value_of(self, name):
        require(name in self.by_name, f"{self.file_name}: no function named {name!r}")
        return self.by_name[name].value

    def category_of_value(self, value):
        entry = self.by_value.get(value)
        return entry.category if entry else "-1"

    def category_of(self, name):
        entry = self.by_name.get(name)
        return entry.category if entry else ""

    def names_in(self, category):
        return [e.name for e in self.entries if e.category == category]

    def text(self):
        return text_file(D.FUNCTION_LISTS[self.file_name])


def check_list(flist):
    where = flist.file_name
    require(len(flist.by_name) == len(flist.entries), f"{where}: duplicate function name")
    require(len(flist.by_value) == len(flist.entries), f"{where}: duplicate function code")
    for e in flist.entries:
        require(len(e.record) >= 4 and all(no_control_chars(f) for f in e.record),
                f"{where} {e.name}: needs four fields without TAB or line breaks")
        require(e.name and re.match(r"\s*[-+]?(\d|&[Hh][0-9A-Fa-f])", e.code_text),
                f"{where} {e.name}: no name or no number")
        require(-32768 <= e.value <= 32767 and e.value != -1, f"{where} {e.name}: bad code")
        # "&H8000" and above would be read differently by different readers; keep them decimal.
        require(not e.code_text.startswith("&") or e.value < 0x8000,
                f"{where} {e.name}: hexadecimal code at or above &H8000")
    empty = [e.name for e in flist.entries if e.category == EMPTY_CATEGORY]
    require(len(empty) == 1, f"{where}: needs exactly one entry with an empty category")
    if where in CUSTOM_LISTS:
        require(all(0 <= e.value <= 255 for e in flist.entries), f"{where}: Kino is a byte")
        require(not any(e.category in JUMP_CATEGORIES for e in flist.entries),
                f"{where}: step categories in a customize list")
    else:
        for e in flist.entries:
            require(e.category in STEP_CATEGORIES, f"{where} {e.name}: unknown category")
            if e.category in REFERENCE_BASE:
                m = re.fullmatch(r"[A-Z](\d{3})", e.name)
                require(m, f"{where} {e.name}: a step reference is a letter and three digits")
                n = int(m.group(1))
                require(1 <= n <= 192 and e.value == signed16(REFERENCE_BASE[e.category] + n - 1),
                        f"{where} {e.name}: code does not name step {n}")
        shown = [e for e in flist.entries if e.category not in JUMP_CATEGORIES]
        require(len(shown) < 300, f"{where}: a used-selection list holds at most 299 codes")


def read_lists():
    lists = {name: FunctionList(name) for name in D.FUNCTION_LISTS}
    for flist in lists.values():
        check_list(flist)
    out, inp = lists["Set08.e"], lists["Set09.e"]
    require(out.names_in("RETURN") == ["RET"], "Set08.e: one RETURN function, named RET")
    for category in ("OUT", "IN", "RGST", "SUB", "COUNT", "JMP", "CALL"):
        require(out.names_in(category), f"Set08.e: no {category} function")
    for category in ("IN", "OUT", "RGST", "COUNT", "STEP"):
        require(inp.names_in(category), f"Set09.e: no {category} function")
    for name in ("X_PLS", "Y_PLS"):
        require(out.category_of(name) not in ("", "JMP", "CALL", "RETURN", "COUNT"),
                f"Set08.e: {name} needs a category with logic and delay")
    return lists


# --- README --------------------------------------------------------------------------------------

def _is_ascii(text):
    return all(ord(c) < 128 for c in text)


def readme_section(lists):
    o = []
    w = o.append
    w("## Function lists (Set06.e - Set09.e)\n")
    w("Name TAB code TAB description TAB category; names and codes unique within a list; no code")
    w("is -1; step references are a letter and three digits. Codes \"&H...\" are hexadecimal (all")
    w("below &H8000; negative codes are written in decimal).\n")
    w("| file | list | entries | categories (entries) | empty category | \"&H\" codes |")
    w("|---|---|---|---|---|---|")
    what = {"Set06.e": "customize inputs (`cusinp`)", "Set07.e": "customize outputs (`cusout`)",
            "Set08.e": "step outputs (`stpout`)", "Set09.e": "step inputs (`stpinp`)"}
    for name, flist in lists.items():
        cats = []
        for e in flist.entries:
            if e.category not in cats:
                cats.append(e.category)
        counts = ", ".join(f"{c or '(empty)'} {sum(e.category == c for e in flist.entries)}"
                           for c in cats)
        empty = [e for e in flist.entries if e.category == EMPTY_CATEGORY]
        hexes = ", ".join(f"{e.name} \"{e.code_text}\" = {e.value}" for e in flist.entries
                          if e.code_text.startswith("&"))
        w(f"| `{name}` | {what[name]} | {len(flist.entries)} | {counts} |"
          f" {empty[0].name} ({empty[0].value}) | {hexes} |")
    w("")
    for name, flist in lists.items():
        plain = [e for e in flist.entries if e.category not in REFERENCE_BASE]
        w(f"- `{name}`: " + ", ".join(f"{e.name} {e.value}" for e in plain) + ".")
    w("")
    out, inp = lists["Set08.e"], lists["Set09.e"]
    for flist, cats in ((out, ("JMP", "CALL")), (inp, ("STEP",))):
        for cat in cats:
            names = flist.names_in(cat)
            first, last = flist.by_name[names[0]], flist.by_name[names[-1]]
            w(f"- {flist.file_name} {cat}: {first.name}..{last.name}, codes {first.value}.."
              f"{last.value} ({signed16(REFERENCE_BASE[cat]):d} + n - 1 for step n;"
              f" 0x{REFERENCE_BASE[cat]:04X} + n - 1 as a word).")
    w(f"- Set08.e RETURN: RET \"{out.by_name['RET'].code_text}\" = {out.by_name['RET'].value}."
      " Pulse outputs X_PLS 51 and Y_PLS 52 (category SUB).")
    w(f"- Counters (category COUNT) in both step lists: "
      f"{', '.join(f'{n} {inp.by_name[n].value}' for n in inp.names_in('COUNT'))}.")
    w("- Code 0 is NONE in every list (an unassigned pin; an empty step condition).")
    trimmed = [(fl.file_name, e) for fl in lists.values() for e in fl.entries
               if e.record[0] != e.name]
    for file_name, e in trimmed:
        w(f"- {file_name}: the name field \"{e.record[0]}\" has a trailing blank; it is read as"
          f" \"{e.name}\".")
    extra = [(fl.file_name, e) for fl in lists.values() for e in fl.entries if len(e.record) > 4]
    for file_name, e in extra:
        w(f"- {file_name}: {e.name} has a fifth field \"{e.record[4]}\" (ignored).")
    japanese = [f"{fl.file_name} {e.name} \"{e.advice}\"" for fl in lists.values()
                for e in fl.entries if not _is_ascii(e.advice)]
    w(f"- Japanese descriptions (CP932): {', '.join(japanese)}.\n")
    return o
