#pragma once

#include <ostream>

#include "cstr.h"

// A case for a matcher: the count it must return for pattern and text.
struct scan_case {
	const char *pattern;
	const char *text;
	int matched;
};

inline void PrintTo(const scan_case &c, std::ostream *os)
{
	quote(c.pattern, os);
	*os << " in ";
	quote(c.text, os);
}
