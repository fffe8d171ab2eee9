#include <charconv>
#include <cstdio>
#include <iterator>

#include "str.h"

// Prints before, the n characters of s and a newline, as printf("%s%s\n")
// would, without its cost.
static void print_line(const char *before, const char *s, int n)
{
	fputs_unlocked(before, stdout);
	fwrite_unlocked(s, 1, static_cast<size_t>(n), stdout);
	putc_unlocked('\n', stdout);
}

// printf("i:%d", r) at a fraction of its cost: a removal may print one for
// every character of the text.
static void print_position(int r)
{
	char buf[16] = "i:"; // and at most 11 characters of an int
	const char *end = std::to_chars(buf + 2, std::end(buf), r).ptr;
	fwrite_unlocked(buf, 1, static_cast<size_t>(end - buf), stdout);
}

char *rmstr(char *text, const char *pattern)
{
	const int last = str_len(text);
	const int len = str_len(pattern);
	print_line("sbu:", text, last + 1);
	print_line("dbu:", pattern, len + 1);
	if (len < 1) {
		// Content that is empty occurs nowhere: matching it would never
		// advance the pass.  Keep what a pass without matches keeps.
		if (last >= 0)
			text[last] = '\0';
		return text;
	}
	int r = 0;
	int w = 0;
	while (r < last) {
		// What cannot begin the pattern is kept as it is.
		while (r < last && text[r] != pattern[0])
			text[w++] = text[r++];
		if (r == last)
			break;
		int k = 0;
		while (k < len && pattern[k] == text[r]) {
			r++;
			k++;
		}
		if (k == len)
			print_position(r);
		else
			for (int i = r - k; i < r; i++)
				text[w++] = text[i];
		if (text[r] == '\0')
			break;
		// A possible start of the pattern begins the next attempt.
		if (text[r] != pattern[0])
			text[w++] = text[r++];
	}
	text[w] = '\0';
	return text;
}
