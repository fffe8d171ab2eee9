// rotcheck: says whether the second line is a rotation of the first.
#include <cstdio>
#include <string_view>

#include "driver.h"
#include "str.h"

int main(int argc, char *argv[])
{
	// Answers --help and --version, or reports an argument it does not
	// take: then no run follows.
	begin(argc, argv, PROGRAM, SUMMARY);
	const int bound = 64;
	// strrot doubles line 1 in its buffer; the longest line read has
	// bound - 2 characters of content.
	const size_t room = 2 * (bound - 2) + 1;
	while (const lines *in =
		       read_lines("enter string1 :\n",
				  "enter check string2 :\n", bound, room)) {
		// A rotation has the first line's length, which the test
		// itself does not compare.
		const bool rotated = strrot(in->first, in->second) == 1 &&
				     in->length1 == in->length2;
		// As puts() would print it, without measuring it first.
		const std::string_view answer =
			rotated ? "str2 is rotated string of string1\n"
				: "str2 not a rotated string of string1\n";
		fwrite_unlocked(answer.data(), 1, answer.size(), stdout);
	}
	return finish();
}
