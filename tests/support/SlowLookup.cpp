// Preloaded into a program under test (LD_PRELOAD): a name under ".slow.test" takes 20 s to
// look up, as behind a name server that does not answer, and is then not found; every other
// name is looked up by the C library as usual. No lookup leaves the machine.
#include <dlfcn.h>
#include <netdb.h>
#include <string_view>
#include <unistd.h>

extern "C" int getaddrinfo(const char* node, const char* service, const addrinfo* hints,
                           addrinfo** found) {
    if (node && std::string_view(node).ends_with(".slow.test")) {
        ::sleep(20);
        return EAI_NONAME;
    }
    using Lookup = int (*)(const char*, const char*, const addrinfo*, addrinfo**);
    const auto lookUp = reinterpret_cast<Lookup>(::dlsym(RTLD_NEXT, "getaddrinfo"));
    return lookUp(node, service, hints, found);
}
