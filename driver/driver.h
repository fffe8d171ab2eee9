// What the three programs share around their routines: their arguments,
// the two lines of each run, and the exit status.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string_view>

// Reads a line into buf as fgets does, at most bound - 1 characters (bound
// >= 2); false when there was none, or it is empty (a lone newline).
bool get_line(char *buf, int bound, FILE *in);

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
// of bound bytes, each read taking at most bound - 1 characters; a last
// line is given the newline it lacks.  A missing or empty line prints
// "enter input" and ends the run.  Null when no run follows.
const lines *read_lines(std::string_view prompt1, std::string_view prompt2,
			int bound, size_t room1);

// Closes stdout, reports what failed, and returns the exit status: 2 after
// an argument not taken, 1 after a failure, else 0.
int finish();
