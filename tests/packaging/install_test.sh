#!/usr/bin/env bash
# Installs the build tree into a scratch root under /usr, as a distribution would, and checks the
# installed files as the desktop would read them. Usage: install_test.sh BUILD_DIR FILE_LIST VERSION
set -euo pipefail
build=$1 expected=$2 version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
id=io.github.varnwick.Varnwick

DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
diff -u "$expected" <(cd "$root" && find . -type f -printf '%P\n' | LC_ALL=C sort) ||
  { echo "install: the installed files differ from $expected"; exit 1; }

desktop-file-validate "$root/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" >/dev/null ||
  { appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml"; exit 1; }
grep -qx "<release version=\"$version\".*" <(sed 's/^ *//' "$root/usr/share/metainfo/$id.metainfo.xml") ||
  { echo "install: the metainfo does not name release $version"; exit 1; }

# Each PNG is as large as the folder it sits in says: width and height from its IHDR chunk.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }'; }
for png in "$root"/usr/share/icons/hicolor/*/apps/*.png; do
  folder=$(basename "$(dirname "$(dirname "$png")")")
  [ "$(png_size "$png")" = "$folder" ] || { echo "install: $png is $(png_size "$png"), not $folder"; exit 1; }
done

man_page=$root/usr/share/man/man1/varnwick-cli.1
grep -q '^\.TH VARNWICK-CLI "1"' "$man_page" || { echo "install: $man_page has no title line"; exit 1; }
for command in classes dump generate; do
  grep -q "^$command" "$man_page" || { echo "install: the man page does not list $command"; exit 1; }
done

[ "$("$root/usr/bin/varnwick-cli" --version)" = "varnwick-cli $version" ] ||
  { echo "install: the installed varnwick-cli does not report version $version"; exit 1; }
echo "install: $(wc -l <"$expected") files installed and valid"
