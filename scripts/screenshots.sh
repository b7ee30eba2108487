#!/usr/bin/env bash
# Takes a screenshot of every screen a player meets, headless, into one folder, for looking over
# the art and the layout after a change:
#   scripts/screenshots.sh [BUILD_DIR] [OUT_DIR]     (defaults: build, screenshots)
# Opening: splash pictures, loading screen, title, profile list, character dialog, title options.
# Play: chapter intro, a location, the award pop-up, the game menu, every menu window, the credits.
set -euo pipefail

build=${1:-build}
out=${2:-screenshots}
game="$build/mossmeadow"
[ -x "$game" ] || { echo "no game at $game: build it first (./run.sh or cmake --build $build)" >&2; exit 1; }
mkdir -p "$out"
out=$(cd "$out" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

run() {  # run USER_DIR SCRIPT_TEXT
    printf '%b' "$2" > "$work/script.txt"
    "$game" --headless --fixed-dt 1 --seed 1 --user-dir "$1" --data-dir "$build" --script "$work/script.txt" > /dev/null
}
click() { printf 'move %s %s\\nwait 5\\nclick %s %s\\n' "$1" "$2" "$1" "$2"; }
shot() { printf 'wait %s\\nscreenshot %s/%s.png\\n' "$1" "$out" "$2"; }
escape='key escape down\nwait 5\nkey escape up\n'
splash='wait 10\nclick 20 20\nwait 90\nclick 20 20\n'

# A saved player: seed DIR LOCATION, with money, quests, two statues and eighteen kinds of items.
seed() {
    mkdir -p "$1/Profiles"
    {
        printf '<?xml version="1.0"?>\r\n<profile rev="3" time="9000" percent="0" location="%s" image="1005" pitch="1.25000000" name="Ann">\r\n' "$2"
        for f in "A Letter from Grandma:1" "Misc-LetterRead:1" "Tips-Cottage:1" "Money:1234" "Quest-Repair:1" \
                 "Quest-Goods:2" "Statue-01:1" "Statue-05:1" "StatueCount:2"; do
            printf '  <flag name="%s" value="%s"/>\r\n' "${f%%:*}" "${f##*:}"
        done
        for i in "Small fish" "Big fish" "Apple" "Acorns" "Berries" "Grass" "Mushroom" "Meat" "Grooming brush" \
                 "Fine brush" "Food potion" "Compass" "Red lure" "Big lure" "Red herring" "Squid" "Grandma's letter" "Berry jam"; do
            printf '  <item name="%s" number="3"/>\r\n' "$i"
        done
        printf '</profile>\r\n'
    } > "$1/Profiles/Ann.sav"
    printf '<?xml version="1.0"?>\r\n<options>\r\n  <profile name="Ann"/>\r\n</options>\r\n' > "$1/Mossmeadow.ini"
}

# A new player: the opening up to the character dialog, then "Play" and the first chapter's intro.
run "$work/new" "$(shot 40 splash1)click 20 20\n$(shot 40 splash2)click 20 20\n$(shot 200 loading)$(shot 900 character)type Rosalind\\\\n\nwait 200\n$(click 512 352)$(shot 1000 chapter)quit\n"

# A known player on the title: the greeting, the profile list, the options window.
seed "$work/title" 2
run "$work/title" "$splash$(shot 1000 title)$(click 962 736)$(shot 120 profiles)$(click 512 416)wait 200\n$(click 512 472)$(shot 100 title_options)quit\n"

# In the square: the award for a thousand coins, then every window of the menu.
seed "$work/play" 2
run "$work/play" "${splash}wait 1000\n$(click 512 352)$(shot 300 award)${escape}$(shot 60 location)${escape}$(shot 100 menu)\
$(click 512 364)$(shot 100 options)$(click 512 504)wait 60\n$(click 24 180)$(shot 100 status)$(click 733 318)$(shot 100 statues)\
$(click 512 496)wait 60\n$(click 80 104)$(shot 100 inventory)$(click 512 560)wait 60\n$(click 46 136)$(click 640 200)$(shot 100 quests)quit\n"

# The festival night: the credits.
seed "$work/end" 15
run "$work/end" "${splash}wait 1000\n$(click 512 352)$(shot 400 credits_start)$(shot 1500 credits)quit\n"

ls "$out"
