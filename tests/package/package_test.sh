#!/usr/bin/env bash
# Makes the .deb from a build folder with CPack, unpacks it into a temporary root as dpkg would
# install it (dpkg-deb -x), and checks what it holds, what it depends on, that the launcher
# entry, MIME type and icon name each other, and that the installed command line runs.
# Usage: package_test.sh BUILD_DIR. Exit 77 (skipped) when the Debian tools are missing.
set -uo pipefail
build="$1"

for tool in cpack dpkg-deb update-mime-database; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is not installed (apt-get install dpkg shared-mime-info cmake)"
    exit 77
  fi
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

# Packaged in a folder of its own, so a cpack run in the build folder at the same time is not
# disturbed, and a package left there from an older build is never the one checked.
if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  echo "FAILED: cpack"
  exit 1
fi
debs=("$work"/out/*.deb)
if [ "${#debs[@]}" -ne 1 ] || [ ! -f "${debs[0]}" ]; then
  echo "FAILED: cpack made ${#debs[@]} packages: ${debs[*]}"
  exit 1
fi
deb="${debs[0]}"
root="$work/root"
dpkg-deb -x "$deb" "$root"
field() { dpkg-deb -f "$deb" "$1"; }

# Exactly these files, no tests, no tirnel-render, nothing outside /usr.
icon_sizes="16 24 32 48 64 128 256"
expected="$( (printf '%s\n' \
  ./usr/bin/tirnel \
  ./usr/bin/tirnel-cli \
  ./usr/share/applications/tirnel.desktop \
  ./usr/share/icons/hicolor/scalable/apps/tirnel.svg \
  ./usr/share/mime/packages/tirnel.xml
  for size in $icon_sizes; do echo "./usr/share/icons/hicolor/${size}x${size}/apps/tirnel.png"; done) \
  | LC_ALL=C sort)"
actual="$(cd "$root" && find . ! -type d | LC_ALL=C sort)"
if [ "$actual" != "$expected" ]; then
  fail "the package's files differ (- expected, + packaged):"
  diff <(echo "$expected") <(echo "$actual") | grep '^[<>]' | sed 's/^</-/; s/^>/+/'
fi
for program in tirnel tirnel-cli; do
  [ -x "$root/usr/bin/$program" ] || fail "usr/bin/$program is not executable"
done
# Everything in the archive belongs to root and is world-readable, as dpkg installs it.
if dpkg-deb -c "$deb" | awk '$2 != "root/root" || substr($1, 8, 1) != "r"' | grep .; then
  fail "files above are not root/root and world-readable"
fi

# Control file: the name, the project's version, and a dependency on each runtime piece.
[ "$(field Package)" = tirnel ] || fail "Package is '$(field Package)'"
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:[^=]*=//p' "$build/CMakeCache.txt")"
[ -n "$version" ] && [ "$(field Version)" = "$version" ] \
  || fail "Version is '$(field Version)', the project's is '$version'"
depends="$(field Depends)"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 'libssl3(t64)?' fonts-arphic-uming; do
  grep -Eq "(^|, )($needed)( |,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

# The launcher entry passes the file, names the icon that is installed and the MIME type that
# is declared; the type's glob matches descriptors in any letter case.
desktop="$root/usr/share/applications/tirnel.desktop"
entry() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(entry Exec)" = "tirnel %f" ] || fail "Exec is '$(entry Exec)'"
if command -v desktop-file-validate >/dev/null; then   # from desktop-file-utils, when there
  desktop-file-validate "$desktop" || fail "desktop-file-validate rejects tirnel.desktop"
fi
icon="$(entry Icon)"
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no icon named '$icon'"
mimexml="$root/usr/share/mime/packages/tirnel.xml"
mimetype="$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$mimexml")"
[ -n "$mimetype" ] || fail "tirnel.xml declares no MIME type"
grep -qx "MimeType=$mimetype;" "$desktop" || fail "the entry's MimeType is not '$mimetype;'"
# The database update as the shared-mime-info trigger runs it: it must accept the file, and
# its glob list (weight:type:glob[:flags]) must hold *.hpe without the case-sensitive flag.
cp -r "$root/usr/share/mime" "$work/mime"
# (It notes that a folder outside the search path may go unseen: that is no complaint.)
if update-mime-database "$work/mime" >"$work/mime.log" 2>&1 \
    && ! grep -Eiq 'error|warning|invalid|unknown|ignor' "$work/mime.log"; then
  globs="$(grep ":$mimetype:" "$work/mime/globs2")"
  grep -Eq "^[0-9]+:$mimetype:\*\.hpe$" <<<"$globs" && ! grep -q ':cs' <<<"$globs" \
    || fail "MIME globs are '$globs'"
else
  cat "$work/mime.log"
  fail "update-mime-database did not take tirnel.xml"
fi
# The icon is SVG, the format the hicolor theme's scalable folder holds, and a PNG of each size
# in the folder of that size (the width and height of its IHDR chunk).
grep -q '<svg[ >]' "$root/usr/share/icons/hicolor/scalable/apps/tirnel.svg" || fail "icon is not SVG"
for size in $icon_sizes; do
  png="$root/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png"
  [ -f "$png" ] || { fail "no ${size}x${size} icon named '$icon'"; continue; }
  header="$(od -An -tx1 -N24 "$png" | tr -d ' \n')"
  [ "${header:0:32}" = 89504e470d0a1a0a0000000d49484452 ] || fail "${size}x${size} icon is not PNG"
  [ "$((16#${header:32:8}))x$((16#${header:40:8}))" = "${size}x${size}" ] \
    || fail "${size}x${size} icon is $((16#${header:32:8}))x$((16#${header:40:8}))"
done

# The installed programs start from the unpacked root (libraries resolved, not stripped to
# death): the command line reports the package's version.
reported="$("$root/usr/bin/tirnel-cli" --version 2>&1)"
status=$?
[ "$status" -eq 0 ] || fail "tirnel-cli --version exits $status: $reported"
grep -qF "$(field Version)" <<<"$reported" || fail "tirnel-cli --version says '$reported'"
"$root/usr/bin/tirnel-cli" --help >/dev/null 2>&1 || fail "tirnel-cli --help fails"
# So does the window program, which answers --version without a display.
reported="$(env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/tirnel" --version 2>&1)"
status=$?
[ "$status" -eq 0 ] || fail "tirnel --version exits $status: $reported"
[ "$reported" = "tirnel $(field Version | sed 's/-.*//')" ] || fail "tirnel --version says '$reported'"

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed; the package's control file:"
  dpkg-deb -f "$deb"
  exit 1
fi
echo "OK: $(basename "$deb"), $(echo "$actual" | wc -l) files"
