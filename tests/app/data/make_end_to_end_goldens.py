#!/usr/bin/env python3
"""Writes the expected report files of the end-to-end tests (end_to_end_*.txt).

Each job is the one the matching test types into the program's windows. The values below are worked
out by hand from what is typed, step by step in the comments, not taken from the program; the lines
around them come from the report layout written out in ../../core/report/data/make_report_goldens.py.
Date and time are those the tests give the results window's clock (7 December 2026, 13:05:09) as a
day.month.year, 24-hour locale writes them; the tests check those two lines against the locale they
run under and compare everything else byte for byte.
Run from this directory: python3 make_end_to_end_goldens.py
"""

import importlib.util
import pathlib

HERE = pathlib.Path(__file__).resolve().parent
_spec = importlib.util.spec_from_file_location(
    "report_layout", HERE.parent.parent / "core" / "report" / "data" / "make_report_goldens.py")
layout = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(layout)

layout.DATE = "07-12-2026"
layout.TIME = "13:05:09"

# Catalogue and diameter lines of the catalogues these jobs use, beside those the layout knows.
layout.STEPS_ENG.update({
    ("Yamaha", 2): "Shims with 0.05mm step, from 2.0mm to 3.2mm",
    ("Honda", 1): "Shims with 0.025mm step, from 1.2mm to 3.0mm",
})
layout.STEPS_RUS.update({
    ("Suzuki", 2): "Шайбы с шагом 0.05мм в дипазоне от 2.15мм до 3.1мм",
})
THIRD_DIAMETER = {"Honda": "25", "Yamaha": "25", "Kawasaki": "13", "Suzuki": "29.5"}

JOBS = {
    # Russian, Kawasaki 9.48 mm (quarter steps only for 2.413 < t < 2.588, half steps elsewhere;
    # 2 = +0.005, 8 = -0.005 mm), four cylinders, nominal 0.20 / 0.18 typed, tolerance 3 / 3,
    # out-of-tolerance valves only, removed shims reused.
    #   valve  clear. installed     dev.   required t.        required  after
    #   1      0.13   258 (2.575)   -0.07  2.505 quarter .05  250       2.575-2.5-0.07   =  0.005
    #   2      0.28   250 (2.5)      0.08  2.58  quarter .80  258       2.5-2.575+0.08   =  0.005
    #   3      0.18   242 (2.425)    0     2.425 quarter .25  242 keeps  0
    #   4      0.30   300 (3.0)      0.12  3.12  half    .20  310       3.0-3.1+0.12     =  0.02
    #   5      0.22   240 (2.4)      0.02  2.42  quarter .20  242 keeps  2.4-2.425+0.02  = -0.005
    #   6      0.31   typed 2.430 -> quarter .30 = 242; 0.11; 2.54 quarter .40 255;  2.43-2.55+0.11 = -0.01
    #   7      0.10   255 (2.55)    -0.08  2.47  quarter .70  248       2.55-2.475-0.08  = -0.005
    #   8      0.25   248 (2.475)    0.07  2.545 quarter .45  255       2.475-2.55+0.07  = -0.005
    #   9      0.08   210 (2.1)     -0.12  1.98  half    .80  200       2.1-2.0-0.12     = -0.02
    #   10     0.14   typed 3.100, clamped to 3 -> half 300; -0.06; 2.94 half .40 295; 3.0-2.95-0.06 = -0.01
    #   11     0.26   230 (2.3)      0.08  2.38  half    .80  240       2.3-2.4+0.08     = -0.02
    #   12     0.21   252 (2.525)    0.03 (not below 0.03)  2.555 quarter .55  255  2.525-2.55+0.03 = 0.005
    #   13     0.27   285 (2.85)     0.07  2.92  half    .20  290       2.85-2.9+0.07    =  0.02
    #   14     0.15   290 (2.9)     -0.05  2.85  half    .50  285       0
    #   15     0.13   215 (2.15)    -0.05  2.10  half    .00  210       0
    #   16     0.19   255 (2.55)     0.01  2.56  quarter .60  255 keeps  0.01
    # Receivers in order: 1 takes 250 from 2, 2 takes 258 from 1, 4 buys 310 (no part number),
    # 6 takes 255 from 7, 7 takes 248 from 8, 8 buys 255 (7's is gone), 9 buys 200, 10 buys 295
    # (the two removed 300s fit no one), 11 buys 240 (5 keeps its 240), 12 buys 255, 13 and 14 swap
    # 290 and 285, 15 takes 210 from 9. The 242 of 6, the 230 of 11, the 252 of 12 and the 215 of 15
    # go to no valve.
    "kawasaki_4cyl": dict(
        cylinders=4, brand="Kawasaki", diameter=1, mode=0, all_new=False,
        nominal=("0.20", "0.18"), tolerance=("3", "3"),
        valves=layout.fill({
            1: ("0.13", "258", "250", "0.005"),
            2: ("0.28", "250", "258", "0.005"),
            3: ("0.18", "242", "242", "0"),
            4: ("0.30", "300", "310", "0.02"),
            5: ("0.22", "240", "242", "-0.005"),
            6: ("0.31", "242", "255", "-0.01"),
            7: ("0.10", "255", "248", "-0.005"),
            8: ("0.25", "248", "255", "-0.005"),
            9: ("0.08", "210", "200", "-0.02"),
            10: ("0.14", "300", "295", "-0.01"),
            11: ("0.26", "230", "240", "-0.02"),
            12: ("0.21", "252", "255", "0.005"),
            13: ("0.27", "285", "290", "0.02"),
            14: ("0.15", "290", "285", "0"),
            15: ("0.13", "215", "210", "0"),
            16: ("0.19", "255", "255", "0.01"),
        }),
        interchange=[(2, 250, 1), (1, 258, 2), (7, 255, 6), (8, 248, 7), (14, 290, 13), (13, 285, 14),
                     (9, 210, 15)],
        purchase=[("", 310, 4), ("92025-1881", 255, 8), ("92025-1870", 200, 9), ("92025-1889", 295, 10),
                  ("92025-1878", 240, 11), ("92025-1881", 255, 12)],
        lang="rus",
    ),
    # English, Yamaha 25 mm (installed thickness by quarter steps, required by half steps; parts only
    # for step-5 shims), four cylinders, nominal 0.25 / 0.15 with tolerance 4 / 2 typed, full
    # selection, removed shims reused.
    #   valve  clear. installed     dev.   required t.  required  after
    #   1      0.30   212 (2.125)    0.05  2.175 .75    220       2.125-2.2+0.05   = -0.025
    #   2      0.27   220 (2.2)      0.02  2.22  .20    220 keeps  0.02
    #   3      0.08   220           -0.07  2.13  .30    215       2.2-2.15-0.07    = -0.02
    #   4      0.17   typed 2.16 -> quarter .60 = 215; 0.02 (not below 0.02); 2.18 .80 220; 2.16-2.2+0.02 = -0.02
    #   5      0.25   245            0     2.45         245 keeps  0
    #   6      0.18   230           -0.07  2.23  .30    225       2.3-2.25-0.07    = -0.02
    #   7      0.22   typed 1.800, clamped to 2 -> 200; 0.07; 2.07 .70 205;  2.0-2.05+0.07 = 0.02
    #   8      0.10 (typed "01")  228 (2.275)  -0.05  2.225 .25  225   2.275-2.25-0.05 = -0.025
    #   9      0.25   300            0     3.00         300 keeps  0
    #   10     0.24   298 (2.975)   -0.01  2.965 .65    295 (full selection) 2.975-2.95-0.01 = 0.015
    #   11     0.15   205            0     2.05         205 keeps  0
    #   12     0.20   225 (2.25)     0.05  2.30  .00    230       0
    #   13     0.35   320 (3.2)      0.1   3.30         330       0
    #   14     0.29   250            0.04 (not below 0.04)  2.54 .40  255  2.5-2.55+0.04 = -0.01
    #   15     0.05   210           -0.1   2.00         200       0
    #   16     0.90 (typed 0.99)  200   0.75  2.75 .50  275       2.0-2.75+0.75    =  0
    # Receivers: 1 takes 220 from 3, 3 takes 215 from 4, 4 buys 220, 6 takes 225 from 12, 7 buys 205,
    # 8 buys 225 (12's is gone), 10 buys 295, 12 takes 230 from 6, 13 buys 330 (no part number),
    # 14 buys 255, 15 takes 200 from 7 (the lower of the two donors 7 and 16), 16 buys 275.
    "yamaha_4cyl": dict(
        cylinders=4, brand="Yamaha", diameter=2, mode=1, all_new=False,
        nominal=("0.25", "0.15"), tolerance=("4", "2"),
        valves=layout.fill({
            1: ("0.30", "212", "220", "-0.025"),
            2: ("0.27", "220", "220", "0.02"),
            3: ("0.08", "220", "215", "-0.02"),
            4: ("0.17", "215", "220", "-0.02"),
            5: ("0.25", "245", "245", "0"),
            6: ("0.18", "230", "225", "-0.02"),
            7: ("0.22", "200", "205", "0.02"),
            8: ("0.10", "228", "225", "-0.025"),
            9: ("0.25", "300", "300", "0"),
            10: ("0.24", "298", "295", "0.015"),
            11: ("0.15", "205", "205", "0"),
            12: ("0.20", "225", "230", "0"),
            13: ("0.35", "320", "330", "0"),
            14: ("0.29", "250", "255", "-0.01"),
            15: ("0.05", "210", "200", "0"),
            16: ("0.90", "200", "275", "0"),
        }),
        interchange=[(3, 220, 1), (4, 215, 3), (12, 225, 6), (6, 230, 12), (7, 200, 15)],
        purchase=[("26H-12168-80-00", 220, 4), ("26H-12168-20-00", 205, 7), ("26H-12168-A0-00", 225, 8),
                  ("26H-12169-E0-00", 295, 10), ("", 330, 13), ("26H-12168-U0-00", 255, 14),
                  ("26H-12169-30-00", 275, 16)],
        lang="eng",
    ),
    # Russian, Suzuki 29.5 mm (half steps, every number plain hundredths), two cylinders, defaults
    # 0.20 / 0.15 and 3 / 3, out-of-tolerance only, removed shims reused. Valve 9 of the third
    # cylinder was set to give up a 255 before the count went down to two: it must give nothing.
    #   valve  clear. installed    dev.   required t.  required  after
    #   1      0.27   250           0.07  2.57 .70     255       2.5-2.55+0.07   =  0.02
    #   2      0.20   255           0     2.55         255 keeps  0
    #   3      0.05   260          -0.1   2.50         250       0
    #   4      0.22   typed 2.47 -> half .70 = 245; 0.07; 2.54 .40 255;  2.47-2.55+0.07 = -0.01
    #   5      0.13   300          -0.07  2.93 .30     295       3.0-2.95-0.07   = -0.02
    #   6      0.26   295           0.06  3.01 .10     300       2.95-3.0+0.06   =  0.01
    #   7      0.02   215 (first of the list after the brand change)  -0.13  2.02 .20  200  2.15-2.0-0.13 = 0.02
    #   8      0.15   250           0     2.50         250 keeps  0
    # Receivers: 1 buys 255 (2 keeps its own, 9 is not in the engine), 3 takes 250 from 1, 4 buys
    # 255, 5 takes 295 from 6, 6 takes 300 from 5, 7 buys 200 (below the catalogue: no part number).
    "suzuki_2cyl": dict(
        cylinders=2, brand="Suzuki", diameter=2, mode=0, all_new=False,
        nominal=("0.20", "0.15"), tolerance=("3", "3"),
        valves=layout.fill({
            1: ("0.27", "250", "255", "0.02"),
            2: ("0.20", "255", "255", "0"),
            3: ("0.05", "260", "250", "0"),
            4: ("0.22", "245", "255", "-0.01"),
            5: ("0.13", "300", "295", "-0.02"),
            6: ("0.26", "295", "300", "0.01"),
            7: ("0.02", "215", "200", "0.02"),
            8: ("0.15", "250", "250", "0"),
        }),
        interchange=[(1, 250, 3), (6, 295, 5), (5, 300, 6)],
        purchase=[("12892-45000-255", 255, 1), ("12892-45000-255", 255, 4), ("", 200, 7)],
        lang="rus",
    ),
    # English, Honda 9.48 mm (quarter steps; parts 14901-MBB-000 ... 14951 up to 245, then
    # 14952-MEB-670 ... from 248), one cylinder, defaults 0.20 / 0.15 and 3 / 3, out-of-tolerance
    # only, all shims new. Valve 5 (second cylinder) is set out of tolerance before the count goes
    # down to one and must not be listed.
    #   valve  clear. installed    dev.   required t.    required     after
    #   1      0.30   248 (2.475)   0.1   2.575 .75      258 (k 56)   0
    #   2      0.24   245           0.04  2.49  .90      250 (k 53)   2.45-2.5+0.04 = -0.01
    #   3      0.08   typed "17" -> 1.700 -> 170; -0.07; 1.63 .30  162 (k 18)  1.7-1.625-0.07 = 0.005
    #   4      0.22   240           0.07  2.47  .70      248 (k 52)   2.4-2.475+0.07 = -0.005
    # All new: valve 4 buys a 248 although valve 1 gives one up.
    "honda_1cyl": dict(
        cylinders=1, brand="Honda", diameter=1, mode=0, all_new=True,
        nominal=("0.20", "0.15"), tolerance=("3", "3"),
        valves=layout.fill({
            1: ("0.30", "248", "258", "0"),
            2: ("0.24", "245", "250", "-0.01"),
            3: ("0.08", "170", "162", "0.005"),
            4: ("0.22", "240", "248", "-0.005"),
        }),
        interchange=[],
        purchase=[("14956-MEB-670", 258, 1), ("14953-MEB-670", 250, 2), ("14918-MBB-000", 162, 3),
                  ("14952-MEB-670", 248, 4)],
        lang="eng",
    ),
}


def main():
    for name, job in JOBS.items():
        layout.DIAMETER = {0: "7.48", 1: "9.48", 2: THIRD_DIAMETER[job["brand"]]}
        lang = job["lang"]
        data = "".join(line + "\r\n" for line in layout.report(job, lang)).encode("cp1251")
        (HERE / f"end_to_end_{name}_{lang}.txt").write_bytes(data)


if __name__ == "__main__":
    main()
