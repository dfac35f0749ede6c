#!/usr/bin/env bash
# Checks the built exe from its PE headers: 32-bit, GUI subsystem, DEP and
# ASLR on, nothing imported but the system's own DLLs, and within its size
# budget.
#   check_pe.sh OBJDUMP EXE
set -u
objdump=$1
exe=$2
max_bytes=$((24 * 1024))
passed=0
failed=0

check() {  # what expected got
    if [ "$2" = "$3" ]; then
        passed=$((passed + 1))
        echo "ok    $1: $3"
    else
        failed=$((failed + 1))
        echo "FAIL  $1: expected $2, got $3"
    fi
}

headers=$("$objdump" -p "$exe") || { echo "FAIL  objdump could not read $exe"; exit 1; }

check "format" "pei-i386" "$(sed -n 's/.*file format //p' <<<"$headers" | head -1)"
check "optional header" "010b (PE32)" "$(awk '$1 == "Magic" {print $2, $3}' <<<"$headers")"
check "subsystem" "00000002 (Windows GUI)" \
    "$(awk '$1 == "Subsystem" {print $2, $3, $4}' <<<"$headers")"
dll_flags=$(awk '$1 == "DllCharacteristics" {print $2}' <<<"$headers")
check "ASLR (dynamic base)" "yes" "$( (( 0x$dll_flags & 0x40 )) && echo yes || echo no)"
check "DEP (NX compatible)" "yes" "$( (( 0x$dll_flags & 0x100 )) && echo yes || echo no)"
check "relocations kept for ASLR" "no" \
    "$(grep -q 'Characteristics.*relocations stripped' <<<"$headers" && echo yes || echo no)"
imports=$(sed -n 's/^\s*DLL Name: //p' <<<"$headers" | tr '[:lower:]' '[:upper:]' | sort | tr '\n' ' ')
check "imported DLLs" "GDI32.DLL KERNEL32.DLL MSVCRT.DLL USER32.DLL " "$imports"
bytes=$(stat -c %s "$exe")
check "size within $max_bytes bytes" "yes" "$([ "$bytes" -le "$max_bytes" ] && echo yes || echo "no ($bytes)")"
echo "size: $bytes bytes"

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
