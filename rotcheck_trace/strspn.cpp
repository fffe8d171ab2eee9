#include <cstddef>

#include "str.h"

// The first-run matcher: counts the one run of matches that begins where
// the pattern's first character first occurs in the text's content, and
// never tries a later start.  As the library's matcher does, it finds the
// strings' ends a character ahead rather than measuring them first.
int strsp(const char *pattern, const char *text)
{
	if (pattern[0] == '\0' || pattern[1] == '\0' || text[0] == '\0')
		return 0;
	size_t i = 0;
	while (text[i] != pattern[0])
		if (text[++i] == '\0')
			return 0;
	if (text[i + 1] == '\0')
		return 0;
	size_t j = 1;
	while (pattern[j + 1] != '\0' && text[i + j + 1] != '\0' &&
	       pattern[j] == text[i + j])
		j++;
	return static_cast<int>(j);
}
