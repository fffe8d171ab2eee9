// What the three programs share around their routines: reading the two
// input lines, and ending the run with an exit status that tells whether
// the output was written.
#pragma once

#include <cstddef>
#include <cstdio>

// Reads one line into buf the way fgets does: at most bound - 1 characters
// (bound >= 2), up to and including a newline.  False when there was no
// line, or when it is empty (a lone newline).
bool get_line(char *buf, int bound, FILE *in);

// Begins the run of the program called name, which the error lines name
// whatever its argv[0].  Answers --help or --version, given as the only
// argument, on stdout and exits; returns at once on any other arguments,
// which are not read.  summary says in a sentence what the program does.
void begin(int argc, char *argv[], const char *name, const char *summary);

struct lines {
	char *first;
	char *second;
};

// Prints prompt1, reads the first line into a new buffer of room1 bytes
// (room1 >= bound), then prints prompt2 and reads the second line into one
// of bound bytes.  The buffers are never freed.  A failed allocation prints
// "malloc failed" and exits 1; a missing or empty line prints "enter input"
// and exits 0, or 1 after a read error.  At a terminal, each prompt is
// written out before its line is read.
lines read_lines(const char *prompt1, const char *prompt2, int bound,
		 size_t room1);

// Flushes and closes stdout.  Returns status, or 1 after reporting on
// stderr that the output could not be written.
int finish(int status);
