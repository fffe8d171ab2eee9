#include <bit>
#include <cstdint>

#include "str.h"

namespace
{

using word = std::uint64_t;
constexpr word ones = 0x0101010101010101;
constexpr word low7 = ones * 0x7f;

// The eight characters from s, the first in the lowest byte, whatever the
// machine's byte order: compilers read them in one load.
word eight(const char *s)
{
	const auto *u = reinterpret_cast<const unsigned char *>(s);
	return word{u[0]} | word{u[1]} << 8 | word{u[2]} << 16 |
	       word{u[3]} << 24 | word{u[4]} << 32 | word{u[5]} << 40 |
	       word{u[6]} << 48 | word{u[7]} << 56;
}

// The high bit of each byte of x that is zero, and of no other.
word zeros(word x)
{
	return ~(((x & low7) + low7) | x | low7);
}

// Whether the n characters at a and at b are the same, eight at a time.
bool same(const char *a, const char *b, int n)
{
	int k = 0;
	for (; k + 8 <= n; k += 8)
		if (eight(a + k) != eight(b + k))
			return false;
	for (; k < n; k++)
		if (a[k] != b[k])
			return false;
	return true;
}

} // namespace

int strsp(const char *pattern, const char *text)
{
	// Neither string's last character takes part.  The first start in
	// the text's content where the pattern's content matches, up to the
	// content's end, gives its count: all of the pattern, or the part of
	// it that ran the text out.
	const int lp = str_len(pattern);
	const int lt = str_len(text);
	if (lp < 1 || lt < 1)
		return 0;
	// Eight starts at a time, where the first two characters match; the
	// characters read stay within the text, up to its terminator.
	const word first = ones * static_cast<unsigned char>(pattern[0]);
	const word second = ones * static_cast<unsigned char>(pattern[1]);
	int i = 0;
	for (; i + 8 < lt; i += 8) {
		word starts = zeros(eight(text + i) ^ first);
		if (lp > 1)
			starts &= zeros(eight(text + i + 1) ^ second);
		for (; starts != 0; starts &= starts - 1) {
			const int at = i + std::countr_zero(starts) / 8;
			const int n = lp < lt - at ? lp : lt - at;
			if (same(pattern, text + at, n))
				return n;
		}
	}
	for (; i < lt; i++) {
		const int n = lp < lt - i ? lp : lt - i;
		if (text[i] == pattern[0] && same(pattern, text + i, n))
			return n;
	}
	return 0;
}
