// Whole sessions of the built programs: the complete standard output, byte
// for byte, and the exit status.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "run.h"

using namespace std::literals;

namespace
{

struct session {
	const char *name;
	const char *program;
	std::string input;
	std::string output;
	std::string error = {};
};

void PrintTo(const session &s, std::ostream *os)
{
	*os << s.name;
}

class Session : public testing::TestWithParam<session>
{
};

TEST_P(Session, PrintsExactlyThisAndSucceeds)
{
	const run_result r = run(GetParam().program, GetParam().input);
	EXPECT_EQ(r.out, GetParam().output);
	EXPECT_EQ(r.err, GetParam().error);
	EXPECT_EQ(r.status, 0);
}

// What stderr says of a line longer than a read takes.
std::string too_long(const std::string &program, int line, int bound,
		     const char *rest = "; the rest of the line is skipped")
{
	return program + ": line " + std::to_string(line) + " reaches the " +
	       std::to_string(bound - 1) + "-character limit" + rest + "\n";
}

// Of a last line that fills the read.
const char *const no_newline =
	" with no newline; its last character is taken as the newline";

// Names each case of a table by its own name.
template <typename Case>
std::string name(const testing::TestParamInfo<Case> &info)
{
	return info.param.name;
}

const std::string cutsub_prompts = "enter sub string1 :\nenter string 2:\n";

std::string repeat(std::string_view s, int n)
{
	std::string r;
	while (n-- > 0)
		r += s;
	return r;
}

// "i:" of every position from first to last, step apart.
std::string positions(int first, int last, int step)
{
	std::string r;
	for (int i = first; i <= last; i += step)
		r += "i:" + std::to_string(i);
	return r;
}

INSTANTIATE_TEST_SUITE_P(
	Cutsub, Session,
	testing::Values(
		session{"EmptyInput", CUTSUB, "",
			"enter sub string1 :\nenter input\n"},
		session{"EmptyFirstLine", CUTSUB, "\nabc\n",
			"enter sub string1 :\nenter input\n"},
		session{"NoSecondLine", CUTSUB, "abc\n",
			cutsub_prompts + "enter input\n"},
		session{"EmptySecondLine", CUTSUB, "abc\n\nabc\n",
			cutsub_prompts + "enter input\n"},
		session{"NotFound", CUTSUB, "hello world\nxyz\n",
			cutsub_prompts + "string is :hello world\n"},
		session{"Found", CUTSUB, "hello world\nlo\n",
			cutsub_prompts + "sbu:hello world\n\ndbu:lo\n\n"
					 "i:5string is:hel world\n"},
		session{"FoundButNotRemoved", CUTSUB, "aaab\naab\n",
			cutsub_prompts +
				"sbu:aaab\n\ndbu:aab\n\nstring is:aaab\n"},
		session{"ResultKeepsNewline", CUTSUB, "banana\nan\n",
			cutsub_prompts + "sbu:banana\n\ndbu:an\n\n"
					 "i:3i:5string is:ba\n\n"},
		// A one-character line string has no content: nothing is
		// removed, and the run ends.
		session{"PatternWithoutContent", CUTSUB, "zzz\nz\0\n"s,
			cutsub_prompts + "sbu:zzz\n\ndbu:z\nstring is:zzz\n"},
		// A last line is given the newline it lacks.
		session{"PatternWithoutNewline", CUTSUB, "hello world\nlo",
			cutsub_prompts + "sbu:hello world\n\ndbu:lo\n\n"
					 "i:5string is:hel world\n"},
		session{"OneCharacterLastLine", CUTSUB, "banana\na",
			cutsub_prompts + "sbu:banana\n\ndbu:a\n\n"
					 "i:2i:4i:6string is:bnn\n\n"},
		// A line ends at its first NUL byte.
		session{"NulInText", CUTSUB, "ab\0cd\nb\n"s,
			cutsub_prompts + "string is :ab"},
		session{"NulStartsPattern", CUTSUB, "abc\n\0x\n"s,
			cutsub_prompts + "string is :abc\n"},
		// The read takes 149 characters of a longer text, the last
		// one its terminator, and skips the rest: the next line is
		// the pattern.
		session{"LongLineSplit", CUTSUB, repeat("ab", 80) + "\nba\n",
			cutsub_prompts + "sbu:" + repeat("ab", 74) +
				"a\ndbu:ba\n\n" + positions(3, 149, 2) +
				"string is:a\n",
			too_long("cutsub", 1, 150)},
		session{"LongestLine", CUTSUB, repeat("a", 148) + "\na\n",
			cutsub_prompts + "sbu:" + repeat("a", 148) +
				"\n\ndbu:a\n\n" + positions(1, 148, 1) +
				"string is:\n\n"},
		// 149 characters fill the read; the newline is skipped.
		session{"TooLongLine", CUTSUB, repeat("a", 149) + "\na\n",
			cutsub_prompts + "sbu:" + repeat("a", 149) +
				"\ndbu:a\n\n" + positions(1, 148, 1) +
				"string is:\n",
			too_long("cutsub", 1, 150)}),
	name<session>);

const std::string rotcheck_prompts = "enter string1 :\nenter check string2 :\n";
const std::string rotated = "str2 is rotated string of string1\n";
const std::string not_rotated = "str2 not a rotated string of string1\n";

// 62 distinct characters: the longest content a line of the rotation
// checkers can have, and its rotation by one.
const std::string longest =
	"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
const std::string longest_rotated = "9" + longest.substr(0, 61);

INSTANTIATE_TEST_SUITE_P(
	Rotcheck, Session,
	testing::Values(session{"EmptyInput", ROTCHECK, "",
				"enter string1 :\nenter input\n"},
			session{"NoSecondLine", ROTCHECK, "abc\n",
				rotcheck_prompts + "enter input\n"},
			session{"Rotated", ROTCHECK, "abcd\ncdab\n",
				rotcheck_prompts + rotated},
			session{"NotRotated", ROTCHECK, "abcd\nacbd\n",
				rotcheck_prompts + not_rotated},
			session{"RepeatedLetters", ROTCHECK, "aab\naba\n",
				rotcheck_prompts + rotated},
			// A rotation has the first line's length.
			session{"PieceOfLine1", ROTCHECK, "abc\nab\n",
				rotcheck_prompts + not_rotated},
			session{"WrapsAround", ROTCHECK, "ab\naba\n",
				rotcheck_prompts + not_rotated},
			session{"LastLineWithoutNewline", ROTCHECK,
				"abcd\ncdab", rotcheck_prompts + rotated},
			// The longest lines, the last one short of a newline.
			session{"LongestLines", ROTCHECK,
				longest + "\n" + longest_rotated,
				rotcheck_prompts + rotated},
			// 63 characters of a longer line, the last one taken as
			// the terminator, and the rest skipped.
			session{"LongestLineSplit", ROTCHECK,
				longest + "!!!\n" + longest_rotated + "\n",
				rotcheck_prompts + rotated,
				too_long("rotcheck", 1, 64)},
			session{"TooLongLine", ROTCHECK,
				longest + "!\n" + longest_rotated + "\n",
				rotcheck_prompts + rotated,
				too_long("rotcheck", 1, 64)},
			// Line 1's rest is not line 2.
			session{"LongLineAlone", ROTCHECK,
				repeat("0", 130) + "\n",
				rotcheck_prompts + "enter input\n",
				too_long("rotcheck", 1, 64)},
			// The read's end falls between line 2's CR and LF.
			session{"TooLongSecondLine", ROTCHECK,
				"ab\n" + longest + "\r\n",
				rotcheck_prompts + not_rotated,
				too_long("rotcheck", 2, 64) +
					"rotcheck: line 2 ends in CR LF: "
					"carriage returns count as characters "
					"of their lines (tr -d '\\r' removes "
					"them)\n"}),
	name<session>);

INSTANTIATE_TEST_SUITE_P(
	RotcheckTrace, Session,
	testing::Values(
		session{"EmptyInput", ROTCHECK_TRACE, "",
			"enter string1 :\nenter input\n"},
		session{"NoSecondLine", ROTCHECK_TRACE, "abc\n",
			rotcheck_prompts + "enter input\n"},
		session{"EmptySecondLine", ROTCHECK_TRACE, "abc\n\n",
			rotcheck_prompts + "enter input\n"},
		session{"Rotated", ROTCHECK_TRACE, "abcd\ncdab\n",
			rotcheck_prompts + "len:4\nabcdabcd\n4 = len \n" +
				rotated},
		// Unlike rotcheck: no later start is tried.
		session{"RepeatedLetters", ROTCHECK_TRACE, "aab\naba\n",
			rotcheck_prompts + "len:3\naabaab\n1 = len \n" +
				not_rotated},
		session{"NotFound", ROTCHECK_TRACE, "abcd\nx\n",
			rotcheck_prompts + "len:1\nabcdabcd\n0 = len \n" +
				not_rotated},
		session{"LongestLines", ROTCHECK_TRACE,
			longest + "\n" + longest_rotated + "\n",
			rotcheck_prompts + "len:62\n" + longest + longest +
				"\n62 = len \n" + rotated},
		session{"LongestLineSplit", ROTCHECK_TRACE,
			longest + "!9a\n9a\n",
			rotcheck_prompts + "len:2\n" + longest + longest +
				"\n2 = len \n" + not_rotated,
			too_long("rotcheck_trace", 1, 64)},
		session{"TooLongLine", ROTCHECK_TRACE,
			longest + "!\n" + longest_rotated + "\n",
			rotcheck_prompts + "len:62\n" + longest + longest +
				"\n62 = len \n" + rotated,
			too_long("rotcheck_trace", 1, 64)},
		// A last line that fills the read has no room for a newline.
		session{"LongestLastLine", ROTCHECK_TRACE,
			"ab\n" + longest + "!",
			rotcheck_prompts + "len:62\nabab\n2 = len \n" +
				not_rotated,
			too_long("rotcheck_trace", 2, 64, no_newline)}),
	name<session>);

// --repeat prints what single runs print, one after another, each given
// what the one before left of the input.
struct repetition {
	const char *name;
	const char *program;
	std::vector<std::string> runs; // what each single run reads
	std::string error = {};
};

void PrintTo(const repetition &r, std::ostream *os)
{
	*os << r.name;
}

using Repeat = testing::TestWithParam<repetition>;

TEST_P(Repeat, PrintsWhatSingleRunsPrint)
{
	std::string input;
	std::string output;
	for (const std::string &one : GetParam().runs) {
		input += one;
		output += run(GetParam().program, one).out;
	}
	const run_result r =
		run(GetParam().program, input, {.args = {"--repeat"}});
	EXPECT_EQ(r.out, output);
	EXPECT_EQ(r.err, GetParam().error);
	EXPECT_EQ(r.status, 0);
}

INSTANTIATE_TEST_SUITE_P(
	Programs, Repeat,
	testing::Values(
		repetition{"EmptyInput", ROTCHECK, {}},
		repetition{"FoundOrNot",
			   CUTSUB,
			   {"hi\ni\n", "\n", "hi\nx\n"},
			   "cutsub: line 3 is empty and ends its run; the next "
			   "run begins at line 4\n"},
		// The last run ends at its second line; the first empty first
		// line is told, and the others counted.
		repetition{
			"EmptyLines",
			ROTCHECK,
			{"\n", "ab\n\n", "\n", "ab\n"},
			"rotcheck: line 1 is empty and ends its run; the next "
			"run begins at line 2\nrotcheck: 1 more empty line "
			"ended its run\n"},
		// Told once, and counted as characters as ever.
		repetition{
			"CrLf",
			CUTSUB,
			{"ab\n\r\n", "a\r\nb\r\n"},
			"cutsub: line 2 ends in CR LF: carriage returns count "
			"as characters of their lines (tr -d '\\r' removes "
			"them)\n"},
		// Each long line's rest is skipped, and the pairs after it
		// stay paired; the first is told, and the others counted.
		repetition{
			"LongLinesSkipped",
			ROTCHECK,
			{longest + "!!!\n" + longest_rotated + "\n",
			 "ab\n" + longest + "!\n", "abcd\ncdab\n",
			 longest + longest + "\nba\n"},
			too_long("rotcheck", 1, 64) +
				"rotcheck: 2 more lines reached the limit\n"},
		// Lines are counted across runs, and a line that fills two
		// reads is skipped through its newline.
		repetition{"LongLineInSecondRun",
			   ROTCHECK,
			   {"ab\nb\n", longest + "!" + longest + "!\nab\n"},
			   too_long("rotcheck", 3, 64)},
		repetition{
			"NulNoLastNewline", CUTSUB, {"a\0b\nbcd\n"s, "ab\nb"}},
		// The read's end falls between line 1's CR and LF.
		repetition{"CrLfSplit",
			   ROTCHECK,
			   {repeat("0", 62) + "\r\nab\r\n", "ab\r\nba\r\n"},
			   too_long("rotcheck", 1, 64) +
				   "rotcheck: line 1 ends in CR LF: carriage "
				   "returns count as characters of their lines "
				   "(tr -d '\\r' removes them)\n"}),
	name<repetition>);

struct failure {
	const char *name;
	const char *program;
	run_options how;
	std::string output;
	std::string error;
	int status = 1;
	// Unless given, many runs' worth, shared by the rows rather than
	// copied into each, as a table's rows are copied many times over.
	std::optional<std::string> input = {};
};

void PrintTo(const failure &f, std::ostream *os)
{
	*os << f.name;
}

class Failure : public testing::TestWithParam<failure>
{
};

TEST_P(Failure, IsReported)
{
	const failure &f = GetParam();
	static const std::string pairs = repeat("hello world\nlo\n", 10000);
	const std::string_view input = f.input ? *f.input : pairs;
	const run_result r = run(f.program, input, f.how);
	EXPECT_EQ(r.out, f.output);
	EXPECT_EQ(r.err, f.error);
	EXPECT_EQ(r.status, f.status);
	// Nor does a repeat read on.
	EXPECT_LE(r.read, input.size() / 2);
}

// What the tests of every program need to know of it.
struct program {
	std::string name;
	const char *path;
	const char *twin;    // whose malloc fails on demand
	std::string prompt;  // the first
	std::string prompts; // both
	int bound;
};

void PrintTo(const program &p, std::ostream *os)
{
	*os << p.name;
}

const program cutsub{"cutsub",          CUTSUB,
		     CUTSUB_FAILMALLOC, "enter sub string1 :\n",
		     cutsub_prompts,    150};
const program rotcheck{"rotcheck",          ROTCHECK,
		       ROTCHECK_FAILMALLOC, "enter string1 :\n",
		       rotcheck_prompts,    64};
const program rotcheck_trace{"rotcheck_trace",          ROTCHECK_TRACE,
			     ROTCHECK_TRACE_FAILMALLOC, "enter string1 :\n",
			     rotcheck_prompts,          64};

// An argument not taken: told with a hint, and nothing read.
failure usage(const program &p, const char *name, const run_options &how,
	      const std::string &said)
{
	return {name,
		p.path,
		how,
		"",
		p.name + ": " + said + "\nTry '" + p.name + " --help'.\n",
		2};
}

// The failures every program reports alike, in its own first prompt and
// name.
std::vector<failure> failures(const program &p)
{
	std::vector<failure> rows = {
		// The first error ends a repeat.
		{"ReadErrorInRepeat",
		 p.path,
		 {.stdin_path = "/", .args = {"--repeat"}},
		 p.prompt + "enter input\n",
		 p.name + ": read error: " + strerror(EISDIR) + "\n"},
		{"DiskFull",
		 p.path,
		 {.out = out_to::full_disk},
		 "",
		 p.name + ": write error: " + strerror(ENOSPC) + "\n"},
		{"HelpToFullDisk",
		 p.path,
		 {.out = out_to::full_disk, .args = {"--help"}},
		 "",
		 p.name + ": write error: " + strerror(ENOSPC) + "\n"},
		// Its line-buffered writes fail, and fclose finds none pending.
		{"HelpToHungUpTerminal",
		 p.path,
		 {.out = out_to::hung_up, .args = {"--help"}},
		 "",
		 p.name + ": write error: " + strerror(EIO) + "\n"},
		// isatty() fails on a hung-up terminal, so stdout is fully
		// buffered: its first block's write fails, and ends the runs.
		{"TerminalHungUpInRepeat",
		 p.path,
		 {.out = out_to::hung_up, .args = {"--repeat"}},
		 "",
		 p.name + ": write error: " + strerror(EIO) + "\n"},
		{"StdoutClosed",
		 p.path,
		 {.out = out_to::closed},
		 "",
		 p.name + ": write error: " + strerror(EBADF) + "\n"},
		{"ReadError",
		 p.path,
		 {.stdin_path = "/"},
		 p.prompt + "enter input\n",
		 p.name + ": read error: " + strerror(EISDIR) + "\n"},
		{"ReadErrorWithoutArgv0",
		 p.path,
		 {.stdin_path = "/", .argv0 = ""},
		 p.prompt + "enter input\n",
		 p.name + ": read error: " + strerror(EISDIR) + "\n"},
		// The part of a line read before the error is not used, nor
		// told of as long.
		{"ReadErrorInLine",
		 p.path,
		 {.stalled_pipe = true},
		 p.prompt + "enter input\n",
		 p.name + ": read error: " + strerror(EAGAIN) + "\n",
		 1,
		 std::string(static_cast<size_t>(p.bound) - 1, 'a')},
		{"PromptToFullDiskAtTerminal",
		 p.path,
		 {.out = out_to::full_disk,
		  .args = {"--repeat"},
		  .at_terminal = true},
		 "",
		 p.name + ": write error: " + strerror(ENOSPC) + "\n"},
		// Nothing was written to the closed stdout: no write error.
		usage(p, "UnknownOption",
		      {.out = out_to::closed, .args = {"--repeat", "--repaet"}},
		      "unknown option '--repaet'"),
		// Named whole, after a valid option; escaped but for printable
		// ASCII, as in the C locale.
		usage(p, "UnknownShortOptions",
		      {.args = {"--rep",
				"-\xe9\x01\x1b\n'\a\r \x7f\\~\x80\xff"}},
		      "unknown option '-\\351\\001\\033\\n\\'\\a\\r \\177\\\\~"
		      "\\200\\377'"),
		usage(p, "HelpWithValue", {.args = {"--help=1"}},
		      "option '--help=1' takes no value"),
		// Nothing is read, and nothing written over.
		{"InputIsOutput",
		 p.path,
		 {.out = out_to::input, .args = {"--repeat"}},
		 "hello world\nlo\n",
		 p.name + ": input file is output file\n",
		 1,
		 "hello world\nlo\n"},
		{"InputIsOutputInOneRun",
		 p.path,
		 {.out = out_to::input},
		 "hello world\nlo\n",
		 p.name + ": input file is output file\n",
		 1,
		 "hello world\nlo\n"},
		// As cat, where there is nothing to read.
		{"AppendingToInputAtItsEnd",
		 p.path,
		 {.out = out_to::appended, .args = {"--repeat"}},
		 "",
		 "",
		 0,
		 ""},
		// Where the terminal gives bytes as they come, a line's rest
		// is skipped to its newline, typed after the read filled.
		{"LongLineAtRawTerminal",
		 p.path,
		 {.at_terminal = true, .raw = true},
		 p.prompts + "enter input\n",
		 too_long(p.name, 1, p.bound),
		 0,
		 std::string(static_cast<size_t>(p.bound) - 2, 'a') + "\x04" +
			 "aa\n\n"},
		// Ctrl-D at the second prompt ends the runs.
		{"EndAtSecondPrompt",
		 p.path,
		 {.args = {"--repeat"}, .at_terminal = true},
		 p.prompts + "enter input\n",
		 "",
		 0,
		 "ab\n\x04"},
		usage(p, "OptionWithValue", {.args = {"--repeat=1"}},
		      "option '--repeat=1' takes no value"),
		usage(p, "Operand", {.args = {"--repeat", "pairs"}},
		      "unexpected operand 'pairs': the input is read from "
		      "standard input only (" +
			      p.name + " --repeat < FILE)"),
		usage(p, "OperandAfterDashes", {.args = {"--", "-x"}},
		      "unexpected operand '-x': the input is read from "
		      "standard input only (" +
			      p.name + " --repeat < FILE)"),
	};
#ifdef FAILMALLOC // where the linker can wrap malloc
	for (const auto &[name, env] :
	     {std::pair{"FirstMallocFails", "FAILMALLOC=1"},
	      std::pair{"SecondMallocFails", "FAILMALLOC=2"}})
		rows.push_back({name,
				p.twin,
				{.env = env},
				p.prompt + "malloc failed\n",
				""});
#endif
	return rows;
}

INSTANTIATE_TEST_SUITE_P(Cutsub, Failure, testing::ValuesIn(failures(cutsub)),
			 name<failure>);
INSTANTIATE_TEST_SUITE_P(Rotcheck, Failure,
			 testing::ValuesIn(failures(rotcheck)), name<failure>);
INSTANTIATE_TEST_SUITE_P(RotcheckTrace, Failure,
			 testing::ValuesIn(failures(rotcheck_trace)),
			 name<failure>);

// A line that fills the read, ended by Ctrl-D, is not waited on to see
// whether it goes on: its last character ends it.  A line typed in two
// parts, as Ctrl-D sends them, is read whole.
TEST(Terminal, PromptsBeforeEachReadAndEndsAtCtrlD)
{
	const run_result r = run(
		ROTCHECK, "abcd\ncdab\nab\nx\x04\n" + longest + "!\x04x\n\x04",
		{.args = {"--repeat"}, .at_terminal = true});
	EXPECT_EQ(
		r.transcript,
		"enter string1 :\nabcd\nenter check string2 :\ncdab\n" +
			rotated +
			"enter string1 :\nab\nenter check string2 :\nx\x04\n" +
			not_rotated + "enter string1 :\n" + longest +
			"!\x04"
			"enter check string2 :\nx\n" +
			not_rotated + "enter string1 :\n\x04");
	EXPECT_EQ(r.err, too_long("rotcheck", 5, 64, no_newline));
	EXPECT_EQ(r.status, 0);
}

// A program that writes a pair through a pipe, then waits for its answer,
// gets it, even before the rest of a long second line, written in parts.
TEST(Pipe, AnswersEachPairBeforeTheNext)
{
	const std::string parts =
		repeat("x", 30) + "\x04" + repeat("y", 40) + "\x04";
	const run_result r =
		run(ROTCHECK_TRACE, "abcd\ncdab\nab\n" + parts + "\n",
		    {.args = {"--repeat"}, .piped = true});
	EXPECT_EQ(r.transcript, "abcd\n" + rotcheck_prompts +
					"cdab\nlen:4\nabcdabcd\n4 = "
					"len \n" +
					rotated + "ab\n" + rotcheck_prompts +
					parts + "len:62\nabab\n0 = len \n" +
					not_rotated + "\n");
	EXPECT_EQ(r.err, too_long("rotcheck_trace", 4, 64));
}

class Invocation : public testing::TestWithParam<program>
{
};

const std::string input = "abcd\ncdab\n";

TEST_P(Invocation, PromptsBeforeReadingFromATerminal)
{
	const run_result typed =
		run(GetParam().path, input, {.at_terminal = true});
	EXPECT_TRUE(typed.transcript.starts_with(GetParam().prompt + "abcd\n"));
	EXPECT_EQ(typed.out, run(GetParam().path, input).out);
	EXPECT_EQ(typed.err, "");
	EXPECT_EQ(typed.status, 0);
}

TEST_P(Invocation, AnswersHelpAndVersionAlone)
{
	const program &p = GetParam();
	const run_result help = run(p.path, input, {.args = {"--help"}});
	EXPECT_TRUE(help.out.starts_with("Usage: " + p.name + " "));
	EXPECT_TRUE(help.out.ends_with("man " + p.name + "\n"));
	EXPECT_EQ(help.status, 0);
	const run_result version = run(p.path, input, {.args = {"--version"}});
	EXPECT_EQ(version.out.substr(0, version.out.find('\n') + 1),
		  p.name + " (strtools) " STRTOOLS_VERSION "\n");
	EXPECT_EQ(version.status, 0);
}

TEST_P(Invocation, AnswersTheFirstOfHelpAndVersion)
{
	const program &p = GetParam();
	EXPECT_EQ(run(p.path, input, {.args = {"--help", "x"}}).out,
		  run(p.path, input, {.args = {"--help"}}).out);
	EXPECT_EQ(run(p.path, input, {.args = {"x", "--help"}}).out,
		  run(p.path, input, {.args = {"--help"}}).out);
	EXPECT_EQ(run(p.path, input, {.args = {"--version", "--help"}}).out,
		  run(p.path, input, {.args = {"--version"}}).out);
}

INSTANTIATE_TEST_SUITE_P(Programs, Invocation,
			 testing::Values(cutsub, rotcheck, rotcheck_trace),
			 name<program>);

} // namespace
