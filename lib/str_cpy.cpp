#include "str.h"

void str_cpy(const char *src, char *dst)
{
	while ((*dst++ = *src++) != '\0')
		;
}
