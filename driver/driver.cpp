#include "driver.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

bool get_line(char *buf, int bound, FILE *in)
{
	return fgets(buf, bound, in) != nullptr && buf[0] != '\n';
}

static void print_help(const char *name, const char *summary)
{
	printf("Usage: %s [--help | --version]\n"
	       "%s\n"
	       "\n"
	       "Reads two lines from standard input, prompting for each on\n"
	       "standard output, where it writes its answer.  Other\n"
	       "arguments are ignored.\n"
	       "\n"
	       "Exit status: 0 when the run completes, also when it ends\n"
	       "with \"enter input\" for a missing or empty line; 1 when\n"
	       "memory runs out, or standard input cannot be read, or\n"
	       "standard output written.\n"
	       "\n"
	       "Full documentation: man %s\n",
	       name, summary, name);
}

static void print_version(const char *name)
{
	printf("%s (strtools) %s\n"
	       "%s\n"
	       "License MIT <https://opensource.org/licenses/MIT>.\n"
	       "This is free software: you are free to change and\n"
	       "redistribute it.  There is NO WARRANTY, to the extent\n"
	       "permitted by law.\n",
	       name, STRTOOLS_VERSION, COPYRIGHT);
}

// The name the error lines give, set by begin().
static const char *program = "strtools";

// The errno of the first failed write to stdout, kept before later calls
// overwrite it; -1 while none has failed.
static int write_error = -1;

static void note_write(bool failed)
{
	if (failed && write_error < 0)
		write_error = errno;
}

void begin(int argc, char *argv[], const char *name, const char *summary)
{
	program = name;
	if (argc != 2)
		return;
	if (strcmp(argv[1], "--help") == 0)
		print_help(name, summary);
	else if (strcmp(argv[1], "--version") == 0)
		print_version(name);
	else
		return;
	exit(finish(0));
}

static char *alloc(size_t size)
{
	auto *p = static_cast<char *>(malloc(size));
	if (p == nullptr) {
		puts("malloc failed");
		exit(finish(1));
	}
	return p;
}

static void read_line(char *buf, int bound, bool at_terminal)
{
	// Someone is waiting to read the prompt, which stdout's own buffer
	// would hold back: the C library fully buffers stdout when it is not a
	// terminal (cutsub | tee log).  Scripts are spared the extra write.
	if (at_terminal)
		note_write(fflush(stdout) != 0);
	if (get_line(buf, bound, stdin))
		return;
	const int err = ferror(stdin) != 0 ? errno : 0;
	puts("enter input");
	if (err != 0)
		fprintf(stderr, "%s: read error: %s\n", program, strerror(err));
	exit(finish(err != 0 ? 1 : 0));
}

lines read_lines(const char *prompt1, const char *prompt2, int bound,
		 size_t room1)
{
	// The buffers live as long as the process: held here, they stay
	// reachable to the end, and are never freed.
	static lines in;
	const bool at_terminal = isatty(STDIN_FILENO) != 0;
	puts(prompt1);
	in.first = alloc(room1);
	read_line(in.first, bound, at_terminal);
	in.second = alloc(static_cast<size_t>(bound));
	puts(prompt2);
	read_line(in.second, bound, at_terminal);
	return in;
}

int finish(int status)
{
	// Output is buffered, so a full disk or a closed stdout may only show
	// when fclose writes the buffer out.
	note_write(ferror(stdout) != 0);
	errno = 0;
	note_write(fclose(stdout) != 0);
	if (write_error < 0)
		return status;
	fprintf(stderr, "%s: write error%s%s\n", program,
		write_error != 0 ? ": " : "",
		write_error != 0 ? strerror(write_error) : "");
	return 1;
}
