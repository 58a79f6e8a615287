#include "db/ErrorMessages.h"

#include <map>

namespace db {

std::string resultCodeText(dbx::ResultCode code) {
    static const std::map<dbx::ResultCode, std::string> texts = {
        {dbx::kNoMemory, "[0x0001]: Out of memory"},
        {dbx::kInvalidHandle, "[0x0003]: Invalid handle"},
        {dbx::kNotSupported, "[0x0005]: Not supported"},
        {dbx::kInvalidParameter, "[0x000B]: Invalid parameter"},
        {dbx::kClientLibraryMissing, "[0x0011]: Client library not loaded"},
        {dbx::kConnectionFailed, "[0x0015]: Connection failed"},
        {dbx::kNotConnected, "[0x0016]: Not connected"},
        {dbx::kStatementFailed, "[0x0017]: Statement failed"},
        {dbx::kFetchFailed, "[0x0018]: Fetch failed"},
        {dbx::kTransactionFailed, "[0x0019]: Transaction failed"},
        {dbx::kDisconnectFailed, "[0x001A]: Disconnect failed"},
    };
    const auto found = texts.find(code);
    return found == texts.end() ? std::string() : found->second;
}

std::string driverErrorMessage(dbx::ResultCode code, const std::string& serverMessage,
                               const std::string& previousMessage) {
    const std::string codeText = resultCodeText(code);
    const std::string serverPart =
        serverMessage.empty() ? "" : "SQL Server Error: " + serverMessage;
    if (!codeText.empty())
        return "dbExpress Error: " + codeText + (serverPart.empty() ? "" : "\r\n" + serverPart);
    if (!serverPart.empty()) return serverPart;
    if (!previousMessage.empty()) return previousMessage;
    return "dbExpress Error: Unknown Error Code '" + std::to_string(code) + "'";
}

}  // namespace db
