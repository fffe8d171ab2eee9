#include "str.h"

int strsp(const char *pattern, const char *text)
{
	// Neither string's last character takes part.
	const int last = str_len(text);
	const int len = str_len(pattern);
	int i = 0;
	int j = 0;
	while (i < last && j < len) {
		if (pattern[j] == text[i]) {
			i++;
			j++;
		} else {
			i = i + 1 - j;
			j = 0;
		}
	}
	return j;
}
