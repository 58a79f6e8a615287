#include "db/DriverLoader.h"

#include <dlfcn.h>

#include <map>

#include "db/DatabaseError.h"
#include "platform/Platform.h"

namespace db {
namespace {

void* openLibrary(const std::string& libraryName) {
    if (libraryName.find('/') == std::string::npos) {
        const std::string beside = platform::executableDirectory() + libraryName;
        if (void* handle = dlopen(beside.c_str(), RTLD_NOW | RTLD_LOCAL)) return handle;
    }
    return dlopen(libraryName.c_str(), RTLD_NOW | RTLD_LOCAL);
}

// Never closed: a driver's objects and the client library it loads live as long as the process.
void* loadedLibrary(const std::string& libraryName) {
    static std::map<std::string, void*> loaded;
    auto found = loaded.find(libraryName);
    if (found != loaded.end()) return found->second;
    void* handle = openLibrary(libraryName);
    if (!handle) throw DatabaseError("Unable to Load " + libraryName);
    loaded.emplace(libraryName, handle);
    return handle;
}

}  // namespace

DbxGetDriverFunc loadDriverEntry(const std::string& libraryName, const std::string& entryName) {
    void* symbol = dlsym(loadedLibrary(libraryName), entryName.c_str());
    if (!symbol) throw DatabaseError("Unable to Find Procedure " + entryName);
    return reinterpret_cast<DbxGetDriverFunc>(symbol);
}

}  // namespace db
