// strsp against its oracle: the library's scan matcher, or, built with
// TRACE_BUILD, the trace build's first-run matcher.
#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz.h"
#include "str.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
	FuzzedDataProvider in(data, size);
	const auto text = cstr(in.ConsumeRandomLengthString());
	const auto pattern = cstr(in.ConsumeRemainingBytesAsString());
	const int matched = strsp(pattern.get(), text.get());
	CHECK(matched >= 0 && matched <= std::max(str_len(pattern.get()), 0));
	CHECK(matched == matcher_oracle(pattern.get(), text.get()));
	return 0;
}
