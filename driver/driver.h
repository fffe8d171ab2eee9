// What the three programs share around their routines: their arguments,
// the two lines of each run, and the exit status.
#pragma once

#include <cstddef>
#include <string_view>

// Begins the program called name, whatever its argv[0], and reads its
// arguments; summary says what it does.  Help, version, an argument not
// taken, or an input file that is the output leave no run to follow.
void begin(int argc, char *argv[], const char *name, const char *summary);

// A run's two lines, and their lengths up to their first NUL.
struct lines {
	char *first;
	char *second;
	size_t length1;
	size_t length2;
};

// Prompts for and reads the next run's lines, into buffers of room1 and
// of bound bytes; each prompt ends in its newline.  Each line of the input
// is one line read: its first bound - 1 characters at most, the rest
// skipped.  A last line is given the newline it lacks.  A missing or empty
// line prints "enter input" and ends the run.  Null when no run follows.
const lines *read_lines(std::string_view prompt1, std::string_view prompt2,
			int bound, size_t room1);

// Closes stdout, reports what failed, and returns the exit status: 2 after
// an argument not taken, 1 after a failure, else 0.
int finish();
