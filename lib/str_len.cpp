#include "str.h"

int str_len(const char *s)
{
	// Eight characters a turn, each tested before the next is read.
	for (const char *p = s;; p += 8)
		for (int k = 0; k < 8; k++)
			if (p[k] == '\0')
				return static_cast<int>(p - s) + k - 1;
}
