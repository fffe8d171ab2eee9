#include "driver.h"

#include <stdio_ext.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "arguments.h"

namespace
{

constexpr int no_error = -1; // where no errno is kept yet

// Standard input's buffer: what has arrived is the driver's to see.
char input[size_t{64} * 1024];

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
	size_t at = 0;            // input[at, end) is read, and not yet taken
	size_t end = 0;
	bool ended = false;   // a read found the end of the input
	int bound = 2;        // of each line read: bound - 1 characters at most
	long long line = 0;   // the lines taken
	bool pending = false; // to skip: the rest of the last second line
	long long long_lines = 0; // skipped in part, of which the first is told
	bool crlf_told = false;
	long long empty = 0; // empty first lines, of which the first is told
	lines pair = {};     // its buffers, allocated once, by the first run
};
state st;

// Whether stdout has failed (no lock: one thread); keeps the first errno.
bool output_failed()
{
	const bool failing = ferror_unlocked(stdout) != 0;
	if (failing && st.write_error == no_error)
		st.write_error = errno;
	return failing;
}

bool broken()
{
	return st.read_error != no_error || st.write_error != no_error;
}

// Reads more input, once the output is out for whoever awaits it to write
// more; false at the end of the input, and once a read or write failed.
bool refill()
{
	fflush(stdout);
	if (st.ended || broken() || output_failed())
		return false;
	const ssize_t n = read(STDIN_FILENO, input, sizeof input);
	if (n <= 0) {
		st.ended = n == 0;
		st.read_error = n < 0 ? errno : no_error;
		return false;
	}
	st.at = 0;
	st.end = static_cast<size_t>(n);
	return true;
}

// Whether the input has ended; not where a read fails: the next read says.
bool input_ended()
{
	return st.at == st.end && !refill() && !broken();
}

// Passes over the next bytes, at most most, through the first newline, into
// buf where given; reads more only where wait is set.  Returns how many.
size_t pass(char *buf, size_t most, bool wait)
{
	size_t n = 0;
	while (n < most && (st.at < st.end || (wait && refill()))) {
		const char *from = input + st.at;
		const size_t room = std::min(most - n, st.end - st.at);
		const auto *newline =
			static_cast<const char *>(memchr(from, '\n', room));
		const size_t k = newline != nullptr ? newline - from + 1 : room;
		if (buf != nullptr)
			memcpy(buf + n, from, k);
		n += k;
		st.at += k;
		if (newline != nullptr)
			break;
	}
	return n;
}

// Tells of the first line ended by CR LF, as from Windows.
void tell_crlf(const char *cr)
{
	if (cr[0] != '\r' || cr[1] != '\n' || st.crlf_told)
		return;
	st.crlf_told = true;
	fprintf(stderr,
		"%s: line %lld ends in CR LF: carriage returns count as "
		"characters of their lines (tr -d '\\r' removes them)\n",
		st.program, st.line);
}

// Skips the rest of the line taken last, which filled its read, through
// its newline; at a canonical terminal, only what it has given, so that a
// line ended by Ctrl-D is not waited on.  False if a read or write failed.
bool skip_rest(char last)
{
	const bool wait = !st.whole_lines;
	const bool rest = st.at < st.end || (wait && refill());
	const char next = rest ? input[st.at] : '\0';
	pass(nullptr, SIZE_MAX, wait);
	if (broken())
		return false;
	if (!rest || st.long_lines++ == 0)
		fprintf(stderr,
			"%s: line %lld reaches the %d-character limit%s\n",
			st.program, st.line, st.bound - 1,
			rest ? "; the rest of the line is skipped"
			     : " with no newline; its last character is "
			       "taken as the newline");
	const char split[] = {last, next};
	tell_crlf(split); // the read's end may fall between CR and LF
	return true;
}

// Takes and measures a line, counting lines for stderr.  A last line gets
// the newline it lacks, where there is room.  A first line's rest is
// skipped at once, a second's once its answer is out.
bool read_counted(char *buf, bool second, size_t *length)
{
	// As fgets(buf, bound, stdin) reads a line.
	const size_t got = pass(buf, static_cast<size_t>(st.bound) - 1, true);
	buf[got] = '\0';
	if (got == 0 || broken())
		return false;
	st.line++;
	if (buf[0] == '\n')
		return false;
	size_t n = strlen(buf);
	const char last = buf[got - 1];
	if (last == '\n') {
		tell_crlf(buf + (n >= 2 ? n - 2 : n));
	} else if (got + 1 < static_cast<size_t>(st.bound)) {
		if (n > 0) { // the read stopped at the end of the input
			buf[n++] = '\n';
			buf[n] = '\0';
		}
	} else if (second)
		st.pending = true;
	else if (!skip_rest(last))
		return false;
	*length = n;
	return true;
}

// How a run's reads end: "enter input" (rejected) lets a repeat go on.
enum class outcome { pair, rejected, stop };

// "enter input" for a line missing, empty or failed; a failure stops.
outcome read_line(char *buf, bool second, size_t *length)
{
	if (read_counted(buf, second, length))
		return outcome::pair;
	puts("enter input");
	return broken() ? outcome::stop : outcome::rejected;
}

// Prints a prompt, its newline included; false if lost.
bool prompt(std::string_view text)
{
	fwrite_unlocked(text.data(), 1, text.size(), stdout);
	return !output_failed();
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
outcome read_pair(std::string_view prompt1, std::string_view prompt2,
		  size_t room1)
{
	const bool typed = st.at_terminal && !st.ended;
	if (output_failed() || (st.repeat && !typed && input_ended()) ||
	    !prompt(prompt1) || (st.repeat && typed && input_ended()) ||
	    !allocate(&st.pair.first, room1))
		return outcome::stop;
	const outcome first = read_line(st.pair.first, false, &st.pair.length1);
	// An empty first line puts every later pair a line out, unseen.
	if (first == outcome::rejected && st.repeat && !st.at_terminal &&
	    st.empty++ == 0)
		fprintf(stderr,
			"%s: line %lld is empty and ends its run; "
			"the next run begins at line %lld\n",
			st.program, st.line, st.line + 1);
	if (first != outcome::pair)
		return first;
	if (!allocate(&st.pair.second, static_cast<size_t>(st.bound)) ||
	    !prompt(prompt2))
		return outcome::stop;
	return read_line(st.pair.second, true, &st.pair.length2);
}

// Tells how many lines like the first told followed it.
void tell_more(long long n, const char *one, const char *many)
{
	if (n > 1)
		fprintf(stderr, "%s: %lld more %s\n", st.program, n - 1,
			n == 2 ? one : many);
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
	// stdout that is stdin, a regular file with input yet to be read, would
	// write over it or follow it: cat's rule.
	struct stat in = {};
	struct stat out = {};
	if (fstat(STDIN_FILENO, &in) == 0 && fstat(fileno(stdout), &out) == 0 &&
	    S_ISREG(out.st_mode) && in.st_dev == out.st_dev &&
	    in.st_ino == out.st_ino &&
	    lseek(STDIN_FILENO, 0, SEEK_CUR) < in.st_size) {
		fprintf(stderr, "%s: input file is output file\n", name);
		st.failed = true;
		return;
	}
	st.more = true;
	termios mode = {};
	st.at_terminal = tcgetattr(STDIN_FILENO, &mode) == 0;
	st.whole_lines = st.at_terminal && (mode.c_lflag & ICANON) != 0;
	// A larger buffer spares most of the system calls of many runs.  At a
	// terminal, output is best seen as it comes.
	if (st.repeat && !st.at_terminal && isatty(fileno(stdout)) == 0) {
		static char out[size_t{64} * 1024];
		setvbuf(stdout, out, _IOFBF, sizeof out);
	}
}

const lines *read_lines(std::string_view prompt1, std::string_view prompt2,
			int bound, size_t room1)
{
	st.bound = bound;
	// Line 2's buffer, which no routine writes to, ends as it was read.
	if (std::exchange(st.pending, false))
		skip_rest(st.pair.second[bound - 2]);
	while (st.more) {
		const outcome run = read_pair(prompt1, prompt2, room1);
		st.more = st.repeat && run != outcome::stop;
		if (run == outcome::pair)
			return &st.pair;
	}
	// A file is left just past the last line read, for its next reader.
	if (st.at < st.end)
		lseek(STDIN_FILENO, -static_cast<off_t>(st.end - st.at),
		      SEEK_CUR);
	return nullptr;
}

int finish()
{
	const char *const name = st.program;
	tell_more(st.empty, "empty line ended its run",
		  "empty lines ended their runs");
	tell_more(st.long_lines, "line reached the limit",
		  "lines reached the limit");
	// A full disk may show only when fclose writes the buffer out.  As in
	// gnulib's close_stdout, a closed stdout is no fault if unwritten.
	const bool pending = __fpending(stdout) != 0;
	output_failed();
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
