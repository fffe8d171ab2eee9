// The trace build's own strsp and strrot, which are linked into this test
// instead of the library's.
#include <gtest/gtest.h>

#include <string>

#include "cstr.h"
#include "scan_case.h"
#include "str.h"

namespace
{

class FirstRunStrsp : public testing::TestWithParam<scan_case>
{
};

TEST_P(FirstRunStrsp, CountsTheRunAtTheFirstStart)
{
	const scan_case &c = GetParam();
	EXPECT_EQ(strsp(cstr(c.pattern).get(), cstr(c.text).get()), c.matched);
}

INSTANTIATE_TEST_SUITE_P(
	Lines, FirstRunStrsp,
	testing::Values(
		scan_case{"cab\n", "abcabc", 3},
		// No later start is tried.
		scan_case{"aba\n", "aabaab", 1},
		scan_case{"aab\n", "abaab\n", 1},
		scan_case{"x\n", "abcdabcd", 0}, scan_case{"ba\n", "abab", 2},
		// The text's last character is neither a start nor matched.
		scan_case{"b\n", "ab", 0}, scan_case{"ab\n", "xab", 1},
		scan_case{"abcd\n", "abc\n", 3}, scan_case{"a", "abc\n", 0},
		scan_case{"", "abc\n", 0}, scan_case{"a\n", "", 0}));

struct rotation_case {
	const char *s1;
	const char *s2;
	const char *trace;
	int rotated;
};

void PrintTo(const rotation_case &c, std::ostream *os)
{
	quote(c.s2, os);
	*os << " of ";
	quote(c.s1, os);
}

class TraceStrrot : public testing::TestWithParam<rotation_case>
{
};

TEST_P(TraceStrrot, PrintsItsStepsAndDecides)
{
	const rotation_case &c = GetParam();
	auto s1 = cstr(c.s1, 2 * std::max(str_len(c.s1), 0) + 1);
	testing::internal::CaptureStdout();
	const int rotated = strrot(s1.get(), cstr(c.s2).get());
	EXPECT_EQ(testing::internal::GetCapturedStdout(), c.trace);
	EXPECT_EQ(rotated, c.rotated);
}

INSTANTIATE_TEST_SUITE_P(
	Lines, TraceStrrot,
	testing::Values(
		rotation_case{"abcd\n", "cdab\n", "len:4\nabcdabcd\n4 = len \n",
			      1},
		rotation_case{"aab\n", "aba\n", "len:3\naabaab\n1 = len \n", 0},
		rotation_case{"abc\n", "cab\n", "len:3\nabcabc\n3 = len \n", 1},
		rotation_case{"abcd\n", "x\n", "len:1\nabcdabcd\n0 = len \n",
			      0},
		rotation_case{"ab\n", "ba\n", "len:2\nabab\n2 = len \n", 1},
		rotation_case{"x", "y\n", "len:1\n\n0 = len \n", 0},
		rotation_case{"", "", "len:-1\n\n0 = len \n", 0}));

} // namespace
