#include "ConnectionFixture.h"

#include <dlfcn.h>
#include <stdlib.h>

#include <stdexcept>

namespace dbtest {

std::vector<std::string> takeDriverCalls() {
    using Take = void (*)(std::vector<std::string>&);
    static const Take take = [] {
        void* library = dlopen(TEST_DRIVER_PATH, RTLD_NOW);
        void* symbol = library ? dlsym(library, "takeTestDriverCalls") : nullptr;
        if (!symbol) throw std::runtime_error("cannot load the test driver " TEST_DRIVER_PATH);
        return reinterpret_cast<Take>(symbol);
    }();
    std::vector<std::string> calls;
    take(calls);
    return calls;
}

ConnectionFixture::ConnectionFixture() {
    setenv("DBX_DRIVER_REGISTRY_FILE", driverFile.c_str(), 1);
    writeDrivers(kTestDriverEntry);
    connection.setConnectionFile(connectionFile);
    takeDriverCalls();
}

ConnectionFixture::~ConnectionFixture() { unsetenv("DBX_DRIVER_REGISTRY_FILE"); }

}  // namespace dbtest
