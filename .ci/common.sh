# What the steps of continuous integration share; each step sources it.
# They run from the top of the source tree, and leave their files in
# $CI_TMP, which .ci/run removes at the end.
set -euo pipefail
cd "$(dirname "$0")/.."
sudo=$([ "$(id -u)" -eq 0 ] || echo sudo)
: "${CI_TMP:?run the steps through .ci/run}"
step=${0##*/}

# Names what passed, for the last line of the log.
passed() { printf '%s\n' "$@" >>"$CI_TMP/passed-$step"; }

# Checks that the program is hardened: a position-independent executable,
# bound at start-up, with read-only relocations.
hardened() {
	local elf
	elf=$(readelf -lhd "$1")
	grep -q 'Type: *DYN (Position-Independent Executable file)' <<<"$elf" &&
		grep -q '(FLAGS) *BIND_NOW' <<<"$elf" &&
		grep -q GNU_RELRO <<<"$elf" ||
		{ echo "$1: not hardened" >&2; return 1; }
}
# Whether the program is linked dynamically, loaded by an interpreter.
dynamic() { grep -q 'program interpreter' <<<"$(readelf -l "$1")"; }

# The programs that every build and package holds.
programs=(cutsub rotcheck rotcheck_trace)

# Checks that each program in the folder is hardened, and linked as the
# second argument says: static or dynamic.
pies() {
	local prog linked
	for prog in "${programs[@]}"; do
		hardened "$1/$prog"
		linked=$(dynamic "$1/$prog" && echo dynamic || echo static)
		[ "$linked" = "$2" ] || { echo "$1/$prog: $linked" >&2; return 1; }
	done
}

# Any finding fails: the configuration makes every warning an error.  The
# counts of system headers' warnings, all suppressed, are left out.
tidy() {
	run-clang-tidy -quiet "$@" 2>&1 | sed '/^[0-9]* warnings\? generated\.$/d'
}

# Runs a command with its output kept back in $log, shown only if it
# fails.
log=$CI_TMP/log-$step
quietly() {
	"$@" >"$log" 2>&1 || { cat "$log" >&2; return 1; }
}

# The cross builds' architectures, each with its compiler's triple.
cross=(arm64:aarch64-linux-gnu s390x:s390x-linux-gnu armhf:arm-linux-gnueabihf)
