# The demo step program of controller "QD10": DEMO.stp and its note file DEMO.BIN.
#
# This module is data only; tools/demo/make_demo.py writes the pair from it exactly as the
# step editor's save of a new pair would: the program in table 1, empty programs in tables
# 2 to 7, the header in table 0.  Function names are those of Set08.e (outputs) and Set09.e
# (inputs) in demo_controller.py.
#
# A line is written as the step grid shows it:
#   output    output function name
#   logic     LOW HIGH NOT JMP INC DEC SET CLR ADD SUB CALL RET
#   delay     delay, constant or pulse count (0 where the grid shows "***")
#   inputs    up to eight groups (function, state, relation); function is a name or, in
#             groups 2 and 3 of a counter row, a constant; state POS_LEV POS_EDG NEG_LEV
#             NEG_EDG, or None where the grid shows "***"; relation AND OR END >= <= = != + -
#   remark    remark text (at most 20 bytes)
#   rem       True for a line marked REM (commented out)

from collections import namedtuple

Line = namedtuple("Line", "output logic delay inputs remark rem")


def L(output, logic, delay, inputs, remark="", rem=False):
    return Line(output, logic, delay, inputs, remark, rem)


PROGRAM_TABLE = 1  # table of DEMO.stp that holds the program (tables 2-7 are empty programs)

# Step number -> line.  Steps not listed are empty (null) lines.
LINES = {
    1: L("REG01", "HIGH", 0, [("START", "POS_EDG", "END")], "Cycle start"),
    2: L("CLAMP", "HIGH", 50, [("REG01", "POS_LEV", "AND"), ("SENS1", "POS_LEV", "END")],
         "Close clamp"),
    3: L("C020", "CALL", 0, [("CLAMP_ON", "POS_EDG", "END")], "Home the axes"),
    4: L("SEW", "HIGH", 0, [("CLAMP_ON", "POS_LEV", "AND"), ("PEDAL_F", "POS_LEV", "END")],
         "Sew the seam"),
    5: L("X_PLS", "HIGH", -1200, [("S004", "POS_LEV", "AND"), ("SEWING", "POS_LEV", "END")],
         "Move X back 1200 pls"),
    6: L("Y_PLS", "HIGH", 800, [("S005", "POS_LEV", "END")], "Move Y on"),
    7: L("SEW", "LOW", 0, [("STOP", "POS_EDG", "OR"), ("SENS2", "NEG_EDG", "END")],
         "Stop sewing"),
    8: L("TRIM", "HIGH", 120, [("SEWING", "NEG_EDG", "AND"), ("NDL_UP", "POS_LEV", "END")],
         "糸切り"),
    9: L("CNT1", "INC", 0, [("TRIM_ON", "NEG_EDG", "END")], "Count pieces"),
    10: L("BUZZER", "HIGH", 300, [("CNT1", None, ">="), (100, None, "END")], "Lot complete"),
    11: L("CNT2", "SET", 10, [("REG02", "POS_EDG", "END")], "Preset bobbin count"),
    12: L("LAMP", "HIGH", 0, [("CNT2", None, "+"), (5, None, ">="), (20, None, "END")],
          "Bobbin low"),
    13: L("CLAMP", "LOW", 30, [("TRIM_ON", "NEG_EDG", "END")], "Old clamp release", rem=True),
    14: L("REG01", "LOW", 0, [("CLAMP_UP", "POS_EDG", "END")], "Cycle end"),
    15: L("J001", "JMP", 0, [("REG01", "NEG_LEV", "AND"), ("KNEE", "POS_EDG", "END")],
          "Back to start"),
    20: L("HOMING", "HIGH", 0, [("X_HOME", "NEG_LEV", "OR"), ("Y_HOME", "NEG_LEV", "END")],
          "Home X and Y"),
    21: L("RET", "RET", 0, [], "Back to caller"),
}

# Remarks of empty lines (kept in the note file like any other remark).
NULL_LINE_REMARKS = {
    16: "-- subroutine --",
}

MEMO = "\r\n".join([
    "QD10 demo program",
    "Clamp, sew, trim and count one piece per cycle.",
    "Step 20 is a subroutine called from step 3.",
    "デモ用のステッププログラムです。",
])

# Display counters: entry i is the position of the shown counter among the COUNT functions
# of Set09.e (0 = CNT1); captions at most 8 bytes (the counter dialog's limit).
COUNT_BYTES = [0, 1, 2, 5, 0, 0, 0, 0]
COUNT_CAPTIONS = ["PIECES", "BOBBIN", "CYCLE", "TOTAL", "", "", "", ""]
LCD_CAPTIONS = ["START", "STOP", "CLAMP", "HOME", "手動", "", "", "TEST"]

# Header of the step file: author and password, scrambled as if saved at this moment
# (year, month, day, hour, minute, second), so that the file is reproducible.
AUTHOR = "QD10 demo team"
PASSWORD = "SEW2024"
SAVED_AT = (2024, 6, 15, 14, 37, 52)

# Functions left out of the used-selection lists of the note file (they stay hidden in the
# step editor's function dialogs); every other function is shown, apart from the step
# references ("JMP", "CALL", "STEP"), which the lists never hold.
HIDDEN_OUTPUTS = ["NONE", "VIN3", "VIN4", "SPARE_O"]
HIDDEN_INPUTS = ["NONE", "SPARE_I"]
