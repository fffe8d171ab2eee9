#include "arguments.h"

#include <getopt.h>

#include <climits>
#include <cstdio>

namespace
{

void print_help(const char *name, const char *summary)
{
	printf("Usage: %s [--repeat]\n  or:  %s --help | --version\n%s\n\n",
	       name, name, summary);
	printf("Reads two lines from standard input, prompting for each on\n"
	       "standard output, where it writes its answer.  It opens no\n"
	       "file: give it one as its input (%s --repeat < FILE).\n\n"
	       "  --repeat   run again and again until the input ends\n"
	       "  --help     print this help and exit\n"
	       "  --version  print the version and exit\n\n"
	       "Exit status, diagnostics and the full rules: man %s\n",
	       name, name);
}

void print_version(const char *name)
{
	printf("%s (strtools) %s\n%s\n"
	       "License MIT <https://opensource.org/licenses/MIT>.\n"
	       "This is free software: you are free to change and\n"
	       "redistribute it.  There is NO WARRANTY, to the extent\n"
	       "permitted by law.\n",
	       name, STRTOOLS_VERSION, COPYRIGHT);
}

// Reports an argument not taken, quoted as coreutils quotes a name in the
// C locale, so that it stays one line and moves no cursor.  stderr gets a
// buffer first, which nothing that fails can take away: the report is
// written whole, and at once where it fits, so that it stays one piece
// among other writers to stderr.
asked report(const char *name, const char *what, const char *arg,
	     const char *why)
{
	static char buffer[4096]; // PIPE_BUF, which a pipe writes whole
	setvbuf(stderr, buffer, _IOFBF, sizeof buffer);
	fprintf(stderr, "%s: %s '", name, what);
	for (const auto *s = reinterpret_cast<const unsigned char *>(arg);
	     *s != '\0'; s++)
		if (*s == '\'' || *s == '\\')
			fprintf(stderr, "\\%c", *s);
		else if (*s >= '\a' && *s <= '\r')
			fprintf(stderr, "\\%c", "abtnvfr"[*s - '\a']);
		else if (*s < ' ' || *s > '~')
			fprintf(stderr, "\\%03o", *s);
		else
			putc(*s, stderr);
	fprintf(stderr, why, name);
	fprintf(stderr, "\nTry '%s --help'.\n", name);
	fflush(stderr);
	return asked::usage_error;
}

} // namespace

// A long option may be shortened while it stays unique, the first --help
// or --version is answered and nothing after it read, and --repeat twice
// is --repeat.
arguments read_arguments(int argc, char *argv[], const char *name,
			 const char *summary)
{
	// No option has a short form: their values lie beyond any character.
	enum { help = UCHAR_MAX + 1, version, repeat };
	static const option options[] = {
		{"help", no_argument, nullptr, help},
		{"version", no_argument, nullptr, version},
		{"repeat", no_argument, nullptr, repeat},
		{}};
	opterr = 0; // its messages would name argv[0]
	arguments got = {asked::runs, false};
	const char *operand = nullptr;
	for (;;) {
		// In order ("-"), operands too: the argument at fault is the
		// one begun here, as a cluster fails at its first character.
		const char *const arg = argv[optind > 0 ? optind : 1];
		switch (getopt_long(argc, argv, "-", options, nullptr)) {
		case help:
			print_help(name, summary);
			return {asked::answered, got.repeat};
		case version:
			print_version(name);
			return {asked::answered, got.repeat};
		case repeat:
			got.repeat = true;
			continue;
		case 1: // an operand: an option after it may yet be answered
			operand = operand != nullptr ? operand : arg;
			continue;
		case -1: // the options are read, and those after "--" left
			if (operand == nullptr && optind < argc)
				operand = argv[optind];
			if (operand != nullptr)
				got.what = report(
					name, "unexpected operand", operand,
					"': the input is read from standard "
					"input only (%s --repeat < FILE)");
			return got;
		}
		// optopt holds the value of an option given a value.
		const bool known =
			optopt == help || optopt == version || optopt == repeat;
		got.what = report(name, known ? "option" : "unknown option",
				  arg, known ? "' takes no value" : "'");
		return got;
	}
}
