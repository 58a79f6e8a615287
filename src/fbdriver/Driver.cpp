#include "db/DriverInterface.h"
#include "fbdriver/ClientLibrary.h"
#include "fbdriver/Errors.h"
#include "fbdriver/FbConnection.h"

namespace fbdriver {
namespace {

class FbDriver : public dbx::Driver {
public:
    explicit FbDriver(const ClientApi& api) : api_(api) {}

    dbx::ResultCode getConnection(std::unique_ptr<dbx::Connection>& connection) override {
        std::string ignored;
        return guarded(ignored, [&] { connection = std::make_unique<FbConnection>(api_); });
    }

private:
    const ClientApi& api_;
};

}  // namespace
}  // namespace fbdriver

// The error resource file has no use here: messages come from the server.
extern "C" __attribute__((visibility("default"))) int getSQLDriverINTERBASE(
    const char* vendorLib, const char* /*errorResourceFile*/, dbx::Driver** driver) {
    if (!vendorLib || !driver) return dbx::kInvalidParameter;
    *driver = nullptr;
    std::string ignored;
    return fbdriver::guarded(
        ignored, [&] { *driver = new fbdriver::FbDriver(fbdriver::loadClientLibrary(vendorLib)); });
}
