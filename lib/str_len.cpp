#include "str.h"

int str_len(const char *s)
{
	const char *p = s;
	while (*p != '\0')
		p++;
	return static_cast<int>(p - s) - 1;
}
