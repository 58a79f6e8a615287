#include "fbdriver/Errors.h"

#include "fbdriver/ClientLibrary.h"

namespace fbdriver {

void Status::check(ISC_STATUS result, dbx::ResultCode code) const {
    if (result != 0) throw DriverError(code, message());
}

bool Status::holds(ISC_STATUS code) const {
    for (const ISC_STATUS* item = vector_; *item != isc_arg_end;) {
        if (item[0] == isc_arg_gds && item[1] == code) return true;
        item += item[0] == isc_arg_cstring ? 3 : 2;
    }
    return false;
}

std::string Status::message() const {
    std::string text;
    char line[1024];
    const ISC_STATUS* cursor = vector_;
    while (api_.interpret(line, sizeof line, &cursor) > 0) {
        if (!text.empty()) text += "\r\n";
        text += line;
    }
    return text;
}

}  // namespace fbdriver
