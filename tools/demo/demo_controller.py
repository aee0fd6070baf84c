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
DATA_VERSION = 5             # offsets 2-3, little-endian (0x05 0x00); the header dialog offers 0 to F
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


# Feed-pitch tables (table offsets 512-639 for X, 640-767 for Y), 16 rows of
# [P1, P2, T1, T2, B], row 1 (band 0.1 - 0.8 mm) first.  Our own reading of the fields:
# P1 and P2 are the ramp-up and ramp-down steps of the feed motor, T1 and T2 the feed
# start and end timing in 0.1 degree of the main shaft, B the motor pulses for the band's
# longest stitch.  P1, P2 are bytes; T1, T2, B are 16-bit words (the pitch window accepts
# 0-255 and 0-9999).
PITCH_X_STD = [
    [2, 0, 2400, 3300, 64],     # 1
    [2, 1, 2360, 3330, 128],    # 2
    [3, 1, 2320, 3360, 192],    # 3
    [3, 1, 2280, 3390, 256],    # 4
    [4, 2, 2240, 3420, 320],    # 5
    [4, 2, 2200, 3450, 384],    # 6
    [5, 2, 2160, 3480, 448],    # 7
    [5, 3, 2120, 3510, 512],    # 8
    [6, 3, 2080, 3540, 576],    # 9
    [6, 3, 2040, 3570, 640],    # 10
    [7, 4, 2000, 3600, 704],    # 11
    [7, 4, 1960, 3630, 768],    # 12
    [8, 4, 1920, 3660, 832],    # 13
    [8, 5, 1880, 3690, 896],    # 14
    [9, 5, 1840, 3720, 960],    # 15
    [9, 5, 1800, 3750, 1016],   # 16
]
PITCH_Y_STD = [
    [3, 1, 2350, 3250, 51],     # 1
    [3, 1, 2315, 3282, 102],    # 2
    [4, 1, 2280, 3314, 154],    # 3
    [4, 2, 2245, 3346, 205],    # 4
    [5, 2, 2210, 3378, 256],    # 5
    [5, 2, 2175, 3410, 307],    # 6
    [6, 3, 2140, 3442, 358],    # 7
    [6, 3, 2105, 3474, 410],    # 8
    [7, 3, 2070, 3506, 461],    # 9
    [7, 4, 2035, 3538, 512],    # 10
    [8, 4, 2000, 3570, 563],    # 11
    [8, 4, 1965, 3602, 614],    # 12
    [9, 5, 1930, 3634, 666],    # 13
    [9, 5, 1895, 3666, 717],    # 14
    [10, 5, 1860, 3698, 768],   # 15
    [10, 6, 1825, 3730, 813],   # 16
]
# User changes: (axis, 1-based row, column index 0..4 for P1..B, new value).
PITCH_USR_CHANGES = [("X", 1, 0, 3), ("X", 5, 2, 2210), ("Y", 12, 4, 640)]


# DEMO.stg: eight tables built from the user table; table t differs in these values.
def stg_table_overrides(t):
    return {
        "params": {"S01": 3000 + 100 * t, "F01": 20 + t},
        "bytes": {48: 0xA0 + t},
        "pins": {("O2", "on_time"): 5 + t},
    }


# DEMO.SEK: opaque companion bytes (a tag, every byte value once, then a short tail).
SEK_TAG = b"QD10-SEK"
SEK_TAIL_LENGTH = 36


# --- function-code lists (Set06.e .. Set09.e) -------------------------------------------------
#
# Records in file order: (name, code, description, category), the code kept as the exact text
# written into the file (some in "&H" notation).  A record may carry further fields, which the
# readers ignore.  An empty category is written as an empty fourth field; the suite shows it
# under its "Category not specified" node.  Names may carry blanks that the reader trims.

def step_references(letter, first_code, text, category):
    """The 192 names of one step-reference category: letter + step number in three digits."""
    return [(f"{letter}{n:03d}", str(first_code + n - 1), text.format(n), category)
            for n in range(1, 193)]


# Set06.e: functions of the customize input pins (codes are the pin's Kino byte, 0-255).
CUSTOM_INPUT_FUNCTIONS = [
    ("NONE", "0", "No function", "GENERAL"),
    ("TRIM_SW", "1", "Thread trimming switch", "TRIM"),
    ("WIPE_SW", "2", "Wiper switch", "TRIM"),
    ("TB_SW", "3", "Touch-back switch", "SEWING"),
    ("HALF_SW", "4", "Half stitch switch", "SEWING"),
    ("NDL_SW", "5", "Needle up/down switch", "SEWING"),
    ("BT_CANCEL", "6", "Backtack cancel switch", "SEWING"),
    ("PF_SW", "7", "Presser lift switch", "PRESSER"),
    ("KNEE_SW", "8", "ひざスイッチ", "PRESSER"),
    ("SAFETY", "9", "Safety switch (head tilted)", "SAFETY"),
    ("EMG ", "10", "Emergency stop", "SAFETY"),
    ("THREAD_BRK", "11", "Thread break detector", "SAFETY"),
    ("SPEED_LOW", "12", "Low speed limit switch", "SPEED"),
    ("SPEED_HIGH", "13", "High speed limit switch", "SPEED"),
    ("SPEED_VR", "14", "External speed potentiometer", "SPEED"),
    ("STEP_IN1", "&H10", "Input 1 of the step program", "PROGRAM"),
    ("STEP_IN2", "&H11", "Input 2 of the step program", "PROGRAM"),
    ("STEP_IN3", "&H12", "Input 3 of the step program", "PROGRAM"),
    ("STEP_IN4", "&H13", "Input 4 of the step program", "PROGRAM"),
    ("CNT_UP", "32", "Bobbin counter count", "COUNTER"),
    ("CNT_RESET", "33", "Bobbin counter reset", "COUNTER"),
    ("EDGE_SENS", "64", "Material edge sensor", "SENSOR"),
    ("STACK_SENS", "65", "Stacker full sensor", "SENSOR"),
    ("TEST_IN", "200", "Service test input", ""),
]

# Set07.e: functions of the customize output pins.
CUSTOM_OUTPUT_FUNCTIONS = [
    ("NONE", "0", "No function", "GENERAL"),
    ("TRIMMER", "1", "Thread trimmer solenoid", "TRIM"),
    ("WIPER", "2", "Wiper solenoid", "TRIM"),
    ("TENSION", "3", "Tension release solenoid", "TRIM"),
    ("BACKTACK", "4", "Reverse feed solenoid", "SEWING"),
    ("CONDENSE", "5", "Condensed stitch solenoid", "SEWING"),
    ("PF_LIFT", "6", "Presser lift solenoid", "PRESSER"),
    ("PF_HOLD", "7", "Presser hold, reduced current", "PRESSER"),
    ("LAMP", "8", "Signal lamp", "SIGNAL"),
    ("BUZZER", "9", "Buzzer", "SIGNAL"),
    ("READY", "10", "Ready signal", "SIGNAL"),
    ("RUNNING", "11", "Machine running signal", "SIGNAL"),
    ("STEP_OUT1", "&H10", "Output 1 of the step program", "PROGRAM"),
    ("STEP_OUT2", "&H11", "Output 2 of the step program", "PROGRAM"),
    ("STEP_OUT3", "&H12", "Output 3 of the step program", "PROGRAM"),
    ("STEP_OUT4", "&H13", "Output 4 of the step program", "PROGRAM"),
    ("STACKER", "32", "Stacker solenoid", "AUX"),
    ("BLOWER", "33", "Air blower", "AUX"),
    ("COOLER", "34", "針冷却ブロー", "AUX", "option board"),
    ("TEST_OUT", "&HC8", "Service test output", ""),
]

# Set08.e: step output functions.  Categories the step editor gives a meaning: "OUT", "IN",
# "RGST", "SUB" (logic LOW/HIGH/NOT and a delay), "COUNT" (INC/DEC/SET/CLR/ADD/SUB and a
# constant), "JMP" and "CALL" (step references), "RETURN" (the "RET" line).
STEP_OUTPUT_FUNCTIONS = [
    ("NONE", "0", "No output", "OUT"),
    ("CLAMP", "1", "Work clamp", "OUT"),
    ("TRIM", "2", "Thread trimmer", "OUT"),
    ("WIPER", "3", "Thread wiper", "OUT"),
    ("TENSION", "4", "Tension release", "OUT"),
    ("PRESSER", "5", "Presser foot lift", "OUT"),
    ("LAMP", "6", "Signal lamp", "OUT"),
    ("BUZZER", "7", "ブザー", "OUT"),
    ("AIR1", "8", "Air valve 1", "OUT"),
    ("AIR2", "9", "Air valve 2", "OUT"),
    ("VIN1", "&H20", "Virtual input 1", "IN"),
    ("VIN2", "&H21", "Virtual input 2", "IN"),
    ("VIN3", "&H22", "Virtual input 3", "IN"),
    ("VIN4", "&H23", "Virtual input 4", "IN"),
    ("SEW", "48", "Sew at the set speed", "SUB"),
    ("SLOW", "49", "Sew at slow speed", "SUB"),
    ("HOMING", "50", "Return both axes to home", "SUB"),
    ("X_PLS", "51", "X axis pulses (signed)", "SUB"),
    ("Y_PLS", "52", "Y axis pulses (signed)", "SUB"),
] + [(f"REG{n:02d}", str(127 + n), f"Register {n}", "RGST") for n in range(1, 9)] + [
    ("CNT1", "192", "Piece counter", "COUNT"),
    ("CNT2", "193", "Bobbin counter", "COUNT"),
    ("CNT3", "194", "Cycle counter", "COUNT"),
    ("CNT4", "195", "Repeat counter", "COUNT"),
    ("CNT5", "196", "Error counter", "COUNT"),
    ("CNT6", "197", "Total counter", "COUNT"),
    ("SPARE_O", "250", "Spare output", ""),
    ("RET", "&H7FFF", "Return from a called step", "RETURN"),
] + step_references("J", -32768, "Jump to step {}", "JMP") \
  + step_references("C", -16384, "Call step {}", "CALL")

# Set09.e: step input functions.  "COUNT" inputs make counter rows; "STEP" names a step.
STEP_INPUT_FUNCTIONS = [
    ("NONE", "0", "No input", "IN"),
    ("START", "1", "Start switch", "IN"),
    ("STOP", "2", "Stop switch", "IN"),
    ("PEDAL_F", "3", "Pedal forward", "IN"),
    ("PEDAL_B", "4", "Pedal heeled back", "IN"),
    ("KNEE", "5", "ひざスイッチ", "IN"),
    ("SENS1", "6", "Material sensor 1", "IN"),
    ("SENS2", "7", "Material sensor 2", "IN"),
    ("X_HOME", "8", "X axis at home", "IN"),
    ("Y_HOME", "9", "Y axis at home", "IN"),
    ("CLAMP_UP", "10", "Clamp open", "IN"),
    ("NDL_UP", "11", "Needle at up position", "IN"),
    ("CLAMP_ON", "64", "Clamp output is on", "OUT"),
    ("TRIM_ON", "65", "Trimmer output is on", "OUT"),
    ("LAMP_ON", "66", "Lamp output is on", "OUT"),
    ("SEWING", "67", "Machine is sewing", "OUT"),
] + [(f"REG{n:02d}", f"&H{127 + n:X}", f"Register {n} is set", "RGST") for n in range(1, 9)] + [
    ("CNT1", "192", "Piece counter", "COUNT"),
    ("CNT2", "193", "Bobbin counter", "COUNT"),
    ("CNT3", "194", "Cycle counter", "COUNT"),
    ("CNT4", "195", "Repeat counter", "COUNT"),
    ("CNT5", "196", "Error counter", "COUNT"),
    ("CNT6", "197", "Total counter", "COUNT"),
    ("SPARE_I", "250", "Spare input", ""),
] + step_references("S", -32768, "Step {} is active", "STEP")

FUNCTION_LISTS = {
    "Set06.e": CUSTOM_INPUT_FUNCTIONS,
    "Set07.e": CUSTOM_OUTPUT_FUNCTIONS,
    "Set08.e": STEP_OUTPUT_FUNCTIONS,
    "Set09.e": STEP_INPUT_FUNCTIONS,
}


# --- customize pins (Set04.e, Set05.e) --------------------------------------------------------
#
# Fields kept as the exact texts of the files.  Pin names follow the connector tables of the
# setting program: inputs I1..I9, IA..IP, outputs O1..O9, OA..OO.  All addresses lie in the
# customize area 1024-2047 of a table.
#
# Inputs: Kino at 1024 + k; four pins share one byte for logic (low nibble) and action (high
# nibble), so logic and action of a pin sit in the same byte as those of three other pins.

# Set04.e: (Location, Kino address, logic address, logic mask, action address, action mask).
INPUT_PINS = [
    ("I1", "&H400", "1056", "1", "1056", "&H10"),
    ("I2", "&H401", "1056", "2", "1056", "&H20"),
    ("I3", "&H402", "1056", "4", "1056", "&H40"),
    ("I4", "&H403", "1056", "8", "1056", "&H80"),
    ("I5", "&H404", "1057", "1", "1057", "&H10"),
    ("I6", "&H405", "1057", "2", "1057", "&H20"),
    ("I7", "&H406", "1057", "4", "1057", "&H40"),
    ("I8", "&H407", "1057", "8", "1057", "&H80"),
    ("I9", "&H408", "1058", "1", "1058", "&H10"),
    ("IA", "1033", "1058", "2", "1058", "&H20"),
    ("IB", "1034", "1058", "4", "1058", "&H40"),
    ("IC", "1035", "1058", "8", "1058", "&H80"),
    ("ID", "1036", "1059", "1", "1059", "&H10"),
    ("IE", "1037", "1059", "2", "1059", "&H20"),
    ("IF", "1038", "1059", "4", "1059", "&H40"),
    ("IG", "1039", "1059", "8", "1059", "&H80"),
    ("IH", "1040", "1060", "1", "1060", "&H10"),
    ("II", "1041", "1060", "2", "1060", "&H20"),
    ("IJ", "1042", "1060", "4", "1060", "&H40"),
    ("IK", "1043", "1060", "8", "1060", "&H80"),
    ("IL", "1044", "1061", "1", "1061", "&H10"),
    ("IM", "1045", "1061", "2", "1061", "&H20"),
    ("IN", "1046", "1061", "4", "1061", "&H40"),
    ("IO", "1047", "1061", "8", "1061", "&H80"),
    ("IP", "1048", "1062", "1", "1062", "&H10"),
]

# Outputs: Kino at 1088 + k, logic bits eight to a byte (1120-1122), action/on-delay/off-delay
# bits of two pins in one byte (bits 0-2 and 4-6 of 1128 + k/2), on-delay time 1144 + k,
# off-delay time 1168 + k.  Pins with chopping: chopping bits eight to a byte (1192, 1193),
# full-wave time 1200 + j, duty in bits 0-2 of 1224 + j (j counts the pins with chopping); OJ
# and OK keep their chopping bit (0x80) in their own duty byte.  O9, OC, OL, OM, ON, OO have no
# chopping (chopping address 0, "lacking"); ON still names full-wave and duty addresses and a
# chopping mask, which the suite must ignore, and carries a 16th field, which it ignores too.
#
# Set05.e: (Location, Kino, logic addr, logic mask, action addr, action mask, on-delay mask,
# off-delay mask, on-delay time addr, off-delay time addr, chopping addr, chopping mask,
# full-wave time addr, duty addr, duty mask[, ignored]).
OUTPUT_PINS = [
    ("O1", "1088", "1120", "&H01", "1128", "1", "2", "4", "1144", "1168", "1192", "1", "1200", "1224", "7"),
    ("O2", "1089", "1120", "&H02", "1128", "&H10", "&H20", "&H40", "1145", "1169", "1192", "2", "1201", "1225", "7"),
    ("O3", "1090", "1120", "&H04", "1129", "1", "2", "4", "1146", "1170", "1192", "4", "1202", "1226", "&H07"),
    ("O4", "1091", "1120", "&H08", "1129", "&H10", "&H20", "&H40", "1147", "1171", "1192", "8", "1203", "1227", "7"),
    ("O5", "1092", "1120", "&H10", "1130", "1", "2", "4", "1148", "1172", "1192", "16", "1204", "1228", "7"),
    ("O6", "1093", "1120", "&H20", "1130", "&H10", "&H20", "&H40", "1149", "1173", "1192", "32", "1205", "1229", "&H07"),
    ("O7", "1094", "1120", "&H40", "1131", "1", "2", "4", "1150", "1174", "1192", "64", "1206", "1230", "7"),
    ("O8", "1095", "1120", "&H80", "1131", "&H10", "&H20", "&H40", "1151", "1175", "1192", "128", "1207", "1231", "7"),
    ("O9", "1096", "1121", "1", "1132", "1", "2", "4", "1152", "1176", "0", "0", "0", "0", "0"),
    ("OA", "1097", "1121", "2", "1132", "&H10", "&H20", "&H40", "1153", "1177", "1193", "1", "1208", "1232", "&H07"),
    ("OB", "1098", "1121", "4", "1133", "1", "2", "4", "1154", "1178", "1193", "2", "1209", "1233", "7"),
    ("OC", "1099", "1121", "8", "1133", "&H10", "&H20", "&H40", "1155", "1179", "0", "0", "0", "0", "0"),
    ("OD", "1100", "1121", "16", "1134", "1", "2", "4", "1156", "1180", "1193", "4", "1210", "1234", "7"),
    ("OE", "1101", "1121", "32", "1134", "&H10", "&H20", "&H40", "1157", "1181", "1193", "8", "1211", "1235", "&H07"),
    ("OF", "1102", "1121", "64", "1135", "1", "2", "4", "1158", "1182", "1193", "16", "1212", "1236", "7"),
    ("OG", "1103", "1121", "128", "1135", "&H10", "&H20", "&H40", "1159", "1183", "1193", "32", "1213", "1237", "7"),
    ("OH", "1104", "1122", "1", "1136", "1", "2", "4", "1160", "1184", "1193", "64", "1214", "1238", "&H07"),
    ("OI", "1105", "1122", "2", "1136", "&H10", "&H20", "&H40", "1161", "1185", "1193", "128", "1215", "1239", "7"),
    ("OJ", "1106", "1122", "4", "1137", "1", "2", "4", "1162", "1186", "1240", "&H80", "1216", "1240", "7"),
    ("OK", "1107", "1122", "8", "1137", "&H10", "&H20", "&H40", "1163", "1187", "1241", "&H80", "1217", "1241", "&H07"),
    ("OL", "1108", "1122", "16", "1138", "1", "2", "4", "1164", "1188", "0", "0", "0", "0", "0"),
    ("OM", "1109", "1122", "32", "1138", "&H10", "&H20", "&H40", "1165", "1189", "0", "0", "0", "0", "0"),
    ("ON", "1110", "1122", "64", "1139", "1", "2", "4", "1166", "1190", "0", "&H01", "1250", "1251", "&H07",
     "not fitted"),
    ("OO", "1111", "1122", "128", "1139", "&H10", "&H20", "&H40", "1167", "1191", "0", "0", "0", "0", "0"),
]

IV = namedtuple("IV", "kino logic dosa")
OV = namedtuple("OV", "kino logic dosa on_delay off_delay on_time off_time chopping zenpa duty")
LACK = None  # chopping, full-wave time and duty of a pin without chopping

# Factory values of the input pins: Kino by function name (Set06.e), logic, action.
INPUT_STD = {
    "I1": IV("PF_SW", 0, 0), "I2": IV("TRIM_SW", 0, 0), "I3": IV("NDL_SW", 0, 0),
    "I4": IV("SAFETY", 1, 0), "I5": IV("TB_SW", 0, 0), "I6": IV("HALF_SW", 0, 0),
    "I7": IV("BT_CANCEL", 0, 1), "I8": IV("KNEE_SW", 0, 0), "I9": IV("EMG", 1, 0),
    "IA": IV("THREAD_BRK", 0, 0), "IB": IV("SPEED_LOW", 0, 0), "IC": IV("SPEED_HIGH", 0, 0),
    "ID": IV("SPEED_VR", 0, 0), "IE": IV("WIPE_SW", 0, 0), "IF": IV("STEP_IN1", 0, 0),
    "IG": IV("STEP_IN2", 0, 0), "IH": IV("STEP_IN3", 0, 0), "II": IV("STEP_IN4", 0, 0),
    "IJ": IV("CNT_UP", 0, 0), "IK": IV("CNT_RESET", 0, 0), "IL": IV("EDGE_SENS", 0, 0),
    "IM": IV("STACK_SENS", 1, 0), "IN": IV("NONE", 0, 0), "IO": IV("NONE", 0, 0),
    "IP": IV("TEST_IN", 0, 1),
}

# Factory values of the output pins: Kino by function name (Set07.e), logic, action, on-delay,
# off-delay, on-delay time, off-delay time, chopping, full-wave time, duty index.
OUTPUT_STD = {
    "O1": OV("TRIMMER", 0, 0, 0, 0, 0, 0, 1, 30, 3),
    "O2": OV("WIPER", 0, 0, 0, 0, 0, 0, 1, 20, 1),
    "O3": OV("TENSION", 0, 0, 1, 0, 10, 0, 1, 40, 5),
    "O4": OV("BACKTACK", 0, 0, 0, 0, 0, 0, 1, 50, 4),
    "O5": OV("CONDENSE", 0, 0, 0, 0, 12, 0, 0, 0, 0),
    "O6": OV("PF_LIFT", 0, 0, 0, 1, 0, 25, 1, 100, 2),
    "O7": OV("PF_HOLD", 0, 0, 0, 0, 0, 0, 1, 0, 6),
    "O8": OV("LAMP", 0, 1, 0, 0, 0, 0, 0, 0, 0),
    "O9": OV("BUZZER", 0, 0, 1, 1, 5, 200, LACK, LACK, LACK),
    "OA": OV("READY", 1, 0, 0, 0, 0, 0, 0, 0, 0),
    "OB": OV("RUNNING", 0, 0, 0, 0, 0, 0, 0, 0, 0),
    "OC": OV("STEP_OUT1", 0, 0, 0, 0, 0, 0, LACK, LACK, LACK),
    "OD": OV("STEP_OUT2", 0, 0, 0, 0, 0, 0, 1, 10, 7),
    "OE": OV("STEP_OUT3", 0, 0, 0, 0, 0, 0, 0, 0, 0),
    "OF": OV("STEP_OUT4", 0, 0, 0, 0, 0, 0, 0, 0, 0),
    "OG": OV("STACKER", 0, 0, 0, 1, 0, 80, 1, 15, 3),
    "OH": OV("BLOWER", 0, 0, 1, 1, 50, 255, 0, 0, 0),
    "OI": OV("COOLER", 0, 0, 0, 0, 0, 0, 0, 0, 0),
    "OJ": OV("NONE", 0, 0, 0, 0, 0, 0, 1, 0, 0),
    "OK": OV("NONE", 0, 0, 0, 0, 0, 0, 0, 0, 5),
    "OL": OV("TEST_OUT", 0, 0, 0, 0, 0, 0, LACK, LACK, LACK),
    "OM": OV("NONE", 0, 0, 0, 0, 0, 0, LACK, LACK, LACK),
    "ON": OV("NONE", 0, 0, 0, 0, 0, 0, LACK, LACK, LACK),
    "OO": OV("NONE", 0, 0, 0, 0, 0, 0, LACK, LACK, LACK),
}

# User changes: (pin, field, new value); a Kino is given by function name.
PIN_USR_CHANGES = [
    ("I3", "logic", 1),
    ("I8", "dosa", 1),
    ("IN", "kino", "EDGE_SENS"),
    ("O1", "zenpa", 35),
    ("O3", "on_time", 15),
    ("O4", "duty", 7),
    ("O6", "chopping", 0),
    ("O8", "logic", 1),
    ("O9", "off_time", 150),
    ("OJ", "kino", "BLOWER"),
]

# Bits of shared customize bytes and whole bytes in the customize area that no pin owns (the
# same in every table); a save must keep them.  1250 and 1251 are the addresses that the
# lacking pin ON names but never uses.
UNOWNED_PIN_BITS = {1062: 0x44, 1128: 0x80, 1133: 0x08, 1224: 0x50, 1230: 0x08, 1240: 0x10}
UNOWNED_PIN_BYTES = {1250: 0x5A, 1251: 0xA5}
