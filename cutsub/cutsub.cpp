// cutsub: removes a pattern line from a text line and shows the removal.
#include <cstdio>

#include "driver.h"
#include "str.h"

int main(int argc, char *argv[])
{
	// Answers --help and --version, or reports an argument it does not
	// take: then no run follows.
	begin(argc, argv, PROGRAM, SUMMARY);
	const int bound = 150;
	while (const lines *in =
		       read_lines("enter sub string1 :\n", "enter string 2:\n",
				  bound, bound)) {
		// As printf("string is:%s\n") and printf("string is :%s") print
		// them, with the pattern's content length known from the read.
		if (strsp(in->second, in->first) ==
		    static_cast<int>(in->length2) - 1) {
			const char *left = rmstr(in->first, in->second);
			fputs_unlocked("string is:", stdout);
			puts(left);
		} else {
			fputs_unlocked("string is :", stdout);
			fwrite_unlocked(in->first, 1, in->length1, stdout);
		}
	}
	return finish();
}
