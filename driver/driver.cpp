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
	printf("Usage: %s [--help | --version | --repeat]\n"
	       "%s\n"
	       "\n"
	       "Reads two lines from standard input, prompting for each on\n"
	       "standard output, where it writes its answer.  With --repeat,\n"
	       "runs again and again until the input ends.  Other arguments\n"
	       "are ignored.\n"
	       "\n"
	       "Exit status: 0 when the runs complete, also when one ends\n"
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

// Set by begin(): the name the error lines give, whether the run repeats,
// and whether someone types the input, waiting for each prompt.
static const char *program = "strtools";
static bool repeat;
static bool at_terminal;

// Whether another run may begin; and the exit status, 1 once memory has
// run out or a read has failed, which ends the runs.
static bool more;
static int status;

static void fail()
{
	status = 1;
	more = false;
}

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
	at_terminal = isatty(fileno(stdin)) != 0;
	more = true;
	status = 0;
	const char *option = argc == 2 ? argv[1] : "";
	repeat = strcmp(option, "--repeat") == 0;
	// Many runs over a file read and write far more than the page that
	// stdio buffers by default: larger buffers spare most of the system
	// calls.  At a terminal, reads come a line at a time, and the output
	// is best seen as it comes.
	static char in[1 << 16];
	static char out[1 << 16];
	if (repeat && !at_terminal) {
		setvbuf(stdin, in, _IOFBF, sizeof in);
		if (isatty(fileno(stdout)) == 0)
			setvbuf(stdout, out, _IOFBF, sizeof out);
	}
	if (strcmp(option, "--help") == 0)
		print_help(name, summary);
	else if (strcmp(option, "--version") == 0)
		print_version(name);
	else
		return;
	exit(finish());
}

static void prompt(const char *text)
{
	puts(text);
	// Someone is waiting to read the prompt, which stdout's own buffer
	// would hold back: the C library fully buffers stdout when it is not a
	// terminal (cutsub | tee log).  Scripts are spared the extra write.
	if (at_terminal)
		note_write(fflush(stdout) != 0);
}

// Whether the input has ended: peeks at its next byte, and leaves a read
// error to the read to report.
static bool ended()
{
	const int c = getc(stdin);
	if (c == EOF)
		return ferror(stdin) == 0;
	ungetc(c, stdin);
	return false;
}

// Allocates a buffer the first time a run needs it.
static bool alloc(char **buf, size_t size)
{
	if (*buf == nullptr)
		*buf = static_cast<char *>(malloc(size));
	if (*buf != nullptr)
		return true;
	puts("malloc failed");
	fail();
	return false;
}

// Reads a line, or prints "enter input" where there is none or it is
// empty, which ends the run; a read error ends the runs.
static bool read_line(char *buf, int bound)
{
	if (get_line(buf, bound, stdin))
		return true;
	const int err = ferror(stdin) != 0 ? errno : 0;
	puts("enter input");
	if (err != 0) {
		fprintf(stderr, "%s: read error: %s\n", program, strerror(err));
		fail();
	}
	return false;
}

const lines *read_lines(const char *prompt1, const char *prompt2, int bound,
			size_t room1)
{
	// Held here, the buffers stay reachable to the end.
	static lines in;
	// A write that failed ends the runs too: the output is lost.
	while (more && ferror(stdout) == 0) {
		more = repeat;
		// The repeat ends where the input does, before a run's first
		// line.  Someone typing the input is shown the prompt first,
		// unless the input has already ended.
		if (repeat && (!at_terminal || feof(stdin) != 0) && ended())
			break;
		prompt(prompt1);
		if (repeat && at_terminal && ended())
			break;
		if (alloc(&in.first, room1) && read_line(in.first, bound) &&
		    alloc(&in.second, static_cast<size_t>(bound))) {
			prompt(prompt2);
			if (read_line(in.second, bound))
				return &in;
		}
	}
	return nullptr;
}

int finish()
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
