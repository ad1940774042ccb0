# SPDX-License-Identifier: GPL-3.0-or-later
# The tests left out under Wine, each for a reason of Wine's own, not of the
# program's. Sourced by tests/windows/run.sh.
wine_excluded=(
)

# A CTest regular expression that matches none of the tests kept.
wine_exclusions() {
    local pattern='^$'
    for entry in "${wine_excluded[@]}"; do
        pattern+="|^${entry%% *}\$"
    done
    echo "$pattern"
}
