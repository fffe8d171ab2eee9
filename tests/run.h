#pragma once

#include <string>
#include <string_view>

// Where the child's standard output goes: hung_up is a terminal whose other
// side has closed, where every write fails; input is standard input's own
// file, whose contents are then the output, and appended is that file
// opened to append.
enum class out_to { capture, full_disk, closed, hung_up, input, appended };

struct run_options {
	out_to out = out_to::capture;
	const char *stdin_path = nullptr; // instead of the input bytes
	const char *env = nullptr;        // one NAME=value to add
	const char *argv0 = nullptr;      // instead of the program's path
	const char *args[2] = {};         // after the program's name
	// The input through a pipe that stays open, where a read past the
	// input fails (EAGAIN).
	bool stalled_pipe = false;
	// Input typed at a terminal, a line at a time (a line ends at a newline
	// or a Ctrl-D), each once the program has written a whole line or been
	// silent for two seconds; output to a pipe, or where out says.
	bool at_terminal = false;
	bool raw = false;   // and the terminal not in canonical mode
	bool piped = false; // or written so through a pipe, closed at the end
};

struct run_result {
	std::string out;
	std::string err;
	int status; // exit status, or 128 + signal
	// At a terminal, what was written and typed, in turn.
	std::string transcript;
	size_t read; // bytes of the input read, but at a terminal
};

// Runs program with input as its standard input and waits for it.
run_result run(const char *program, std::string_view input,
	       const run_options &opt = {});
