#pragma once

#include <ibase.h>

#include <string>

namespace fbdriver {

// The few client functions the driver calls, resolved from the loaded library.
struct ClientApi {
    decltype(&isc_attach_database) attachDatabase;
    decltype(&isc_detach_database) detachDatabase;
    decltype(&isc_start_transaction) startTransaction;
    decltype(&isc_commit_transaction) commitTransaction;
    decltype(&isc_rollback_transaction) rollbackTransaction;
    decltype(&isc_dsql_allocate_statement) allocateStatement;
    decltype(&isc_dsql_prepare) prepare;
    decltype(&isc_dsql_describe) describe;
    decltype(&isc_dsql_sql_info) statementInfo;
    decltype(&isc_dsql_execute) execute;
    decltype(&isc_dsql_execute_immediate) executeImmediate;
    decltype(&isc_dsql_fetch) fetch;
    decltype(&isc_dsql_free_statement) freeStatement;
    decltype(&isc_open_blob2) openBlob;
    decltype(&isc_get_segment) getSegment;
    decltype(&isc_close_blob) closeBlob;
    decltype(&fb_interpret) interpret;
};

// Loads the named client library once per process and keeps it loaded; throws DriverError
// naming the library or the missing function.
const ClientApi& loadClientLibrary(const std::string& name);

}  // namespace fbdriver
