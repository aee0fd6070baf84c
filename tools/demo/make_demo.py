#!/usr/bin/python3
# Writes the demo controller files of data/demo/ from the description in demo_controller.py.
#
# Run from anywhere (standard library only):
#     /usr/bin/python3 tools/demo/make_demo.py            # (re)write data/demo/
#     /usr/bin/python3 tools/demo/make_demo.py OUTDIR     # write into another folder
#     /usr/bin/python3 tools/demo/make_demo.py --check    # exit 1 when data/demo/ is out of date
#
# The output is byte-identical on every run.  Before writing, the description is checked for
# the things the suite's readers rely on: consistent Set files, no overlapping parameters or
# customize pin fields, values inside their limits and choices, function codes that their lists
# hold, a step program the step editor accepts, and tables and step files that read back to the
# described values (and stay byte for byte when saved again unchanged).
#
# The description: demo_controller.py (parameters, pins, function lists, feed pitch) and
# step_program.py (DEMO.stp, DEMO.BIN); the builders: custom_tables.py, function_lists.py,
# step_files.py.

import os
import re
import sys

sys.dont_write_bytecode = True  # keep tools/demo free of __pycache__
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import demo_controller as D  # noqa: E402
import custom_tables as C  # noqa: E402
import function_lists as F  # noqa: E402
import step_files as S  # noqa: E402
from demo_common import (CRLF, TABLE_SIZE, DescriptionError, hx, lowest_bit,  # noqa: E402
                         require, starts_with_number, text_file, val)

STG_TABLES = 8
PARAMETER_AREAS = [(16, 511), (768, 1023)]   # header, feed pitch and customize pins stay free
PITCH_X_OFFSET = 512
PITCH_Y_OFFSET = 640
SPEED_MARKERS = ("L_SPEED_MIN", "H_SPEED_MIN")
DOUBLED_KINDS = ("KAKUDO_SET", "TIME_SET")
PITCH_BANDS = ["0.1 - 0.8", "0.9 - 1.6", "1.7 - 2.4", "2.5 - 3.2", "3.3 - 4.0", "4.1 - 4.8",
               "4.9 - 5.6", "5.7 - 6.4", "6.5 - 7.2", "7.3 - 8.0", "8.1 - 8.8", "8.9 - 9.6",
               "9.7 - 10.4", "10.5 - 11.2", "11.3 - 12.0", "12.1 - 12.7"]


# --- reading the description the way the suite reads the files -----------------------------

class Param:
    """One Set02.e record with its numbers resolved."""

    def __init__(self, p):
        self.p = p
        self.addr = val(p.addr)
        self.mask = val(p.bit)
        self.ram = p.ram
        self.doubled = p.kino in DOUBLED_KINDS
        self.limits = None
        if p.min in SPEED_MARKERS:
            parts = p.advice.split(",")
            require(len(parts) >= 3, f"{p.digital}: speed advice needs min,max,text")
            self.limits = (val(parts[0]), val(parts[1]))

    def owned_bytes(self):
        """(offset, mask) pairs this parameter occupies."""
        if self.mask:
            return [(self.addr, self.mask)]
        if self.ram == 1:
            return [(self.addr, 0xFF)]
        if self.ram == 2:
            return [(self.addr, 0xFF), (self.addr + 1, 0xFF)]
        raise DescriptionError(f"{self.p.digital}: DataRam {self.ram} has no storage")


PARAMS = [Param(p) for p in D.PARAMETERS]
BY_NAME = {q.p.digital: q for q in PARAMS}


def hidden_names():
    return [line.strip() for line in D.SET10_LINES if not line.strip().startswith(";")]


# --- consistency checks -----------------------------------------------------------------------

def check_texts():
    group_keys = [g.upper() for g, _ in D.GROUPS]
    require(len(set(group_keys)) == len(group_keys), "duplicate group name")
    require(any(k.upper() == "SPECIAL" for _, k in D.GROUPS), "no SPECIAL group")
    names = [q.p.digital.upper() for q in PARAMS]
    require(len(set(names)) == len(names), "duplicate parameter name")
    for q in PARAMS:
        p = q.p
        require(p.group.upper() in group_keys, f"{p.digital}: unknown group {p.group}")
        for field in p[:9]:
            require(isinstance(field, str) and not re.search(r"[\t\r\n]", field),
                    f"{p.digital}: bad field {field!r}")
        require(0 <= q.mask <= 255, f"{p.digital}: Bit outside 0-255")
        require(q.mask or q.ram in (1, 2), f"{p.digital}: whole value needs DataRam 1 or 2")
        choices = [h for h in p.help if h[0]]
        keys = [c[0].upper() for c in choices]
        require(len(set(keys)) == len(keys), f"{p.digital}: duplicate choice")
        require((p.method == "SELECTION") == bool(choices), f"{p.digital}: choices vs InputMethod")
        for sel, _, text in p.help:
            require(not re.search(r"[\t\r\n]", sel + text), f"{p.digital}: bad Set03 text")
            # The grid's range check reads a choice text as a number; keep choices wordy.
            require(not starts_with_number(sel), f"{p.digital}: choice {sel!r} reads as a number")
    for kind in DOUBLED_KINDS:
        require(sum(q.p.kino == kind for q in PARAMS) > 1, f"{kind} used only once")
    for name in hidden_names():
        require(name in BY_NAME, f"Set10.e names unknown parameter {name}")


def ownership():
    """offset -> list of (digital, mask), after checking that nothing overlaps."""
    owners = {}
    for q in PARAMS:
        for offset, mask in q.owned_bytes():
            require(any(lo <= offset <= hi for lo, hi in PARAMETER_AREAS),
                    f"{q.p.digital}: offset {offset} outside the parameter areas")
            for other, other_mask in owners.get(offset, []):
                require(not (mask & other_mask), f"{q.p.digital} overlaps {other} at {offset}")
            owners.setdefault(offset, []).append((q.p.digital, mask))
    return owners


def check_free_bytes(owners, pin_owners):
    for table in (D.LIMIT_BYTES_STD, D.LIMIT_BYTES_USR, D.UNOWNED_BYTES_STD, D.UNOWNED_BYTES_USR):
        for offset in table:
            require(offset not in owners, f"byte {offset} is owned by a parameter")
            require(offset not in pin_owners and offset not in D.UNOWNED_PIN_BYTES
                    and offset not in D.UNOWNED_PIN_BITS, f"byte {offset} is a customize byte")
            require(12 <= offset < TABLE_SIZE and not 512 <= offset < 768,
                    f"byte {offset} lies in the header or feed pitch")
    for offset, bits in D.UNOWNED_BITS.items():
        used = 0
        for _, mask in owners.get(offset, []):
            used |= mask
        require(used and not bits & used, f"unowned bits of byte {offset} clash or byte unshared")
    for q in PARAMS:
        if q.limits:
            for offset in q.limits:
                require(offset in D.LIMIT_BYTES_STD and offset in D.LIMIT_BYTES_USR,
                        f"{q.p.digital}: limit byte {offset} not set")


def check_value(q, v, table_bytes, where):
    p = q.p
    name = f"{where} {p.digital}={v}"
    if q.mask:
        require(v >= 0 and (v << lowest_bit(q.mask)) & ~q.mask & 0xFF == 0
                and v << lowest_bit(q.mask) <= 255, f"{name}: does not fit mask")
    else:
        require(0 <= v <= (255 if q.ram == 1 else 65535), f"{name}: does not fit width")
    if q.limits:
        lo = table_bytes[q.limits[0]] * 100
        hi = table_bytes[q.limits[1]] * 100 - 1
        require(lo <= v <= hi, f"{name}: outside table limits {lo}..{hi}")
    elif starts_with_number(p.min):
        lo, hi = val(p.min), val(p.max)
        require(lo <= v <= hi, f"{name}: outside {lo}..{hi}")
        if q.doubled:
            require(lo <= 2 * v <= hi, f"{name}: shown value {2 * v} outside {lo}..{hi}")
    if p.method == "SELECTION":
        require(v in [h[1] for h in p.help if h[0]], f"{name}: no such choice")


# --- table images ----------------------------------------------------------------------------

def model_codes(name):
    return bytes(int(c) if c.isdigit() else ord(c) - 55 for c in name.strip())


def put_word(image, offset, value):
    image[offset:offset + 2] = (value & 0xFFFF).to_bytes(2, "little")


def put_pitch(image, offset, rows):
    for r, (p1, p2, t1, t2, b) in enumerate(rows):
        at = offset + 8 * r
        image[at] = p1
        image[at + 1] = p2
        put_word(image, at + 2, t1)
        put_word(image, at + 4, t2)
        put_word(image, at + 6, b)


def build_table(table_byte, values, limit_bytes, unowned_bytes, pitch_x, pitch_y, pins):
    # The header dialog lists the data versions 0 to F and can show no other.
    require(0 <= D.DATA_VERSION <= 0xF, f"data version {D.DATA_VERSION} is not one of 0 to F")
    image = bytearray(TABLE_SIZE)
    image[0] = table_byte
    image[1] = D.HEADER_BYTE1
    image[2:4] = D.DATA_VERSION.to_bytes(2, "little", signed=True)
    image[4:8] = model_codes(D.MODEL_NAME)
    image[8:12] = D.MODEL_NAME.encode("ascii")
    for offset, value in {**limit_bytes, **unowned_bytes}.items():
        image[offset] = value
    for offset, bits in D.UNOWNED_BITS.items():
        image[offset] |= bits
    for q in PARAMS:
        v = values[q.p.digital]
        if q.mask:
            image[q.addr] |= v << lowest_bit(q.mask)
        elif q.ram == 1:
            image[q.addr] = v
        else:
            put_word(image, q.addr, v)
    put_pitch(image, PITCH_X_OFFSET, pitch_x)
    put_pitch(image, PITCH_Y_OFFSET, pitch_y)
    C.put_unowned(image)
    C.write_pins(image, pins)
    return bytes(image)


def read_pitch(image, offset):
    return [[image[at], image[at + 1]] + [int.from_bytes(image[at + k:at + k + 2], "little")
                                          for k in (2, 4, 6)]
            for at in range(offset, offset + 128, 8)]


def check_pitch(rows, label):
    require(len(rows) == 16, f"{label}: 16 feed-pitch rows")
    for r, row in enumerate(rows, 1):
        require(len(row) == 5 and all(0 <= v <= 255 for v in row[:2])
                and all(0 <= v <= 9999 for v in row[2:]),
                f"{label} row {r}: P1, P2 0-255 and T1, T2, B 0-9999 (the pitch window's ranges)")


def read_value(image, q):
    """The value the suite's table reader finds for a parameter."""
    if q.mask:
        return (image[q.addr] & q.mask) >> lowest_bit(q.mask)
    if q.ram == 1:
        return image[q.addr]
    return int.from_bytes(image[q.addr:q.addr + 2], "little")


def user_pitch():
    tables = {"X": [row[:] for row in D.PITCH_X_STD], "Y": [row[:] for row in D.PITCH_Y_STD]}
    for axis, row, column, value in D.PITCH_USR_CHANGES:
        tables[axis][row - 1][column] = value
    return tables["X"], tables["Y"]


def stg_header_byte(t):
    return 0x81 if t == 1 else t


def stg_pins(usr_pins, t, lists):
    changes = [(pin, field, v) for (pin, field), v in D.stg_table_overrides(t)["pins"].items()]
    return C.with_changes(usr_pins, changes, lists)


def table_sets(lists):
    """(label, header byte, values, limit bytes, unowned bytes, pitch X, pitch Y, pins) per
    table."""
    std = {q.p.digital: q.p.std for q in PARAMS}
    usr = {q.p.digital: q.p.usr for q in PARAMS}
    ux, uy = user_pitch()
    std_pins, usr_pins = C.std_values(lists), C.usr_values(lists)
    sets = {
        "STD": [("STD", D.STD_TABLE_BYTE, std, D.LIMIT_BYTES_STD, D.UNOWNED_BYTES_STD,
                 D.PITCH_X_STD, D.PITCH_Y_STD, std_pins)],
        "USR": [("USR", D.USR_TABLE_BYTE, usr, D.LIMIT_BYTES_USR, D.UNOWNED_BYTES_USR, ux, uy,
                 usr_pins)],
        "STG": [],
    }
    for t in range(STG_TABLES):
        over = D.stg_table_overrides(t)
        values = {**usr, **over["params"]}
        unowned = {**D.UNOWNED_BYTES_USR, **over["bytes"]}
        sets["STG"].append((f"STG table {t}", stg_header_byte(t), values, D.LIMIT_BYTES_USR,
                            unowned, ux, uy, stg_pins(usr_pins, t, lists)))
    return sets


def build_and_verify(entry, lists):
    label, table_byte, values, limits, unowned, px, py, pins = entry
    for q in PARAMS:
        check_value(q, values[q.p.digital], limits, label)
    check_pitch(px, f"{label} X")
    check_pitch(py, f"{label} Y")
    C.check_values(pins, lists, label)
    image = build_table(table_byte, values, limits, unowned, px, py, pins)
    for q in PARAMS:
        require(read_value(image, q) == values[q.p.digital], f"{label} {q.p.digital}: read-back")
    for offset, value in {**limits, **unowned}.items():
        require(image[offset] == value, f"{label}: byte {offset} was overwritten")
    require(read_pitch(image, PITCH_X_OFFSET) == px and read_pitch(image, PITCH_Y_OFFSET) == py,
            f"{label}: feed pitch read-back")
    C.verify_image(image, pins, label)
    return image


# --- setting text files --------------------------------------------------------------------------

def set01():
    return text_file(D.GROUPS)


def set02():
    return text_file([(p.kino, p.group, p.digital, p.method, p.unit, p.min, p.max, p.advice,
                       p.addr, p.bit, str(p.ram)) for p in D.PARAMETERS])


def set03():
    return text_file([(p.group, p.digital, sel, str(value), text)
                      for p in D.PARAMETERS for sel, value, text in p.help])


def set10():
    return "".join(line + CRLF for line in D.SET10_LINES).encode("cp932")


def sek():
    tail, x = bytearray(), 0x2545
    for _ in range(D.SEK_TAIL_LENGTH):
        x = (x * 1103515245 + 12345) & 0x7FFFFFFF
        tail.append(x >> 16 & 0xFF)
    return D.SEK_TAG + bytes(range(256)) + bytes(tail)


# --- README ------------------------------------------------------------------------------------

def per_table(first, values):
    step = values[1] - first
    return "t" if step == 1 else f"{step}t"


def readme(images, lists, lines):
    std, usr = images["DEMO_STD.etb"], images["DEMO_USR.etb"]
    hidden = hidden_names()
    visible = [q for q in PARAMS if q.p.digital not in hidden]
    special_groups = [g for g, k in D.GROUPS if k.upper() == "SPECIAL"]
    special = [q for q in visible if q.p.group in special_groups]
    diffs = [q for q in visible if q.p.std != q.p.usr]
    out = []
    w = out.append
    w("# Demo controller QD10\n")
    w("An invented single-needle lock-stitch sewing controller of our own, used to run the suite")
    w("without real installation data and as the fixtures of the C++ tests. Every file here is")
    w("written by `/usr/bin/python3 tools/demo/make_demo.py` from `tools/demo/demo_controller.py`")
    w("and `tools/demo/step_program.py` (byte-identical on every run; `--check` tells whether")
    w("this folder is up to date). This README is generated too: change the description, not the")
    w("files.\n")
    w("## Files\n")
    w("| file | what |")
    w("|---|---|")
    w("| `Set01.e` | function groups: FunctionName TAB TOPKMK |")
    w("| `Set02.e` | parameters, 11 TAB-separated fields |")
    w("| `Set03.e` | choices and descriptions, 5 fields, `<RETURN>` markers |")
    w("| `Set04.e` | customize input pins, 6 fields |")
    w("| `Set05.e` | customize output pins, 15 fields (ON has a 16th, ignored) |")
    w("| `Set06.e` | functions of customize input pins: name, code, description, category |")
    w("| `Set07.e` | functions of customize output pins, same fields |")
    w("| `Set08.e` | step output functions, same fields |")
    w("| `Set09.e` | step input functions, same fields |")
    w("| `Set10.e` | parameters hidden (removed after reading) |")
    w("| `DEMO_STD.etb` | one table (8192 bytes), factory values |")
    w("| `DEMO_USR.etb` | one table (8192 bytes), user values |")
    w("| `DEMO.stg` | eight tables (65536 bytes), user values with per-table changes |")
    w(f"| `DEMO.SEK` | opaque companion of `DEMO.stg`, {len(images['DEMO.SEK'])} bytes |")
    w("| `DEMO.stp` | step file (65536 bytes): header in table 0, a program in table 1, tables 2-7"
      " empty programs; password protected |")
    w("| `DEMO.BIN` | note file of `DEMO.stp` (65536 bytes) |")
    w("| `QEL.e` | setting archive: `Set01.e` .. `Set10.e` packed with LHA (header level 2,"
      " `-lh5-`); made by `tools/demo/make_archive.sh`, see below |\n")
    w("`QEL.e` is the one file here that this generator does not write and `--check` does not")
    w("cover: after a Set file changed, rebuild it with `sh tools/demo/make_archive.sh` (needs")
    w("`/usr/bin/jlha`, package jlha-utils; byte-identical on every run). The C++ archive test")
    w("checks that it extracts to exactly the Set files of this folder.\n")
    w("Text files are CP932 with CR LF line ends, one line break after the last record, no empty")
    w("lines. They are ASCII apart from three Japanese descriptions in `Set03.e` (S05 SOFT, whose")
    w("first character has the trail byte 0x5C; T01's description-only record; M05 DOWN) and the")
    w("Japanese descriptions of the function lists listed below.\n")
    w("## Header (offsets 0-11)\n")
    w("| file | byte 0 | byte 1 | data version (2-3) | codes (4-7) | name (8-11) |")
    w("|---|---|---|---|---|---|")
    codes = " ".join(str(c) for c in model_codes(D.MODEL_NAME))
    version_bytes = " ".join(f"{b:02X}" for b in D.DATA_VERSION.to_bytes(2, "little", signed=True))
    for label, image in (("DEMO_STD.etb", std), ("DEMO_USR.etb", usr)):
        w(f"| `{label}` | {hx(image[0])} | {hx(image[1])} | {D.DATA_VERSION} ({version_bytes}) | {codes} |"
          f" \"{D.MODEL_NAME}\" |")
    stg_bytes = " ".join(hx(stg_header_byte(t)) for t in range(STG_TABLES))
    w(f"| `DEMO.stg` tables 0-7 | {stg_bytes} | {hx(D.HEADER_BYTE1)} | {D.DATA_VERSION} | {codes} |"
      f" \"{D.MODEL_NAME}\" |\n")
    w("## Groups\n")
    w("| FunctionName | TOPKMK | parameters in Set02.e | after Set10.e |")
    w("|---|---|---|---|")
    for g, k in D.GROUPS:
        all_in = [q for q in PARAMS if q.p.group == g]
        vis_in = [q for q in visible if q.p.group == g]
        w(f"| {g} | {k} | {len(all_in)} | {len(vis_in)} |")
    w(f"\nAfter reading all four files: `AllDititalCount` {len(visible)}, `SpecialDigitalCount`"
      f" {len(special)}; after reading STD then USR, `DifDititalCount` {len(diffs)}"
      f" ({', '.join(q.p.digital for q in diffs)}).\n")
    w("## Parameters\n")
    w("Values are the raw stored numbers (KAKUDO_SET and TIME_SET are shown doubled; their Min/Max")
    w("are in the doubled units). `addr` is the Set02.e text with its value; a mask of 0 is a whole")
    w("byte (ram 1) or a 16-bit little-endian word (ram 2).\n")
    w("| digital | group | KinoNo | input | addr | mask | ram | Min | Max | STD | USR | notes |")
    w("|---|---|---|---|---|---|---|---|---|---|---|---|")
    for q in PARAMS:
        p = q.p
        notes = []
        if p.digital in hidden:
            notes.append("hidden by Set10.e")
        if q.limits:
            notes.append(f"limits from bytes {q.limits[0]},{q.limits[1]}")
        if p.std != p.usr:
            notes.append("differs")
        addr = p.addr if p.addr == str(q.addr) else f"{p.addr} = {q.addr}"
        bit = "0" if not q.mask else (p.bit if p.bit.startswith("&") else f"{p.bit} = {hx(q.mask)}")
        w(f"| {p.digital} | {p.group} | {p.kino} | {p.method} | {addr} | {bit} | {q.ram} |"
          f" {p.min} | {p.max} | {p.std} | {p.usr} | {'; '.join(notes)} |")
    w("\n## Features and where they are\n")
    words = [q for q in visible if not q.mask and q.ram == 2]
    big = [q.p.digital for q in words if max(q.p.std, q.p.usr) > 255]
    w(f"- Word parameters (DataRam 2): {', '.join(q.p.digital for q in words)};"
      f" values above 255 in {', '.join(big)}.")
    w("- Byte parameters (DataRam 1): " + ", ".join(
        f"{q.p.digital} ({q.addr})" for q in visible if not q.mask and q.ram == 1) + ".")
    shared = {}
    for q in PARAMS:
        if q.mask:
            shared.setdefault(q.addr, []).append(q)
    for offset, qs in sorted(shared.items()):
        fields = ", ".join(f"{q.p.digital} mask {hx(q.mask)} (Set02 \"{q.p.bit}\")" for q in qs)
        w(f"- Shared byte {offset}: {fields}; STD byte {hx(std[offset])}, USR byte"
          f" {hx(usr[offset])}.")
    w(f"- \"&H\" addresses: " + ", ".join(f"{q.p.digital} \"{q.p.addr}\" = {q.addr}"
                                         for q in PARAMS if q.p.addr.startswith("&")) + ".")
    sel = [q.p.digital for q in visible if q.p.method == "SELECTION"]
    w(f"- SELECTION parameters: {', '.join(sel)} (T09 too, but hidden). Choice texts never start"
      " with a digit; SELECTION Min/Max are 0 and the highest choice value.")
    for q in PARAMS:
        if q.limits:
            lo, hi = q.limits
            w(f"- {q.p.min}: {q.p.digital}, Advice \"{q.p.advice}\": MinRamAddress {lo},"
              f" MaxRamAddress {hi}. STD bytes {std[lo]},{std[hi]} give Min \"{std[lo] * 100}\""
              f" Max \"{std[hi] * 100 - 1}\"; USR bytes {usr[lo]},{usr[hi]} give"
              f" \"{usr[lo] * 100}\" \"{usr[hi] * 100 - 1}\".")
    w("- Special group: FunctionName and TOPKMK both \"SPECIAL\" (the all-parameters view skips it"
      " by name, the counts find it by TOPKMK).")
    for kind in DOUBLED_KINDS:
        w(f"- {kind}: " + ", ".join(q.p.digital for q in PARAMS if q.p.kino == kind) + ".")
    w(f"- Set10.e hides {', '.join(hidden)} (both exist in Set02.e and have Set03.e records"
      " applied before); it has a comment line and a comment line with leading blanks.")
    w("- Set03.e description-only records (empty Selection): " + ", ".join(
        q.p.digital for q in PARAMS if any(not h[0] for h in q.p.help)) + "; `<RETURN>` in S01,"
      " S05 SOFT and T02; T01 has a description record before its choices.")
    w("\n## Bytes no parameter owns\n")
    w("Carried over unchanged by a save. After Set10.e, the bytes and bits of the hidden")
    w("parameters are unowned as well.\n")
    w("| offset | STD | USR | what |")
    w("|---|---|---|---|")
    w(f"| 1 | {hx(std[1])} | {hx(usr[1])} | header byte the header code never touches |")
    for offset in sorted({**D.LIMIT_BYTES_STD, **D.UNOWNED_BYTES_STD}):
        what = "speed limit byte (hundreds)" if offset in D.LIMIT_BYTES_STD else "unowned byte"
        w(f"| {offset} | {hx(std[offset])} | {hx(usr[offset])} | {what} |")
    for offset, bits in D.UNOWNED_BITS.items():
        w(f"| {offset} | bits {hx(bits)} | bits {hx(bits)} | unowned bits of a shared byte |")
    for name in hidden:
        q = BY_NAME[name]
        bits = f"bits {hx(q.mask)}" if q.mask else "byte"
        w(f"| {q.addr} | {bits} = {q.p.std} | {bits} = {q.p.usr} | hidden {name} |")
    w("\n## Feed pitch (512-639 X, 640-767 Y)\n")
    w("Row r (1-16) at 512 + 8(r-1) (X) and 640 + 8(r-1) (Y): P1, P2 (bytes), T1, T2, B (16-bit")
    w("little-endian words). A cell \"a -> b\" is STD a, USR b (every table of DEMO.stg as USR).\n")
    ux, uy = user_pitch()
    for axis, srows, urows in (("X", D.PITCH_X_STD, ux), ("Y", D.PITCH_Y_STD, uy)):
        w(f"| {axis} row | band (mm) | P1 | P2 | T1 | T2 | B |")
        w("|---|---|---|---|---|---|---|")
        for r, (a, b) in enumerate(zip(srows, urows), 1):
            cells = [str(x) if x == y else f"**{x} -> {y}**" for x, y in zip(a, b)]
            w(f"| {r} | {PITCH_BANDS[r - 1]} | " + " | ".join(cells) + " |")
        w("")
    changes = "; ".join(f"{axis} row {row} {('P1', 'P2', 'T1', 'T2', 'B')[c]} = {v}"
                        for axis, row, c, v in D.PITCH_USR_CHANGES)
    w(f"USR (and every table of DEMO.stg) differs in: {changes}. Values above 255 in T1, T2 and"
      " every B from X row 4 / Y row 5 on.\n")
    out.extend(C.readme_section(std, usr, lists))
    out.extend(F.readme_section(lists))
    out.extend(S.readme_section(images["DEMO.stp"], images["DEMO.BIN"], lines, lists))
    w("## DEMO.stg\n")
    w("Eight copies of the user table; table t (0-7) has header byte 0 as listed above and:")
    over = D.stg_table_overrides(0)
    for name, v in over["params"].items():
        values = [D.stg_table_overrides(t)["params"][name] for t in range(STG_TABLES)]
        w(f"- {name} = {v} + {per_table(v, values)}: " + ", ".join(str(x) for x in values))
    for offset, v in over["bytes"].items():
        values = [D.stg_table_overrides(t)["bytes"][offset] for t in range(STG_TABLES)]
        w(f"- byte {offset} = {hx(v)} + {per_table(v, values)}: "
          + ", ".join(hx(x) for x in values))
    for (pin, field), v in over["pins"].items():
        values = [D.stg_table_overrides(t)["pins"][(pin, field)] for t in range(STG_TABLES)]
        w(f"- pin {pin} {C.LABELS[field]} = {v} + {per_table(v, values)}: "
          + ", ".join(str(x) for x in values) + " (customize, USR otherwise)")
    w("")
    return "\n".join(out).encode("utf-8")


# --- main -----------------------------------------------------------------------------------------

def generate():
    check_texts()
    owners = ownership()
    lists = F.read_lists()
    pin_owners = C.check_pins(owners)
    check_free_bytes(owners, pin_owners)
    S.check_program(lists)
    sets = table_sets(lists)
    files = {
        "Set01.e": set01(),
        "Set02.e": set02(),
        "Set03.e": set03(),
        "Set04.e": C.set04(),
        "Set05.e": C.set05(),
        "Set06.e": lists["Set06.e"].text(),
        "Set07.e": lists["Set07.e"].text(),
        "Set08.e": lists["Set08.e"].text(),
        "Set09.e": lists["Set09.e"].text(),
        "Set10.e": set10(),
        "DEMO_STD.etb": build_and_verify(sets["STD"][0], lists),
        "DEMO_USR.etb": build_and_verify(sets["USR"][0], lists),
        "DEMO.stg": b"".join(build_and_verify(entry, lists) for entry in sets["STG"]),
        "DEMO.SEK": sek(),
    }
    require(len(files["DEMO.stg"]) == TABLE_SIZE * STG_TABLES, "stg size")
    lines = S.program(lists)
    files["DEMO.stp"] = S.stp_file(lines, lists["Set09.e"])
    files["DEMO.BIN"] = S.bin_file(lines, lists)
    S.verify(files["DEMO.stp"], files["DEMO.BIN"], lines, lists)
    files["README.md"] = readme(files, lists, lines)
    return files


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    default_out = os.path.normpath(os.path.join(here, "..", "..", "data", "demo"))
    check = "--check" in argv
    args = [a for a in argv if a != "--check"]
    out = args[0] if args else default_out
    try:
        files = generate()
    except DescriptionError as e:
        print(f"make_demo: inconsistent description: {e}", file=sys.stderr)
        return 2
    if check:
        stale = [n for n, data in files.items()
                 if not os.path.exists(os.path.join(out, n))
                 or open(os.path.join(out, n), "rb").read() != data]
        for n in stale:
            print(f"make_demo: {n} is out of date", file=sys.stderr)
        return 1 if stale else 0
    os.makedirs(out, exist_ok=True)
    for name, data in files.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)
    print(f"make_demo: wrote {len(files)} files to {out}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
