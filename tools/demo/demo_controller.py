# Description of the demo controller "QD10": an invented single-needle lock-stitch controller.
#
# This module is data only; tools/demo/make_demo.py turns it into the setting files
# (Set01.e, Set02.e, Set03.e, Set10.e), the table images (DEMO_STD.etb, DEMO_USR.etb,
# DEMO.stg) and the SEK companion (DEMO.SEK) in data/demo/, and checks that every part
# agrees with every other before anything is written.
#
# Conventions used below:
# - addresses are table offsets (0-based) inside one 8192-byte table;
# - `addr` and `bit` are kept as the exact text written into Set02.e, so that some of them
#   can be given in "&H" notation; make_demo.py reads them back as numbers;
# - `std` and `usr` are the raw stored values (for KAKUDO_SET and TIME_SET the screen shows
#   twice the stored value, and Min/Max are given in those doubled screen units);
# - `help` holds the Set03.e records of a parameter in file order: (selection, value, text);
#   an empty selection is a description-only record.

from collections import namedtuple

MODEL_NAME = "QD10"          # offsets 8-11; codes Q=26, D=13, 1, 0 at offsets 4-7
DATA_VERSION = 260           # offsets 2-3, little-endian (0x04 0x01)
HEADER_BYTE1 = 0x03          # offset 1: owned by nobody, must survive every save
STD_TABLE_BYTE = 0x00        # offset 0 of DEMO_STD.etb: table 0, flag clear
USR_TABLE_BYTE = 0x03        # offset 0 of DEMO_USR.etb: table 3, flag clear

# Set01.e: (FunctionName, TOPKMK) in file order.
GROUPS = [
    ("SPEED", "Sewing speed"),
    ("TRIM", "Thread trimming"),
    ("FEED", "Feed"),
    ("TIMING", "Timing"),
    ("PRESSER", "Presser foot"),
    ("SPECIAL", "SPECIAL"),
]

P = namedtuple("P", "group digital kino method unit min max advice addr bit ram std usr help")

OFF_ON = [("OFF", 0, "Function switched off."), ("ON", 1, "Function switched on.")]
BACKTACK_PATTERNS = [
    ("OFF", 0, "No backtack."),
    ("SINGLE", 1, "One forward and one reverse run."),
    ("DOUBLE", 2, "Two forward and two reverse runs."),
    ("CONDENSED", 3, "Short stitches in place of a reverse run."),
]

# Set02.e in file order (Set03.e follows the same order).
PARAMETERS = [
    # --- SPEED -------------------------------------------------------------------------
    P("SPEED", "S01", "MAX_SPEED", "NUMBER", "sti/min", "L_SPEED_MIN", "-",
      "20,21,Max sewing speed (standard head)", "32", "0", 2, 3500, 3200,
      [("", 0, "Highest speed the pedal can reach.<RETURN>The limits come from the table.")]),
    P("SPEED", "S02", "MAX_SPEED", "NUMBER", "sti/min", "H_SPEED_MIN", "-",
      "22,23,Max sewing speed (high-speed head)", "34", "0", 2, 4000, 4000,
      [("", 0, "Used when a high-speed head is fitted.")]),
    P("SPEED", "S03", "SLOW_START", "NUMBER", "sti/min", "100", "1500",
      "Slow start speed", "36", "0", 2, 400, 400,
      [("", 0, "Speed of the first stitches after the start.")]),
    P("SPEED", "S04", "SLOW_START", "NUMBER", "st", "0", "15",
      "Slow start stitches", "38", "0", 1, 2, 3,
      [("", 0, "Number of stitches sewn at slow start speed.")]),
    P("SPEED", "S05", "SPEED_CURVE", "SELECTION", "-", "0", "2",
      "Acceleration curve", "40", "3", 0, 1, 2,
      [("SOFT", 0, "ソフトな加速。<RETURN>Gentle on thin material."),
       ("NORMAL", 1, "Standard acceleration."),
       ("HARD", 2, "Fastest acceleration.")]),
    P("SPEED", "S06", "PEDAL_CURVE", "SELECTION", "-", "0", "1",
      "Pedal response", "40", "&H0C", 0, 0, 0,
      [("LINEAR", 0, "Speed follows the pedal evenly."),
       ("PROGRESSIVE", 1, "Fine control at low speed.")]),
    P("SPEED", "S07", "SPEED_LIMIT", "NUMBER", "sti/min", "200", "1000",
      "Speed limit with presser up", "&H1F4", "0", 2, 800, 800,
      []),
    # --- TRIM --------------------------------------------------------------------------
    P("TRIM", "T01", "TRIM_MODE", "SELECTION", "-", "0", "2",
      "Thread trimming", "64", "0", 1, 2, 1,
      [("", 0, "糸切りの動作を選びます。"),
       ("OFF", 0, "No trimming at the end of a seam."),
       ("TRIM", 1, "Trim only."),
       ("TRIM+WIPE", 2, "Trim, then wipe the thread.")]),
    P("TRIM", "T02", "KAKUDO_SET", "NUMBER", "deg", "0", "358",
      "Trimmer start angle", "65", "0", 1, 95, 100,
      [("", 0, "Needle angle at which the knife starts.<RETURN>Set in steps of 2 degrees.")]),
    P("TRIM", "T03", "KAKUDO_SET", "NUMBER", "deg", "0", "358",
      "Trimmer end angle", "66", "0", 1, 160, 160,
      [("", 0, "Needle angle at which the knife returns.")]),
    P("TRIM", "T04", "TIME_SET", "NUMBER", "ms", "10", "500",
      "Wiper on time", "67", "0", 1, 20, 20,
      [("", 0, "How long the wiper stays out.")]),
    P("TRIM", "T05", "TIME_SET", "NUMBER", "ms", "0", "400",
      "Tension release time", "68", "0", 1, 30, 40,
      []),
    P("TRIM", "T06", "TRIM_SPEED", "NUMBER", "sti/min", "100", "500",
      "Trimming speed", "70", "0", 2, 300, 300,
      [("", 0, "Speed while the knife is working.")]),
    P("TRIM", "T07", "TRIM_OPT", "SELECTION", "-", "0", "1",
      "Wiper", "72", "1", 0, 1, 1, OFF_ON),
    P("TRIM", "T08", "TRIM_OPT", "SELECTION", "-", "0", "1",
      "Tension release", "72", "2", 0, 1, 0, OFF_ON),
    P("TRIM", "T09", "TRIM_OPT", "SELECTION", "-", "0", "1",
      "Thread catcher (not fitted)", "72", "&H80", 0, 1, 1, OFF_ON),
    # --- FEED --------------------------------------------------------------------------
    P("FEED", "F01", "STITCH_LEN", "NUMBER", "0.1mm", "0", "50",
      "Stitch length", "96", "0", 1, 25, 30,
      [("", 0, "Forward stitch length.")]),
    P("FEED", "F02", "STITCH_LEN", "NUMBER", "0.1mm", "0", "50",
      "Reverse stitch length", "97", "0", 1, 25, 25,
      []),
    P("FEED", "F03", "BACKTACK", "NUMBER", "st", "0", "15",
      "Start backtack stitches", "100", "15", 0, 4, 4,
      [("", 0, "Stitches of each run of the start backtack.")]),
    P("FEED", "F04", "BACKTACK", "SELECTION", "-", "0", "3",
      "Start backtack pattern", "100", "48", 0, 1, 2, BACKTACK_PATTERNS),
    P("FEED", "F05", "BACKTACK", "NUMBER", "st", "0", "15",
      "End backtack stitches", "101", "&H0F", 0, 4, 4,
      []),
    P("FEED", "F06", "BACKTACK", "SELECTION", "-", "0", "3",
      "End backtack pattern", "101", "&H30", 0, 2, 2, BACKTACK_PATTERNS),
    P("FEED", "F07", "BACKTACK_SPEED", "NUMBER", "sti/min", "200", "3000",
      "Backtack speed", "102", "0", 2, 1800, 1800,
      []),
    P("FEED", "F08", "FEED_DOG", "NUMBER", "0.1mm", "0", "20",
      "Feed dog height", "104", "0", 1, 10, 10,
      []),
    # --- TIMING ------------------------------------------------------------------------
    P("TIMING", "M01", "KAKUDO_SET", "NUMBER", "deg", "0", "358",
      "Needle up stop angle", "128", "0", 1, 35, 35,
      []),
    P("TIMING", "M02", "KAKUDO_SET", "NUMBER", "deg", "0", "358",
      "Needle down stop angle", "129", "0", 1, 125, 125,
      []),
    P("TIMING", "M03", "TIME_SET", "NUMBER", "ms", "0", "1000",
      "Presser lift delay", "130", "0", 1, 50, 50,
      []),
    P("TIMING", "M04", "TIME_SET", "NUMBER", "ms", "0", "20000",
      "Presser lift hold time", "132", "0", 2, 750, 1000,
      [("", 0, "Time the presser stays up before it drops by itself.")]),
    P("TIMING", "M05", "NEEDLE_STOP", "SELECTION", "-", "0", "1",
      "Needle stop position", "134", "0", 1, 1, 1,
      [("UP", 0, "Stop with the needle up."),
       ("DOWN", 1, "針を下で止めます。")]),
    P("TIMING", "M06", "BRAKE_TIME", "NUMBER", "ms", "0", "255",
      "Motor brake time", "135", "0", 1, 120, 120,
      []),
    # --- PRESSER -----------------------------------------------------------------------
    P("PRESSER", "P01", "PRESSER", "SELECTION", "-", "0", "3",
      "Auto presser lift", "160", "0", 1, 1, 3,
      [("OFF", 0, "The presser is lifted by the knee switch only."),
       ("AFTER_TRIM", 1, "Lift after thread trimming."),
       ("PEDAL_BACK", 2, "Lift when the pedal is heeled back."),
       ("BOTH", 3, "Lift after trimming and on heel-back.")]),
    P("PRESSER", "P02", "PRESSER", "NUMBER", "%", "10", "100",
      "Presser lift force", "161", "0", 1, 80, 80,
      []),
    P("PRESSER", "P03", "TIME_SET", "NUMBER", "ms", "0", "500",
      "Presser drop time", "162", "0", 1, 40, 40,
      []),
    # --- SPECIAL -----------------------------------------------------------------------
    P("SPECIAL", "X01", "MOTOR_TYPE", "SELECTION", "-", "0", "2",
      "Motor type", "&H300", "0", 1, 1, 1,
      [("SERVO_S", 0, "Small servo motor."),
       ("SERVO_M", 1, "Medium servo motor."),
       ("SERVO_L", 2, "Large servo motor.")]),
    P("SPECIAL", "X02", "ENCODER", "NUMBER", "p/r", "360", "4096",
      "Encoder pulses per turn", "&H302", "0", 2, 1024, 1024,
      []),
    P("SPECIAL", "X03", "MOTOR_POLE", "NUMBER", "-", "1", "8",
      "Motor pole pairs", "772", "0", 1, 4, 4,
      []),
    P("SPECIAL", "X04", "PULLEY", "NUMBER", "%", "50", "200",
      "Pulley ratio", "773", "0", 1, 100, 110,
      [("", 0, "Motor pulley against machine pulley.")]),
    P("SPECIAL", "X05", "CURRENT", "NUMBER", "0.1A", "10", "150",
      "Current limit", "774", "0", 1, 80, 80,
      []),
    P("SPECIAL", "X06", "SERVICE", "NUMBER", "-", "0", "255",
      "Factory test code", "775", "0", 1, 90, 90,
      []),
]

# Set10.e, written line by line as it stands (the second comment has leading blanks).
SET10_LINES = [
    "; Parameters hidden on this controller",
    "T09",
    "   ; service only",
    "X06",
]

# Bytes of the table that the speed limits (L_SPEED_MIN, H_SPEED_MIN) are read from, in
# hundreds: Min = byte x 100, Max = byte x 100 - 1.  No parameter owns them.
LIMIT_BYTES_STD = {20: 2, 21: 40, 22: 5, 23: 45}
LIMIT_BYTES_USR = {20: 2, 21: 40, 22: 6, 23: 50}

# Bytes no parameter owns; a save must carry them over from the current user file.
UNOWNED_BYTES_STD = {48: 0xA5, 200: 0x77, 1000: 0x5A, 4000: 0x42, 8191: 0x99}
UNOWNED_BYTES_USR = {48: 0xA5, 200: 0x78, 1000: 0x5A, 4000: 0x42, 8191: 0x99}

# Bits of shared bytes that no parameter owns (ORed in; same in every table).
UNOWNED_BITS = {40: 0xA0, 100: 0xC0}


def _pitch_rows(p1, dp1, p2, dp2, t1, dt1, t2, dt2, b, db):
    return [[p1 + dp1 * r, p2 + dp2 * r, t1 + dt1 * r, t2 + dt2 * r, b + db * r] for r in range(16)]


# Feed-pitch tables, 16 rows of (P1, P2, T1, T2, B), row 1 first.
PITCH_X_STD = _pitch_rows(10, 4, 5, 3, 120, 15, 250, 20, 1000, 200)
PITCH_Y_STD = _pitch_rows(12, 3, 6, 2, 100, 12, 220, 18, 800, 150)
# User changes: (axis, 1-based row, column index 0..4 for P1..B, new value).
PITCH_USR_CHANGES = [("X", 5, 2, 210), ("Y", 12, 4, 2500)]

# DEMO.stg: eight tables built from the user table; table t differs in these values.
def stg_table_overrides(t):
    return {
        "params": {"S01": 3000 + 100 * t, "F01": 20 + t},
        "bytes": {48: 0xA0 + t},
    }


# DEMO.SEK: opaque companion bytes (a tag, every byte value once, then a short tail).
SEK_TAG = b"QD10-SEK"
SEK_TAIL_LENGTH = 36
