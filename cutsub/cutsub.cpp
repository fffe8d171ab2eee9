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
		if (strsp(in->second, in->first) == str_len(in->second))
			printf("string is:%s\n", rmstr(in->first, in->second));
		else
			printf("string is :%s", in->first);
	}
	return finish();
}
