// strrot writes exactly the doubled line 1, in a buffer of exactly the room
// it needs, and says whether its matcher finds line 2's content in it.
// Built with TRACE_BUILD, for the trace build's strrot, it also prints its
// three trace lines; the library's prints nothing.
#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz.h"
#include "str.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
	FuzzedDataProvider in(data, size);
	const std::string line1 = line(in.ConsumeRandomLengthString());
	const auto s2 = cstr(in.ConsumeRemainingBytesAsString());
	const std::string_view c1 = content(line1);
	auto s1 = cstr(line1, 2 * c1.size() + 1);
	int rotated = 0;
	const std::string trace =
		capture_stdout([&] { rotated = strrot(s1.get(), s2.get()); });
	const std::string doubled = std::string(c1) + std::string(c1);
	CHECK(std::string_view(s1.get()) == doubled);
	const int len2 = str_len(s2.get());
	const int matched = matcher_oracle(s2.get(), doubled);
	CHECK(rotated == (matched == len2 ? 1 : 0));
#ifdef TRACE_BUILD
	CHECK(trace == "len:" + std::to_string(len2) + "\n" + doubled + "\n" +
			       std::to_string(matched) + " = len \n");
#else
	CHECK(trace.empty());
#endif
	return 0;
}
