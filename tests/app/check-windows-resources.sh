#!/usr/bin/env bash
# Compiles the program file's Windows resources as a MinGW build of Quorvane would compile them
# (no Windows program is built), then reads the object back and checks what it holds: the icon in
# its four sizes, the version block of the final 2.0.0 release and the manifest. No cross compiler
# is needed: windres runs the host's preprocessor on the MinGW headers, with the defines of a
# 64-bit Windows target.
# Usage: check-windows-resources.sh <configured quorvane.rc>
set -euo pipefail
# The tools' messages and listings are read as text: untranslated.
export LC_ALL=C

if (($# != 1)); then
  echo "usage: $0 <configured quorvane.rc>" >&2
  exit 2
fi
script=$1
folder="$(mktemp -d)"
trap 'rm -rf "$folder"' EXIT

windres=x86_64-w64-mingw32-windres
objdump=x86_64-w64-mingw32-objdump
headers=/usr/x86_64-w64-mingw32/include
for tool in "$windres" "$objdump"; do
  if ! command -v "$tool" >/dev/null; then
    echo "$tool not found: scripts/install-packages.sh test installs binutils-mingw-w64-x86-64" >&2
    exit 1
  fi
done
if [[ ! -f "$headers/windows.h" ]]; then
  echo "$headers/windows.h not found: scripts/install-packages.sh test installs" \
       "mingw-w64-x86-64-dev" >&2
  exit 1
fi

object="$folder/quorvane-resources.o"
# A MinGW build embeds the manifest through the script; MSVC's linker would merge it instead.
"$windres" --preprocessor=cpp --preprocessor-arg=-nostdinc "--preprocessor-arg=-isystem$headers" \
           --preprocessor-arg=-D_WIN32 --preprocessor-arg=-D_WIN64 \
           --preprocessor-arg=-D__x86_64__ --preprocessor-arg=-DRC_INVOKED \
           -U__linux__ -U__unix__ -Ulinux -Uunix -DQUORVANE_EMBED_MANIFEST \
           -i "$script" -o "$object"

# The resources as a script again, each line without its indentation.
listing="$("$windres" -i "$object" -O rc | sed 's/^[[:space:]]*//; s/[[:space:]]*$//')"

failures=0
# One check: passes when the command after its description succeeds.
check() {
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else
    echo "FAIL: $what"
    failures=$((failures + 1))
  fi
}
expect_line() { check "a line '$1'" grep -Fxq -- "$1" <<<"$listing"; }

format="$("$objdump" -f "$object" | sed -n 's/.*file format //p')"
check "a COFF object for x86-64 Windows (format '$format')" test "$format" = pe-x86-64

# The icon group: one line for each directory entry, with the PNG image it points to. windres
# lists an image's bytes as little-endian 32-bit words, so a PNG's width and height, big-endian
# in its IHDR chunk, are the fifth and sixth words with their bytes reversed.
icons="$(awk '
  function hex(word,   value, i) {
    value = 0
    for (i = 3; i <= length(word); ++i)
      value = value * 16 + index("0123456789abcdef", tolower(substr(word, i, 1))) - 1
    return value
  }
  function reversed(word,   value, result, i) {
    value = hex(word)
    result = 0
    for (i = 0; i < 4; ++i) {
      result = result * 256 + value % 256
      value = int(value / 256)
    }
    return result
  }
  function octal(text,   value, i) {
    value = 0
    for (i = 1; i <= length(text); ++i) value = value * 8 + substr(text, i, 1)
    return value
  }
  /RT_ICON \*\/$/ { image = $1; first = 1; next }
  first && /^0x/ {
    gsub(/[L,]/, "")
    if ($1 == "0x474e5089" && $4 == "0x52444849")
      picture[image] = "PNG " reversed($5) "x" reversed($6)
    else
      picture[image] = "not a PNG"
    first = 0
  }
  /Element no/ {
    # "\020\020\000\000", 1, 32, 0x2e2L, 1,  /* Element no 1.  */
    split($0, field, /[",]+/)
    width = octal(substr(field[2], 2, 3))
    height = octal(substr(field[2], 6, 3))
    if (width == 0) width = 256
    if (height == 0) height = 256
    image = field[6] + 0
    print width "x" height ", " field[4] + 0 " bits: image " image ", " picture[image]
  }
' <<<"$listing")"
expected_icons="16x16, 32 bits: image 1, PNG 16x16
32x32, 32 bits: image 2, PNG 32x32
48x48, 32 bits: image 3, PNG 48x48
256x256, 32 bits: image 4, PNG 256x256"
check "the icon group holds 16, 32, 48 and 256 px ($(paste -sd ';' <<<"$icons"))" \
      test "$icons" = "$expected_icons"

# The version block of a final release: no pre-release, debug, patched or private build flag.
expect_line "FILEVERSION 2, 0, 0, 0"
expect_line "PRODUCTVERSION 2, 0, 0, 0"
flags="$(sed -n 's/^FILEFLAGS //p' <<<"$listing")"
check "no file flags (FILEFLAGS '$flags')" test "${flags:-0}" = 0 -o "$flags" = 0x0
expect_line "FILEOS 0x40004"
expect_line "FILETYPE 0x1"
expect_line 'VALUE "FileDescription", "Quorvane"'
expect_line 'VALUE "FileVersion", "2.0.0.0"'
expect_line 'VALUE "InternalName", "Quorvane"'
expect_line 'VALUE "LegalCopyright", "Copyright (c) 2002-2020 the Quorvane team. All rights reserved."'
expect_line 'VALUE "ProductName", "Quorvane"'
expect_line 'VALUE "ProductVersion", "2.0"'
expect_line 'VALUE "Release", "Final"'
expect_line 'VALUE "Translation", 0x409, 1200'

# The manifest, resource 1 of type 24 (the one Windows reads when it starts the program), as the
# XML text it was: each line a quoted string with its quotes doubled.
expect_line "1 24 /* RT_MANIFEST */"
manifest="$(sed -n '/^1 24 \/\* RT_MANIFEST \*\/$/,/^END$/p' <<<"$listing" |
            sed -n 's/^"\(.*\)\\n"$/\1/p' | sed 's/""/"/g')"
expect_manifest() { check "the manifest holds $1" grep -Fq -- "$1" <<<"$manifest"; }
expect_manifest '<requestedExecutionLevel level="asInvoker" uiAccess="false"/>'
expect_manifest 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"'
expect_manifest '<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">True/pm</dpiAware>'
expect_manifest '<dpiAwareness xmlns="http://schemas.microsoft.com/SMI/2016/WindowsSettings">permonitorv2,permonitor</dpiAwareness>'

if ((failures > 0)); then
  echo "$failures check(s) of the Windows resources failed"
  exit 1
fi
echo "The Windows resources compile and hold what the program file needs"
