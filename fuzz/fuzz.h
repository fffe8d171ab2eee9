// What the fuzz targets share: checks that abort, so that libFuzzer keeps
// the input, and the line-string terms the properties are stated in.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "cstr.h"

#define CHECK(cond) ((cond) ? (void)0 : fail(#cond, __FILE__, __LINE__))

[[noreturn]] inline void fail(const char *what, const char *file, int line)
{
	fprintf(stderr, "%s:%d: check failed: %s\n", file, line, what);
	abort();
}

// What a routine sees of s: a line string ends at its first NUL.
inline std::string line(const std::string &s)
{
	return s.substr(0, s.find('\0'));
}

// All of a line string but its last character.
inline std::string_view content(std::string_view s)
{
	return s.empty() ? s : s.substr(0, s.size() - 1);
}

// What the scan matcher must find: the whole of the pattern's content
// when it occurs in the text's content, else the longest proper prefix of
// it that ends the text's content (the attempt the text ran out in).
inline int scan_oracle(std::string_view pattern, std::string_view text)
{
	const std::string_view p = content(pattern);
	const std::string_view t = content(text);
	if (t.find(p) != std::string_view::npos)
		return static_cast<int>(p.size());
	size_t k = std::min(p.size() - 1, t.size());
	while (k > 0 && !t.ends_with(p.substr(0, k)))
		k--;
	return static_cast<int>(k);
}

// What the first-run matcher must find: the length of the common prefix of
// the pattern's content and the text's content from the first place where
// the pattern's first character occurs.
inline int first_run_oracle(std::string_view pattern, std::string_view text)
{
	const std::string_view p = content(pattern);
	const std::string_view t = content(text);
	const size_t start = p.empty() ? std::string_view::npos : t.find(p[0]);
	if (start == std::string_view::npos)
		return 0;
	size_t k = 0;
	while (k < p.size() && start + k < t.size() && p[k] == t[start + k])
		k++;
	return static_cast<int>(k);
}

#ifdef TRACE_BUILD
// The trace build's routines match with the first-run matcher.
inline int matcher_oracle(std::string_view pattern, std::string_view text)
{
	return first_run_oracle(pattern, text);
}
#else
inline int matcher_oracle(std::string_view pattern, std::string_view text)
{
	return scan_oracle(pattern, text);
}
#endif

// Runs f with stdout sent to a string, and returns the string.
template <typename F> std::string capture_stdout(F f)
{
	char *buf = nullptr;
	size_t size = 0;
	FILE *saved = stdout;
	stdout = open_memstream(&buf, &size);
	f();
	fclose(stdout);
	stdout = saved;
	std::string out(buf, size);
	free(buf);
	return out;
}
