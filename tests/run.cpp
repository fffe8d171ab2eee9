#include "run.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

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

run_result run(const char *program, std::string_view input,
	       const run_options &opt)
{
	const int in = opt.stdin_path != nullptr
			       ? open(opt.stdin_path, O_RDONLY | O_CLOEXEC)
			       : memfile(input);
	const int out = opt.out == out_to::full_disk
				? open("/dev/full", O_WRONLY | O_CLOEXEC)
				: memfile("");
	const int err = memfile("");
	if (in < 0 || out < 0)
		throw std::runtime_error("open");
	const pid_t pid = fork();
	if (pid < 0)
		throw std::runtime_error("fork");
	if (pid == 0) {
		dup2(in, 0);
		dup2(out, 1);
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
		execl(program, program, static_cast<char *>(nullptr));
		_exit(127);
	}
	int ws = 0;
	waitpid(pid, &ws, 0);
	close(in);
	std::string written;
	if (opt.out == out_to::full_disk) // reading /dev/full never ends
		close(out);
	else
		written = contents(out);
	return {written, contents(err),
		WIFEXITED(ws) ? WEXITSTATUS(ws) : 128 + WTERMSIG(ws)};
}
