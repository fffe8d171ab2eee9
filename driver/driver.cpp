#include "driver.h"

#include <stdio_ext.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "arguments.h"

bool get_line(char *buf, int bound, FILE *in)
{
	return fgets(buf, bound, in) != nullptr && buf[0] != '\n';
}

namespace
{

constexpr int no_error = -1; // where no errno is kept yet

// All that the runs share.  Only read_lines() stops them, and only
// finish() makes the exit status.
struct state {
	const char *program = "strtools"; // the name the error lines give
	bool repeat = false;
	bool more = false;        // another run may begin
	bool usage_error = false; // an argument not taken
	bool failed = false;      // memory ran out, or input is output
	int read_error = no_error;
	int write_error = no_error;
	bool at_terminal = false; // someone types the input, after each prompt
	bool whole_lines = false; // and the terminal gives it a line at a time
	long long line = 0;       // the lines read up to their newline
	long long warned = 0;     // the last line told as too long
	bool crlf_told = false;
	long long empty = 0; // empty first lines, of which the first is told
	lines pair = {};     // its buffers, allocated once, by the first run
};
state st;

// Whether the stream has failed; keeps the errno of its first failure.
// The _unlocked forms spare each test a lock: there is one thread.
bool failed(FILE *stream, int *error)
{
	const bool failing = ferror_unlocked(stream) != 0;
	if (failing && *error == no_error)
		*error = errno;
	return failing;
}

// Whether stdin and stdout are the same regular file with input yet to be
// read, which the output would write over or follow: cat's rule.
bool input_is_output()
{
	struct stat in = {};
	struct stat out = {};
	return fstat(fileno(stdin), &in) == 0 &&
	       fstat(fileno(stdout), &out) == 0 && S_ISREG(out.st_mode) &&
	       in.st_dev == out.st_dev && in.st_ino == out.st_ino &&
	       lseek(fileno(stdin), 0, SEEK_CUR) < in.st_size;
}

// How a run's reads end: "enter input" (rejected) lets a repeat go on.
enum class outcome { pair, rejected, stop };

// Prints a prompt as puts would, at once for someone typing; false if lost.
bool prompt(std::string_view text)
{
	fwrite_unlocked(text.data(), 1, text.size(), stdout);
	putc_unlocked('\n', stdout);
	if (st.at_terminal)
		fflush(stdout);
	return !failed(stdout, &st.write_error);
}

// How many bytes stdin's buffer holds unread, where the C library tells
// it, else -1.  A terminal's typed line is all there.
ptrdiff_t unread()
{
#if defined HAVE___FREADAHEAD
	return static_cast<ptrdiff_t>(__freadahead(stdin));
#elif defined _IO_EOF_SEEN // glibc's FILE, as gnulib reads it
	return stdin->_IO_read_end - stdin->_IO_read_ptr;
#else
	return -1;
#endif
}

// The next byte of the input, left there to be read; EOF at its end.
int peek()
{
	const int c = getc_unlocked(stdin);
	if (c != EOF)
		ungetc(c, stdin);
	return c;
}

// Whether the input has ended; not where a read fails: the next read says.
bool input_ended()
{
	return unread() <= 0 && peek() == EOF && !failed(stdin, &st.read_error);
}

// Tells of the first line ended by CR LF, as from Windows.
void tell_crlf(const char *cr, long long line)
{
	if (cr[0] != '\r' || cr[1] != '\n' || st.crlf_told)
		return;
	st.crlf_told = true;
	fprintf(stderr,
		"%s: line %lld ends in CR LF: carriage returns count as "
		"characters of their lines (tr -d '\\r' removes them)\n",
		st.program, line);
}

// Tells of a line that fills the read before its newline, and again where
// the last read leaves its rest unused.  A terminal gives a typed line
// whole: a peek past it would wait for the next.
void tell_long(const char *buf, int bound, bool last)
{
	const long long line = st.line + 1;
	const bool told = st.warned == line;
	const int next = st.whole_lines && unread() == 0 ? EOF : peek();
	if (next == EOF && failed(stdin, &st.read_error))
		return;
	st.warned = line;
	const char *const rest =
		next == EOF ? " with no newline; its last character is taken "
			      "as the newline"
		: last      ? "; the rest is not used"
			    : "; the rest is read as the next line";
	if (!told || (last && next != EOF))
		fprintf(stderr,
			"%s: line %lld reaches the %d-character limit%s\n",
			st.program, line, bound - 1, rest);
	const char split[] = {buf[bound - 2], static_cast<char>(next)};
	tell_crlf(split, line); // the read's end may fall between CR and LF
}

// Reads and measures a line, counting lines for what stderr tells.  A
// last line is given the newline it lacks, so that its last character is
// content, where there is room.
bool read_counted(char *buf, int bound, bool last, size_t *length)
{
	buf[bound - 1] = '\1'; // fgets writes a NUL there when it fills buf
	const bool accepted = get_line(buf, bound, stdin);
	const bool ended = feof_unlocked(stdin) != 0;
	if (!accepted) {
		st.line += ended ? 0 : 1; // an empty line, not the end
		return false;
	}
	size_t n = strlen(buf);
	if (buf[bound - 1] == '\0' && buf[bound - 2] != '\n')
		tell_long(buf, bound, last);
	else if (!ended)
		tell_crlf(buf + (n >= 2 ? n - 2 : n), ++st.line);
	else if (n > 0) { // the read stopped at the end of the input
		buf[n++] = '\n';
		buf[n] = '\0';
	}
	*length = n;
	return true;
}

// Reads a line.  A missing or empty one prints "enter input", and so does
// a read (or a peek before it) that failed, which also ends the runs.
outcome read_line(char *buf, int bound, bool last, size_t *length)
{
	const bool accepted = st.read_error == no_error &&
			      read_counted(buf, bound, last, length);
	const bool error = failed(stdin, &st.read_error);
	if (accepted && !error)
		return outcome::pair;
	puts("enter input");
	return error ? outcome::stop : outcome::rejected;
}

// Allocates a buffer of size bytes where *buf has none yet.
bool allocate(char **buf, size_t size)
{
	if (*buf == nullptr)
		*buf = static_cast<char *>(malloc(size));
	if (*buf != nullptr)
		return true;
	puts("malloc failed");
	st.failed = true;
	return false;
}

// One run's reads.  A repeat ends where the input does, before a run's
// first line, or at a write that failed; someone typing is shown the
// prompt first, unless the input has ended (Ctrl-D at the second prompt).
outcome read_pair(std::string_view prompt1, std::string_view prompt2, int bound,
		  size_t room1)
{
	const bool typed = st.at_terminal && feof_unlocked(stdin) == 0;
	if (failed(stdout, &st.write_error) ||
	    (st.repeat && !typed && input_ended()) || !prompt(prompt1) ||
	    (st.repeat && typed && input_ended()) ||
	    !allocate(&st.pair.first, room1))
		return outcome::stop;
	const outcome first =
		read_line(st.pair.first, bound, false, &st.pair.length1);
	// An empty first line, but the rest of a long one, puts every later
	// pair a line out, where no one may see "enter input".
	if (first == outcome::rejected && st.repeat && !st.at_terminal &&
	    st.warned != st.line && st.empty++ == 0)
		fprintf(stderr,
			"%s: line %lld is empty and ends its run; "
			"the next run begins at line %lld\n",
			st.program, st.line, st.line + 1);
	if (first != outcome::pair)
		return first;
	if (!allocate(&st.pair.second, static_cast<size_t>(bound)) ||
	    !prompt(prompt2))
		return outcome::stop;
	return read_line(st.pair.second, bound, !st.repeat, &st.pair.length2);
}

} // namespace

void begin(int argc, char *argv[], const char *name, const char *summary)
{
	// The buffers are kept for a second begin(), as a test may make.
	st = {.program = name, .pair = st.pair};
	const arguments args = read_arguments(argc, argv, name, summary);
	st.repeat = args.repeat;
	st.usage_error = args.what == asked::usage_error;
	if (args.what != asked::runs)
		return;
	if (input_is_output()) {
		fprintf(stderr, "%s: input file is output file\n", name);
		st.failed = true;
		return;
	}
	st.more = true;
	termios mode = {};
	st.at_terminal = tcgetattr(fileno(stdin), &mode) == 0;
	st.whole_lines = st.at_terminal && (mode.c_lflag & ICANON) != 0;
	if (st.repeat && !st.at_terminal) {
		// Larger buffers spare most of the system calls of many runs.
		// At a terminal, output is best seen as it comes.
		static char in[size_t{64} * 1024];
		static char out[sizeof in];
		setvbuf(stdin, in, _IOFBF, sizeof in);
		if (isatty(fileno(stdout)) == 0)
			setvbuf(stdout, out, _IOFBF, sizeof out);
	}
}

const lines *read_lines(std::string_view prompt1, std::string_view prompt2,
			int bound, size_t room1)
{
	while (st.more) {
		const outcome run = read_pair(prompt1, prompt2, bound, room1);
		st.more = st.repeat && run != outcome::stop;
		if (run == outcome::pair)
			return &st.pair;
	}
	return nullptr;
}

int finish()
{
	const char *const name = st.program;
	if (st.empty > 1)
		fprintf(stderr, "%s: %lld more empty lines ended their runs\n",
			name, st.empty - 1);
	// A full disk may show only when fclose writes the buffer out.  As in
	// gnulib's close_stdout, a closed stdout is no fault if unwritten.
	const bool pending = __fpending(stdout) != 0;
	failed(stdout, &st.write_error);
	errno = 0;
	if (fclose(stdout) != 0 && st.write_error == no_error &&
	    (pending || errno != EBADF))
		st.write_error = errno;
	if (st.read_error != no_error)
		fprintf(stderr, "%s: read error: %s\n", name,
			strerror(st.read_error));
	if (st.write_error != no_error)
		fprintf(stderr, "%s: write error%s%s\n", name,
			st.write_error != 0 ? ": " : "",
			st.write_error != 0 ? strerror(st.write_error) : "");
	if (st.usage_error)
		return 2;
	const bool ok = !st.failed && st.read_error == no_error &&
			st.write_error == no_error;
	return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}
