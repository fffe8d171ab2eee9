// Linked with --wrap=malloc into test builds of the programs: FAILMALLOC=n
// makes the program's nth allocation fail, as when memory runs out.
#include <cstdlib>

// The linker names these two.
// NOLINTNEXTLINE(bugprone-reserved-identifier)
extern "C" void *__real_malloc(size_t size);

// NOLINTNEXTLINE(bugprone-reserved-identifier)
extern "C" void *__wrap_malloc(size_t size)
{
	static int calls;
	const char *nth = getenv("FAILMALLOC");
	if (nth != nullptr && ++calls == atoi(nth))
		return nullptr;
	return __real_malloc(size);
}
