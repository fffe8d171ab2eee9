#include "str.h"

int strrot(char *s1, const char *s2)
{
	const int len = str_len(s1);
	for (int k = 0; k < len; k++)
		s1[len + k] = s1[k];
	s1[len < 0 ? 0 : 2 * len] = '\0';
	return strsp(s2, s1) == str_len(s2) ? 1 : 0;
}
