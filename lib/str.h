// String routines over line strings: NUL-terminated strings whose last
// character (normally the newline kept by the line read) is the line's
// terminator and never part of its content.  None allocates; lengths are
// ints, so strings must be shorter than INT_MAX.
#pragma once

// Content length: characters before the NUL, minus one (-1 for "").
int str_len(const char *s);

// Scan matcher: how many characters of pattern's content match when a
// left-to-right search of text's content stops.  For a pattern of one
// character or more, equal to str_len(pattern) exactly when its content
// occurs in text's content.
int strsp(const char *pattern, const char *text);

// Removes the occurrences of pattern's content from text in place, in one
// greedy pass, printing "sbu:", "dbu:" and one "i:" per occurrence to
// stdout.  Unlike strsp, a match attempt may run onto text's last
// character: in a text without a newline, an occurrence can end there and
// take that character with it.  Returns text.
char *rmstr(char *text, const char *pattern);

// Writes s1's content twice over in s1, in place of its terminator, and
// returns 1 when s2's content occurs in the result, else 0.  s1 needs room
// for 2 * str_len(s1) + 1 bytes.
int strrot(char *s1, const char *s2);

// Collapses each run of equal characters in s to one.  Returns s.
char *squeeze(char *s);

// Copies src and its NUL to dst; they must not overlap.
void str_cpy(const char *src, char *dst);
