#include "run.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

// Files in memory stand in for the child's streams: no pipe can fill up
// and block either side, and a child that exits early breaks nothing.
static int memfile(std::string_view data)
{
	const int fd = memfd_create("stream", MFD_CLOEXEC);
	if (fd < 0 ||
	    write(fd, data.data(), data.size()) !=
		    static_cast<ssize_t>(data.size()) ||
	    lseek(fd, 0, SEEK_SET) != 0)
		throw std::runtime_error("memfd");
	return fd;
}

// Opens a pseudo-terminal for the child, whose end goes to *child_end, in
// canonical mode or not; returns the end where its input is typed.
static int open_terminal(int *child_end, bool canonical = true)
{
	const int typed = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
	if (typed < 0 || grantpt(typed) != 0 || unlockpt(typed) != 0 ||
	    (*child_end = open(ptsname(typed), O_RDWR | O_NOCTTY | O_CLOEXEC)) <
		    0)
		throw std::runtime_error("terminal");
	termios mode = {};
	if (!canonical && tcgetattr(*child_end, &mode) == 0) {
		mode.c_lflag &= ~tcflag_t{ICANON};
		tcsetattr(*child_end, TCSANOW, &mode);
	}
	return typed;
}

// What the child writes to the pipe fd up to a whole line, or until it
// has been silent for two seconds.
static std::string first_line(int fd)
{
	std::string s;
	pollfd ready{fd, POLLIN, 0};
	char buf[4096];
	ssize_t n = 0;
	while ((s.empty() || s.back() != '\n') && poll(&ready, 1, 2000) > 0 &&
	       (n = read(fd, buf, sizeof buf)) > 0)
		s.append(buf, static_cast<size_t>(n));
	return s;
}

static std::string contents(int fd)
{
	std::string s;
	char buf[4096];
	ssize_t n;
	lseek(fd, 0, SEEK_SET);
	while ((n = read(fd, buf, sizeof buf)) > 0)
		s.append(buf, static_cast<size_t>(n));
	close(fd);
	return s;
}

// The child's standard input and output, and the parent's ends of them.
struct streams {
	int in = -1;
	int out = -1;
	int read_out = -1; // out, or the other end of its pipe
	int terminal = -1; // where the input is typed, at a terminal or pipe
	int writer = -1;   // the stalled pipe's other end
};

// The child's standard output, where it does not type at a terminal, and
// *read_out, where what it wrote is read back.
static int open_output(out_to out, int in, int *read_out)
{
	int fd = -1;
	switch (out) {
	case out_to::hung_up:
		close(open_terminal(&fd));
		return fd;
	case out_to::input:
		return *read_out = dup(in);
	case out_to::appended:
		*read_out = dup(in);
		return open(("/proc/self/fd/" + std::to_string(in)).c_str(),
			    O_WRONLY | O_APPEND | O_CLOEXEC);
	case out_to::full_disk:
		return *read_out = open("/dev/full", O_WRONLY | O_CLOEXEC);
	default:
		return *read_out = memfile("");
	}
}

static streams open_streams(std::string_view input, const run_options &opt)
{
	streams s;
	int ends[2];
	if (opt.piped && pipe2(ends, O_CLOEXEC) == 0) {
		s.in = ends[0];
		s.terminal = ends[1];
	} else if (opt.at_terminal)
		s.terminal = open_terminal(&s.in, !opt.raw);
	if (opt.at_terminal || opt.piped) {
		if (opt.out == out_to::full_disk)
			s.out = open("/dev/full", O_WRONLY | O_CLOEXEC);
		else if (pipe2(ends, O_CLOEXEC) == 0) {
			s.read_out = ends[0];
			s.out = ends[1];
		}
	} else {
		if (opt.stalled_pipe &&
		    (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0 ||
		     write(ends[1], input.data(), input.size()) !=
			     static_cast<ssize_t>(input.size())))
			throw std::runtime_error("pipe");
		s.in = opt.stalled_pipe ? ends[0]
		       : opt.stdin_path != nullptr
			       ? open(opt.stdin_path, O_RDONLY | O_CLOEXEC)
			       : memfile(input);
		s.writer = opt.stalled_pipe ? ends[1] : -1;
		s.out = open_output(opt.out, s.in, &s.read_out);
	}
	if (s.in < 0 || s.out < 0)
		throw std::runtime_error("open");
	return s;
}

run_result run(const char *program, std::string_view input,
	       const run_options &opt)
{
	const streams s = open_streams(input, opt);
	const int err = memfile("");
	const char *argv[] = {opt.argv0 != nullptr ? opt.argv0 : program,
			      opt.args[0], opt.args[1], nullptr};
	const pid_t pid = fork();
	if (pid < 0)
		throw std::runtime_error("fork");
	if (pid == 0) {
		dup2(s.in, 0);
		dup2(s.out, 1);
		dup2(err, 2);
		if (opt.out == out_to::closed)
			close(1);
		// A run that never ends, or writes without end, fails
		// rather than stalls the tests.
		const rlimit size{1 << 20, 1 << 20};
		setrlimit(RLIMIT_FSIZE, &size);
		alarm(10);
		if (opt.env != nullptr)
			putenv(const_cast<char *>(opt.env));
		execv(program, const_cast<char *const *>(argv));
		_exit(127);
	}
	std::string written;
	std::string transcript;
	// Output that cannot be seen is not waited for: nothing is typed.
	if ((opt.at_terminal || opt.piped) && s.read_out >= 0) {
		close(s.out);
		for (size_t at = 0, end = 0; at < input.size(); at = end) {
			end = std::min(input.find_first_of("\n\x04", at),
				       input.size() - 1) +
			      1;
			const std::string out = first_line(s.read_out);
			written += out;
			transcript +=
				out + std::string(input.substr(at, end - at));
			if (write(s.terminal, input.data() + at, end - at) !=
			    static_cast<ssize_t>(end - at))
				throw std::runtime_error("terminal");
		}
	}
	if (opt.piped)
		close(s.terminal);
	// What is left in a pipe fits in its buffer, and can wait for the end.
	int ws = 0;
	waitpid(pid, &ws, 0);
	// The child's offset in its input, which the two share: none at a
	// terminal.
	const off_t offset = std::max<off_t>(lseek(s.in, 0, SEEK_CUR), 0);
	close(s.in);
	close(s.writer);
	if (opt.at_terminal)
		close(s.terminal);
	std::string rest;
	// Nothing to read: and reading /dev/full never ends.
	if (opt.out == out_to::full_disk || opt.out == out_to::hung_up)
		close(s.out);
	else
		rest = contents(s.read_out);
	return {written + rest, contents(err),
		WIFEXITED(ws) ? WEXITSTATUS(ws) : 128 + WTERMSIG(ws),
		transcript + rest, static_cast<size_t>(offset)};
}
