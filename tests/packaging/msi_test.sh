#!/usr/bin/env bash
# Installs the Windows installer quietly into the Wine prefix and checks what a user would find:
# the files in Program Files\Varnwick, varnwick-cli.exe running from there, the Start-menu shortcut
# when varnwick.exe is in the package, one entry in Apps & features. Then a package of the next
# version, built here from the same files, must replace it; the older one must be refused over it;
# and uninstalling must leave nothing behind. A build without varnwick.exe gets a stand-in (a copy
# of varnwick-cli.exe) in the newer package, so that the shortcut is checked all the same.
#
#   msi_test.sh WINE MSI VERSION HAS_DESKTOP FILES_DIR -- WIXL_COMMAND...
# FILES_DIR is the folder the package was built in; WIXL_COMMAND builds it again, given
# HasDesktop, Version and the output.
set -euo pipefail
wine=$1 msi=$2 version=$3 has_desktop=$4 files=$5
shift 5
[ "${1:-}" = -- ] && shift
: "${WINEPREFIX:?the test preset sets the Wine prefix}"
# Wine would turn the shortcut into a Linux menu entry in the user's home.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winemenubuilder.exe=d"

drive_c=$WINEPREFIX/drive_c
installed="$drive_c/Program Files/Varnwick"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
work=$(mktemp -d)

fail() { echo "msi: $*" >&2; exit 1; }
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
msiexec() { "$wine" msiexec "$@" /qn </dev/null; }

# One line per Varnwick in Apps & features: its product code and version.
varnwick_products() {
  { "$wine" reg query "$uninstall_key" /s </dev/null 2>/dev/null || true; } | tr -d '\r' | awk -F '    ' '
    function flush() { if (name == "Varnwick") print code, version }
    /^HKEY_/ { flush(); code = $0; sub(/.*\\/, "", code); name = version = "" }
    $2 == "DisplayName" { name = $4 }
    $2 == "DisplayVersion" { version = $4 }
    END { flush() }'
}
arp_value() {  # PRODUCT_CODE NAME
  { "$wine" reg query "$uninstall_key\\$1" /v "$2" </dev/null 2>/dev/null || true; } | tr -d '\r' |
    awk -F '    ' -v name="$2" '$2 == name { print $4 }'
}
# The product code as Windows Installer's own registry keys spell it.
packed_code() {
  local guid=${1//[\{\}-]/} packed i
  packed=$(rev <<<"${guid:0:8}")$(rev <<<"${guid:8:4}")$(rev <<<"${guid:12:4}")
  for ((i = 16; i < 32; i += 2)); do packed+=${guid:i+1:1}${guid:i:1}; done
  printf '%s' "$packed"
}
shortcuts() { find "$drive_c" -path '*/Start Menu/Programs/Varnwick.lnk'; }
remove_every_varnwick() {
  local code
  for code in $(varnwick_products | cut -d' ' -f1); do msiexec /x "$code" || true; done
}
trap 'remove_every_varnwick; rm -rf "$work"' EXIT

# What a run stopped half-way may have left.
remove_every_varnwick
[ -z "$(varnwick_products)" ] && [ ! -e "$installed" ] || fail "an earlier Varnwick cannot be removed"

# The installed folder holds exactly FILE..., each as packaged from FILES_DIR.
check_installed_files() {  # FILES_DIR FILE...
  local from=$1
  shift
  diff -u <(printf '%s\n' "$@" | LC_ALL=C sort) <(cd "$installed" && find . -type f -printf '%P\n' | LC_ALL=C sort) ||
    fail "Program Files\\Varnwick does not hold the packaged files"
  local file
  for file in "$@"; do
    cmp -s "$from/$file" "$installed/$file" || fail "the installed $file differs from the packaged one"
  done
}
# HAS_SHORTCUT is 1 when varnwick.exe is installed: one shortcut, to it; 0: none at all.
check_shortcut() {
  local found
  found=$(shortcuts)
  if [ "$1" = 1 ]; then
    [ "$(printf '%s' "$found" | grep -c .)" = 1 ] || fail "want one Start-menu shortcut Varnwick, found: ${found:-none}"
    grep -qaF 'C:\Program Files\Varnwick\varnwick.exe' "$found" || fail "the shortcut does not start varnwick.exe"
  else
    [ -z "$found" ] || fail "a shortcut without varnwick.exe to start: $found"
  fi
}
# Exactly one Varnwick in Apps & features, of VERSION; prints its product code.
the_one_product() {  # VERSION
  local products
  products=$(varnwick_products)
  [ "$(printf '%s' "$products" | grep -c .)" = 1 ] ||
    fail "want one Varnwick in Apps & features, found: $(printf '%s' "${products:-none}" | tr '\n' ' ')"
  [ "${products#* }" = "$1" ] || fail "Apps & features shows version ${products#* }, not $1"
  printf '%s' "${products%% *}"
}

base_files=(LICENSE README.md varnwick-cli.exe)
desktop_files=()
[ "$has_desktop" = 1 ] && desktop_files=(varnwick.exe)

echo "msi: installing $(basename "$msi")"
msiexec /i "$(windows_path "$msi")" || fail "msiexec /i failed"
check_installed_files "$files" "${base_files[@]}" "${desktop_files[@]}"
reported=$("$wine" 'C:\Program Files\Varnwick\varnwick-cli.exe' --version </dev/null | tr -d '\r')
[ "$reported" = "varnwick-cli $version" ] || fail "the installed varnwick-cli.exe says '$reported', not 'varnwick-cli $version'"
check_shortcut "$has_desktop"
first=$(the_one_product "$version")
[ "$(arp_value "$first" Publisher)" = "The Varnwick developers" ] || fail "Apps & features names no publisher"
[[ "$(arp_value "$first" HelpLink)" == https://* ]] || fail "Apps & features has no help link"
[ "$(arp_value "$first" InstallLocation)" = 'C:\Program Files\Varnwick\' ] ||
  fail "Apps & features does not say where Varnwick is installed"
[ "$(arp_value "$first" NoModify)" = 0x1 ] || fail "Apps & features offers to modify a package of one feature"
# Apps & features shows the product icon that Windows Installer registered and keeps in its cache.
icon=$({ "$wine" reg query "HKLM\\Software\\Classes\\Installer\\Products\\$(packed_code "$first")" /v ProductIcon \
          </dev/null || true; } | tr -d '\r' | awk -F '    ' '$2 == "ProductIcon" { print $4 }')
[ "${icon,,}" = "c:\\windows\\installer\\${first,,}\\varnwick.ico" ] || fail "the product icon is '$icon', not the package's"
cmp -s "$files/varnwick.ico" "$drive_c/windows/Installer/$first/varnwick.ico" || fail "the product icon is not installed"

# The next version, from the same files; varnwick.exe and its shortcut always in it.
newer=${version%.*}.$((${version##*.} + 1))
newer_msi=$work/varnwick-$newer-x64.msi
cp -r "$files" "$work/files"
[ "$has_desktop" = 1 ] || cp "$work/files/varnwick-cli.exe" "$work/files/varnwick.exe"
(cd "$work/files" && "$@" -D HasDesktop=1 -D Version="$newer" -o "$newer_msi") || fail "wixl cannot build version $newer"

echo "msi: upgrading to $newer"
msiexec /i "$(windows_path "$newer_msi")" || fail "msiexec /i of version $newer failed"
second=$(the_one_product "$newer")
[ "$second" != "$first" ] || fail "version $newer has the product code of $version"
[ ! -e "$drive_c/windows/Installer/$first" ] || fail "the replaced $version left its installer data"
check_installed_files "$work/files" "${base_files[@]}" varnwick.exe
check_shortcut 1

echo "msi: refusing $version over $newer"
if msiexec /i "$(windows_path "$msi")"; then fail "version $version went in over $newer"; fi
[ "$(the_one_product "$newer")" = "$second" ] || fail "the refused downgrade changed what is installed"
check_installed_files "$work/files" "${base_files[@]}" varnwick.exe

echo "msi: uninstalling"
msiexec /x "$(windows_path "$newer_msi")" || fail "msiexec /x failed"
[ -z "$(varnwick_products)" ] || fail "Apps & features still lists Varnwick: $(varnwick_products)"
[ ! -e "$installed" ] || fail "uninstalling left $(cd "$installed" && find . -mindepth 1 | tr '\n' ' ')in Program Files\\Varnwick"
check_shortcut 0
[ ! -e "$drive_c/windows/Installer/$second" ] || fail "uninstalling left the installer data"
echo "msi: installed, upgraded, refused a downgrade and uninstalled cleanly"
