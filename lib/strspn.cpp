#include <cstddef>

#include "str.h"

int strsp(const char *pattern, const char *text)
{
	// Neither string's last character takes part: an attempt ends where
	// the pattern's content does, or where the text's runs out.  The ends
	// are found a character ahead on the way, rather than measured first.
	if (pattern[0] == '\0' || pattern[1] == '\0' || text[0] == '\0')
		return 0;
	// Each start before the text's last character, until one gets there.
	for (size_t i = 0; text[i + 1] != '\0'; i++)
		for (size_t j = 0; pattern[j] == text[i + j];) {
			j++;
			if (pattern[j + 1] == '\0' || text[i + j + 1] == '\0')
				return static_cast<int>(j);
		}
	return 0;
}
