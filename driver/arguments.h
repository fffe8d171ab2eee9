// The arguments, apart from the runs that they begin.
#pragma once

enum class asked { runs, answered, usage_error };

struct arguments {
	asked what;
	bool repeat;
};

// Reads argv as getopt_long programs do.  --help and --version are
// answered on stdout, and an argument not taken is reported on stderr
// under the program's name.
arguments read_arguments(int argc, char *argv[], const char *name,
			 const char *summary);
