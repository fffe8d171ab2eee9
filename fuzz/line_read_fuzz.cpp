// The bounded line read, line after line to the end of an input: each line
// is the next bytes of the input, at most bound - 1 of them, ending at the
// first newline, and it is rejected exactly when nothing was read or it is
// a lone newline.
#include <cstring>
#include <memory>

#include "driver.h"
#include "fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
	if (size == 0)
		return 0;
	const int bound = 2 + data[0] % 160;
	const std::string input(reinterpret_cast<const char *>(data) + 1,
				size - 1);
	FILE *in =
		fmemopen(const_cast<char *>(input.data()), input.size(), "r");
	if (in == nullptr) // glibc refuses an empty buffer
		return 0;
	const auto buf = std::make_unique<char[]>(static_cast<size_t>(bound));
	for (size_t at = 0;;) {
		const bool accepted = get_line(buf.get(), bound, in);
		const auto got = static_cast<size_t>(ftell(in)) - at;
		if (got == 0) {
			CHECK(!accepted && at == input.size());
			break;
		}
		CHECK(got <= static_cast<size_t>(bound) - 1);
		CHECK(std::memcmp(buf.get(), input.data() + at, got) == 0);
		CHECK(buf[got] == '\0');
		const void *nl = std::memchr(buf.get(), '\n', got);
		CHECK(nl == nullptr || nl == buf.get() + got - 1);
		CHECK(nl != nullptr || got == static_cast<size_t>(bound) - 1 ||
		      at + got == input.size());
		CHECK(accepted == (buf[0] != '\n'));
		at += got;
	}
	fclose(in);
	return 0;
}
