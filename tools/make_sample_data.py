#!/usr/bin/python3
"""Writes the sample product line: data/coolers.csv, data/prices.csv,
data/pricedisk.csv and the drawing descriptions data/drawings/*.txt. These are
the sources the build reads; this script derives them from one set of tables
and the physics below, so that they stay consistent with each other and with
the duties the program accepts. Run it after changing a table and commit what
it writes.

How the line is laid out:
- Every oil-flow range lies within the 20-500 l/min the duty checks accept.
  A core's tubes and ports are laid out for its natural highest flow; the
  records offer it up to 500 l/min at most.
- Each size has one fan. Its air flow at the 4-pole speed and its pressure
  give the shaft power; other speeds of the same fan follow the fan laws:
  air flow ~ speed, shaft power ~ speed^3, sound -50*log10 of the speed
  ratio. Motors are the next rated size above the shaft power with a margin,
  AC motors from the IEC series with catalogue currents.
- Fan tip speeds stay at or below 80 m/s: 2-pole motors only on the small
  fans, hydraulic fans slower on the largest sizes. Port velocities at the
  natural highest flow stay at or below 4.5 m/s (bores in PORT_BORES).
- The heat a core rejects per kelvin of inlet temperature difference comes
  from an effectiveness-NTU rating of the crossflow core (air side ~ air
  velocity^0.6, oil side ~ oil flow^0.5), fitted over the record's oil-flow
  range with the form HeatCoefA + HeatCoefB*(1 - exp(-V/HeatCoefC)) that the
  program's rating uses. The fin density of a size is chosen so that its
  deepest core with its slowest fan reaches EFFECTIVENESS_LIMIT at full oil
  flow: the program's rating then keeps the air outlet below the oil inlet
  over every duty it accepts, and the oil outlet above the ambient.
- The two largest cores reach the largest duty the checks accept (5.5 kW/K)
  at 500 l/min.

Numbers are written in the canonical form of `krdata cooler-dump` (fewest
significant digits, no exponent), so a dump of the generated binary gives the
source back byte for byte.
"""

import glob
import math
import os
import sys

DATA_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data")
DRAWING_DIR = os.path.join(DATA_DIR, "drawings")

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
DESIGNATION_LENGTH = 30  # the record's field

# --- what the program accepts and what the line keeps to -------------------

OIL_FLOW_RANGE = (20, 500)       # l/min, the duty checks
TIP_SPEED_LIMIT = 80.0           # m/s
PORT_VELOCITY_LIMIT = 4.5        # m/s at the natural highest flow
EFFECTIVENESS_LIMIT = 0.6        # air warming / inlet temperature difference
OIL_EFFECTIVENESS_LIMIT = 0.72   # oil cooling / inlet temperature difference

# Why these two limits: the program rates a core with 1.1 x its oil factor (up to
# 1.07) x its air-temperature factor (up to 1.13 at -40 degC), against the air's heat
# capacity at the actual density (down to 0.51 kg/m3 at 4000 m and 150 degC). At
# worst that is 1.54 times the effectiveness worked out here on the air side and 1.33
# times on the oil side: the air still leaves below the oil inlet and the oil above
# the ambient at every duty the checks accept.

# The port threads of the line, smallest first, with their bore in mm: the nominal
# bore (DN) of the pipe the thread belongs to; the port's own bore is no narrower.
PORT_BORES = {"G 1/2": 15, "G 3/4": 20, "G 1": 25, "G 1 1/4": 32, "G 1 1/2": 40, "G 2": 50, "G 2 1/2": 65}
# Major diameter of each thread (ISO 228), mm: the drawings place the ports by it.
THREAD_DIAMETERS = {"G 1/2": 20.955, "G 3/4": 26.441, "G 1": 33.249, "G 1 1/4": 41.910, "G 1 1/2": 47.803,
                    "G 2": 59.614, "G 2 1/2": 75.184}
PORT_LENGTHS = {"G 1/2": 35, "G 3/4": 40, "G 1": 50, "G 1 1/4": 60, "G 1 1/2": 65, "G 2": 80, "G 2 1/2": 100}

# --- physics ------------------------------------------------------------------

AIR_DENSITY = 1.2                   # kg/m3
AIR_HEAT_CAPACITY = 1.0             # kJ/(kg K): kW/K per kg/s
OIL_CAPACITY_PER_FLOW = 0.85 * 2.1 / 60  # kW/K per l/min
AIR_SIDE_EXPONENT = 0.6             # air-side heat transfer ~ air velocity^0.6
OIL_SIDE_EXPONENT = 0.5             # oil-side heat transfer ~ oil flow^0.5 (laminar, turbulators)
OIL_SIDE_SHARE = 4.0                # oil-side UA / air-side UA at the natural highest flow, 4-pole fan

FOUR_POLE_SPEED = 1450
POLE_SPEEDS = {2: 2850, 4: 1450, 6: 950, 8: 720}  # rev/min at 50 Hz, loaded
SOUND_SPEED_EXPONENT = 50          # dB per decade of fan speed

FAN_PRESSURE_COEFFICIENT = 0.09    # total pressure / (rho/2 x tip speed^2), 4-pole duty point
MOTOR_MARGIN = 1.1                 # rated power >= shaft power x this


def fan_efficiency(diameter):
    """Total efficiency of the fans used: small fans lose more."""
    return 0.3 + 0.3 * (min(diameter, 1000) - 250) / 750


# The double-row core "-2" of a size: a second row of tubes (more heat
# transfer on both sides), a deeper block that lets the same fan move less
# air against a higher pressure.
DOUBLE_ROW_SIZES = [30, 35, 40, 45, 50, 60, 70, 80, 90, 100]
DOUBLE_ROW_TRANSFER = 1.5
DOUBLE_ROW_AIR = 0.88
DOUBLE_ROW_PRESSURE = 1.3
DOUBLE_ROW_FLOW = 1.2   # the natural flow range of the double tube rows
DOUBLE_ROW_WEIGHT = 1.6
DOUBLE_ROW_OIL = 1.9
DOUBLE_ROW_PRICE = 1.32

# One core per size with its fan:
# size: (fan mm, air m3/s with the 4-pole fan, min l/min, natural max l/min,
#        core kg, oil l, dB(A) at 1 m with the 4-pole fan, core list price DKK)
# The two largest sizes share the largest fan a 4-pole motor may turn within the
# tip-speed limit; the larger core face of KR 100 lets it move more air.
CORES = {
    10: (250, 0.14, 20, 45, 4.5, 0.4, 62, 3950),
    15: (280, 0.19, 20, 60, 6, 0.6, 64, 4650),
    20: (315, 0.27, 20, 80, 8, 0.9, 66, 5400),
    25: (355, 0.38, 25, 110, 11, 1.3, 68, 6300),
    30: (400, 0.54, 30, 140, 14, 1.8, 70, 7350),
    35: (450, 0.77, 35, 180, 18, 2.4, 72, 8600),
    40: (500, 1.05, 40, 220, 23, 3.2, 74, 10100),
    45: (560, 1.5, 50, 270, 29, 4.1, 76, 11800),
    50: (630, 2.1, 60, 330, 36, 5.2, 78, 13900),
    60: (710, 3.0, 80, 400, 48, 7.0, 80, 17200),
    70: (800, 4.3, 100, 480, 66, 9.5, 82, 22400),
    80: (900, 6.1, 120, 560, 88, 12.5, 84, 29500),
    90: (1000, 8.2, 140, 640, 115, 16, 86, 38600),
    100: (1000, 10.0, 160, 720, 150, 21, 87, 50400),
}

# Pressure loss at the natural highest flow and 30 cSt, bar.
PRESS_LOSS_AT_NATURAL_MAX = {"single": 1.5, "double": 1.3}

# --- motors -------------------------------------------------------------------

# IEC rated powers, kW, with the current of a 4-pole motor at 400 V.
AC_CURRENT_4_POLE = {
    0.06: 0.22, 0.09: 0.32, 0.12: 0.42, 0.18: 0.56, 0.25: 0.75, 0.37: 1.05, 0.55: 1.45,
    0.75: 1.9, 1.1: 2.6, 1.5: 3.5, 2.2: 4.9, 3.0: 6.4, 4.0: 8.3, 5.5: 11.0, 7.5: 14.8,
    11.0: 21.5, 15.0: 29.0, 18.5: 35.0, 22.0: 41.0,
}
IEC_POWERS = sorted(AC_CURRENT_4_POLE)
# Against a 4-pole motor of the same power: slower motors draw more current
# (lower power factor), and weigh and cost more.
# poles: (current factor, weight factor, price factor)
POLE_FACTORS = {2: (0.85, 0.8, 0.95), 4: (1.0, 1.0, 1.0), 6: (1.15, 1.25, 1.25), 8: (1.35, 1.45, 1.5)}
# 2-pole motors only where the fan's tip speed allows them and the motor stays
# small; 8-pole motors for the large single-row cores, whose fans still move
# enough air at 720 rev/min. A deep double-row core with a fan that slow would
# warm the air too far, so double rows have 4- and 6-pole motors.
AC_POLES = {size: [2, 4, 6] if size <= 30 else [4, 6, 8] if size >= 80 else [4, 6] for size in CORES}
AC_DOUBLE_ROW_POLES = [4, 6]

# IEC frames by the rated torque of a motor (its power at 4-pole speed), and
# their diameter and length in mm for the drawings.
MOTOR_FRAMES = [(0.09, 56), (0.18, 63), (0.37, 71), (0.75, 80), (1.5, 90), (3.0, 100), (4.0, 112),
                (7.5, 132), (22.0, 160)]
FRAME_SIZES = {56: (110, 190), 63: (120, 210), 71: (140, 240), 80: (160, 270), 90: (180, 310),
               100: (200, 350), 112: (225, 390), 132: (260, 450), 160: (315, 600)}

# DC fans on the small sizes run the same fan a little faster than 4-pole.
DC_SIZES = [10, 15, 20, 25, 30]
DC_SPEED = 1650
DC_POWERS = [0.04, 0.06, 0.08, 0.1, 0.12, 0.15, 0.18, 0.25, 0.3, 0.37, 0.45]
DC_VOLTAGES = [12, 24]
DC_EFFICIENCY = 0.75
DC_PRICE = {12: 1.15, 24: 1.18}

# Hydraulic fan drives: all motors of one core run the fan at one speed, so
# they share the core's heat coefficients and differ in displacement. The fan
# runs at HYD_SPEED unless its tip speed would exceed the limit.
HYD_SPEED = 1600
HYD_SPEED_STEP = 50
HYD_DISPLACEMENTS = [4, 6, 8, 11, 14, 19, 23, 28, 33, 38]
HYD_MAX_PRESSURE = 175       # bar; the smallest displacement offered stays below it
HYD_RETURN_PRESSURE = 10     # bar behind the motor
HYD_MECHANICAL_EFFICIENCY = 0.9
HYD_VOLUMETRIC_EFFICIENCY = 0.95
HYD_MOTOR_COUNT = {10: 2, 15: 2, 20: 3, 25: 3, 30: 3, 35: 3, 40: 3, 45: 3, 50: 3,
                   60: 4, 70: 4, 80: 4, 90: 4, 100: 4}
HYD_DOUBLE_ROW_COUNT = {30: 3, 35: 3, 40: 3, 45: 3, 50: 3, 60: 4, 70: 4, 80: 4, 90: 4, 100: 4}
HYD_PRICE_SHARE, HYD_PRICE_PER_CCM = 0.88, 40
# Hydraulic motor body (diameter, length mm) and its P and T ports, by displacement.
HYD_MOTOR_BODIES = [(11, 80, 120, "G 1/2"), (23, 95, 140, "G 3/4"), (38, 110, 165, "G 1")]

# KRC: a KR core with its own circulation pump on the 4-pole motor shaft.
KRC_PUMP_FLOW = {10: 20, 15: 25, 20: 32, 25: 40, 30: 50, 40: 70, 50: 100, 60: 140}
KRC_PUMP_PRESSURE = 5  # bar
KRC_PUMP_EFFICIENCY = 0.6
# Pump body (up to l/min: diameter, length mm, suction and pressure port).
KRC_PUMPS = [(25, 85, 110, "G 3/4"), (35, 95, 120, "G 3/4"), (50, 110, 140, "G 1"),
             (80, 120, 160, "G 1 1/4"), (110, 135, 175, "G 1 1/4"), (160, 155, 200, "G 1 1/2")]

LARGE_SIZES = range(70, 101)  # motor mounting and adapter instead of feet
BEARINGS = {70: "6207", 80: "6208", 90: "6209", 100: "6210"}

# --- the frames, as the drawings show them -------------------------------------

# size: (width, height, core depth single / double row, fin face side, cowl depth,
#        foot height, foot width, foot spacing, foot length single / double,
#        foot hole pitch single / double, foot hole), mm
FRAMES = {
    10: (390, 400, 70, 0, 310, 90, 50, 50, 330, 130, 0, 90, 0, 9),
    15: (420, 430, 70, 0, 340, 95, 50, 50, 360, 130, 0, 90, 0, 9),
    20: (460, 470, 75, 0, 380, 100, 50, 50, 400, 140, 0, 90, 0, 11),
    25: (520, 525, 80, 0, 430, 105, 55, 50, 460, 150, 0, 100, 0, 11),
    30: (570, 585, 80, 135, 480, 110, 55, 50, 500, 150, 195, 100, 150, 11),
    35: (630, 640, 85, 145, 530, 115, 60, 55, 555, 160, 210, 110, 160, 11),
    40: (690, 700, 90, 155, 590, 120, 60, 55, 615, 170, 220, 120, 170, 11),
    45: (770, 775, 95, 160, 660, 125, 65, 55, 695, 175, 230, 120, 180, 13),
    50: (850, 865, 100, 170, 740, 135, 65, 60, 760, 190, 245, 140, 190, 13),
    60: (950, 960, 105, 180, 830, 145, 70, 60, 860, 200, 260, 150, 210, 13),
    70: (1060, 1065, 115, 195, 930, 155, 75, 65, 965, 215, 280, 150, 220, 17),
    80: (1180, 1190, 120, 205, 1040, 170, 80, 65, 1075, 230, 300, 170, 240, 17),
    90: (1300, 1305, 130, 220, 1150, 180, 85, 75, 1185, 250, 320, 175, 245, 22),
    100: (1440, 1440, 140, 240, 1280, 195, 90, 75, 1325, 270, 350, 195, 275, 22),
}
PORT_INSET = 20  # frame edge to a connection, mm, plus two thread diameters

# --- accessories ----------------------------------------------------------------

TB_OPENING = {"G 1/2": [50], "G 3/4": [40, 50], "G 1": [40, 50], "G 1 1/4": [50], "G 1 1/2": [50],
              "G 2": [60], "G 2 1/2": [60]}  # opening temperatures, degC, per port thread
TB_PRICE_PER_MM = 35   # DKK per mm of bore
TB_BASE_PRICE = 120
THERMO_SWITCHES = [
    ("TK 50°C, NC contact", "TK-050-NC", 420),
    ("TK 60°C, NC contact", "TK-060-NC", 420),
    ("TK 70°C, NC contact", "TK-070-NC", 420),
    ("TK 60°C, NO contact", "TK-060-NO", 440),
    ("TK 80°C, NO contact", "TK-080-NO", 440),
]
# Flanges for the larger ports: thread -> (DN, price DKK).
FLANGE_ADAPTERS = {"G 1 1/2": (40, 690), "G 2": (50, 820), "G 2 1/2": (65, 1050)}
ADAPTER_BASE_PRICE = 120
ADAPTER_PRICE_PER_MM = 6

PRICE_HEADER = ("2024-03-01", 41, "Kalvorn Group, price list DK 2024", "2024-12-31")
PRICE_DISK_HEADER = ("2024-09-01", 42, "Kalvorn Group, price list DK 2024/2", "2025-06-30")
EUR_ITEMS = {"KRC040", "KRC050", "KRC060", "AD-DN-040", "AD-DN-050", "AD-DN-065"}
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


def round_down(value, step):
    return int(math.floor(value / step) * step)


def next_size(value, sizes):
    return next(size for size in sizes if size >= value)


# --- fans and motors ---------------------------------------------------------

def tip_speed(diameter_mm, speed):
    return math.pi * diameter_mm / 1000 * speed / 60


def port_velocity(thread, flow):
    area = math.pi / 4 * (PORT_BORES[thread] / 1000) ** 2
    return flow / 60000 / area


def port_thread(flow):
    """The smallest thread of the line whose bore carries the flow within the
    velocity limit."""
    return next(t for t in PORT_BORES if port_velocity(t, flow) <= PORT_VELOCITY_LIMIT)


def hyd_speed(diameter):
    limit = TIP_SPEED_LIMIT * 60 / (math.pi * diameter / 1000)
    return min(HYD_SPEED, round_down(limit, HYD_SPEED_STEP))


def motor_frame(power, speed):
    torque_power = power * FOUR_POLE_SPEED / speed
    return next(frame for limit, frame in MOTOR_FRAMES if torque_power <= limit + 1e-9)


def ac_current(power, poles):
    return significant(AC_CURRENT_4_POLE[power] * POLE_FACTORS[poles][0], 2)


def ac_motor_weight(power, poles):
    return (3 + 11 * power ** 0.75) * POLE_FACTORS[poles][1]


def motor_price(power, poles):
    return (450 + 1100 * power ** 0.75) * POLE_FACTORS[poles][2]


# --- heat transfer --------------------------------------------------------------

def crossflow_effectiveness(ntu, ratio):
    """Crossflow, both streams unmixed."""
    if ratio < 1e-9:
        return 1 - math.exp(-ntu)
    return 1 - math.exp(ntu ** 0.22 / ratio * (math.exp(-ratio * ntu ** 0.78) - 1))


def fit_heat_coefficients(heat, low, high):
    """HeatCoefA, B, C of A + B (1 - exp(-V/C)) nearest in relative terms to
    heat(V) over low..high l/min; A stays positive."""
    flows = [low + (high - low) * i / 40 for i in range(41)]
    values = [heat(v) for v in flows]
    best = None
    c = 0.05 * high
    while c < 5 * high:
        xs = [1 - math.exp(-v / c) for v in flows]
        w = [1 / y ** 2 for y in values]
        s, sx, sy = sum(w), sum(a * x for a, x in zip(w, xs)), sum(a * y for a, y in zip(w, values))
        sxx = sum(a * x * x for a, x in zip(w, xs))
        sxy = sum(a * x * y for a, x, y in zip(w, xs, values))
        det = s * sxx - sx * sx
        a = (sy * sxx - sx * sxy) / det
        b = (s * sxy - sx * sy) / det
        if a > 0 and b > 0:
            error = max(abs(a + b * x - y) / y for x, y in zip(xs, values))
            if best is None or error < best[0]:
                best = (error, a, b, c)
        c *= 1.02
    if best is None or best[0] > 0.02:
        raise ValueError("no fit of the heat transfer over %g..%g l/min" % (low, high))
    return best[1:]


class Core:
    """One cooler core: a size, single or double row, with its fan."""

    def __init__(self, size, double_row):
        fan, air, min_flow, natural_max, weight, oil, sound, price = CORES[size]
        self.size = size
        self.double_row = double_row
        suffix = "-2" if double_row else ""
        self.type = "KR %d%s" % (size, suffix)
        self.code = "KR%d%s" % (size, suffix)
        self.item = "KR%03d%s" % (size, suffix)
        self.part = "KE-%03d%s" % (size, suffix)
        self.fan = fan
        self.air = air * (DOUBLE_ROW_AIR if double_row else 1.0)
        flow_factor = DOUBLE_ROW_FLOW if double_row else 1.0
        self.min_flow = max(OIL_FLOW_RANGE[0], round(min_flow * flow_factor))
        self.natural_max = round(natural_max * flow_factor)
        self.max_flow = min(OIL_FLOW_RANGE[1], self.natural_max)
        self.port = port_thread(self.natural_max)
        self.weight = weight * (DOUBLE_ROW_WEIGHT if double_row else 1.0)
        self.oil = oil * (DOUBLE_ROW_OIL if double_row else 1.0)
        self.sound = sound
        self.price = price * (DOUBLE_ROW_PRICE if double_row else 1.0)
        pressure = FAN_PRESSURE_COEFFICIENT * AIR_DENSITY / 2 * tip_speed(fan, FOUR_POLE_SPEED) ** 2
        if double_row:
            pressure *= DOUBLE_ROW_PRESSURE
        self.shaft_power = self.air * pressure / fan_efficiency(fan) / 1000  # kW at 4-pole speed
        loss = PRESS_LOSS_AT_NATURAL_MAX["double" if double_row else "single"]
        self.press_loss_coef = significant(loss / self.natural_max ** 1.1, 2)
        self.transfer = fin_density(size) * (DOUBLE_ROW_TRANSFER if double_row else 1.0)
        self.coefficients = {}

    def shaft_power_at(self, speed):
        return self.shaft_power * (speed / FOUR_POLE_SPEED) ** 3

    def air_at(self, speed):
        return self.air * speed / FOUR_POLE_SPEED

    def heat_per_kelvin(self, speed, flow):
        """kW/K the core rejects with its fan at speed and an oil flow."""
        return heat_per_kelvin(self.transfer, self.air, self.natural_max, speed, flow)

    def heat_coefficients(self, speed):
        if speed not in self.coefficients:
            a, b, c = fit_heat_coefficients(lambda v: self.heat_per_kelvin(speed, v), self.min_flow, self.max_flow)
            self.coefficients[speed] = (significant(a, 3), significant(b, 3), float(significant(c, 2)))
            self.check_effectiveness(speed)
        return self.coefficients[speed]

    def check_effectiveness(self, speed):
        air = AIR_DENSITY * AIR_HEAT_CAPACITY * self.air_at(speed)
        if self.heat_per_kelvin(speed, self.max_flow) > EFFECTIVENESS_LIMIT * air * 1.001:
            raise ValueError("%s at %d rev/min warms the air too far" % (self.type, speed))
        oil = OIL_CAPACITY_PER_FLOW * self.min_flow
        if self.heat_per_kelvin(speed, self.min_flow) > OIL_EFFECTIVENESS_LIMIT * oil:
            raise ValueError("%s at %d rev/min cools %d l/min of oil too far" % (self.type, speed, self.min_flow))

    def fill(self, record, speed):
        a, b, c = self.heat_coefficients(speed)
        record["CoolerType"] = self.type
        record["MinOilFlow"] = self.min_flow
        record["MaxOilFlow"] = self.max_flow
        record["HeatCoefA"], record["HeatCoefB"], record["HeatCoefC"] = a, b, c
        record["FanAirFlow"] = significant(self.air_at(speed), 3)
        record["SoundLevel"] = self.sound + round(SOUND_SPEED_EXPONENT * math.log10(speed / FOUR_POLE_SPEED))
        record["OilVolume"] = significant(self.oil, 2)
        record["PressLossCoef"] = self.press_loss_coef
        record["FanSpeed"] = speed
        record["PartNoCooler"] = self.part
        record["PartNoGrille"] = "GR-%03d" % self.size
        record["PartNoFanCowl"] = "FC-%03d" % self.size


def heat_per_kelvin(transfer, air4, natural_max, speed, flow):
    """Effectiveness-NTU rating of a core: transfer is its air-side NTU with the
    4-pole fan; the oil side scales with the oil flow."""
    air = air4 * speed / FOUR_POLE_SPEED
    air_capacity = AIR_DENSITY * AIR_HEAT_CAPACITY * air
    air_side = transfer * AIR_DENSITY * AIR_HEAT_CAPACITY * air4 * (speed / FOUR_POLE_SPEED) ** AIR_SIDE_EXPONENT
    oil_side = OIL_SIDE_SHARE * transfer * AIR_DENSITY * AIR_HEAT_CAPACITY * air4 * \
        (flow / natural_max) ** OIL_SIDE_EXPONENT
    ua = 1 / (1 / air_side + 1 / oil_side)
    oil_capacity = OIL_CAPACITY_PER_FLOW * flow
    low, high = min(air_capacity, oil_capacity), max(air_capacity, oil_capacity)
    return crossflow_effectiveness(ua / low, low / high) * low


def fin_density(size):
    """The air-side NTU of the single-row core with its 4-pole fan, chosen so
    that the double-row core of the size with its slowest fan reaches
    EFFECTIVENESS_LIMIT at its highest oil flow."""
    _, air, _, natural_max, *_ = CORES[size]
    air *= DOUBLE_ROW_AIR
    natural_max = round(natural_max * DOUBLE_ROW_FLOW)
    top = min(OIL_FLOW_RANGE[1], natural_max)
    speed = POLE_SPEEDS[max(AC_DOUBLE_ROW_POLES)]
    target = EFFECTIVENESS_LIMIT * AIR_DENSITY * AIR_HEAT_CAPACITY * air * speed / FOUR_POLE_SPEED
    low, high = 0.01, 10.0
    for _ in range(60):
        middle = (low + high) / 2
        if heat_per_kelvin(middle * DOUBLE_ROW_TRANSFER, air, natural_max, speed, top) > target:
            high = middle
        else:
            low = middle
    return low


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


def ac_power(core, poles):
    speed = POLE_SPEEDS[poles]
    return next_size(core.shaft_power_at(speed) * MOTOR_MARGIN, IEC_POWERS)


def ac_record(core, poles):
    speed = POLE_SPEEDS[poles]
    power = ac_power(core, poles)
    record = empty_record()
    core.fill(record, speed)
    record["Designation"] = "%s AC 400V %d-pol" % (core.type, poles)
    record["DrawingFile"] = core.code + "AC"
    record["ItemNo"] = "%s-A%d" % (core.item, poles)
    record["NetWeight"] = round(core.weight + ac_motor_weight(power, poles))
    record["Price"] = float(round_to(core.price + motor_price(power, poles), 50))
    record["MotorKind"] = "400"
    record["Voltage"], record["Frequency"], record["Poles"] = 400, 50, poles
    record["MotorPower"] = power
    record["MotorCurrent"] = ac_current(power, poles)
    record["PartNoMotor"] = "EM-%dP-%sKW" % (poles, canonical(power))
    record["PartNoFan"] = "FN-%03d-A%d" % (core.size, poles)
    if core.size in LARGE_SIZES:
        record["PartNoMotorMount"] = "MM-%03d-A" % core.size
        record["PartNoAdapter"] = "AP-%03d-A%d" % (core.size, poles)
    else:
        record["PartNoFeet"] = "FT-%03d" % core.size
    return record


def dc_power(core):
    return next_size(core.shaft_power_at(DC_SPEED) * MOTOR_MARGIN, DC_POWERS)


def dc_record(core, volts):
    power = dc_power(core)
    record = empty_record()
    core.fill(record, DC_SPEED)
    record["Designation"] = "%s DC %dV" % (core.type, volts)
    record["DrawingFile"] = core.code + "DC"
    record["ItemNo"] = "%s-D%d" % (core.item, volts)
    record["NetWeight"] = round(core.weight + 1.5 + 8 * power)
    record["Price"] = float(round_to(core.price * DC_PRICE[volts], 50))
    record["MotorKind"] = str(volts)
    record["Voltage"] = volts
    record["MotorPower"] = power
    record["MotorCurrent"] = significant(power * 1000 / (volts * DC_EFFICIENCY), 3)
    record["PartNoFan"] = "FN-%03d-DC" % core.size
    return record


def hyd_pressure(core, displacement):
    speed = hyd_speed(core.fan)
    torque = core.shaft_power_at(speed) * 1000 / (2 * math.pi * speed / 60)  # Nm
    rise = 2 * math.pi * torque / (displacement * HYD_MECHANICAL_EFFICIENCY) * 10  # bar
    return HYD_RETURN_PRESSURE + rise


def hyd_oil_flow(core, displacement):
    return displacement * hyd_speed(core.fan) / 1000 / HYD_VOLUMETRIC_EFFICIENCY


def hyd_displacements(core, count):
    for first, displacement in enumerate(HYD_DISPLACEMENTS):
        if hyd_pressure(core, displacement) <= HYD_MAX_PRESSURE:
            return HYD_DISPLACEMENTS[first:first + count]
    raise ValueError("no hydraulic motor for %s" % core.type)


def hyd_record(core, displacement):
    speed = hyd_speed(core.fan)
    record = empty_record()
    core.fill(record, speed)
    record["Designation"] = "%s HYD %d ccm" % (core.type, displacement)
    record["DrawingFile"] = core.code + "HYD"
    record["ItemNo"] = "%s-H%02d" % (core.item, displacement)
    record["NetWeight"] = round(core.weight + 2 + 0.2 * displacement)
    record["Price"] = float(round_to(core.price * HYD_PRICE_SHARE + HYD_PRICE_PER_CCM * displacement, 50))
    record["MotorKind"] = "HYD"
    record["HydDisplacement"] = str(displacement)
    record["HydPressure"] = round(hyd_pressure(core, displacement))
    record["HydOilFlow"] = significant(hyd_oil_flow(core, displacement), 3)
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


def krc_pump_power(flow):
    return KRC_PUMP_PRESSURE * flow / 600 / KRC_PUMP_EFFICIENCY


def krc_power(core, flow):
    return next_size((core.shaft_power + krc_pump_power(flow)) * MOTOR_MARGIN, IEC_POWERS)


def krc_record(size):
    core = Core(size, False)
    flow = KRC_PUMP_FLOW[size]
    power = krc_power(core, flow)
    record = empty_record()
    core.fill(record, FOUR_POLE_SPEED)
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


def inch(thread):
    """'G 1 1/2' -> '1 1/2"'."""
    return thread[2:] + '"'


def thread_code(thread):
    """'G 1 1/2' -> '150': the size in hundredths of an inch."""
    whole, _, fraction = thread[2:].partition(" ")
    if "/" in whole:
        whole, fraction = "0", whole
    numerator, _, denominator = fraction.partition("/")
    value = int(whole) + (int(numerator) / int(denominator) if fraction else 0)
    return "%03d" % round(value * 100)


def accessory_records(threads):
    """Thermo-bypass valves and adapters for every port thread of the line:
    each adapter goes from a port to the next larger thread, the larger
    ports also to a flange."""
    threads = [t for t in PORT_BORES if t in threads]
    larger = list(PORT_BORES)
    records = []
    for thread in threads:
        for opening in TB_OPENING[thread]:
            price = round_to(TB_BASE_PRICE + TB_PRICE_PER_MM * PORT_BORES[thread], 10)
            records.append(accessory_record("TB", "TB %s %d°C" % (inch(thread), opening),
                                            "TB-%s-%d" % (thread_code(thread), opening), price))
    records += [accessory_record("TK", *switch) for switch in THERMO_SWITCHES]
    for thread in threads:
        following = larger[larger.index(thread) + 1:]
        if following:
            to = following[0]
            price = round_to(ADAPTER_BASE_PRICE + ADAPTER_PRICE_PER_MM * PORT_BORES[to], 10)
            records.append(accessory_record("AD", "AD G %s - G %s" % (inch(thread), inch(to)),
                                            "AD-%s-%s" % (thread_code(thread), thread_code(to)), price))
        if thread in FLANGE_ADAPTERS:
            dn, price = FLANGE_ADAPTERS[thread]
            records.append(accessory_record("AD", "AD G %s - DN %d flange" % (inch(thread), dn),
                                            "AD-DN-%03d" % dn, price))
    return records


def core_records(core, motor_count):
    poles = AC_DOUBLE_ROW_POLES if core.double_row else AC_POLES[core.size]
    records = [ac_record(core, p) for p in poles]
    if not core.double_row and core.size in DC_SIZES:
        records += [dc_record(core, volts) for volts in DC_VOLTAGES]
    records += [hyd_record(core, d) for d in hyd_displacements(core, motor_count)]
    return records


def all_cores():
    cores = []
    for size in sorted(CORES):
        cores.append(Core(size, False))
        if size in DOUBLE_ROW_SIZES:
            cores.append(Core(size, True))
    return cores


def all_records(cores):
    records = []
    for core in cores:
        count = (HYD_DOUBLE_ROW_COUNT if core.double_row else HYD_MOTOR_COUNT)[core.size]
        records += core_records(core, count)
    records += [krc_record(size) for size in sorted(KRC_PUMP_FLOW)]
    threads = {core.port for core in cores} | {port_thread(flow) for flow in KRC_PUMP_FLOW.values()}
    records += accessory_records(threads)
    for record in records:
        if len(record["Designation"].encode("cp1252")) > DESIGNATION_LENGTH:
            raise ValueError("designation too long: " + record["Designation"])
    return records


# --- drawings -------------------------------------------------------------------

DRAWING_KEYS = [
    ("type", None), ("drive", None), (None, None),
    ("width", "frame"), ("height", "floor to top of the frame"), ("core_depth", "along the air flow"),
    ("fin_width", None), ("fin_height", None), ("fan_diameter", None),
    ("cowl_depth", "back of the core to the face of the cowl"), (None, None),
    ("motor_diameter", None), ("motor_length", "face of the cowl to the end of the motor"), (None, None),
    ("foot_height", None), ("foot_width", None), ("foot_spacing", "hole centres across the width"),
    ("foot_length", None), ("foot_hole_pitch", "hole centres along the depth"), ("foot_hole", None), (None, None),
    ("port_thread", None), ("inlet_height", "floor to the centre of the inlet"), ("outlet_height", None),
    ("port_length", "out of the frame"),
]


def frame_values(size, double_row, port):
    (width, height, depth, double_depth, fin, cowl, foot_height, foot_width, foot_spacing,
     foot_length, double_foot_length, foot_pitch, double_foot_pitch, foot_hole) = FRAMES[size]
    inset = round_down(PORT_INSET + 2 * THREAD_DIAMETERS[port], 5)
    return {
        "width": width, "height": height, "core_depth": double_depth if double_row else depth,
        "fin_width": fin, "fin_height": fin, "fan_diameter": CORES[size][0], "cowl_depth": cowl,
        "foot_height": foot_height, "foot_width": foot_width, "foot_spacing": foot_spacing,
        "foot_length": double_foot_length if double_row else foot_length,
        "foot_hole_pitch": double_foot_pitch if double_row else foot_pitch, "foot_hole": foot_hole,
        "port_thread": port, "inlet_height": height - inset, "outlet_height": foot_height + inset,
        "port_length": PORT_LENGTHS[port],
    }


def description_text(title, values, extra):
    lines = ["# %s" % title, "# All sizes in mm. Written by tools/make_sample_data.py: change the tables there.", ""]
    for key, comment in DRAWING_KEYS + extra:
        if key is None:
            lines.append("")
            continue
        text = "%-17s = %s" % (key, values[key])
        if comment:
            text = "%-32s# %s" % (text, comment)
        lines.append(text.rstrip())
    return "\n".join(lines) + "\n"


def drawings(cores, records):
    """Every drawing the records name: name -> description text."""
    by_drawing = {}
    for record in records:
        if record["DrawingFile"]:
            by_drawing.setdefault(record["DrawingFile"], []).append(record)
    cores_by_type = {core.type: core for core in cores}
    texts = {}
    for name, group in by_drawing.items():
        first = group[0]
        kind = first["MotorKind"]
        if kind == "KRC":
            size = int(first["CoolerType"].split()[1])
            core, port = Core(size, False), port_thread(first["MinOilFlow"])
        else:
            core = cores_by_type[first["CoolerType"]]
            port = core.port
        values = frame_values(core.size, core.double_row, port)
        extra = []
        if kind == "400":
            drive = "AC"
            diameter, length = max(FRAME_SIZES[motor_frame(r["MotorPower"], r["FanSpeed"])] for r in group)
            title = "%s with 400 V AC motors up to %s kW" % (core.type, canonical(max(r["MotorPower"] for r in group)))
        elif kind in ("12", "24"):
            drive = "DC"
            power = max(r["MotorPower"] for r in group)
            diameter, length = (100, 150) if power <= 0.1 else (110, 170) if power <= 0.2 else (125, 190)
            title = "%s with a 12 V or 24 V DC motor (%s kW)" % (core.type, canonical(power))
        elif kind == "HYD":
            drive = "HYD"
            largest = max(int(r["HydDisplacement"]) for r in group)
            _, diameter, length, motor_port = next(b for b in HYD_MOTOR_BODIES if largest <= b[0])
            values["motor_port_thread"] = motor_port
            extra = [(None, None), ("motor_port_thread", "P and T ports of the hydraulic motor")]
            title = "%s with a hydraulic motor (up to %d ccm/rev, fan %d rev/min)" % (
                core.type, largest, first["FanSpeed"])
        else:
            drive = "KRC"
            flow = first["MinOilFlow"]
            diameter, length = FRAME_SIZES[motor_frame(first["MotorPower"], first["FanSpeed"])]
            _, pump_diameter, pump_length, pump_port = next(p for p in KRC_PUMPS if flow <= p[0])
            values.update({"motor_port_thread": pump_port, "pump_diameter": pump_diameter,
                           "pump_length": pump_length})
            extra = [(None, None), ("motor_port_thread", "suction and pressure port of the pump"),
                     ("pump_diameter", None), ("pump_length", "behind the motor")]
            title = "%s with its own circulation pump (%s kW, pump %d l/min)" % (
                first["CoolerType"], canonical(first["MotorPower"]), flow)
        values.update({"type": first["CoolerType"], "drive": drive, "motor_diameter": diameter,
                       "motor_length": length})
        check_drawing(name, values, first["FanSpeed"], first["MaxOilFlow"])
        texts[name] = description_text("%s; drawing %s" % (title, name), values, extra)
    return texts


def check_drawing(name, values, speed, max_flow):
    if tip_speed(values["fan_diameter"], speed) > TIP_SPEED_LIMIT:
        raise ValueError("%s: fan tip speed above the limit" % name)
    if port_velocity(values["port_thread"], max_flow) > PORT_VELOCITY_LIMIT:
        raise ValueError("%s: port velocity above the limit" % name)


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


def write_text(path, text):
    with open(path, "w", encoding="utf-8", newline="") as out:
        out.write(text)


def write_csv(name, header, rows):
    path = os.path.join(DATA_DIR, name)
    write_text(path, "".join(csv_line(row) for row in [header] + rows))
    print("wrote %s (%d rows)" % (os.path.normpath(path), len(rows)))


def write_drawings(texts):
    for path in glob.glob(os.path.join(DRAWING_DIR, "*.txt")):
        if os.path.basename(path)[:-4] not in texts:
            os.remove(path)
            print("removed %s" % os.path.normpath(path))
    for name, text in sorted(texts.items()):
        write_text(os.path.join(DRAWING_DIR, name + ".txt"), text)
    print("wrote %d drawing descriptions to %s" % (len(texts), os.path.normpath(DRAWING_DIR)))


def main():
    cores = all_cores()
    records = all_records(cores)
    cooler_rows = [[canonical(r[name]) if not isinstance(r[name], str) else r[name] for name in COOLER_COLUMNS]
                   for r in records]
    write_csv("coolers.csv", COOLER_COLUMNS, cooler_rows)
    write_csv("prices.csv", PRICE_COLUMNS, price_rows(records, PRICE_HEADER, False))
    write_csv("pricedisk.csv", PRICE_COLUMNS, price_rows(records, PRICE_DISK_HEADER, True))
    write_drawings(drawings(cores, records))
    return 0


if __name__ == "__main__":
    sys.exit(main())
