#pragma once
// The classic client API at its plainest, for the benchmark's own contender and for setting
// up and checking its runs: one attachment, each statement in a transaction of its own. The
// user and password come from ISC_USER / ISC_PASSWORD, as for isql-fb.

#include <ibase.h>

#include <functional>
#include <string>
#include <vector>

namespace bench {

class FbClient {
public:
    explicit FbClient(const std::string& database);
    ~FbClient();
    FbClient(const FbClient&) = delete;
    FbClient& operator=(const FbClient&) = delete;

    // Prepares, executes and fetches every row of sql; eachRow sees the first column's value.
    void fetchEach(const std::string& sql, const std::function<void(const XSQLVAR&)>& eachRow);
    std::vector<std::string> firstColumn(const std::string& sql);
    // Runs sql, which returns no rows, and commits it.
    void executeCommitted(const std::string& sql);
    void detach();

private:
    void startTransaction();
    void commit();
    void check(const std::string& what);

    ISC_STATUS_ARRAY status_{};
    isc_db_handle db_ = 0;
    isc_tr_handle tr_ = 0;
};

}  // namespace bench
