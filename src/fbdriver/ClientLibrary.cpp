#include "fbdriver/ClientLibrary.h"

#include <dlfcn.h>

#include <map>
#include <memory>
#include <mutex>

#include "fbdriver/Errors.h"

namespace fbdriver {
namespace {

template <typename Function>
void resolve(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    if (!function)
        throw DriverError(dbx::kClientLibraryMissing,
                          std::string("Client library has no function ") + name);
}

ClientApi resolveAll(void* library) {
    ClientApi api{};
    resolve(library, "isc_attach_database", api.attachDatabase);
    resolve(library, "isc_detach_database", api.detachDatabase);
    resolve(library, "isc_start_transaction", api.startTransaction);
    resolve(library, "isc_commit_transaction", api.commitTransaction);
    resolve(library, "isc_rollback_transaction", api.rollbackTransaction);
    resolve(library, "isc_dsql_allocate_statement", api.allocateStatement);
    resolve(library, "isc_dsql_prepare", api.prepare);
    resolve(library, "isc_dsql_describe", api.describe);
    resolve(library, "isc_dsql_sql_info", api.statementInfo);
    resolve(library, "isc_dsql_execute", api.execute);
    resolve(library, "isc_dsql_execute_immediate", api.executeImmediate);
    resolve(library, "isc_dsql_fetch", api.fetch);
    resolve(library, "isc_dsql_free_statement", api.freeStatement);
    resolve(library, "isc_open_blob2", api.openBlob);
    resolve(library, "isc_get_segment", api.getSegment);
    resolve(library, "isc_close_blob", api.closeBlob);
    resolve(library, "fb_interpret", api.interpret);
    return api;
}

// A library without the functions is unloaded again; one that has them stays for the process.
ClientApi openAndResolve(const std::string& name) {
    // dlopen takes an empty name for the program itself.
    if (name.empty()) throw DriverError(dbx::kClientLibraryMissing, "No client library named");
    void* library = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) throw DriverError(dbx::kClientLibraryMissing, "Cannot load " + name);
    try {
        return resolveAll(library);
    } catch (...) {
        dlclose(library);
        throw;
    }
}

}  // namespace

const ClientApi& loadClientLibrary(const std::string& name) {
    static std::mutex mutex;
    static std::map<std::string, std::unique_ptr<const ClientApi>> loaded;
    std::lock_guard lock(mutex);
    auto& api = loaded[name];
    if (!api) api = std::make_unique<const ClientApi>(openAndResolve(name));
    return *api;
}

}  // namespace fbdriver
