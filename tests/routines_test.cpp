// The library's routines, case by case.  Every string lives in a buffer of
// its exact size, so that under the sanitizers a read or write one byte
// past it fails the test.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <string>

#include "cstr.h"
#include "scan_case.h"
#include "str.h"

namespace
{

struct length_case {
	const char *s;
	int len;
};

void PrintTo(const length_case &c, std::ostream *os)
{
	quote(c.s, os);
}

class StrLen : public testing::TestWithParam<length_case>
{
};

TEST_P(StrLen, CountsAllButTheTerminator)
{
	EXPECT_EQ(str_len(cstr(GetParam().s).get()), GetParam().len);
}

INSTANTIATE_TEST_SUITE_P(Lines, StrLen,
			 testing::Values(length_case{"abc\n", 3},
					 length_case{"abc", 2},
					 length_case{"x", 0},
					 length_case{"", -1},
					 // Eight characters a turn.
					 length_case{"abcdefg\n", 7},
					 length_case{"abcdefghijklmno\n", 15}));

class Strsp : public testing::TestWithParam<scan_case>
{
};

TEST_P(Strsp, CountsMatchedPatternCharacters)
{
	const scan_case &c = GetParam();
	EXPECT_EQ(strsp(cstr(c.pattern).get(), cstr(c.text).get()), c.matched);
}

INSTANTIATE_TEST_SUITE_P(
	Lines, Strsp,
	testing::Values(
		scan_case{"lo\n", "hello world\n", 2},
		// The failed attempt at 0 restarts at 1, not at the break.
		scan_case{"aab\n", "aaab\n", 3},
		// The text runs out during an attempt.
		scan_case{"abc\n", "xxab\n", 2},
		// The text's last character is never compared.
		scan_case{"ab\n", "xab", 1}, scan_case{"x\n", "abc\n", 0},
		// A pattern without content is found anywhere.
		scan_case{"a", "banana\n", 0},
		scan_case{"world\n", "hello world\n", 5},
		scan_case{"abc\n", "abc\n", 3}, scan_case{"abcd\n", "abc\n", 3},
		scan_case{"", "abc\n", 0}, scan_case{"abc\n", "", 0},
		scan_case{"", "", 0}, scan_case{"a\n", "a", 0},
		// Eight starts at a time: a match across their words, a start
		// whose second character differs, one the text runs out in,
		// and the text's last character; a NUL ends the text.
		scan_case{"9abcdefghij\n", "0123456789abcdefghijk\n", 11},
		scan_case{"ac\n", "abababababacab\n", 2},
		scan_case{"x\n", "abcxefghijklm\n", 1},
		scan_case{"abc\n", "xxxxxxxab\n", 2},
		scan_case{"ab\n", "xxxxxxxxxxxxa\n", 1},
		scan_case{"ab\n", "xxxxxxxxxxxxxxxa\n", 1},
		scan_case{"ij\n", "abcdefghij\0klmnop\n", 1}));

// A pattern longer than a word is found at every place of the words the
// scan reads, and a text that differs from it at any one place, after its
// first, holds no match.
TEST(ScanWords, MatchesAtEveryPlace)
{
	const std::string pattern = "abcdefghijklmno";
	for (size_t at = 0; at < 16; at++) {
		std::string text =
			std::string(at, 'x') + pattern + "xxxxxxxx\n";
		EXPECT_EQ(strsp(cstr(pattern + '\n').get(), cstr(text).get()),
			  15)
			<< at;
		text[at + 1 + at % 14] = 'x';
		EXPECT_EQ(strsp(cstr(pattern + '\n').get(), cstr(text).get()),
			  0)
			<< at;
	}
}

struct removal_case {
	const char *text;
	const char *pattern;
	const char *removed; // the "i:" trace
	const char *result;
};

void PrintTo(const removal_case &c, std::ostream *os)
{
	quote(c.pattern, os);
	*os << " from ";
	quote(c.text, os);
}

class Rmstr : public testing::TestWithParam<removal_case>
{
      protected:
	// A pass that never ends prints "i:" without end: let it fail the
	// test instead of filling the disk with captured output.
	static void SetUpTestSuite()
	{
		const rlimit size{1 << 20, 1 << 20};
		setrlimit(RLIMIT_FSIZE, &size);
	}
};

TEST_P(Rmstr, RemovesOccurrencesAndTracesThem)
{
	const removal_case &c = GetParam();
	auto text = cstr(c.text);
	testing::internal::CaptureStdout();
	char *result = rmstr(text.get(), cstr(c.pattern).get());
	const std::string trace = testing::internal::GetCapturedStdout();
	EXPECT_EQ(result, text.get());
	EXPECT_STREQ(result, c.result);
	EXPECT_EQ(trace, std::string("sbu:") + c.text + "\ndbu:" + c.pattern +
				 "\n" + c.removed);
}

INSTANTIATE_TEST_SUITE_P(
	Lines, Rmstr,
	testing::Values(
		removal_case{"hello world\n", "lo\n", "i:5", "hel world"},
		// The last failed attempt carries the pass onto the newline.
		removal_case{"banana\n", "an\n", "i:3i:5", "ba\n"},
		removal_case{"aXbXc\n", "X\n", "i:2i:4", "abc"},
		removal_case{"aaaa\n", "aa\n", "i:2i:4", "\n"},
		removal_case{"hello\n", "hello\n", "i:5", "\n"},
		removal_case{"hello world\n", "o w\n", "i:7", "hellorld"},
		removal_case{"world hello wor\n", "world\n", "i:5",
			     " hello wor\n"},
		// Found by the scan, yet missed by the pass.
		removal_case{"aaab\n", "aab\n", "", "aaab"},
		// Patterns without content occur nowhere, and the pass ends.
		removal_case{"zzz\n", "z", "", "zzz"},
		removal_case{"z\n", "z", "", "z"},
		removal_case{"a", "z", "", ""},
		removal_case{"azbz\n", "z", "", "azbz"},
		removal_case{"abc\n", "", "", "abc"},
		removal_case{"", "z", "", ""},
		// The pass meets the text's NUL and stops there.
		removal_case{"ab", "ab\n", "i:2", ""},
		removal_case{"xab", "abc\n", "", "xab"},
		removal_case{"", "ab\n", "", ""},
		removal_case{"a", "a\n", "", ""}));

struct rotation_case {
	const char *s1;
	const char *s2;
	int rotated;
	const char *doubled;
};

void PrintTo(const rotation_case &c, std::ostream *os)
{
	quote(c.s2, os);
	*os << " of ";
	quote(c.s1, os);
}

class Strrot : public testing::TestWithParam<rotation_case>
{
};

TEST_P(Strrot, DoublesLine1AndFindsLine2InIt)
{
	const rotation_case &c = GetParam();
	// Exactly the room the doubling needs, so that one byte more is
	// caught.
	auto s1 = cstr(c.s1, 2 * std::max(str_len(c.s1), 0) + 1);
	EXPECT_EQ(strrot(s1.get(), cstr(c.s2).get()), c.rotated);
	EXPECT_STREQ(s1.get(), c.doubled);
}

INSTANTIATE_TEST_SUITE_P(
	Lines, Strrot,
	testing::Values(rotation_case{"abcd\n", "cdab\n", 1, "abcdabcd"},
			rotation_case{"abcd\n", "abcd\n", 1, "abcdabcd"},
			rotation_case{"abcd\n", "acbd\n", 0, "abcdabcd"},
			rotation_case{"aab\n", "aba\n", 1, "aabaab"},
			// Any piece of line 1 passes; lengths are not compared.
			rotation_case{"abc\n", "ab\n", 1, "abcabc"},
			rotation_case{"ab\n", "aba\n", 1, "abab"},
			// The doubled line's last character is never compared.
			rotation_case{"ab\n", "bab\n", 0, "abab"},
			rotation_case{"ab\n", "abab\n", 0, "abab"},
			rotation_case{"abc\n", "x\n", 0, "abcabc"},
			rotation_case{"abcd\n", "bcda", 1, "abcdabcd"},
			rotation_case{"a\n", "b", 1, "aa"},
			rotation_case{"x", "x\n", 0, ""},
			rotation_case{"", "x\n", 0, ""},
			rotation_case{"ab\n", "", 0, "abab"}));

struct squeeze_case {
	const char *s;
	const char *squeezed;
};

void PrintTo(const squeeze_case &c, std::ostream *os)
{
	quote(c.s, os);
}

class Squeeze : public testing::TestWithParam<squeeze_case>
{
};

TEST_P(Squeeze, CollapsesRunsOfEqualNeighbours)
{
	auto s = cstr(GetParam().s);
	EXPECT_EQ(squeeze(s.get()), s.get());
	EXPECT_STREQ(s.get(), GetParam().squeezed);
}

INSTANTIATE_TEST_SUITE_P(Strings, Squeeze,
			 testing::Values(squeeze_case{"aabbcc\n", "abc\n"},
					 squeeze_case{"abba\n", "aba\n"},
					 squeeze_case{"a\n\n\n", "a\n"},
					 squeeze_case{"aaa", "a"},
					 squeeze_case{"a", "a"},
					 squeeze_case{"", ""}));

TEST(StrCpy, CopiesTheStringAndItsNulAndNothingMore)
{
	for (const std::string src : {"abc\n", ""}) {
		const std::string before(8, '#');
		auto dst = cstr(before);
		str_cpy(cstr(src).get(), dst.get());
		EXPECT_EQ(std::string(dst.get(), 8),
			  src + '\0' + before.substr(src.size() + 1));
	}
}

} // namespace
