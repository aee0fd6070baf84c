# Customize pins of the demo controller (Set04.e, Set05.e): the pins read back the way the
# suite reads the setting files, their fields in a table image, and the checks that keep pins
# apart from each other and from everything else in the table.

import demo_controller as D
from demo_common import hx, lowest_bit, no_control_chars, require, text_file, val

CUSTOM_AREA = (1024, 2047)
DUTY_BITS = 0x07          # the duty index always sits in bits 0-2 (written with mask 0xF8)
INPUT_FIELDS = ("kino", "logic", "dosa")
OUTPUT_FIELDS = D.OV._fields
BIT_FIELDS = ("logic", "dosa", "on_delay", "off_delay", "chopping")
BYTE_FIELDS = ("on_time", "off_time", "zenpa")
LABELS = {"kino": "Kino", "logic": "Logic", "dosa": "Dosa", "on_delay": "OnDelay",
          "off_delay": "OffDelay", "on_time": "OnDelayTime", "off_time": "OffDelayTime",
          "chopping": "Chopping", "zenpa": "ZenpaTime", "duty": "Duty"}


class Pin:
    """One Set04.e or Set05.e record with its numbers resolved."""

    def __init__(self, fields, from_set05):
        self.fields = fields
        self.name = fields[0]
        self.from_set05 = from_set05
        n = [val(f) for f in fields[1:15 if from_set05 else 6]]
        self.kino_addr, self.logic_addr, self.logic_bit, self.dosa_addr, self.dosa_bit = n[:5]
        if from_set05:
            (self.on_bit, self.off_bit, self.on_time_addr, self.off_time_addr, self.chop_addr,
             self.chop_bit, self.zenpa_addr, self.duty_addr, self.duty_bit) = n[5:14]
        # The suite reads and writes a pin as an output pin by the first letter of its name.
        self.is_output = self.name[:1].upper() == "O"
        self.lacking = from_set05 and self.chop_addr == 0

    def places(self):
        """(field, offset, mask) of every value the suite reads and writes for this pin."""
        out = [("kino", self.kino_addr, 0xFF), ("logic", self.logic_addr, self.logic_bit),
               ("dosa", self.dosa_addr, self.dosa_bit)]
        if self.is_output:
            out += [("on_delay", self.dosa_addr, self.on_bit),
                    ("off_delay", self.dosa_addr, self.off_bit),
                    ("on_time", self.on_time_addr, 0xFF), ("off_time", self.off_time_addr, 0xFF)]
            if not self.lacking:
                out += [("chopping", self.chop_addr, self.chop_bit),
                        ("zenpa", self.zenpa_addr, 0xFF),
                        ("duty", self.duty_addr, DUTY_BITS | self.duty_bit)]
        return out


INPUTS = [Pin(f, False) for f in D.INPUT_PINS]
OUTPUTS = [Pin(f, True) for f in D.OUTPUT_PINS]
PINS = INPUTS + OUTPUTS
BY_NAME = {p.name: p for p in PINS}


# --- checks --------------------------------------------------------------------------------------

def check_pins(param_owners):
    """Pin records are well formed and no two fields share a bit; returns offset -> masks."""
    names = [p.name.upper() for p in PINS]
    require(len(set(names)) == len(names), "duplicate pin name (names are compared without case)")
    for p in INPUTS:
        require(len(p.fields) == 6, f"{p.name}: Set04.e has six fields")
        require(p.name.startswith("I"), f"{p.name}: input pin names start with I")
    for p in OUTPUTS:
        require(len(p.fields) >= 15, f"{p.name}: Set05.e has fifteen fields")
        require(p.name.startswith("O"), f"{p.name}: output pin names start with O")
        require(p.on_bit and p.off_bit, f"{p.name}: on/off-delay masks missing")
        require(p.lacking or (p.chop_bit and p.duty_bit == DUTY_BITS),
                f"{p.name}: chopping needs a mask and the duty mask is {hx(DUTY_BITS)}")
    owners = {}
    for p in PINS:
        require(all(f and no_control_chars(f) for f in p.fields), f"{p.name}: bad field")
        for field, offset, mask in p.places():
            require(0 < mask <= 0xFF, f"{p.name} {field}: mask outside 1-255")
            require(CUSTOM_AREA[0] <= offset <= CUSTOM_AREA[1],
                    f"{p.name} {field}: address {offset} outside the customize area")
            require(offset not in param_owners, f"{p.name} {field}: byte {offset} is a parameter's")
            for other, other_mask in owners.get(offset, []):
                require(not mask & other_mask, f"{p.name} {field} overlaps {other} at {offset}")
            owners.setdefault(offset, []).append((f"{p.name} {field}", mask))
    for p in OUTPUTS:
        if p.lacking:  # the addresses a lacking pin names must stay clear of every owned byte
            for offset in (p.zenpa_addr, p.duty_addr):
                require(offset == 0 or offset not in owners, f"{p.name}: ignored field owned")
    for offset, bits in D.UNOWNED_PIN_BITS.items():
        used = 0
        for _, mask in owners.get(offset, []):
            used |= mask
        require(used and not bits & used, f"unowned pin bits of byte {offset} clash or unshared")
    for offset in D.UNOWNED_PIN_BYTES:
        require(offset not in owners and CUSTOM_AREA[0] <= offset <= CUSTOM_AREA[1],
                f"unowned pin byte {offset} is owned or outside the customize area")
    return owners


def check_values(values, lists, where):
    for p in PINS:
        v = values[p.name]
        flist = lists["Set07.e" if p.is_output else "Set06.e"]
        require(v["kino"] in flist.by_value, f"{where} {p.name}: Kino {v['kino']} not listed")
        for field in BIT_FIELDS:
            if field in v and v[field] is not None:
                require(v[field] in (0, 1), f"{where} {p.name} {field}: not 0 or 1")
        for field in BYTE_FIELDS:
            if field in v and v[field] is not None:
                require(0 <= v[field] <= 255, f"{where} {p.name} {field}: not a byte")
        if p.is_output:
            lack = [v[f] is None for f in ("chopping", "zenpa", "duty")]
            require(all(lack) if p.lacking else not any(lack),
                    f"{where} {p.name}: chopping values vs chopping address")
            require(p.lacking or 0 <= v["duty"] <= 7, f"{where} {p.name}: duty index 0-7")


# --- values per table ----------------------------------------------------------------------------

def _resolve(pin, raw, lists):
    v = dict(raw._asdict())
    flist = lists["Set07.e" if pin.is_output else "Set06.e"]
    v["kino"] = flist.value_of(v["kino"])
    return v


def std_values(lists):
    table = {**D.INPUT_STD, **D.OUTPUT_STD}
    require(set(table) == set(BY_NAME), "factory values and pins do not match")
    return {p.name: _resolve(p, table[p.name], lists) for p in PINS}


def with_changes(values, changes, lists):
    out = {name: dict(v) for name, v in values.items()}
    for name, field, value in changes:
        pin = BY_NAME[name]
        require(field in out[name], f"{name}: no field {field}")
        if field == "kino":
            value = lists["Set07.e" if pin.is_output else "Set06.e"].value_of(value)
        out[name][field] = value
    return out


def usr_values(lists):
    return with_changes(std_values(lists), D.PIN_USR_CHANGES, lists)


# --- table image ---------------------------------------------------------------------------------

def put_unowned(image):
    for offset, value in D.UNOWNED_PIN_BYTES.items():
        image[offset] = value
    for offset, bits in D.UNOWNED_PIN_BITS.items():
        image[offset] |= bits


def write_pins(image, values):
    """The pin fields merged into an image the way the suite's save writes them."""
    for p in PINS:
        v = values[p.name]
        image[p.kino_addr] = v["kino"]
        image[p.logic_addr] |= v["logic"] << lowest_bit(p.logic_bit)
        image[p.dosa_addr] |= v["dosa"] << lowest_bit(p.dosa_bit)
        if not p.is_output:
            continue
        image[p.dosa_addr] |= v["on_delay"] << lowest_bit(p.on_bit)
        image[p.dosa_addr] |= v["off_delay"] << lowest_bit(p.off_bit)
        image[p.on_time_addr] = v["on_time"]
        image[p.off_time_addr] = v["off_time"]
        if not p.lacking:
            image[p.chop_addr] |= v["chopping"] << lowest_bit(p.chop_bit)
            image[p.zenpa_addr] = v["zenpa"]
            image[p.duty_addr] = (image[p.duty_addr] & 0xF8) | v["duty"]


def reset_pins(image):
    """Every pin field cleared, as the suite clears them before it writes a table."""
    for p in PINS:
        for field, offset, mask in p.places():
            if field == "duty":
                mask = p.duty_bit
            image[offset] &= 0xFF & ~mask


def read_pins(image):
    """The values the suite's reader finds in an image."""
    out = {}
    for p in PINS:
        v = {}
        for field, offset, mask in p.places():
            if field == "duty":
                v[field] = image[offset] & p.duty_bit
            elif mask == 0xFF:
                v[field] = image[offset]
            else:
                v[field] = (image[offset] & mask) >> lowest_bit(mask)
        if p.is_output and p.lacking:
            v.update(chopping=None, zenpa=None, duty=None)
        out[p.name] = v
    return out


def verify_image(image, values, label):
    require(read_pins(image) == values, f"{label}: pins do not read back")
    resaved = bytearray(image)
    reset_pins(resaved)
    write_pins(resaved, values)
    require(resaved == image, f"{label}: saving the pins unchanged alters the table")
    for offset, value in D.UNOWNED_PIN_BYTES.items():
        require(image[offset] == value, f"{label}: unowned pin byte {offset} overwritten")
    for offset, bits in D.UNOWNED_PIN_BITS.items():
        require(image[offset] & bits == bits, f"{label}: unowned pin bits of {offset} lost")


# --- setting files -------------------------------------------------------------------------------

def set04():
    return text_file(D.INPUT_PINS)


def set05():
    return text_file(D.OUTPUT_PINS)


# --- README --------------------------------------------------------------------------------------

def _cell(v, field):
    if v.get(field) is None:
        return "-"
    return str(v[field])


def _addr(text):
    return text if text == str(val(text)) else f"{text} = {val(text)}"


def readme_section(std_image, usr_image, lists):
    std, usr = read_pins(std_image), read_pins(usr_image)
    cin, cout = lists["Set06.e"], lists["Set07.e"]
    out = []
    w = out.append
    w("## Customize pins (Set04.e, Set05.e)\n")
    w(f"{len(INPUTS)} input pins ({', '.join(p.name for p in INPUTS)}) and {len(OUTPUTS)} output"
      f" pins ({', '.join(p.name for p in OUTPUTS)}), in this order; the names are those of the")
    w("setting program's connector tables. Every address lies in 1024-2047. Texts in quotes are")
    w("the file's own (\"&H\" fields are hexadecimal).\n")
    w("### Set04.e (input pins)\n")
    w("| pin | Kino addr | logic addr | logic mask | action addr | action mask |")
    w("|---|---|---|---|---|---|")
    for p in INPUTS:
        f = p.fields
        w(f"| {p.name} | {_addr(f[1])} | {f[2]} | {_addr(f[3])} | {f[4]} | {_addr(f[5])} |")
    w("\n### Set05.e (output pins)\n")
    w("Fields 2-15 in file order: Kino, logic addr, logic mask, action addr, action mask,")
    w("on-delay mask, off-delay mask, on-delay time addr, off-delay time addr, chopping addr,")
    w("chopping mask, full-wave time addr, duty addr, duty mask.\n")
    w("| pin | " + " | ".join(str(i) for i in range(2, 16)) + " | OutIsLack |")
    w("|---|" + "---|" * 15)
    for p in OUTPUTS:
        cells = [_addr(f) for f in p.fields[1:15]]
        extra = f" (16th field \"{p.fields[15]}\")" if len(p.fields) > 15 else ""
        w(f"| {p.name} | " + " | ".join(cells) + f" | {'True' if p.lacking else 'False'}{extra} |")
    w("\n### Values\n")
    w("Kino as code and function name (Set06.e for inputs, Set07.e for outputs); bits as 0/1;")
    w("\"-\" where a pin has no such field. A cell \"a -> b\" is STD a, USR b.\n")
    w("| pin | Kino | Logic | Dosa | OnDelay | OffDelay | OnDelayTime | OffDelayTime | Chopping |"
      " ZenpaTime | Duty |")
    w("|---|---|---|---|---|---|---|---|---|---|---|")
    for p in PINS:
        s, u = std[p.name], usr[p.name]
        flist = cout if p.is_output else cin
        cells = []
        for field in OUTPUT_FIELDS:
            a, b = _cell(s, field), _cell(u, field)
            if field == "kino":
                a = f"{s[field]} {flist.by_value[s[field]].name}"
                b = f"{u[field]} {flist.by_value[u[field]].name}"
            cells.append(a if a == b else f"**{a} -> {b}**")
        w(f"| {p.name} | " + " | ".join(cells) + " |")
    diff = [p.name for p in PINS if std[p.name] != usr[p.name]]
    w(f"\nPins whose STD and USR values differ ({len(diff)}): {', '.join(diff)}.\n")
    w("### Features and where they are\n")
    w("- Inputs: Kino addresses of I1-I9 in \"&H\" (\"&H400\" = 1024 ...); four pins share one byte"
      " for logic (bits 0-3) and action (bits 4-7): bytes 1056-1061; IP alone in 1062.")
    w("- Outputs: logic bits of eight pins in one byte (1120 O1-O8 with \"&H\" masks, 1121, 1122);"
      " action/on-delay/off-delay of two pins in one byte (even pins masks 1/2/4, odd pins"
      " \"&H10\"/\"&H20\"/\"&H40\"), bytes 1128-1139.")
    lack = [p for p in OUTPUTS if p.lacking]
    w("- Without chopping (chopping address 0, `OutIsLack` True): "
      f"{', '.join(p.name for p in lack)}."
      " ON still names chopping mask \"&H01\", full-wave time address 1250, duty address 1251 and"
      " duty mask \"&H07\"; they are never read or written. ON's line has a 16th field.")
    w("- Chopping bits of eight pins in one byte: 1192 (O1-O8), 1193 (OA, OB, OD-OI); OJ and OK"
      " keep chopping (mask \"&H80\") and duty (bits 0-2) in one byte, 1240 and 1241.")
    w("- Duty mask 0x07 everywhere (\"7\" or \"&H07\"); duty bytes 1224-1241; full-wave times"
      " 1200-1217; on-delay times 1144-1167; off-delay times 1168-1191.")
    idle = [f"{p.name} {LABELS[t]} {std[p.name][t]}" for p in OUTPUTS
            for s_, t in (("on_delay", "on_time"), ("off_delay", "off_time"))
            if std[p.name][t] and not std[p.name][s_]]
    full = [f"{p.name} {LABELS[f]}" for p in OUTPUTS for f in BYTE_FIELDS if std[p.name][f] == 255]
    w(f"- Times stored while their switch is OFF (STD): {', '.join(idle)}. Time 255: "
      f"{', '.join(full)}.")
    none = [p.name + ("" if usr[p.name]["kino"] == 0 else " (STD only)") +
            ("" if std[p.name]["kino"] == 0 else " (USR only)") for p in PINS
            if std[p.name]["kino"] == 0 or usr[p.name]["kino"] == 0]
    w(f"- Kino 0 (NONE): {', '.join(none)}.")
    w("\n### Customize bytes and bits no pin owns\n")
    w("The same in every table; a save of the pins must keep them.\n")
    w("| offset | bits or byte | STD byte | USR byte |")
    w("|---|---|---|---|")
    for offset, bits in sorted(D.UNOWNED_PIN_BITS.items()):
        w(f"| {offset} | bits {hx(bits)} | {hx(std_image[offset])} | {hx(usr_image[offset])} |")
    for offset, value in sorted(D.UNOWNED_PIN_BYTES.items()):
        w(f"| {offset} | byte {hx(value)} | {hx(std_image[offset])} | {hx(usr_image[offset])} |")
    w("")
    shared = sorted({o for p in PINS for _, o, m in p.places() if m != 0xFF})
    w("Every customize byte that holds bit fields, STD/USR: " + ", ".join(
        f"{o} {hx(std_image[o])}/{hx(usr_image[o])}" for o in shared) + ".\n")
    return out
