// The arguments, apart from the runs that they begin.
#pragma once

enum class asked { runs, answered, usage_error };

struct arguments {
	asked what;
	bool repeat;
};

// Reads argv as getopt_long programs do; answers --help and --version on
// stdout, and reports an argument not taken on stderr, under name.
arguments read_arguments(int argc, char *argv[], const char *name,
			 const char *summary);
