# SPDX-License-Identifier: GPL-3.0-or-later
# Summarises the benchmark's figures: reads lines "name value unit" (one per
# run and figure) and prints each figure's median, minimum and maximum, with
# its target when `targets` (lines "name <=|>= limit") names one. Exits with
# 1 when a median misses its target.
BEGIN {
    n = split(targets, lines, "\n")
    for (i = 1; i <= n; ++i) {
        split(lines[i], t, " ")
        cmp[t[1]] = t[2]; limit[t[1]] = t[3]
    }
}
NF == 3 {
    if (!($1 in count)) order[++names] = $1
    values[$1, ++count[$1]] = $2; unit[$1] = $3
}
END {
    missed = 0
    printf "%-24s %10s %10s %10s  %-14s %s\n", "figure", "median", "min", "max", "unit", "target"
    for (i = 1; i <= names; ++i) {
        name = order[i]; c = count[name]
        for (j = 1; j <= c; ++j) v[j] = values[name, j]
        for (j = 2; j <= c; ++j)
            for (k = j; k > 1 && v[k - 1] > v[k]; --k) { s = v[k]; v[k] = v[k - 1]; v[k - 1] = s }
        median = c % 2 ? v[(c + 1) / 2] : (v[c / 2] + v[c / 2 + 1]) / 2
        verdict = ""
        if (name in cmp) {
            ok = cmp[name] == "<=" ? median <= limit[name] : median >= limit[name]
            verdict = cmp[name] " " limit[name] (ok ? "  met" : "  MISSED")
            if (!ok) missed = 1
        }
        printf "%-24s %10.3f %10.3f %10.3f  %-14s %s\n", name, median, v[1], v[c], unit[name], verdict
    }
    exit missed
}
