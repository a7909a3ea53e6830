#!/usr/bin/env python3
"""Writes the expected report files (report_*cyl_*.txt) for report_text_test.

Kept apart from the C++ composition on purpose: every line below is spelled out again from the
report's layout, so a slip in one is caught by the other. The job data must match the jobs in
report_text_test.cpp. Run from this directory: python3 make_report_goldens.py
"""

from decimal import Decimal

DATE = "07-12-2026"
TIME = "14:05:09"


# ---- number texts ---------------------------------------------------------------------------

def shortest(value: Decimal) -> str:
    """Shortest decimal text: no exponent, no trailing zeros, '0' for zero."""
    if value == 0:
        return "0"
    text = format(value.normalize(), "f")
    if "." in text:
        text = text.rstrip("0").rstrip(".")
    return text


def two_decimal(s: str) -> str:
    n = len(s)
    if n == 1:
        return " " + s + ".00"
    if n == 2:
        return s + ".00"
    if n == 3:
        return " " + s + "0"
    if n == 4:
        return " " + s
    if n == 5:
        return s
    return ""


def three_decimal(s: str) -> str:
    n = len(s)
    if n == 1:
        return " " + s + ".000"
    if n == 2:
        return s + ".000"
    if n == 3:
        return " " + s + "00"
    if n == 4:
        return s + "00" if s.startswith("-") else " " + s + "0"
    if n == 5:
        return s + "0" if s.startswith("-") else " " + s
    if n == 6:
        return s
    return ""


def pad20(s: str) -> str:
    return s + " " * (20 - len(s)) if len(s) < 20 else s


def thickness(brand: str, number: int) -> Decimal:
    base = Decimal(number) / 100
    if brand == "Suzuki":
        return base
    last = abs(number) % 10
    if last == 2:
        return base + Decimal("0.005")
    if last == 8:
        return base - Decimal("0.005")
    return base


# ---- valve names ----------------------------------------------------------------------------

def designation(valve: int, lang: str) -> str:
    cylinder = (valve - 1) // 4 + 1
    exhaust = valve % 4 in (1, 2)
    index = "I" if valve % 2 == 1 else "II"
    if lang == "eng":
        return f"Cylinder {cylinder}" + (" ex. " if exhaust else " in. ") + index
    return f"Цилиндр {cylinder}" + (" вып. " if exhaust else " вп.  ") + index


# ---- jobs -----------------------------------------------------------------------------------
# valves: number -> (clearance text, installed label, required label, after-replacement label)
# Valves a table does not show carry "9.99" / "999" so that a leak into the report shows up.

FILLER = ("9.99", "999", "999", "9.999")


def fill(valves):
    return {n: valves.get(n, FILLER) for n in range(1, 17)}


JOBS = {
    # Honda 7.48 mm, four cylinders, out-of-tolerance valves only, removed shims reused:
    # both an interchange list and a purchase list.
    "4cyl": dict(
        cylinders=4, brand="Honda", diameter=0, mode=0, all_new=False,
        nominal=("0.20", "0.15"), tolerance=("3", "3"),
        valves=fill({
            1: ("0.27", "122", "130", "-0.005"),
            2: ("0.20", "120", "120", "0"),
            3: ("0.05", "130", "120", "0"),
            4: ("0.10", "125", "120", "0"),
            5: ("0.30", "120", "130", "0"),
            6: ("0.18", "130", "128", "0.005"),
            7: ("0.25", "195", "205", "0"),
            8: ("0.15", "150", "150", "0"),
            9: ("0.10", "135", "125", "0"),
            10: ("0.33", "200", "212", "0.005"),
            11: ("0.04", "210", "200", "-0.01"),
            12: ("0.16", "140", "140", "0.01"),
            13: ("0.28", "120", "128", "0.005"),
            14: ("0.21", "220", "220", "0.01"),
            15: ("0.22", "125", "132", "-0.005"),
            16: ("0.15", "160", "160", "0"),
        }),
        interchange=[(3, 130, 1), (5, 120, 3), (13, 120, 4), (4, 125, 9), (10, 200, 11)],
        purchase=[("14905-KT7-013", 130, 5), ("14935-KT7-013", 205, 7), ("14938-KT7-013", 212, 10),
                  ("14904-KT7-013", 128, 13), ("14906-KT7-013", 132, 15)],
    ),
    # Yamaha 7.48 mm, two cylinders, full selection, all shims new: purchase list only, one shim
    # (245, beyond the catalogue) without a part number.
    "2cyl": dict(
        cylinders=2, brand="Yamaha", diameter=0, mode=1, all_new=True,
        nominal=("0.25", "0.15"), tolerance=("5", "2"),
        valves=fill({
            1: ("0.25", "122", "125", "-0.025"),
            2: ("0.30", "170", "175", "0"),
            3: ("0.22", "150", "155", "0.02"),
            4: ("0.15", "128", "130", "-0.025"),
            5: ("0.45", "220", "240", "0"),
            6: ("0.32", "240", "245", "0.02"),
            7: ("0.15", "200", "200", "0"),
            8: ("0.10", "165", "160", "0"),
        }),
        interchange=[],
        purchase=[("1HX-12168-20-00", 125, 1), ("1HX-12168-U1-00", 175, 2), ("1HX-12168-H1-00", 155, 3),
                  ("1HX-12168-40-00", 130, 4), ("1HX-12169-T0-00", 240, 5), ("", 245, 6),
                  ("1HX-12168-K1-00", 160, 8)],
    ),
    # Kawasaki 9.48 mm, one cylinder: two valves swap their shims, nothing to buy.
    "1cyl": dict(
        cylinders=1, brand="Kawasaki", diameter=1, mode=0, all_new=False,
        nominal=("0.20", "0.15"), tolerance=("3", "3"),
        valves=fill({
            1: ("0.27", "250", "258", "-0.005"),
            2: ("0.12", "258", "250", "-0.005"),
            3: ("0.15", "245", "245", "0"),
            4: ("0.16", "230", "230", "0.01"),
        }),
        interchange=[(2, 258, 1), (1, 250, 2)],
        purchase=[],
    ),
}

# ---- fixed texts ----------------------------------------------------------------------------

BRANDS = ["Honda", "Yamaha", "Kawasaki", "Suzuki"]

STEPS_ENG = {
    ("Honda", 0): "Shims with 0.025mm step, from 1.2mm to 2.9mm",
    ("Yamaha", 0): "Shims with 0.05mm step, from 1.2mm to 2.4mm",
    ("Kawasaki", 1): "Shims with 0.05mm step, from 2.0mm to 3.0mm in the middle of diapasone step is 0.025mm ",
}
STEPS_RUS = {
    ("Honda", 0): "Шайбы с шагом 0.025мм в дипазоне от 1.2мм до 2.9мм",
    ("Yamaha", 0): "Шайбы с шагом 0.05мм в дипазоне от 1.2мм до 2.4мм",
    ("Kawasaki", 1): "Шайбы с шагом 0.05мм в дипазоне от 2.0мм до 3.0мм в середине диапазона есть номиналы с шагом 0.025мм ",
}
DIAMETER = {0: "7.48", 1: "9.48"}

EXHAUST = [1, 2, 5, 6, 9, 10, 13, 14]
INTAKE = [3, 4, 7, 8, 11, 12, 15, 16]

G_CLEAR = [4, 6, 4, 5, 4, 5, 4]
G_SHIM = [5, 7, 5, 6, 5, 6, 5]
G_DEV = [3, 5, 3, 4, 3, 4, 3]
G_AFTER = [2, 4, 2, 3, 2, 3, 2]


def row(label, values, gaps):
    out = label + values[0]
    for i, v in enumerate(values[1:]):
        out += " " * gaps[i] + v
    return out


def before_headings(lang, cyl):
    if lang == "eng":
        if cyl == 4:
            return ("                       Table of clearances and shim numbers before correction", 81,
                    "                 Cylinder 1        Cylinder 2       Cylinder3        Cylinder 4",
                    "Exhaust          I       II        I       II       I       II       I       II",
                    "Intake           I       II        I       II       I       II       I       II")
        if cyl == 2:
            return ("Table of clearances and shim numbers before correction", 49,
                    " " * 17 + "Cylinder 1" + " " * 8 + "Cylinder 2" + " " * 4,
                    "Exhaust" + " " * 10 + "I" + " " * 7 + "II" + " " * 8 + "I" + " " * 7 + "II" + " " * 4,
                    "Intake" + " " * 11 + "I" + " " * 7 + "II" + " " * 8 + "I" + " " * 7 + "II" + " " * 4)
        return ("Table of clearances and shim numbers before correction", 49, " " * 23,
                "Exhaust" + " " * 10 + "I" + " " * 7 + "II" + " " * 5,
                "Intake" + " " * 11 + "I" + " " * 7 + "II" + " " * 5)
    if cyl == 4:
        return ("                       Таблица зазоров и номеров шайб перед регулировкой", 81,
                "                 Цилиндр 1         Цилиндр 2        Цилиндр 3        Цилиндр 4",
                "Выпуск           I       II        I       II       I       II       I       II",
                "Впуск            I       II        I       II       I       II       I       II")
    if cyl == 2:
        return ("Таблица зазоров и номеров шайб перед регулировкой", 49,
                " " * 17 + "Цилиндр 1" + " " * 9 + "Цилиндр 2" + " " * 5,
                "Выпуск" + " " * 11 + "I" + " " * 7 + "II" + " " * 8 + "I" + " " * 7 + "II" + " " * 4,
                "Впуск" + " " * 12 + "I" + " " * 7 + "II" + " " * 8 + "I" + " " * 7 + "II" + " " * 4)
    return ("Таблица зазоров и номеров шайб перед регулировкой", 49, " " * 23,
            "Выпуск" + " " * 11 + "I" + " " * 7 + "II" + " " * 5,
            "Впуск" + " " * 12 + "I" + " " * 7 + "II" + " " * 5)


def after_headings(lang, cyl):
    if lang == "eng":
        if cyl == 4:
            return (" " * 19 + "Table of clearances and shim numbers after correction ", 84,
                    "                    Cylinder 1       Celinder 2       Cylinder 3       Cylinder 4",
                    "Exhaust             I       II        I       II       I       II       I       II",
                    "Intake              I       II        I       II       I       II       I       II")
        if cyl == 2:
            return ("Table of clearances and shim numbers after correction", 52,
                    " " * 20 + "Cylinder 1" + " " * 8 + "Cylinder 2" + " " * 7,
                    "Exhaust" + " " * 13 + "I" + " " * 7 + "II" + " " * 8 + "I" + " " * 7 + "II",
                    "Intake" + " " * 14 + "I" + " " * 7 + "II" + " " * 8 + "I" + " " * 7 + "II")
        return ("Table of clearances and shim numbers after correction", 49, " " * 30,
                "Exhaust" + " " * 13 + "I" + " " * 7 + "II" + " " * 3,
                "Intake" + " " * 14 + "I" + " " * 7 + "II" + " " * 9)
    if cyl == 4:
        return (" " * 19 + "Таблица зазоров и номеров шайб после регулировки ", 84,
                "                    Цилиндр 1         Цилиндр 2        Цилиндр 3        Цилиндр 4",
                "Выпуск              I       II        I       II       I       II       I       II",
                "Впуск               I       II        I       II       I       II       I       II")
    if cyl == 2:
        return ("   Таблица зазоров и номеров шайб после регулировки ", 52,
                " " * 20 + "Цилиндр 1" + " " * 9 + "Цилиндр 2" + " " * 8,
                "Выпуск" + " " * 14 + "I" + " " * 7 + "II" + " " * 8 + "I" + " " * 7 + "II",
                "Впуск" + " " * 15 + "I" + " " * 7 + "II" + " " * 8 + "I" + " " * 7 + "II")
    return ("Таблица зазоров и номеров шайб после регулировки ", 49, " " * 30,
            "Выпуск" + " " * 14 + "I" + " " * 7 + "II" + " " * 3,
            "Впуск" + " " * 15 + "I" + " " * 7 + "II" + " " * 9)


def report(job, lang):
    eng = lang == "eng"
    cyl = job["cylinders"]
    cols = {1: 2, 2: 4, 4: 8}[cyl]
    ex = EXHAUST[:cols]
    inn = INTAKE[:cols]
    v = job["valves"]
    nom_ex, nom_in = job["nominal"]
    tol_ex, tol_in = job["tolerance"]
    L = []

    # header and settings
    if eng:
        L += [" " * 21 + "Report file of Kelvane utilite ", "", "Date: " + DATE, "Time: " + TIME, "",
              "Normal clearance for exhaust valves:" + nom_ex + " ±0.0" + tol_ex,
              "Normal clearance for intake valves :" + nom_in + " ±0.0" + tol_in, ""]
        L += ["Brand: " + job["brand"], STEPS_ENG[(job["brand"], job["diameter"])],
              "Shim diameter is " + DIAMETER[job["diameter"]] + "mm", ""]
        L += [f"{cyl} Cyl. engine.", "", "Shim selection mode:"]
        L += ["Shim selection only for those valves, where clearances are beyond limits." if job["mode"] == 0
              else "Shims will be selected everywhere it is possible, even if valve clearance is in acceptable range."]
        L += ["", ""]
        L += ["All shims for corrections will be new, removed will not be used."] if job["all_new"] else \
             ["Removed shims will be placed, where they fit best."]
        L += ["", ""]
    else:
        L += [" " * 21 + "Файл отчета работы программы Kelvane ", "", "Дата: " + DATE, "Время: " + TIME, "",
              "Нормальный зазор на выпуск:" + nom_ex + " ±0.0" + tol_ex,
              "Нормальный зазор на  впуск:" + nom_in + " ±0.0" + tol_in, ""]
        L += ["Фирма изготовитель двигателя: " + job["brand"], STEPS_RUS[(job["brand"], job["diameter"])],
              "Диаметр шайб " + DIAMETER[job["diameter"]] + "мм", ""]
        L += [{1: "Двигатель одноцилиндровый.", 2: "Двигатель двухцилиндровый.",
               4: "Двигатель четырехцилиндровый."}[cyl], "", "Режим подбора шайб:"]
        L += ["Будут подобраны шайбы только в тех клапанах где зазоры не укладываются в допуски." if job["mode"] == 0
              else "Будут подобраны шайбы где это возможно даже если зазоры укладываются в нормы."]
        L += ["", ""]
        L += ["Все шайбы будут устанавливаться новыми, установка старых на другие места исключена."] if job["all_new"] \
            else ["Снятые шайбы по возможности будут установлены туда,",
                  "куда они подойдут, для уменьшения кол-ва закупки новых."]
        L += ["", ""]

    # table before correction
    title, rule, cyl_head, ex_head, in_head = before_headings(lang, cyl)
    if eng:
        ex_clear = "    Clearance: " if cyl == 4 else "    Clearance:  "
        in_clear = "    Clearance:  "
        shim = "         Shim:  "
        ex_dev = "Deviation  mm: "
        in_dev = "Deviationе mm: " if cyl == 2 else "Deviation  mm: "
    else:
        ex_clear = in_clear = "        Зазор:  "
        shim = "        Шайба:  "
        ex_dev = in_dev = "Отклонение мм: "

    def dev(n, nominal):
        return two_decimal(shortest(Decimal(v[n][0]) - Decimal(nominal)))

    L += [title, "_" * rule, cyl_head, ex_head,
          row(ex_clear, [v[n][0] for n in ex], G_CLEAR),
          row(shim, [v[n][1] for n in ex], G_SHIM),
          row(ex_dev, [dev(n, nom_ex) for n in ex], G_DEV),
          "", in_head,
          row(in_clear, [v[n][0] for n in inn], G_CLEAR) + (" " * 5 if cyl == 2 else ""),
          row(shim, [v[n][1] for n in inn], G_SHIM),
          row(in_dev, [dev(n, nom_in) for n in inn], G_DEV),
          ""]
    L += ["", ""]

    # table after correction
    title, rule, cyl_head, ex_head, in_head = after_headings(lang, cyl)
    install = "Install new shim:  " if eng else "Установить шайбу:  "
    after = "  Deviation  mm*: " if eng else "  Отклонение мм*: "
    L += [title, "_" * rule, cyl_head, ex_head,
          row(install, [v[n][2] for n in ex], G_SHIM),
          row(after, [three_decimal(v[n][3]) for n in ex], G_AFTER),
          "", in_head,
          row(install, [v[n][2] for n in inn], G_SHIM),
          row(after, [three_decimal(v[n][3]) for n in inn], G_AFTER),
          "", "* Values theoretically calculated" if eng else "* Значения отклонений расчетные"]
    L += ["", "", ""]

    def list_line(first, number, dest):
        return (pad20(first) + " " * 5 + pad20(str(number)) + three_decimal(shortest(thickness(job["brand"], number)))
                + " " * 7 + pad20(designation(dest, lang)))

    if not job["all_new"] and job["interchange"]:
        L += ["List of possible interchange with old shims" if eng else "Список возможных замен снятыми шайбами",
              "_" * 76,
              "Where from             Shim number          Thickness      Where to install" if eng else
              "Откуда снимать         Номер шайбы          Толщина        Куда ставить", ""]
        L += [list_line(designation(src, lang), number, dest) for src, number, dest in job["interchange"]]
        L += ["", ""]
    L += ["", ""]
    if job["purchase"]:
        L += ["List of new shims to buy" if eng else "Список новых шайб на заказ", "_" * 77,
              "Part number            Shim number          Thickness     Where to install" if eng else
              "Part number            Номер шайбы          Толщина       Куда ставить", ""]
        L += [list_line(part, number, dest) for part, number, dest in job["purchase"]]
        L += ["", ""]
    else:
        L += ["You don't need to buy new shims, there is OK with clearances",
              "or internal interchanges between valves correct all deviations."] if eng else \
             ["Шайбы покупать не нужно, либо все в пределах нормы,", "либо достаточно внутренних перестановок"]
    return L


def main():
    for name, job in JOBS.items():
        for lang in ("eng", "rus"):
            data = "".join(line + "\r\n" for line in report(job, lang)).encode("cp1251")
            with open(f"report_{name}_{lang}.txt", "wb") as f:
                f.write(data)


if __name__ == "__main__":
    main()
