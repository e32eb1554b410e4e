#!/usr/bin/env bash
# Packages the build tree with CPack as a .deb, then reads the package as dpkg would: its control
# fields, its files, and the unpacked varnwick-cli. Usage: deb_test.sh BUILD_DIR FILE_LIST VERSION
set -euo pipefail
build=$1 expected=$2 version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" ||
  { cat "$work/cpack.log"; exit 1; }
debs=("$work"/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "deb: expected one package in $work"; exit 1; }
deb=${debs[0]}

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = varnwick ] || { echo "deb: package name is '$(field Package)'"; exit 1; }
[ "$(field Version)" = "$version" ] || { echo "deb: version is '$(field Version)'"; exit 1; }
[ "$(field Section)" = devel ] || { echo "deb: section is '$(field Section)'"; exit 1; }
[ -n "$(field Maintainer)" ] || { echo "deb: no maintainer"; exit 1; }
[ "$(field Description | wc -l)" -gt 1 ] || { echo "deb: no long description"; exit 1; }
depends=$(field Depends)
for library in libc6 libqt6core6 libqt6widgets6 qt6-qpa-plugins; do
  grep -Eq "(^|, )$library( |,|$)" <<<"$depends" || { echo "deb: Depends lacks $library: $depends"; exit 1; }
done

dpkg-deb -x "$deb" "$work/unpacked"
diff -u "$expected" <(cd "$work/unpacked" && find . -type f -printf '%P\n' | LC_ALL=C sort) ||
  { echo "deb: the packaged files differ from $expected"; exit 1; }
[ "$("$work/unpacked/usr/bin/varnwick-cli" --version)" = "varnwick-cli $version" ] ||
  { echo "deb: the unpacked varnwick-cli does not report version $version"; exit 1; }
echo "deb: $(basename "$deb") depends on $depends"
