// What the three programs share around their routines: reading their
// arguments and the two input lines, run after run, and ending with an exit
// status that tells whether the runs went through.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string_view>

// Reads one line into buf the way fgets does: at most bound - 1 characters
// (bound >= 2), up to and including a newline.  False when there was no
// line, or when it is empty (a lone newline).
bool get_line(char *buf, int bound, FILE *in);

// Begins the program called name, which the error lines name whatever its
// argv[0], and reads its arguments: --repeat makes the runs repeat over the
// rest of the input.  --help and --version are answered on stdout, and an
// argument the program does not take is reported on stderr, as is a
// --repeat whose input file is its output; then no run follows.  summary
// says in a sentence what the program does.
void begin(int argc, char *argv[], const char *name, const char *summary);

struct lines {
	char *first;
	char *second;
};

// Begins the next run: prints prompt1, reads the first line into a buffer
// of room1 bytes (room1 >= bound), then prints prompt2 and reads the second
// line into one of bound bytes, and returns them for the caller to answer.
// The buffers are allocated by the first run, and kept.  A missing or empty
// line prints "enter input" and ends the run.  Null when no run follows:
// after the one run, or with --repeat where the input ends before a run's
// first line, or at the first failure: "malloc failed", or a read or a
// write that failed, which finish() reports.  Told on stderr: a line longer
// than a read takes, the first line ended by CR LF and, with --repeat from
// a file or a pipe, an empty first line.
const lines *read_lines(std::string_view prompt1, std::string_view prompt2,
			int bound, size_t room1);

// Closes stdout, and reports on stderr a read or a write that failed.
// Returns the exit status: 2 after an argument not taken; else 1 after a
// failure, or 0.
int finish();
