#!/usr/bin/env bash
# Checks what only a Windows build uses, with Debian's MinGW-w64 cross tools (there is no
# Windows Qt here): the resource script must compile and carry the icon group MAINICON with its
# fifteen images and the manifest; the Windows platform files must compile and link against
# the system libraries CMake names for them.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
cxx=(x86_64-w64-mingw32-g++ -std=c++20 -Wall -Wextra -Wpedantic -Werror)

x86_64-w64-mingw32-windres "$root/resources/tamrik.rc" -O coff -o "$out/tamrik_rc.o"
listing="$(x86_64-w64-mingw32-windres -J coff -i "$out/tamrik_rc.o" -O rc)"
grep -q '^"MAINICON" 14 ' <<<"$listing" || { echo "no MAINICON icon group" >&2; exit 1; }
grep -q 'Has 15 elements' <<<"$listing" || { echo "MAINICON does not hold 15 images" >&2; exit 1; }
grep -q '^1 24 ' <<<"$listing" || { echo "no application manifest" >&2; exit 1; }

for source in platform.cpp platform_win.cpp; do
    "${cxx[@]}" -c "$root/src/platform/$source" -o "$out/${source%.cpp}.o"
done
printf '#include "platform.h"\nint main() { platform::services(); }\n' >"$out/stub.cpp"
"${cxx[@]}" -I"$root/src/platform" -mwindows "$out/stub.cpp" "$out/platform.o" \
    "$out/platform_win.o" "$out/tamrik_rc.o" -luser32 -lshell32 -o "$out/stub.exe"

echo "Windows cross build check passed: tamrik.rc (icon, manifest), platform_win.cpp"
