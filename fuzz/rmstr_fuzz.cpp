// rmstr ends, traces every occurrence it removes, and leaves the text
// without exactly those occurrences (and perhaps its last character).
#include <fuzzer/FuzzedDataProvider.h>

#include <vector>

#include "fuzz.h"
#include "str.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
	FuzzedDataProvider in(data, size);
	auto text = cstr(in.ConsumeRandomLengthString());
	const auto pattern = cstr(in.ConsumeRemainingBytesAsString());
	const std::string before = text.get();
	const std::string_view p = content(pattern.get());
	char *result = nullptr;
	const std::string trace = capture_stdout(
		[&] { result = rmstr(text.get(), pattern.get()); });
	CHECK(result == text.get());

	const std::string head =
		"sbu:" + before + "\ndbu:" + pattern.get() + "\n";
	CHECK(trace.starts_with(head));
	std::vector<size_t> ends; // of the removed occurrences
	for (size_t i = head.size(); i < trace.size();) {
		CHECK(trace.compare(i, 2, "i:") == 0);
		size_t n = 0;
		for (i += 2;
		     i < trace.size() && trace[i] >= '0' && trace[i] <= '9';
		     i++)
			n = n * 10 + static_cast<size_t>(trace[i] - '0');
		CHECK(!p.empty() && n >= p.size() && n <= before.size());
		CHECK(ends.empty() || n >= ends.back() + p.size());
		CHECK(before.compare(n - p.size(), p.size(), p) == 0);
		ends.push_back(n);
	}

	std::string kept; // the text without the removed occurrences
	size_t from = 0;
	for (const size_t end : ends) {
		kept += before.substr(from, end - p.size() - from);
		from = end;
	}
	kept += before.substr(from);
	const std::string after = result;
	CHECK(after == kept ||
	      (!before.empty() && after + before.back() == kept));
	if (p.empty())
		CHECK(after == content(before));
	return 0;
}
