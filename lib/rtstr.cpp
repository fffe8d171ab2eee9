#include "str.h"

int strrot(char *s1, const char *s2)
{
	const int len = str_len(s1);
	for (int k = 0; k < len; k++)
		s1[len + k] = s1[k];
	s1[len < 0 ? 0 : 2 * len] = '\0';
	// The match counts all of s2's content, str_len(s2), exactly where
	// s2 ends right after it: s2 is not walked a second time.
	const int matched = strsp(s2, s1);
	return s2[0] != '\0' && s2[matched + 1] == '\0' ? 1 : 0;
}
