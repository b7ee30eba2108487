#!/usr/bin/env bash
# Takes a screenshot of every screen a player meets, headless, into one folder, for looking over
# the art and the layout after a change:
#   scripts/screenshots.sh [BUILD_DIR] [OUT_DIR]     (defaults: build, screenshots)
# Opening: splash pictures, loading screen, title, profile list, character dialog, title options.
# Play: chapter intro, a location, the award pop-up, the game menu, every menu window, the ranch,
# a gathering game, a shop, the battle and the credits.
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

# A saved player with the given flag, item and animal lines: seed_raw DIR LOCATION LINES.
seed_raw() {
    mkdir -p "$1/Profiles"
    printf '<?xml version="1.0"?>\r\n<profile rev="3" time="9000" percent="0" location="%s" image="1005" pitch="1.25000000" name="Ann">\r\n  <flag name="A Letter from Grandma" value="1"/>\r\n%b</profile>\r\n' "$2" "$3" > "$1/Profiles/Ann.sav"
    printf '<?xml version="1.0"?>\r\n<options>\r\n  <profile name="Ann"/>\r\n</options>\r\n' > "$1/Mossmeadow.ini"
}
animal() {  # animal NAME PEN BOVINE BUNNY CAT WILD
    printf '  <animal name="%s" male="1" position="%s" bovine="%s" bunny="%s" cat="%s" wild="%s" age="9000.0" food="0.6" mood="0.3" health="0.8" r="220" g="180" b="150" direction="1.0" pricemod="1.0"/>\\r\\n' "$@"
}
speech='click 512 200\nwait 60\nclick 512 200\nwait 60\n'

# The ranch after its first repair, five spiggles in their pens, food and tools in the rows.
seed_raw "$work/ranch" 3 "  <flag name=\"Farm-Upgrade\" value=\"1\"/>\r\n  <flag name=\"Quest-Repair\" value=\"2\"/>\r\n  <flag name=\"The Ranch Reborn\" value=\"1\"/>\r\n  <flag name=\"Tips-Ranch\" value=\"1\"/>\r\n  <item name=\"Apple\" number=\"3\"/>\r\n  <item name=\"Grooming brush\" number=\"1\"/>\r\n$(animal Bessie 0 0.8 0 0 0)$(animal Thumper 1 0 0.8 0 0)$(animal Tom 2 0 0 0.8 0)$(animal Bramble 3 0 0.6 0 0.6)$(animal Moo 4 0.6 0.6 0 0)"
run "$work/ranch" "${splash}wait 1000\n$(click 512 352)wait 400\n${escape}wait 100\nmove 600 700\n$(shot 100 ranch)quit\n"

# The forest search at the Forest Edge, entered from the square.
seed_raw "$work/forest" 6 "  <flag name=\"OldLocation\" value=\"2\"/>\r\n"
run "$work/forest" "${splash}wait 1000\n$(click 512 352)wait 300\n$(click 300 640)wait 150\n${speech}wait 320\nmove 420 330\n$(shot 5 forest_game)quit\n"

# Malcolm's shop.
seed_raw "$work/shop" 4 "  <flag name=\"Met-Malcolm\" value=\"1\"/>\r\n  <flag name=\"Money\" value=\"50\"/>\r\n  <flag name=\"Quest-Goods\" value=\"1\"/>\r\n"
run "$work/shop" "${splash}wait 1000\n$(click 512 352)wait 300\n$(click 530 312)wait 150\n${speech}$(click 510 528)wait 60\n${speech}$(shot 120 shop)quit\n"

# The battle: a Bunny Beast sent down from the lookout.
seed_raw "$work/battle" 10 "  <flag name=\"The Ranch Reborn\" value=\"1\"/>\r\n  <flag name=\"Under the Mountain\" value=\"1\"/>\r\n  <flag name=\"The Beast of the Ravine\" value=\"1\"/>\r\n  <flag name=\"Quest-Repair\" value=\"2\"/>\r\n  <flag name=\"Quest-DwarfLord\" value=\"5\"/>\r\n  <flag name=\"Quest-Adamant\" value=\"3\"/>\r\n  <flag name=\"Misc-Animal2008\" value=\"1\"/>\r\n$(animal Bramble 0 0 0.6 0 0.6)"
run "$work/battle" "${splash}wait 1000\n$(click 512 352)wait 300\n$(click 320 640)wait 150\n${speech}wait 60\n$(click 510 623)wait 60\n${speech}$(shot 400 battle)quit\n"

# The festival night: the credits.
seed "$work/end" 15
run "$work/end" "${splash}wait 1000\n$(click 512 352)$(shot 400 credits_start)$(shot 1500 credits)quit\n"

ls "$out"
