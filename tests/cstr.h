#pragma once

#include <algorithm>
#include <cstring>
#include <memory>
#include <ostream>
#include <string_view>

// A heap copy of s and a NUL, sized exactly, so that the sanitizers catch
// any access past the string.
inline std::unique_ptr<char[]> cstr(std::string_view s, size_t room = 0)
{
	auto p = std::make_unique<char[]>(std::max(s.size() + 1, room));
	std::memcpy(p.get(), s.data(), s.size());
	return p;
}

// Prints s in single quotes, with newlines and NULs escaped, for the names
// of test cases.
inline void quote(std::string_view s, std::ostream *os)
{
	*os << '\'';
	for (const char c : s)
		if (c == '\n')
			*os << "\\n";
		else if (c == '\0')
			*os << "\\0";
		else
			*os << c;
	*os << '\'';
}
