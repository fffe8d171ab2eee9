// One line in, one line read: over any input, given in reads of any size,
// each run reads its pair from the next two lines of the input, each as
// its first bound - 1 bytes, a last line given the newline it lacks where
// there is room, and an empty line ends its run; --repeat prints what
// single runs print, one after another, each given what the one before
// left of the input.
#include <getopt.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

#include "driver.h"
#include "fuzz.h"

// The most that a read of the input gives: linked with --wrap=read, the
// driver's reads end where the fuzzer chooses.
static size_t chunk = SIZE_MAX;

// NOLINTNEXTLINE(bugprone-reserved-identifier): the linker names these two.
extern "C" ssize_t __real_read(int fd, void *buf, size_t size);

// NOLINTNEXTLINE(bugprone-reserved-identifier)
extern "C" ssize_t __wrap_read(int fd, void *buf, size_t size)
{
	return __real_read(fd, buf, std::min(size, chunk));
}

// The buffers are allocated once, by the first run: one bound, small, to
// split many lines.
constexpr int bound = 6;

// What runs over input print, each answering with the lines it read: one
// repeating run, or single runs until the input is used up.
static std::string runs(std::string_view input, bool repeat)
{
	char option[] = "--repeat";
	char *argv[] = {option, option, nullptr};
	// Standard input is a file, as the program's may be; stdout a file
	// whose buffer the driver may set, which the output of 4 KiB fits.
	const int fd = memfd_create("input", 0);
	CHECK(write(fd, input.data(), input.size()) ==
	      static_cast<ssize_t>(input.size()));
	lseek(fd, 0, SEEK_SET);
	dup2(fd, STDIN_FILENO);
	close(fd);
	static char out[1 << 20];
	FILE *const saved_out = stdout;
	FILE *const saved_err = stderr;
	stdout = fmemopen(out, sizeof out, "w");
	stderr = fopen("/dev/null", "w"); // each run tells its own lines
	do {
		optind = 0; // getopt_long reads the arguments afresh
		begin(repeat ? 2 : 1, argv, "line_read_fuzz", "");
		while (const lines *in = read_lines("1\n", "2\n", bound, bound))
			printf("<%s|%s>", in->first, in->second);
	} while (!repeat && lseek(STDIN_FILENO, 0, SEEK_CUR) <
				    static_cast<off_t>(input.size()));
	fflush(stdout);
	std::string printed(out, static_cast<size_t>(ftell(stdout)));
	fclose(stdout);
	fclose(stderr);
	stdout = saved_out;
	stderr = saved_err;
	return printed;
}

// What the runs must print: each line as %s shows it, in turn.
static std::string oracle(std::string_view input)
{
	constexpr size_t most = bound - 1; // bytes that a read takes
	std::vector<std::string> lines;
	for (size_t at = 0; at < input.size();) {
		const size_t end = std::min(input.find('\n', at), input.size());
		std::string read(
			input.substr(at, std::min(end + 1 - at, most)));
		read = read.substr(0, read.find('\0'));
		if (end == input.size() && end - at < most && !read.empty())
			read += '\n';
		lines.push_back(read);
		at = end + 1;
	}
	std::string want;
	for (size_t i = 0; i < lines.size();) {
		want += "1\n";
		if (lines[i++] == "\n") {
			want += "enter input\n";
			continue;
		}
		want += "2\n";
		if (i == lines.size() || lines[i] == "\n")
			want += "enter input\n";
		else
			want += "<" + lines[i - 1] + "|" + lines[i] + ">";
		i++;
	}
	return want;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
	if (size == 0)
		return 0;
	chunk = 1 + data[0] % 16;
	const std::string_view input(reinterpret_cast<const char *>(data) + 1,
				     size - 1);
	const std::string repeated = runs(input, true);
	CHECK(repeated == oracle(input));
	// A single run over no input still prompts, and says "enter input".
	CHECK(input.empty() || repeated == runs(input, false));
	return 0;
}
