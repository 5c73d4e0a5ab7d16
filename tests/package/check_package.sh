#!/usr/bin/env bash
# check_package.sh CPACK BUILD_FOLDER
# Builds the Debian package, unpacks it into a scratch root and checks what a user meets: the
# files and dependencies, the menu entry and the software-centre description as Debian's
# validators read them, and the program started from the unpacked root (offscreen, with SDL's
# disk audio driver) in three places: an empty folder with a fresh home, the same with the
# settings in $XDG_CONFIG_HOME, and a portable folder holding the sounds.
set -euo pipefail
cpack=$1
build=$2
id=org.example.mizuhane

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

for tool in dpkg-deb desktop-file-validate appstreamcli iconv; do
  command -v "$tool" >/dev/null || fail "$tool is missing; tools/install-deps.sh installs it"
done

# 1. The package, built into a folder of its own.
(cd "$build" && "$cpack" -G DEB -B "$work/pkg" >"$work/cpack.log") ||
  { cat "$work/cpack.log"; fail "cpack could not build the package"; }
deb=$(echo "$work"/pkg/*.deb)
[ -f "$deb" ] || fail "no package in $work/pkg"
root=$work/root
dpkg-deb -x "$deb" "$root"
usr=$root/usr

# 2. Its files: everything the game needs, and nothing outside the game's own places.
(cd "$root" && find . -type f | sed 's|^\./||' | sort) >"$work/files"
required=(
  usr/bin/mizuhane usr/bin/mizuhane-usi usr/lib/mizuhane/libMizuhane.so
  usr/share/mizuhane/その他.wav usr/share/mizuhane/禁止.wav usr/share/mizuhane/駒打音.wav
  usr/share/mizuhane/BGM.wav usr/share/doc/mizuhane/README.md
  usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml
)
for size in 16 24 32 48 64 128 256; do
  required+=("usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for file in "${required[@]}"; do
  grep -qxF "$file" "$work/files" || fail "the package lacks $file"
done
places='^usr/(bin/mizuhane[-a-z]*|lib/mizuhane/[^/]+|share/(mizuhane|doc/mizuhane)/[^/]+'
places+="|share/applications/$id\.desktop|share/metainfo/$id\.metainfo\.xml"
places+="|share/icons/hicolor/[0-9]+x[0-9]+/apps/$id\.png)$"
if grep -vE "$places" "$work/files"; then fail "the files above lie outside the game's places"; fi

# 3. Dependencies: found from the linked libraries, plus the font.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in fonts-ipafont-mincho libqt6widgets6 libsdl2-mixer-2.0-0 libsdl2-2.0-0 libc6; do
  [[ ", $depends," == *", $package"[\ ,]* ]] || fail "Depends lacks $package"
done

# 4. The menu entry, the description and the icons.
desktop=$usr/share/applications/$id.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
grep -qxF "Exec=mizuhane" "$desktop" || fail "the menu entry does not start mizuhane"
grep -qxF "Icon=$id" "$desktop" || fail "the menu entry does not name the icon $id"
appstreamcli validate --pedantic --no-net "$usr/share/metainfo/$id.metainfo.xml" ||
  fail "appstreamcli rejects the metainfo"
# The whole tree: the metainfo's launchable, its menu entry and the icon belong together.
appstreamcli validate-tree --pedantic --no-net "$root" ||
  fail "appstreamcli finds the installed files inconsistent"
for size in 16 24 32 48 64 128 256; do
  png=$usr/share/icons/hicolor/${size}x${size}/apps/$id.png
  # Width and height are the big-endian words at bytes 16 and 20 of a PNG.
  read -r w h < <(od -An -tu1 -j16 -N8 "$png" |
    awk '{ print ($1*2^24 + $2*2^16 + $3*2^8 + $4), ($5*2^24 + $6*2^16 + $7*2^8 + $8) }')
  [ "$w x $h" = "$size x $size" ] || fail "$png is $w x $h"
done

# 5. The installed program, started three times at once.
settings() {  # the four lines of a settings file, as the game writes it
  printf '%s\r\n' "$@" | iconv -f UTF-8 -t CP932
}
start() {  # start NAME HOME START_FOLDER [VAR=VALUE...]: runs the program in the background
  local name=$1 home=$2 folder=$3
  shift 3
  mkdir -p "$home" "$folder"
  (cd "$folder" && exec env -u XDG_CONFIG_HOME HOME="$home" QT_QPA_PLATFORM=offscreen \
    SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/$name.raw" "$@" "$usr/bin/mizuhane" \
    >"$work/$name.log" 2>&1) &
  pids+=($!)
}
wait_for() {  # wait_for WHAT COMMAND...: up to a minute for the command to succeed
  local what=$1
  shift
  for _ in $(seq 600); do
    "$@" && return 0
    sleep 0.1
  done
  fail "$what"
}
music() {  # something other than silence reached the disk driver's file
  [ -s "$1" ] && [ -n "$(head -c 4000000 "$1" | tr -d '\0' | head -c 1)" ]
}

# a. A fresh home, started from an empty folder: the settings folder is made and the defaults
#    written there.
start fresh "$work/fresh/home" "$work/fresh/start"
# b. Settings in $XDG_CONFIG_HOME with the music on: it plays, so the sounds were found.
mkdir -p "$work/xdg/config/mizuhane"
settings 背景画=宇宙 移動指導=ON 経過時間=OFF BGM=ON >"$work/xdg/config/mizuhane/Mizuhane.ini"
cp "$work/xdg/config/mizuhane/Mizuhane.ini" "$work/xdg.ini"
start xdg "$work/xdg/home" "$work/xdg/start" XDG_CONFIG_HOME="$work/xdg/config"
# c. A portable folder holding the sounds: everything stays in it, as it always has.
mkdir -p "$work/portable/start"
cp "$usr"/share/mizuhane/*.wav "$work/portable/start/"
start portable "$work/portable/home" "$work/portable/start"

wait_for "the fresh start wrote no settings in ~/.config/mizuhane" \
  test -s "$work/fresh/home/.config/mizuhane/Mizuhane.ini"
wait_for "the music of the settings in \$XDG_CONFIG_HOME never played" music "$work/xdg.raw"
wait_for "the portable start wrote no settings in its folder" \
  test -s "$work/portable/start/Mizuhane.ini"
# Through the splash and into the game before looking at what was left behind.
sleep 9
for pid in "${pids[@]}"; do
  kill -0 "$pid" 2>/dev/null || fail "a program ended by itself; see $work/*.log"
done

settings 背景画=緑 移動指導=OFF 経過時間=ON BGM=ON >"$work/defaults.ini"
cmp "$work/fresh/home/.config/mizuhane/Mizuhane.ini" "$work/defaults.ini" ||
  fail "the fresh settings file does not hold the defaults"
[ -z "$(ls -A "$work/fresh/start")" ] || fail "the fresh start left files in its start folder"
[ -z "$(ls -A "$work/fresh/home" | grep -vx .config)" ] || fail "the fresh start wrote into ~"
cmp "$work/xdg/config/mizuhane/Mizuhane.ini" "$work/xdg.ini" ||
  fail "the settings in \$XDG_CONFIG_HOME changed without an option being changed"
[ -z "$(ls -A "$work/xdg/start")" ] || fail "the XDG start left files in its start folder"
[ -z "$(ls -A "$work/xdg/home")" ] || fail "the XDG start wrote into ~"
cmp "$work/portable/start/Mizuhane.ini" "$work/defaults.ini" ||
  fail "the portable folder's settings file does not hold the defaults"
[ -z "$(ls -A "$work/portable/home")" ] || fail "the portable start wrote into ~"

echo "package: $(basename "$deb"), $(wc -l <"$work/files") files; all checks passed"
