#!/usr/bin/python3
"""Writes the sample product line: data/coolers.csv, data/prices.csv and
data/pricedisk.csv. The CSVs are the sources the build reads; this script only
keeps their numbers consistent with each other. Run it after changing a table
below and commit the CSVs it writes.

Numbers are written in the canonical form of `krdata cooler-dump` (fewest
significant digits, no exponent), so a dump of the generated binary gives the
source back byte for byte.
"""

import math
import os
import sys

DATA_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data")

# Column order of the cooler CSV: the record fields in file order.
COOLER_COLUMNS = [
    "Designation", "CoolerType", "DrawingFile", "NetWeight", "FanAirFlow", "SoundLevel",
    "MinOilFlow", "MaxOilFlow", "HeatCoefA", "HeatCoefB", "HeatCoefC", "Price", "ItemNo",
    "OilVolume", "PressLossCoef", "PartNoCooler", "MotorKind", "Voltage", "Frequency", "Poles",
    "MotorPower", "MotorCurrent", "HydDisplacement", "HydPressure", "HydOilFlow", "FanSpeed",
    "PartNoMotor", "PartNoFan", "PartNoGrille", "PartNoFanCowl", "PartNoFeet",
    "PartNoMotorMount", "PartNoAdapter", "PartNoPump", "PartNoHose", "PartNoNipple",
    "PartNoGasket", "PartNoBearing", "PartNoSpline",
]
PRICE_COLUMNS = ["Record", "DiskDate", "DiskID", "Publisher", "EndDate", "ItemNo", "Price", "Currency"]

# One cooler core per size, with a 4-pole fan at 1450 rev/min:
# size: (kW/K at full oil flow, air m3/s, min l/min, max l/min, core kg, oil l,
#        dB(A) at 1 m, list price DKK)
CORES = {
    10: (0.065, 0.10, 5, 40, 4.5, 0.4, 67, 3950),
    15: (0.10, 0.155, 8, 60, 6, 0.6, 68, 4650),
    20: (0.15, 0.23, 10, 80, 8, 0.9, 70, 5400),
    25: (0.22, 0.34, 15, 110, 11, 1.3, 71, 6300),
    30: (0.31, 0.48, 20, 150, 14, 1.8, 73, 7350),
    35: (0.42, 0.65, 25, 190, 18, 2.4, 74, 8600),
    40: (0.56, 0.86, 30, 240, 23, 3.2, 76, 10100),
    45: (0.72, 1.1, 40, 300, 29, 4.1, 77, 11800),
    50: (0.90, 1.4, 50, 370, 36, 5.2, 79, 13900),
    60: (1.25, 1.9, 60, 450, 48, 7.0, 81, 17200),
    70: (1.7, 2.6, 80, 600, 66, 9.5, 83, 22400),
    80: (2.25, 3.4, 100, 800, 88, 12.5, 85, 29500),
    90: (2.9, 4.4, 120, 1000, 115, 16, 86, 38600),
    100: (3.7, 5.6, 150, 1300, 150, 21, 88, 50400),
}

# The double-row core "-2" of a size: more heat transfer, a little less air
# through the deeper block, a wider oil flow range.
DOUBLE_ROW_SIZES = [30, 35, 40, 45, 50, 60, 70, 80, 90, 100]
DOUBLE_ROW_HEAT = 1.35
DOUBLE_ROW_AIR = 0.95
DOUBLE_ROW_WEIGHT = 1.6
DOUBLE_ROW_OIL = 1.9
DOUBLE_ROW_PRICE = 1.32
DOUBLE_ROW_MIN_FLOW = 1.2
DOUBLE_ROW_MAX_FLOW = 1.25
MAX_OIL_FLOW = 1500

# Pressure loss at the highest flow and 30 cSt, bar.
PRESS_LOSS_AT_MAX = {"single": 1.5, "double": 1.3}
HEAT_COEF_A_SHARE = 0.25   # the part of the heat transfer that does not depend on oil flow
HEAT_COEF_C_SHARE = 0.3    # HeatCoefC as a share of the highest oil flow

# AC motors at 400 V 50 Hz: power kW -> current A of a 4-pole motor.
AC_CURRENT_4_POLE = {
    0.09: 0.32, 0.12: 0.42, 0.18: 0.56, 0.25: 0.75, 0.37: 1.05, 0.55: 1.45, 0.75: 1.9,
    1.1: 2.6, 1.5: 3.5, 2.2: 4.9, 3.0: 6.4, 4.0: 8.3, 5.5: 11.0, 7.5: 14.8,
}
STANDARD_POWERS = sorted(AC_CURRENT_4_POLE)
# Poles: (rev/min, air factor, heat factor, sound step dB, price factor,
#         motor weight factor, current factor against a 4-pole motor of the same power)
POLES = {
    2: (2850, 1.5, 1.25, 9, 0.97, 0.8, 0.85),
    4: (1450, 1.0, 1.0, 0, 1.0, 1.0, 1.0),
    6: (950, 0.655, 0.78, -7, 1.08, 1.25, 1.15),
    8: (720, 0.55, 0.64, -11, 1.22, 1.45, 1.35),
}
AC_POWER = {  # size: {poles: kW}
    10: {2: 0.18, 4: 0.09, 6: 0.09},
    15: {2: 0.25, 4: 0.12, 6: 0.09},
    20: {2: 0.37, 4: 0.18, 6: 0.12},
    25: {2: 0.55, 4: 0.25, 6: 0.18},
    30: {2: 0.75, 4: 0.37, 6: 0.25},
    35: {4: 0.55, 6: 0.37},
    40: {4: 0.75, 6: 0.55},
    45: {4: 1.1, 6: 0.75},
    50: {4: 1.5, 6: 1.1},
    60: {4: 2.2, 6: 1.5},
    70: {4: 3.0, 6: 2.2},
    80: {4: 4.0, 6: 3.0, 8: 1.5},
    90: {4: 5.5, 6: 4.0, 8: 2.2},
    100: {4: 7.5, 6: 5.5, 8: 3.0},
}
AC_DOUBLE_ROW_POLES = {4, 6, 8}  # no 2-pole motor on a double-row core

# DC fans on the small sizes: size: (kW, rev/min)
DC_MOTORS = {10: (0.10, 2700), 15: (0.13, 2500), 20: (0.18, 2300), 25: (0.25, 2100), 30: (0.30, 1900)}
DC_VOLTAGES = [12, 24]
DC_EFFICIENCY = 0.75
DC_AIR, DC_HEAT, DC_SOUND, DC_PRICE = 1.15, 1.09, 4, {12: 1.15, 24: 1.18}

# Hydraulic fan drives: all motors of one core run the fan at one speed, so
# they share the core's heat coefficients and differ in displacement.
HYD_SPEED = 1600
HYD_AIR, HYD_HEAT, HYD_SOUND = 1.1, 1.06, 2
HYD_DISPLACEMENTS = [4, 6, 8, 11, 14, 19, 23, 28, 33, 38]
HYD_MAX_PRESSURE = 175       # bar; the smallest displacement offered stays below it
HYD_LOSS_PRESSURE = 15       # bar the motor needs to turn at all
HYD_POWER_PER_MOTOR_KW = 1.18  # hydraulic power per kW of the 4-pole motor
HYD_MOTOR_COUNT = {10: 2, 15: 2, 20: 3, 25: 3, 30: 3, 35: 3, 40: 3, 45: 3, 50: 3,
                   60: 4, 70: 4, 80: 4, 90: 4, 100: 4}
HYD_DOUBLE_ROW_COUNT = {30: 3, 35: 3, 40: 3, 45: 3, 50: 3, 60: 4, 70: 4, 80: 4, 90: 4, 100: 4}
HYD_PRICE_SHARE, HYD_PRICE_PER_CCM = 0.88, 40

# KRC: a KR core with its own circulation pump on the 4-pole motor shaft.
KRC_PUMP_FLOW = {10: 12, 15: 18, 20: 25, 25: 35, 30: 45, 40: 70, 50: 100, 60: 140}
KRC_PUMP_PRESSURE = 5  # bar
KRC_PUMP_EFFICIENCY = 0.5

LARGE_SIZES = range(70, 101)  # motor mounting and adapter instead of feet
BEARINGS = {70: "6207", 80: "6208", 90: "6209", 100: "6210"}

ACCESSORIES = [
    ("TB", 'TB 3/4" 40°C', "TB-075-40", 650),
    ("TB", 'TB 3/4" 50°C', "TB-075-50", 650),
    ("TB", 'TB 1" 40°C', "TB-100-40", 780),
    ("TB", 'TB 1" 50°C', "TB-100-50", 780),
    ("TB", 'TB 1 1/4" 50°C', "TB-125-50", 1150),
    ("TB", 'TB 1 1/2" 50°C', "TB-150-50", 1450),
    ("TB", 'TB 2" 60°C', "TB-200-60", 2150),
    ("TK", "TK 50°C, NC contact", "TK-050-NC", 420),
    ("TK", "TK 60°C, NC contact", "TK-060-NC", 420),
    ("TK", "TK 70°C, NC contact", "TK-070-NC", 420),
    ("TK", "TK 60°C, NO contact", "TK-060-NO", 440),
    ("TK", "TK 80°C, NO contact", "TK-080-NO", 440),
    ("AD", 'AD G 1/2" - G 3/4"', "AD-050-075", 180),
    ("AD", 'AD G 3/4" - G 1"', "AD-075-100", 210),
    ("AD", 'AD G 1" - G 1 1/4"', "AD-100-125", 260),
    ("AD", 'AD SAE 1 1/2" flange', "AD-SAE-150", 690),
    ("AD", 'AD SAE 2" flange', "AD-SAE-200", 820),
]

PRICE_HEADER = ("2024-03-01", 41, "Kalvorn Group, price list DK 2024", "2024-12-31")
PRICE_DISK_HEADER = ("2024-09-01", 42, "Kalvorn Group, price list DK 2024/2", "2025-06-30")
EUR_ITEMS = {"KRC040", "KRC050", "KRC060", "AD-SAE-150", "AD-SAE-200"}
DKK_PER_EUR = 7.46
PRICE_DISK_RISE = 1.04
PRICE_DISK_DROPPED = "KR010-D12"


# --- number forms -----------------------------------------------------------

def canonical(value):
    """The text krdata's dumper writes for a number."""
    if isinstance(value, int):
        return str(value)
    for digits in range(1, 18):
        text = "%.*g" % (digits, value)
        if float(text) == value:
            break
    if "e" in text:
        exponent = int(text[text.index("e") + 1:])
        if digits <= exponent < 21:
            text = "%.*g" % (exponent + 1, value)
    return text


def significant(value, digits):
    if value == 0:
        return 0.0
    scale = digits - 1 - math.floor(math.log10(abs(value)))
    return round(value, scale)


def round_to(value, step):
    return int(round(value / step) * step)


# --- records ----------------------------------------------------------------

def empty_record():
    record = {name: "" for name in COOLER_COLUMNS}
    for name in ("NetWeight", "SoundLevel", "MinOilFlow", "MaxOilFlow", "Voltage", "Frequency",
                 "Poles", "HydPressure", "FanSpeed"):
        record[name] = 0
    for name in ("FanAirFlow", "HeatCoefA", "HeatCoefB", "HeatCoefC", "Price", "OilVolume",
                 "PressLossCoef", "MotorPower", "MotorCurrent", "HydOilFlow"):
        record[name] = 0.0
    return record


class Core:
    """One cooler core: a size, single or double row."""

    def __init__(self, size, double_row):
        heat, air, min_flow, max_flow, weight, oil, sound, price = CORES[size]
        self.size = size
        self.double_row = double_row
        self.type = "KR %d%s" % (size, "-2" if double_row else "")
        self.code = "KR%d%s" % (size, "-2" if double_row else "")
        self.item = "KR%03d%s" % (size, "-2" if double_row else "")
        self.part = "KE-%03d%s" % (size, "-2" if double_row else "")
        factor = DOUBLE_ROW_HEAT if double_row else 1.0
        self.heat = heat * factor
        self.air = air * (DOUBLE_ROW_AIR if double_row else 1.0)
        self.min_flow = round(min_flow * DOUBLE_ROW_MIN_FLOW) if double_row else min_flow
        self.max_flow = min(MAX_OIL_FLOW, round(max_flow * DOUBLE_ROW_MAX_FLOW)) if double_row else max_flow
        self.weight = weight * (DOUBLE_ROW_WEIGHT if double_row else 1.0)
        self.oil = oil * (DOUBLE_ROW_OIL if double_row else 1.0)
        self.sound = sound
        self.price = price * (DOUBLE_ROW_PRICE if double_row else 1.0)
        loss = PRESS_LOSS_AT_MAX["double" if double_row else "single"]
        self.press_loss_coef = significant(loss / self.max_flow ** 1.1, 2)
        self.heat_coef_c = float(significant(HEAT_COEF_C_SHARE * self.max_flow, 2))

    def fill(self, record, heat_factor, air_factor):
        heat = self.heat * heat_factor
        record["CoolerType"] = self.type
        record["MinOilFlow"] = self.min_flow
        record["MaxOilFlow"] = self.max_flow
        record["HeatCoefA"] = significant(HEAT_COEF_A_SHARE * heat, 3)
        record["HeatCoefB"] = significant((1 - HEAT_COEF_A_SHARE) * heat, 3)
        record["HeatCoefC"] = self.heat_coef_c
        record["FanAirFlow"] = significant(self.air * air_factor, 3)
        record["OilVolume"] = significant(self.oil, 2)
        record["PressLossCoef"] = self.press_loss_coef
        record["PartNoCooler"] = self.part
        record["PartNoGrille"] = "GR-%03d" % self.size
        record["PartNoFanCowl"] = "FC-%03d" % self.size


def ac_motor_weight(power, poles):
    return (3 + 11 * power ** 0.75) * POLES[poles][5]


def ac_current(power, poles):
    return significant(AC_CURRENT_4_POLE[power] * POLES[poles][6], 2)


def ac_record(core, poles):
    speed, air, heat, sound, price, _, _ = POLES[poles]
    power = AC_POWER[core.size][poles]
    record = empty_record()
    core.fill(record, heat, air)
    record["Designation"] = "%s AC 400V %d-pol" % (core.type, poles)
    record["DrawingFile"] = core.code + "AC"
    record["ItemNo"] = "%s-A%d" % (core.item, poles)
    record["NetWeight"] = round(core.weight + ac_motor_weight(power, poles))
    record["SoundLevel"] = core.sound + sound
    record["Price"] = float(round_to(core.price * price, 50))
    record["MotorKind"] = "400"
    record["Voltage"], record["Frequency"], record["Poles"] = 400, 50, poles
    record["MotorPower"] = power
    record["MotorCurrent"] = ac_current(power, poles)
    record["FanSpeed"] = speed
    record["PartNoMotor"] = "EM-%dP-%sKW" % (poles, canonical(power))
    record["PartNoFan"] = "FN-%03d-A%d" % (core.size, poles)
    if core.size in LARGE_SIZES:
        record["PartNoMotorMount"] = "MM-%03d-A" % core.size
        record["PartNoAdapter"] = "AP-%03d-A%d" % (core.size, poles)
    else:
        record["PartNoFeet"] = "FT-%03d" % core.size
    return record


def dc_record(core, volts):
    power, speed = DC_MOTORS[core.size]
    record = empty_record()
    core.fill(record, DC_HEAT, DC_AIR)
    record["Designation"] = "%s DC %dV" % (core.type, volts)
    record["DrawingFile"] = core.code + "DC"
    record["ItemNo"] = "%s-D%d" % (core.item, volts)
    record["NetWeight"] = round(core.weight + 1.5 + 8 * power)
    record["SoundLevel"] = core.sound + DC_SOUND
    record["Price"] = float(round_to(core.price * DC_PRICE[volts], 50))
    record["MotorKind"] = str(volts)
    record["Voltage"] = volts
    record["MotorPower"] = power
    record["MotorCurrent"] = significant(power * 1000 / (volts * DC_EFFICIENCY), 3)
    record["FanSpeed"] = speed
    record["PartNoFan"] = "FN-%03d-DC" % core.size
    return record


def hyd_displacements(size, count):
    power = HYD_POWER_PER_MOTOR_KW * AC_POWER[size][4]
    for first, displacement in enumerate(HYD_DISPLACEMENTS):
        if hyd_pressure(power, displacement) <= HYD_MAX_PRESSURE:
            return HYD_DISPLACEMENTS[first:first + count]
    raise ValueError("no hydraulic motor for size %d" % size)


def hyd_oil_flow(displacement):
    return displacement * HYD_SPEED / 1000


def hyd_pressure(power, displacement):
    return HYD_LOSS_PRESSURE + 600 * power / hyd_oil_flow(displacement)


def hyd_record(core, displacement):
    power = HYD_POWER_PER_MOTOR_KW * AC_POWER[core.size][4]
    record = empty_record()
    core.fill(record, HYD_HEAT, HYD_AIR)
    record["Designation"] = "%s HYD %d ccm" % (core.type, displacement)
    record["DrawingFile"] = core.code + "HYD"
    record["ItemNo"] = "%s-H%02d" % (core.item, displacement)
    record["NetWeight"] = round(core.weight + 2 + 0.2 * displacement)
    record["SoundLevel"] = core.sound + HYD_SOUND
    record["Price"] = float(round_to(core.price * HYD_PRICE_SHARE + HYD_PRICE_PER_CCM * displacement, 50))
    record["MotorKind"] = "HYD"
    record["HydDisplacement"] = str(displacement)
    record["HydPressure"] = round(hyd_pressure(power, displacement))
    record["HydOilFlow"] = significant(hyd_oil_flow(displacement), 3)
    record["FanSpeed"] = HYD_SPEED
    record["PartNoMotor"] = "HM-%02dCCM" % displacement
    record["PartNoFan"] = "FN-%03d-HY" % core.size
    if core.size in LARGE_SIZES:
        record["PartNoMotorMount"] = "MM-%03d-H" % core.size
        record["PartNoAdapter"] = "AP-%03d-H%02d" % (core.size, displacement)
        record["PartNoBearing"] = "BR-%s-2RS" % BEARINGS[core.size]
        record["PartNoSpline"] = "SP-%03d-H%02d" % (core.size, displacement)
    else:
        record["PartNoFeet"] = "FT-%03d" % core.size
    return record


def krc_record(size):
    core = Core(size, False)
    flow = KRC_PUMP_FLOW[size]
    pump_kw = KRC_PUMP_PRESSURE * flow / 600 / KRC_PUMP_EFFICIENCY
    power = next(p for p in STANDARD_POWERS if p >= AC_POWER[size][4] + pump_kw)
    record = empty_record()
    core.fill(record, 1.0, 1.0)
    record["Designation"] = "KRC %d AC 400V %d l/min" % (size, flow)
    record["CoolerType"] = "KRC %d" % size
    record["DrawingFile"] = "KRC%d" % size
    record["ItemNo"] = "KRC%03d" % size
    record["MinOilFlow"] = record["MaxOilFlow"] = flow
    record["NetWeight"] = round(core.weight + ac_motor_weight(power, 4) + 5 + 0.1 * flow + 6)
    record["SoundLevel"] = core.sound + 1
    record["OilVolume"] = significant(core.oil + 0.6 + flow / 100, 2)
    record["Price"] = float(round_to(core.price * 1.6 + 1500 + 25 * flow, 50))
    record["MotorKind"] = "KRC"
    record["Voltage"], record["Frequency"], record["Poles"] = 400, 50, 4
    record["MotorPower"] = power
    record["MotorCurrent"] = ac_current(power, 4)
    record["FanSpeed"] = POLES[4][0]
    record["PartNoMotor"] = "EM-4P-%sKW" % canonical(power)
    record["PartNoFan"] = "FN-%03d-A4" % size
    record["PartNoFeet"] = "FT-%03d" % size
    record["PartNoMotorMount"] = "BS-KRC-%03d" % size
    record["PartNoPump"] = "PU-%03d" % flow
    record["PartNoHose"] = "HS-KRC-%03d" % size
    record["PartNoNipple"] = "NP-KRC-%03d" % size
    record["PartNoGasket"] = "GK-KRC-%03d" % size
    return record


def accessory_record(kind, designation, item, price):
    record = empty_record()
    record["Designation"] = designation
    record["CoolerType"] = kind
    record["ItemNo"] = item
    record["Price"] = float(price)
    return record


def core_records(core, motor_count):
    poles = sorted(AC_POWER[core.size])
    if core.double_row:
        poles = [p for p in poles if p in AC_DOUBLE_ROW_POLES]
    records = [ac_record(core, p) for p in poles]
    if not core.double_row and core.size in DC_MOTORS:
        records += [dc_record(core, volts) for volts in DC_VOLTAGES]
    records += [hyd_record(core, d) for d in hyd_displacements(core.size, motor_count)]
    return records


def all_records():
    records = []
    for size in sorted(CORES):
        records += core_records(Core(size, False), HYD_MOTOR_COUNT[size])
        if size in DOUBLE_ROW_SIZES:
            records += core_records(Core(size, True), HYD_DOUBLE_ROW_COUNT[size])
    records += [krc_record(size) for size in sorted(KRC_PUMP_FLOW)]
    records += [accessory_record(*accessory) for accessory in ACCESSORIES]
    return records


# --- prices -----------------------------------------------------------------

def list_price(record):
    if record["ItemNo"] in EUR_ITEMS:
        return round(record["Price"] / DKK_PER_EUR, 2), "EUR"
    return record["Price"], "DKK"


def raised_price(price, currency):
    if currency == "EUR":
        return round(price * PRICE_DISK_RISE, 2)
    return float(round_to(price * PRICE_DISK_RISE, 50))


def price_rows(records, header, changed):
    rows = [["header", header[0], canonical(header[1]), header[2], header[3], "", "", ""]]
    for record in records:
        if changed and record["ItemNo"] == PRICE_DISK_DROPPED:
            continue
        price, currency = list_price(record)
        if changed:
            price = raised_price(price, currency)
        rows.append(["item", "", "", "", "", record["ItemNo"], canonical(price), currency])
    return rows


# --- output -----------------------------------------------------------------

def csv_line(cells):
    def quoted(cell):
        if any(c in cell for c in ',"\r\n'):
            return '"' + cell.replace('"', '""') + '"'
        return cell
    return ",".join(quoted(cell) for cell in cells) + "\n"


def write_csv(name, header, rows):
    path = os.path.join(DATA_DIR, name)
    with open(path, "w", encoding="utf-8", newline="") as out:
        out.write(csv_line(header))
        for row in rows:
            out.write(csv_line(row))
    print("wrote %s (%d rows)" % (os.path.normpath(path), len(rows)))


def main():
    records = all_records()
    cooler_rows = [[canonical(r[name]) if not isinstance(r[name], str) else r[name] for name in COOLER_COLUMNS]
                   for r in records]
    write_csv("coolers.csv", COOLER_COLUMNS, cooler_rows)
    write_csv("prices.csv", PRICE_COLUMNS, price_rows(records, PRICE_HEADER, False))
    write_csv("pricedisk.csv", PRICE_COLUMNS, price_rows(records, PRICE_DISK_HEADER, True))
    return 0


if __name__ == "__main__":
    sys.exit(main())
