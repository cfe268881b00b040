// Linked into the sanitized game alone. LeakSanitizer checks for leaks at
// exit, after the X libraries' own exit handlers have unloaded the graphics
// driver; the driver's frames would then show as "<unknown module>" and no
// suppression could name them. A dlclose that unloads nothing keeps every
// library mapped until the process ends, which changes nothing else.
#include <dlfcn.h>

extern "C" int dlclose(void*) noexcept { return 0; }
