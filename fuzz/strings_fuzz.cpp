// squeeze leaves no two equal neighbours and is std::unique; a second
// squeeze changes nothing; str_cpy copies exactly, into exactly enough.
#include <algorithm>

#include "fuzz.h"
#include "str.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
	const std::string s(
		reinterpret_cast<const char *>(data),
		strnlen(reinterpret_cast<const char *>(data), size));

	const auto copy = cstr(std::string(s.size(), '#'));
	str_cpy(cstr(s).get(), copy.get());
	CHECK(std::string_view(copy.get(), s.size() + 1) == s + '\0');

	auto squeezed = cstr(s);
	CHECK(squeeze(squeezed.get()) == squeezed.get());
	std::string unique = s;
	unique.erase(std::unique(unique.begin(), unique.end()), unique.end());
	CHECK(squeezed.get() == unique);
	const std::string once = squeezed.get();
	CHECK(squeeze(squeezed.get()) == once);
	return 0;
}
