#include <charconv>
#include <cstdio>
#include <iterator>

#include "str.h"

// Prints n between before and after, as printf("%s%d%s") would, at a
// fraction of its cost.  The two callers below fit in the buffer.
static void print_number(const char *before, int n, const char *after)
{
	char line[32];
	char *p = line;
	while (*before != '\0')
		*p++ = *before++;
	p = std::to_chars(p, std::end(line), n).ptr;
	while (*after != '\0')
		*p++ = *after++;
	fwrite_unlocked(line, 1, static_cast<size_t>(p - line), stdout);
}

// As the library's strrot, printing line 2's content length, the doubled
// line 1 and the match count, and deciding with the first-run matcher.
int strrot(char *s1, const char *s2)
{
	const int len = str_len(s1);
	const int len2 = str_len(s2);
	print_number("len:", len2, "\n");
	for (int k = 0; k < len; k++)
		s1[len + k] = s1[k];
	const int doubled = len < 0 ? 0 : 2 * len;
	s1[doubled] = '\0';
	fwrite_unlocked(s1, 1, static_cast<size_t>(doubled),
			stdout); // puts(s1)
	putc_unlocked('\n', stdout);
	const int matched = strsp(s2, s1);
	print_number("", matched, " = len \n");
	return matched == len2 ? 1 : 0;
}
