#include "driver.h"

#include <fcntl.h>
#include <getopt.h>
#include <stdio_ext.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

bool get_line(char *buf, int bound, FILE *in)
{
	return fgets(buf, bound, in) != nullptr && buf[0] != '\n';
}

namespace
{

// What the arguments asked for.
struct options {
	const char *program = "strtools"; // the name the error lines give
	bool repeat = false;
};

// A line's buffer, allocated by the first run that needs it and kept.
struct buffer {
	char *data = nullptr;
	size_t size = 0;
};

// Where a stream's errno is not yet set.
constexpr int no_error = -1;

struct input {
	bool at_terminal = false; // someone types the input, after each prompt
	long long line = 0;       // the lines read up to their newline
	long long warned = 0;     // the last line reported as too long
	bool crlf_told = false;   // the first line ended by CR LF is told
	int error = no_error;     // errno of the read that failed
	buffer first;
	buffer second;
};

struct output {
	int error = no_error; // errno of the first write that failed
};

// All that the runs share.  Each failure is recorded where it happens, and
// finish() makes the exit status of them.
struct state {
	options opt;
	input in;
	output out;
	bool usage_error = false; // an argument not taken
	bool failed = false;      // memory ran out, or input is output
	bool more = false;        // another run may begin
	lines pair = {};          // what read_lines() last returned
};
state st;

// Whether the stream has failed; the errno of its first failure is kept in
// *error, before later calls overwrite it.  The programs have one thread:
// the _unlocked forms, here and below, spare a run the locking of each
// test, which cost nearly a tenth of a pair's instructions.
bool failed(FILE *stream, int *error)
{
	if (ferror_unlocked(stream) == 0)
		return false;
	if (*error == no_error)
		*error = errno;
	return true;
}

bool input_failed()
{
	return failed(stdin, &st.in.error);
}

bool output_failed()
{
	return failed(stdout, &st.out.error);
}

// ---- The arguments ----

void print_help(const char *summary)
{
	const char *const name = st.opt.program;
	printf("Usage: %s [--repeat]\n"
	       "  or:  %s --help | --version\n"
	       "%s\n"
	       "\n"
	       "Reads two lines from standard input, prompting for each on\n"
	       "standard output, where it writes its answer.  It opens no\n"
	       "file: give it one as its input (%s --repeat < FILE).\n"
	       "\n"
	       "  --repeat   run again and again until the input ends\n"
	       "  --help     print this help and exit\n"
	       "  --version  print the version and exit\n"
	       "\n"
	       "Exit status: 0 when the runs complete, also when one ends\n"
	       "with \"enter input\" for a missing or empty line; 1 when\n"
	       "memory runs out, or standard input cannot be read, or\n"
	       "standard output written; 2 for an argument it does not take.\n"
	       "\n"
	       "Full documentation: man %s\n",
	       name, name, summary, name, name);
}

void print_version()
{
	printf("%s (strtools) %s\n"
	       "%s\n"
	       "License MIT <https://opensource.org/licenses/MIT>.\n"
	       "This is free software: you are free to change and\n"
	       "redistribute it.  There is NO WARRANTY, to the extent\n"
	       "permitted by law.\n",
	       st.opt.program, STRTOOLS_VERSION, COPYRIGHT);
}

enum class asked { runs, help, version, nothing };

// How many bytes of a printable UTF-8 character s begins with; 0 for a
// control character, or a byte that begins no character.
size_t printable(const unsigned char *s)
{
	if (s[0] < 0x80)
		return s[0] >= ' ' && s[0] != 0x7f ? 1 : 0;
	// The lead byte tells the length, and the range of the next byte that
	// leaves out overlong forms, surrogates, code points past U+10FFFF
	// and, after 0xc2, the C1 controls.
	size_t n = 2;
	unsigned char low = 0x80;
	unsigned char high = 0xbf;
	if (s[0] == 0xc2)
		low = 0xa0;
	else if (s[0] >= 0xe0 && s[0] <= 0xef) {
		n = 3;
		low = s[0] == 0xe0 ? 0xa0 : low;
		high = s[0] == 0xed ? 0x9f : high;
	} else if (s[0] >= 0xf0 && s[0] <= 0xf4) {
		n = 4;
		low = s[0] == 0xf0 ? 0x90 : low;
		high = s[0] == 0xf4 ? 0x8f : high;
	} else if (s[0] < 0xc3 || s[0] > 0xdf)
		return 0;
	if (s[1] < low || s[1] > high)
		return 0;
	for (size_t i = 2; i < n; i++)
		if (s[i] < 0x80 || s[i] > 0xbf)
			return 0;
	return n;
}

// Begins a report of an argument not taken: the program's name, what, and
// the argument in quotes.  As coreutils quotes a name, control characters
// and bytes that are not UTF-8 are escaped, so that the report stays one
// line and moves no cursor.  It writes with fprintf alone: a dynamic
// build binds each C library function it calls at every start.
void name_argument(const char *what, const char *arg)
{
	fprintf(stderr, "%s: %s '", st.opt.program, what);
	const auto *s = reinterpret_cast<const unsigned char *>(arg);
	while (*s != '\0') {
		const size_t n = printable(s);
		if (n == 0 && *s >= '\a' && *s <= '\r')
			fprintf(stderr, "\\%c", "abtnvfr"[*s - '\a']);
		else if (n == 0)
			fprintf(stderr, "\\%03o", *s);
		else if (*s == '\'' || *s == '\\')
			fprintf(stderr, "\\%c", *s);
		else
			fprintf(stderr, "%.*s", static_cast<int>(n), s);
		s += n == 0 ? 1 : n;
	}
	fprintf(stderr, "'");
}

// Ends a report of an argument not taken.
asked hint(const char *why)
{
	fprintf(stderr, "%s\nTry '%s --help'.\n", why, st.opt.program);
	st.usage_error = true;
	return asked::nothing;
}

// Reads the options as getopt_long programs do: a long option may be
// shortened while it stays unique, the first --help or --version is
// answered and nothing after it read, and --repeat twice is --repeat.  The
// first argument not taken is reported, with a hint.
asked read_arguments(int argc, char *argv[])
{
	// No option has a short form: their values lie beyond any character.
	enum { help = UCHAR_MAX + 1, version, repeat };
	static const option options[] = {
		{"help", no_argument, nullptr, help},
		{"version", no_argument, nullptr, version},
		{"repeat", no_argument, nullptr, repeat},
		{}};
	// Its own messages would name argv[0], not the program.
	opterr = 0;
	const char *operand = nullptr;
	for (;;) {
		// The arguments are taken in order ("-"), operands among them,
		// so the one at fault is the one begun here: with no short
		// option, a cluster fails at its first character.
		const char *const arg = argv[optind > 0 ? optind : 1];
		switch (getopt_long(argc, argv, "-", options, nullptr)) {
		case help:
			return asked::help;
		case version:
			return asked::version;
		case repeat:
			st.opt.repeat = true;
			continue;
		case 1: // an operand: an option after it may yet be answered
			operand = operand != nullptr ? operand : arg;
			continue;
		case -1: // the options are read, and those after "--" left
			if (operand == nullptr && optind < argc)
				operand = argv[optind];
			if (operand == nullptr)
				return asked::runs;
			name_argument("unexpected operand", operand);
			fprintf(stderr,
				": the input is read from standard input only "
				"(%s --repeat < FILE)",
				st.opt.program);
			return hint("");
		}
		// optopt holds the value of an option given a value.
		const bool known =
			optopt == help || optopt == version || optopt == repeat;
		name_argument(known ? "option" : "unknown option", arg);
		return hint(known ? " takes no value" : "");
	}
}

// Whether stdin and stdout are the same regular file, which many runs
// would read their own answers from, or write over the pairs still to be
// read: cat's rule.
bool input_is_output()
{
	struct stat in = {};
	struct stat out = {};
	if (fstat(fileno(stdin), &in) != 0 ||
	    fstat(fileno(stdout), &out) != 0 || !S_ISREG(out.st_mode) ||
	    in.st_dev != out.st_dev || in.st_ino != out.st_ino)
		return false;
	const int flags = fcntl(fileno(stdout), F_GETFL);
	return (flags != -1 && (flags & O_APPEND) != 0) ||
	       lseek(fileno(stdin), 0, SEEK_CUR) < in.st_size;
}

} // namespace

void begin(int argc, char *argv[], const char *name, const char *summary)
{
	// The buffers are kept for a second begin(), as a test may make.
	const input kept = st.in;
	st = {};
	st.opt.program = name;
	st.in = {.at_terminal = isatty(fileno(stdin)) != 0,
		 .first = kept.first,
		 .second = kept.second};
	const asked what = read_arguments(argc, argv);
	st.more = what == asked::runs;
	if (what == asked::help)
		print_help(summary);
	else if (what == asked::version)
		print_version();
	else if (st.more && st.opt.repeat && input_is_output()) {
		fprintf(stderr, "%s: input file is output file\n", name);
		st.failed = true;
		st.more = false;
	} else if (st.more && st.opt.repeat && !st.in.at_terminal) {
		// Many runs over a file read and write far more than the page
		// that stdio buffers by default: larger buffers spare most of
		// the system calls.  At a terminal, reads come a line at a
		// time, and the output is best seen as it comes.
		constexpr size_t block = size_t{64} * 1024;
		static char in[block];
		static char out[block];
		setvbuf(stdin, in, _IOFBF, sizeof in);
		if (isatty(fileno(stdout)) == 0)
			setvbuf(stdout, out, _IOFBF, sizeof out);
	}
}

namespace
{

// ---- The runs ----

// How a run's reads end: with the two lines, with "enter input", after
// which a repeat goes on, or with nothing more to run.
enum class outcome { pair, rejected, stop };

// Prints a prompt.  Someone typing waits to read it, which stdout's own
// buffer would hold back: the C library fully buffers stdout when it is
// not a terminal (cutsub | tee log).  Scripts are spared the extra write.
// False when it could not be written.  A line as puts writes it, spared
// puts' measuring and locking: a fortieth of a pair's instructions.
bool prompt(std::string_view text)
{
	fwrite_unlocked(text.data(), 1, text.size(), stdout);
	putc_unlocked('\n', stdout);
	if (st.in.at_terminal)
		fflush(stdout);
	return !output_failed();
}

// Whether stdin's buffer holds bytes not yet read, as gnulib's freadahead
// tells it from glibc's FILE (ungetc's own buffer is never in use here: a
// byte is only put back where it was read).  Elsewhere, none are seen.
bool buffered()
{
#ifdef __GLIBC__
	return stdin->_IO_read_ptr < stdin->_IO_read_end;
#else
	return false;
#endif
}

// Whether a byte follows in the input, left there to be read: one in
// stdin's buffer, or else one read and put back, which costs a pair a
// fortieth of its instructions.
bool input_follows()
{
	if (buffered())
		return true;
	const int c = getc_unlocked(stdin);
	if (c == EOF)
		return false;
	ungetc(c, stdin);
	return true;
}

// Whether the input has ended; not where a read fails, which the next
// read reports.
bool input_ended()
{
	return !input_follows() && !input_failed();
}

// Whether the line that a read filled goes on past it.  At a terminal,
// only stdin's buffer is looked at: the terminal gives a typed line whole,
// and a peek past it would wait for the next line, and take it from the
// shell at the end.
bool line_goes_on()
{
	return st.in.at_terminal ? buffered() : input_follows();
}

// Tells of the first line that ends in CR LF, as from Windows: it counts
// its carriage return as a character, which few expect.
void tell_crlf(const char *buf)
{
	const size_t n = strlen(buf);
	if (n < 2 || buf[n - 2] != '\r' || buf[n - 1] != '\n')
		return;
	st.in.crlf_told = true;
	fprintf(stderr,
		"%s: line %lld ends in CR LF: carriage returns count as "
		"characters of their lines (tr -d '\\r' removes them)\n",
		st.opt.program, st.in.line);
}

// Reads a line as get_line does, and counts the input's lines to tell of
// one that is longer than a read takes, whose rest is read as the next
// line unless this read is the last, and of the first that ends in CR LF.
bool read_counted(char *buf, int bound, bool last)
{
	// fgets puts a NUL at the end of buf only when it fills buf.
	buf[bound - 1] = '\1';
	const bool accepted = get_line(buf, bound, stdin);
	const bool filled = buf[bound - 1] == '\0';
	// Short of the end, a read that does not fill buf ends at a newline (a
	// read error ends the runs, and the count with them).
	if (filled ? buf[bound - 2] == '\n' : feof_unlocked(stdin) == 0) {
		st.in.line++;
		if (accepted && !st.in.crlf_told)
			tell_crlf(buf);
	} else if (filled && st.in.warned != st.in.line + 1 && line_goes_on()) {
		st.in.warned = st.in.line + 1;
		fprintf(stderr,
			"%s: line %lld reaches the %d-character limit; "
			"the rest is %s\n",
			st.opt.program, st.in.warned, bound - 1,
			last ? "not used" : "read as the next line");
	}
	return accepted;
}

// Reads a line.  A missing or empty one prints "enter input", and ends the
// run; so does a read that fails, even after reading characters, which
// also ends the runs: the line it read is not used.
outcome read_line(char *buf, int bound, bool last)
{
	// After a peek that failed, nothing more is read.
	const bool accepted =
		st.in.error == no_error && read_counted(buf, bound, last);
	const bool error = input_failed();
	if (accepted && !error)
		return outcome::pair;
	puts("enter input");
	return error ? outcome::stop : outcome::rejected;
}

// Gives the buffer room for size bytes: it is allocated the first time a
// run needs it, and again only for a larger size.
bool allocate(buffer *buf, size_t size)
{
	if (buf->size < size) {
		free(buf->data);
		buf->data = static_cast<char *>(malloc(size));
		buf->size = buf->data != nullptr ? size : 0;
	}
	if (buf->data != nullptr)
		return true;
	puts("malloc failed");
	st.failed = true;
	return false;
}

// One run's reads, in order.  The repeat ends where the input does, before
// a run's first line; someone typing is shown the prompt first, unless the
// input has already ended (Ctrl-D at the second prompt).  A write that
// failed, the last answer's or a prompt's, ends the runs: the output is
// lost.
outcome read_pair(std::string_view prompt1, std::string_view prompt2, int bound,
		  size_t room1)
{
	if (output_failed())
		return outcome::stop;
	const bool repeat = st.opt.repeat;
	const bool at_terminal = st.in.at_terminal;
	if (repeat && (!at_terminal || feof_unlocked(stdin) != 0) &&
	    input_ended())
		return outcome::stop;
	if (!prompt(prompt1))
		return outcome::stop;
	if (repeat && at_terminal && input_ended())
		return outcome::stop;
	if (!allocate(&st.in.first, room1))
		return outcome::stop;
	const outcome first = read_line(st.in.first.data, bound, false);
	// An empty first line, but the rest of a long one, puts every later
	// pair a line out, where no one may see "enter input".
	if (first == outcome::rejected && repeat && !at_terminal &&
	    st.in.warned != st.in.line)
		fprintf(stderr,
			"%s: line %lld is empty and ends its run; "
			"the next run begins at line %lld\n",
			st.opt.program, st.in.line, st.in.line + 1);
	if (first != outcome::pair)
		return first;
	if (!allocate(&st.in.second, static_cast<size_t>(bound)) ||
	    !prompt(prompt2))
		return outcome::stop;
	return read_line(st.in.second.data, bound, !repeat);
}

} // namespace

const lines *read_lines(std::string_view prompt1, std::string_view prompt2,
			int bound, size_t room1)
{
	while (st.more) {
		st.more = st.opt.repeat;
		const outcome run = read_pair(prompt1, prompt2, bound, room1);
		if (run == outcome::pair) {
			st.pair = {st.in.first.data, st.in.second.data};
			return &st.pair;
		}
		if (run == outcome::stop)
			st.more = false;
	}
	return nullptr;
}

int finish()
{
	// Output is buffered, so a full disk or a closed stdout may only show
	// when fclose writes the buffer out.  As gnulib's close_stdout has it,
	// a stdout closed before the program began is no fault where nothing
	// was written to it.
	const bool pending = __fpending(stdout) != 0;
	output_failed();
	errno = 0;
	if (fclose(stdout) != 0 && st.out.error == no_error &&
	    (pending || errno != EBADF))
		st.out.error = errno;
	const char *const name = st.opt.program;
	if (st.in.error != no_error)
		fprintf(stderr, "%s: read error: %s\n", name,
			strerror(st.in.error));
	if (st.out.error != no_error)
		fprintf(stderr, "%s: write error%s%s\n", name,
			st.out.error != 0 ? ": " : "",
			st.out.error != 0 ? strerror(st.out.error) : "");
	if (st.usage_error)
		return 2;
	const bool ok = !st.failed && st.in.error == no_error &&
			st.out.error == no_error;
	return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}
