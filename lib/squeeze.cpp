#include "str.h"

char *squeeze(char *s)
{
	int w = 0;
	for (int r = 0; s[r] != '\0'; r++) {
		while (s[r + 1] == s[r])
			r++;
		s[w++] = s[r];
	}
	s[w] = '\0';
	return s;
}
