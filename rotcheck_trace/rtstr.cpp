#include <cstdio>

#include "str.h"

// As the library's strrot, printing line 2's content length, the doubled
// line 1 and the match count, and deciding with the first-run matcher.
int strrot(char *s1, const char *s2)
{
	const int len = str_len(s1);
	const int len2 = str_len(s2);
	print_int("len:", len2);
	putchar('\n');
	for (int k = 0; k < len; k++)
		s1[len + k] = s1[k];
	s1[len < 0 ? 0 : 2 * len] = '\0';
	puts(s1);
	const int matched = strsp(s2, s1);
	print_int("", matched);
	fputs(" = len \n", stdout);
	return matched == len2 ? 1 : 0;
}
