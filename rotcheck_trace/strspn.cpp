#include "str.h"

// The first-run matcher: counts the one run of matches that begins where
// the pattern's first character first occurs in the text's content, and
// never tries a later start.
int strsp(const char *pattern, const char *text)
{
	const int last = str_len(text);
	const int len = str_len(pattern);
	int i = 0;
	while (i < last && text[i] != pattern[0])
		i++;
	int j = 0;
	while (j < len && i + j < last && pattern[j] == text[i + j])
		j++;
	return j;
}
