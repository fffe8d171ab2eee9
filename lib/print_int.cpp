#include <cstdio>

#include "str.h"

void print_int(const char *prefix, int n)
{
	char buf[32];
	char *p = buf;
	while (*prefix != '\0')
		*p++ = *prefix++;
	if (n < 0)
		*p++ = '-';
	// Negated as unsigned, INT_MIN too has a magnitude.
	unsigned int u = n < 0 ? 0U - static_cast<unsigned int>(n)
			       : static_cast<unsigned int>(n);
	for (unsigned int rest = u / 10; rest != 0; rest /= 10)
		p++;
	p[1] = '\0';
	do
		*p-- = static_cast<char>('0' + u % 10);
	while ((u /= 10) != 0);
	fputs(buf, stdout);
}
