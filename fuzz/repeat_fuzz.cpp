// --repeat prints what single runs print, one after another, each given
// what the one before left of the input: whatever the input.
#include <getopt.h>

#include "driver.h"
#include "fuzz.h"

// What runs over input print, each answering with the lines it read: one
// repeating run, or single runs until the input is used up.
static std::string runs(std::string input, bool repeat)
{
	char option[] = "--repeat";
	char *argv[] = {option, option, nullptr};
	// Files, as the program's own streams are, whose buffers the driver
	// may set; the output of 4 KiB of input fits.
	static char out[1 << 20];
	FILE *const saved_in = stdin;
	FILE *const saved_out = stdout;
	FILE *const saved_err = stderr;
	stdin = fmemopen(input.data(), input.size(), "r");
	stdout = fmemopen(out, sizeof out, "w");
	// The lines that a read splits are told there, by each run apart.
	stderr = fopen("/dev/null", "w");
	do {
		// getopt_long reads the arguments afresh.
		optind = 0;
		begin(repeat ? 2 : 1, argv, "repeat_fuzz", "");
		// The buffers are allocated once: one bound, small, to split
		// many lines.
		while (const lines *in = read_lines("1", "2", 6, 6))
			printf("<%s|%s>", in->first, in->second);
	} while (!repeat && ftell(stdin) < static_cast<long>(input.size()));
	fflush(stdout);
	std::string printed(out, static_cast<size_t>(ftell(stdout)));
	fclose(stdin);
	fclose(stdout);
	fclose(stderr);
	stdin = saved_in;
	stdout = saved_out;
	stderr = saved_err;
	return printed;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
	const std::string input(reinterpret_cast<const char *>(data), size);
	// glibc's fmemopen refuses an empty buffer.
	CHECK(size == 0 || runs(input, true) == runs(input, false));
	return 0;
}
