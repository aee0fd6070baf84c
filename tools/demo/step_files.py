# The demo step file DEMO.stp and its note file DEMO.BIN, written from step_program.py the way
# the step editor's save of a new pair writes them, and read back the way the suite reads them.

import datetime
import re

import step_program as P
from demo_common import TABLE_SIZE, ansi, hx, require

STEP_TABLES = 8
LINES_PER_TABLE = 192
RECORD = 32
GROUPS = 8
COUNT_BYTES_AT, COUNT_CAPTIONS_AT, LCD_CAPTIONS_AT = 6144, 6152, 6232
CAPTION_BYTES, REMARK_BYTES, MEMO_BYTES = 10, 20, 3152
SELOUT_AT, SELINP_AT, REMARKS_AT, MEMO_AT = 0, 600, 1200, 5040
AUTHOR_AT, PASSWORD_AT = 8156, 8176
FILE_MARK = b"0106"
END_MARK = 0xFFFF

LOGIC = ["LOW", "HIGH", "NOT", "JMP", "INC", "DEC", "SET", "CLR", "ADD", "SUB", "CALL", "RET"]
STATE = ["POS_LEV", "POS_EDG", "NEG_LEV", "NEG_EDG"]
REL = ["AND", "OR", "END", ">=", "<=", "=", "!=", "+", "-"]
COUNTER_IDS = {"01": 0, "00": 1, "011": 2, "001": 3, "010": 4, "000": 5}
LOGIC_BY_CATEGORY = {
    "OUT": ("LOW", "HIGH", "NOT"), "IN": ("LOW", "HIGH", "NOT"), "RGST": ("LOW", "HIGH", "NOT"),
    "SUB": ("LOW", "HIGH", "NOT"), "COUNT": ("INC", "DEC", "SET", "CLR", "ADD", "SUB"),
    "JMP": ("JMP",), "CALL": ("CALL",), "RETURN": ("RET",),
}
PULSE_OUTPUTS = ("X_PLS", "Y_PLS")


def table_start(t):
    return t * TABLE_SIZE


def word(value):
    return (value & 0xFFFF).to_bytes(2, "little")


def signed(b):
    v = int.from_bytes(b, "little")
    return v - 0x10000 if v & 0x8000 else v


def fixed_text(text, size):
    data = ansi(text.strip(" "))[:size]
    return data + bytes(size - len(data))


def delay_word(value):
    """The writer's encoding: 0-65535 as itself, -m as 0x8000 + (m And 0x7FFF)."""
    return word(value if value >= 0 else 0x8000 + (-value & 0x7FFF))


def read_delay(b):
    w = int.from_bytes(b, "little")
    return -(w & 0x0FFF) if w & 0x8000 else w


# --- the program as the step editor would hand it to the data model ----------------------------

class Condition:
    def __init__(self, block, kino, jyotai, rel):
        self.block, self.kino, self.jyotai, self.rel = block, kino, jyotai, rel

    def key(self):
        return (self.block, self.kino, self.jyotai, self.rel)


class StepLine:
    def __init__(self, row, kino=0, logic=0, delay=0, conditions=None, counter_id=-1,
                 remark="", nop=False, rem=False):
        self.row, self.kino, self.logic, self.delay = row, kino, logic, delay
        self.conditions = conditions or []
        self.counter_id, self.remark, self.nop, self.rem = counter_id, remark, nop, rem


def counter_id(inputs):
    pattern = "0" + "".join("1" if isinstance(f, int) else "0" for f, _, _ in inputs[1:3])
    return COUNTER_IDS.get(pattern, -1)


def build_line(row, line, lists):
    out, inp = lists["Set08.e"], lists["Set09.e"]
    conditions = []
    for b in range(1, GROUPS + 1):
        if b <= len(line.inputs):
            func, state, rel = line.inputs[b - 1]
            kino = func if isinstance(func, int) else inp.value_of(func)
            conditions.append(Condition(b, kino, STATE.index(state) if state else 0,
                                        REL.index(rel)))
        else:
            conditions.append(Condition(b, 0, 0, 0))
    counter = line.inputs and inp.category_of(line.inputs[0][0]) == "COUNT"
    return StepLine(row, out.value_of(line.output), LOGIC.index(line.logic), line.delay,
                    conditions, counter_id(line.inputs) if counter else -1, line.remark,
                    False, line.rem)


def program(lists):
    lines = []
    for row in range(1, LINES_PER_TABLE + 1):
        if row in P.LINES:
            lines.append(build_line(row, P.LINES[row], lists))
        else:
            lines.append(StepLine(row, conditions=[Condition(b, 0, 0, 0)
                                                   for b in range(1, GROUPS + 1)],
                                  remark=P.NULL_LINE_REMARKS.get(row, ""), nop=True))
    return lines


# --- checks: the program is one the step editor accepts and the files keep ---------------------

def _check_counter_row(row, line, inp):
    require(all(state is None for _, state, _ in line.inputs),
            f"step {row}: counter states are ***")
    rels = [rel for _, _, rel in line.inputs]
    require(len(line.inputs) in (2, 3), f"step {row}: a counter row uses groups 1-2 or 1-3")
    for f, _, _ in line.inputs[1:]:
        if isinstance(f, int):
            require(0 <= f <= 8000, f"step {row}: counter constant outside 0-8000")
        else:
            require(inp.category_of(f) == "COUNT", f"step {row}: {f} is not a counter")
    if len(line.inputs) == 2:
        require(rels[0] in (">=", "<=", "=", "!=") and rels[1] == "END", f"step {row}: relations")
    else:
        require(rels[0] in ("+", "-") and rels[1] in (">=", "<=", "=", "!=") and rels[2] == "END",
                f"step {row}: relations")
    require(counter_id(line.inputs) >= 0, f"step {row}: no counter id")


def _check_inputs(row, line, inp):
    require(line.inputs and len(line.inputs) <= GROUPS, f"step {row}: needs 1-8 input groups")
    if inp.category_of(line.inputs[0][0]) == "COUNT":
        _check_counter_row(row, line, inp)
        return
    for i, (f, state, rel) in enumerate(line.inputs):
        require(isinstance(f, str) and f in inp.by_name, f"step {row}: unknown input {f!r}")
        require(inp.category_of(f) != "COUNT", f"step {row}: a counter only in group 1")
        require(state in STATE, f"step {row}: state {state!r}")
        last = i == len(line.inputs) - 1
        require(rel == "END" if last else rel in ("AND", "OR"), f"step {row}: relation {rel!r}")


def check_program(lists):
    out, inp = lists["Set08.e"], lists["Set09.e"]
    require(P.PROGRAM_TABLE == 1, "a new pair of files holds its program in table 1")
    for row, line in P.LINES.items():
        require(1 <= row <= LINES_PER_TABLE and row not in P.NULL_LINE_REMARKS,
                f"step {row}: row outside 1-192 or also an empty line")
        require(line.output in out.by_name, f"step {row}: unknown output {line.output!r}")
        category = out.category_of(line.output)
        require(line.logic in LOGIC_BY_CATEGORY.get(category, LOGIC[:3]),
                f"step {row}: logic {line.logic} for a {category} output")
        if category == "RETURN":
            require(not line.inputs and line.delay == 0, f"step {row}: RET has no inputs")
        else:
            _check_inputs(row, line, inp)
        takes_value = line.logic in ("LOW", "HIGH", "NOT", "SET", "ADD", "SUB")
        lo, hi = (-30000, 30000) if line.output in PULSE_OUTPUTS else (0, 65000)
        require((lo <= line.delay <= hi) if takes_value else line.delay == 0,
                f"step {row}: delay {line.delay}")
        # The reader keeps 0-32767 and -4095..-1 only.
        require(-4095 <= line.delay <= 32767, f"step {row}: delay does not read back")
        for f, _, _ in line.inputs:
            if isinstance(f, str) and inp.category_of(f) == "STEP":
                require(int(f[-3:]) in P.LINES, f"step {row}: {f} names an empty step")
        if category in ("JMP", "CALL"):
            require(int(line.output[-3:]) in P.LINES, f"step {row}: {line.output} names no step")
    texts = [line.remark for line in P.LINES.values()] + list(P.NULL_LINE_REMARKS.values())
    require(all(len(ansi(t)) <= REMARK_BYTES and t == t.strip(" ") for t in texts),
            "a remark is longer than 20 bytes or has outer blanks")
    require(len(ansi(P.MEMO)) <= MEMO_BYTES and P.MEMO == P.MEMO.strip(" "), "memo too long")
    captions = P.COUNT_CAPTIONS + P.LCD_CAPTIONS
    require(len(P.COUNT_CAPTIONS) == len(P.LCD_CAPTIONS) == len(P.COUNT_BYTES) == 8,
            "eight counters and captions")
    require(all(len(ansi(c)) <= 8 and c == c.strip(" ") for c in captions), "caption too long")
    require(max(P.COUNT_BYTES) < len(inp.names_in("COUNT")), "counter byte beyond the counters")
    require(re.fullmatch(r"[A-Za-z0-9]{1,8}", P.PASSWORD), "password: 1-8 letters or digits")
    require(0 < len(ansi(P.AUTHOR)) <= 16, "author: 1-16 bytes")
    for name in P.HIDDEN_OUTPUTS:
        require(name in out.by_name, f"hidden output {name} not listed")
    for name in P.HIDDEN_INPUTS:
        require(name in inp.by_name, f"hidden input {name} not listed")


# --- author and password ------------------------------------------------------------------------

def saved_at():
    return datetime.datetime(*P.SAVED_AT)


def scramble(text, author):
    """The header field of an author (20 bytes) or a password (16 bytes)."""
    t = saved_at()
    digits = f"{t.minute:02d}{t.second:02d}" if author else f"{t.year:04d}{t.month:02d}{t.day:02d}"
    key = sum(int(d) for d in (digits if author else digits[4:]))
    data = ansi(text)
    require(all(c <= 242 and 242 - c + key <= 255 for c in data), "text cannot be scrambled")
    size = 16 if author else 8
    scrambled = bytes(242 - c + key for c in data)[:size]
    return scrambled + bytes(size - len(scrambled)) + bytes(245 - ord(d) for d in digits)


def unscramble(field, author):
    key_digits = field[16:20] if author else field[12:16]
    key = sum(int(chr(245 - b)) if chr(245 - b).isdigit() else 0 for b in key_digits)
    out = bytearray()
    for b in field[:16 if author else 8]:
        if b == 0:
            break
        out.append(242 - (b - key))
    return out.decode("cp932")


# --- writing ------------------------------------------------------------------------------------

def null_line():
    return bytes(2) + b"\xF0" + bytes(RECORD - 3)


def null_block():
    return null_line() * LINES_PER_TABLE + bytes(TABLE_SIZE - RECORD * LINES_PER_TABLE)


def line_record(line, inp):
    if line.nop:
        return null_line()
    counter = inp.category_of_value(line.conditions[0].kino) == "COUNT"
    require(inp.category_of_value(line.conditions[0].kino) != "-1",
            f"step {line.row}: first input not in the input list")
    data = word(line.kino) + bytes([line.logic | (0x10 if line.rem else 0)])
    data += delay_word(line.delay) + bytes(3)
    for c in line.conditions:
        low = line.counter_id if counter else c.jyotai
        data += word(c.kino) + bytes([c.rel * 16 | low])
    require(len(data) == RECORD, f"step {line.row}: record is not 32 bytes")
    return data


def step_table(lines, inp):
    data = b"".join(line_record(line, inp) for line in lines)
    data += bytes(P.COUNT_BYTES)
    data += b"".join(fixed_text(c, CAPTION_BYTES) for c in P.COUNT_CAPTIONS)
    data += b"".join(fixed_text(c, CAPTION_BYTES) for c in P.LCD_CAPTIONS)
    return data + bytes(TABLE_SIZE - len(data))


def stp_file(lines, inp):
    header = bytearray(null_block())
    header[0:4] = FILE_MARK
    header[AUTHOR_AT:AUTHOR_AT + 20] = scramble(P.AUTHOR, True)
    header[PASSWORD_AT:PASSWORD_AT + 16] = scramble(P.PASSWORD, False)
    tables = [bytes(header), step_table(lines, inp)]
    tables += [null_block()] * (STEP_TABLES - 2)
    return b"".join(tables)


def used_selection(flist, hidden):
    values = [e.value for e in flist.entries
              if e.name not in hidden and e.category not in ("STEP", "CALL", "JMP")]
    data = b"".join(word(v) for v in values) + word(END_MARK)
    return data + bytes(600 - len(data))


def note_table(lines, lists, with_notes):
    data = used_selection(lists["Set08.e"], P.HIDDEN_OUTPUTS)
    data += used_selection(lists["Set09.e"], P.HIDDEN_INPUTS)
    if not with_notes:
        return data + bytes(TABLE_SIZE - len(data))
    remarks = bytearray(REMARK_BYTES * LINES_PER_TABLE)
    for line in lines:
        if line.remark.strip(" "):
            at = (line.row - 1) * REMARK_BYTES
            remarks[at:at + REMARK_BYTES] = fixed_text(line.remark, REMARK_BYTES)
    data += bytes(remarks) + fixed_text(P.MEMO, MEMO_BYTES)
    require(len(data) == TABLE_SIZE, "note table size")
    return data


def bin_file(lines, lists):
    tables = [bytes(TABLE_SIZE), note_table(lines, lists, True)]
    tables += [note_table(lines, lists, False)] * (STEP_TABLES - 2)
    return b"".join(tables)


# --- reading back ---------------------------------------------------------------------------------

def cut_text(data):
    return data.split(b"\0", 1)[0].decode("cp932")


def read_table(stp, note, t, lists):
    """One table as the suite's reader gives it: lines, texts, counters and shown codes."""
    out, inp = lists["Set08.e"], lists["Set09.e"]
    base = table_start(t)
    ret = out.value_of("RET")
    lines = []
    for n in range(1, LINES_PER_TABLE + 1):
        rec = stp[base + (n - 1) * RECORD: base + n * RECORD]
        kino, flags, delay = signed(rec[0:2]), rec[2], read_delay(rec[3:5])
        nop = flags & 0xF0 == 0xF0
        conditions, cid = [], -1
        if kino != ret:
            if inp.category_of_value(signed(rec[8:10])) == "COUNT":
                cid = rec[10] & 0x0F
            for b in range(GROUPS):
                c = rec[8 + 3 * b: 11 + 3 * b]
                conditions.append(Condition(b + 1, 0, 0, 0) if nop else
                                  Condition(b + 1, signed(c[0:2]), c[2] & 3, c[2] // 16))
        if nop:
            lines.append(StepLine(n, conditions=conditions, counter_id=cid, nop=True))
        else:
            lines.append(StepLine(n, kino, flags & 0x0F, delay, conditions, cid,
                                  rem=flags >> 4 == 1))
    for line in lines:
        at = table_start(t) + REMARKS_AT + (line.row - 1) * REMARK_BYTES
        line.remark = cut_text(note[at:at + REMARK_BYTES])
    captions = [cut_text(stp[base + a + CAPTION_BYTES * i: base + a + CAPTION_BYTES * (i + 1)])
                for a in (COUNT_CAPTIONS_AT, LCD_CAPTIONS_AT) for i in range(8)]
    shown = []
    for at in (SELOUT_AT, SELINP_AT):
        codes = []
        for i in range(300):
            w = int.from_bytes(note[base + at + 2 * i: base + at + 2 * i + 2], "little")
            if w == END_MARK:
                break
            codes.append(signed(w.to_bytes(2, "little")))
        shown.append(codes)
    return {
        "lines": lines,
        "count_bytes": list(stp[base + COUNT_BYTES_AT: base + COUNT_BYTES_AT + 8]),
        "count_captions": captions[:8], "lcd_captions": captions[8:],
        "memo": cut_text(note[base + MEMO_AT: base + MEMO_AT + MEMO_BYTES]),
        "author": unscramble(stp[AUTHOR_AT:AUTHOR_AT + 20], True),
        "password": unscramble(stp[PASSWORD_AT:PASSWORD_AT + 16], False),
        "shown": shown,
    }


def as_grid_line(line, lists):
    """A line read back, turned into what the step editor would save again."""
    if line.nop:
        return line
    if not line.conditions:  # the return line: the editor saves eight empty groups
        line.conditions = [Condition(b, 0, 0, 0) for b in range(1, GROUPS + 1)]
    if line.counter_id >= 0:  # counter rows: states are "***" in the grid
        for c in line.conditions:
            c.jyotai = 0
    return line


def verify(stp, note, lines, lists):
    require(len(stp) == len(note) == STEP_TABLES * TABLE_SIZE, "step files are 65536 bytes")
    got = read_table(stp, note, 1, lists)
    for want, have in zip(lines, got["lines"]):
        row = want.row
        require((have.kino, have.logic, have.delay, have.nop, have.rem, have.remark)
                == (want.kino, want.logic, want.delay, want.nop, want.rem, want.remark),
                f"step {row}: does not read back")
        if want.nop:
            continue
        if want.kino == lists["Set08.e"].value_of("RET"):
            require(not have.conditions, f"step {row}: RET reads with inputs")
            continue
        require(have.counter_id == want.counter_id, f"step {row}: counter id")
        for w, h in zip(want.conditions, have.conditions):
            jyotai = want.counter_id & 3 if want.counter_id >= 0 else w.jyotai
            require((h.kino, h.rel, h.jyotai) == (w.kino, w.rel, jyotai),
                    f"step {row}: condition {w.block} does not read back")
    require(got["count_bytes"] == P.COUNT_BYTES, "counter bytes")
    require(got["count_captions"] == P.COUNT_CAPTIONS and got["lcd_captions"] == P.LCD_CAPTIONS,
            "captions")
    require(got["memo"] == P.MEMO, "memo")
    require(got["author"] == P.AUTHOR and got["password"] == P.PASSWORD, "author or password")
    for t in range(2, STEP_TABLES):
        empty = read_table(stp, note, t, lists)
        require(all(line.nop and not line.remark for line in empty["lines"])
                and not empty["memo"] and empty["shown"] == got["shown"], f"table {t} not empty")
    # Opened in the step editor and saved again unchanged, the pair stays byte for byte.
    again = [as_grid_line(line, lists) for line in got["lines"]]
    require(stp_file(again, lists["Set09.e"]) == stp, "saving the program again changes DEMO.stp")
    require(bin_file(again, lists) == note, "saving the program again changes DEMO.BIN")
    return got


# --- README ------------------------------------------------------------------------------------

def _condition_text(cond, counter, inp):
    f, state, rel = cond
    name = str(f) if isinstance(f, int) else f
    code = f if isinstance(f, int) else inp.value_of(f)
    shown = "***" if state is None else state
    what = "constant" if isinstance(f, int) else f"code {code}"
    return f"{name} ({what}) {shown} {rel}"


def readme_section(stp, note, lines, lists):
    out, inp = lists["Set08.e"], lists["Set09.e"]
    t = saved_at()
    o = []
    w = o.append
    w("## Step program (DEMO.stp, DEMO.BIN)\n")
    w("Written exactly as the step editor's save of a new pair writes it: the program in table 1")
    w("(byte 8192 on), tables 2-7 empty programs (192 null lines, zero counters and captions),")
    w("table 0 a null block whose first four bytes are \"0106\", with the scrambled author at")
    w("8156-8175 and password at 8176-8191. Reading table 1 and saving it again unchanged gives")
    w("back both files byte for byte.\n")
    w(f"- Author \"{P.AUTHOR}\", password \"{P.PASSWORD}\" (clear text), scrambled as if saved on"
      f" {t:%Y-%m-%d at %H:%M:%S}: author key digits \"{t:%M%S}\" (key"
      f" {sum(int(d) for d in f'{t:%M%S}')}), password date \"{t:%Y%m%d}\" (key"
      f" {sum(int(d) for d in f'{t:%m%d}')}).")
    w(f"- Author field (8156-8175): `{stp[AUTHOR_AT:AUTHOR_AT + 20].hex(' ').upper()}`.")
    w(f"- Password field (8176-8191): `{stp[PASSWORD_AT:PASSWORD_AT + 16].hex(' ').upper()}`.")
    w("- The step editor asks for the password before it opens a table of this file.\n")
    w("### Table 1\n")
    w("Record of step n at file offset 8192 + (n-1)*32; flags = REM*16 + logic; conditions as")
    w("function (code) state relation. Steps not listed are null lines (flags 0xF0).\n")
    w("| step | output (code, category) | logic | delay | flags | delay word | inputs | remark |")
    w("|---|---|---|---|---|---|---|---|")
    for line in lines:
        if line.nop:
            continue
        src = P.LINES[line.row]
        cat = out.category_of(src.output)
        counter = line.counter_id >= 0
        ins = "; ".join(_condition_text(c, counter, inp) for c in src.inputs) or "none"
        if counter:
            ins += f" (counter row, CounterId {line.counter_id})"
        flags = line.logic | (0x10 if line.rem else 0)
        rec_at = TABLE_SIZE + (line.row - 1) * RECORD
        w(f"| {line.row} | {src.output} ({line.kino}, {cat}) | {src.logic} ({line.logic}) |"
          f" {line.delay} | {hx(flags)}{' REM' if line.rem else ''} |"
          f" {stp[rec_at + 3:rec_at + 5].hex(' ').upper()} | {ins} | {line.remark} |")
    w("")
    w("Features:\n")
    w("- Outputs switched on input edges: steps 1 (START POS_EDG), 7 (STOP POS_EDG OR SENS2"
      " NEG_EDG), 8, 9, 11, 14, 15; levels with AND in 2, 4, 5, 8, 15; OR in 7 and 20.")
    w("- Pulse output with a negative value: step 5 X_PLS -1200 (delay word 0x84B0 reads back as"
      " -1200); step 6 Y_PLS 800.")
    w("- Counter output: step 9 CNT1 INC (delay 0); step 11 CNT2 SET 10 (constant 10).")
    c10 = lines[9].conditions
    c12 = lines[11].conditions
    w("- Counter rows with constants: step 10 CNT1 >= 100 END, CounterId 0, condition bytes "
      + ", ".join(hx(stp[TABLE_SIZE + 9 * RECORD + 10 + 3 * i]) for i in range(3))
      + f" (blocks 1-3); step 12 CNT2 + 5 >= 20 END, CounterId 2, condition bytes "
      + ", ".join(hx(stp[TABLE_SIZE + 11 * RECORD + 10 + 3 * i]) for i in range(4))
      + " (blocks 1-4; every block carries the id in its low nibble). Read back, their"
      " conditions have `Jyotai` = id And 3 (step 10: 0, step 12: 2) and `Rel` as written;"
      f" block kinos step 10: {', '.join(str(c.kino) for c in c10[:3])};"
      f" step 12: {', '.join(str(c.kino) for c in c12[:4])}.")
    w("- CALL and RET: step 3 C020 (code -16365 = 0xC013, logic CALL 10) calls step 20 HOMING;"
      " step 21 RET (code 32767 = 0x7FFF, logic 11, flags 0x0B, all 24 condition bytes zero, read"
      " with no conditions).")
    w("- JMP: step 15 J001 (code -32768 = 0x8000, logic 3).")
    w("- Step-input condition: step 5 input S004 (code -32765 = 0x8003, category STEP); step 6"
      " input S005.")
    w("- REM line: step 13 (flags 0x10: REM, logic LOW), remark \"Old clamp release\".")
    w("- Remarks: every program step; a null line with a remark: step 16 \"-- subroutine --\";"
      " a remark filling all 20 bytes: step 5 \"Move X back 1200 pls\"; a Japanese remark:"
      " step 8 \"糸切り\" (6 bytes CP932).")
    w("- Unused groups after END are blocks of code 0 (NONE in Set09.e), state 0, relation AND;"
      " on a counter row their byte still carries the counter id (step 12: 0x02).\n")
    w("### Counters, captions, memo (table 1)\n")
    w(f"- `arCountBytes` (offset 6144): {P.COUNT_BYTES} (positions among the COUNT inputs of"
      f" Set09.e: {', '.join(inp.names_in('COUNT'))}).")
    w(f"- `arCountCaption` (6152, 10 bytes each): {P.COUNT_CAPTIONS}.")
    w(f"- `arLcdCaption` (6232, 10 bytes each): {P.LCD_CAPTIONS} (\"手動\" is 4 bytes CP932).")
    memo_lines = P.MEMO.split("\r\n")
    w(f"- `Memo` ({len(ansi(P.MEMO))} bytes CP932, lines joined by CR LF): "
      + " / ".join(f"\"{m}\"" for m in memo_lines) + ".\n")
    w("### Note file\n")
    shown_out = [e for e in out.entries if e.name not in P.HIDDEN_OUTPUTS
                 and e.category not in ("STEP", "CALL", "JMP")]
    shown_in = [e for e in inp.entries if e.name not in P.HIDDEN_INPUTS
                and e.category not in ("STEP", "CALL", "JMP")]
    w("Table 0 all zero. Tables 1-7 hold the same used-selection lists (table 1 also the remarks"
      " at 1200 and the memo at 5040; tables 2-7 none).\n")
    w(f"- Output list (byte 0): {len(shown_out)} codes then 0xFFFF: every Set08.e entry in file"
      f" order except {', '.join(P.HIDDEN_OUTPUTS)} and the JMP/CALL entries.")
    w(f"- Input list (byte 600): {len(shown_in)} codes then 0xFFFF: every Set09.e entry except"
      f" {', '.join(P.HIDDEN_INPUTS)} and the STEP entries.")
    w("- After reading, those entries have `Hidden` False and every other entry `Hidden` True.\n")
    return o
