// strrot writes exactly the doubled line 1 (in a buffer of exactly the
// room it needs) and says whether line 2's content is in it.
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
	const int rotated = strrot(s1.get(), s2.get());
	const std::string doubled = std::string(c1) + std::string(c1);
	CHECK(std::string_view(s1.get()) == doubled);
	const int len2 = str_len(s2.get());
	CHECK(rotated == (len2 >= 0 && scan_oracle(s2.get(), doubled) == len2));
	return 0;
}
