// What the three programs share around their routines: their arguments,
// the two lines of each run, and the exit status.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string_view>

// Reads one line into buf as fgets does: at most bound - 1 characters
// (bound >= 2), up to and including a newline.  False when there was no
// line, or it is empty (a lone newline).
bool get_line(char *buf, int bound, FILE *in);

// Begins the program called name, whatever its argv[0], and reads its
// arguments (--repeat, --help, --version); summary says what it does.
// Help, version, an argument not taken, and an input file that is the
// output each leave no run to follow.
void begin(int argc, char *argv[], const char *name, const char *summary);

// A run's two lines, and their lengths up to their first NUL.
struct lines {
	char *first;
	char *second;
	size_t length1;
	size_t length2;
};

// Begins the next run: prompts for and reads the first line into a buffer
// of room1 bytes (room1 >= bound), then the second into one of bound
// bytes, each read taking at most bound - 1 characters.  A last line
// without a newline is given one.  A missing or empty line prints "enter
// input" and ends the run.  Null when no run follows; the buffers are
// kept.
const lines *read_lines(std::string_view prompt1, std::string_view prompt2,
			int bound, size_t room1);

// Closes stdout, reports what failed, and returns the exit status: 2 after
// an argument not taken, 1 after a failure, else 0.
int finish();
