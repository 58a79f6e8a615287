#pragma once

#include <ibase.h>

#include <exception>
#include <new>
#include <string>

#include "db/DriverInterface.h"

namespace fbdriver {

struct ClientApi;

// Thrown inside the driver for every failure; turned into a result code at the boundary.
class DriverError : public std::exception {
public:
    DriverError(dbx::ResultCode code, std::string message)
        : code_(code), message_(std::move(message)) {}
    dbx::ResultCode code() const { return code_; }
    const std::string& message() const { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    dbx::ResultCode code_;
    std::string message_;
};

// The status vector of one client call.
class Status {
public:
    explicit Status(const ClientApi& api) : api_(api) {}
    ISC_STATUS* vector() { return vector_; }
    // Throws DriverError(code) with the server's text when the call failed.
    void check(ISC_STATUS result, dbx::ResultCode code) const;
    // Whether the server's error codes include code.
    bool holds(ISC_STATUS code) const;
    // The server's text, its lines joined by CR LF.
    std::string message() const;

private:
    const ClientApi& api_;
    ISC_STATUS_ARRAY vector_{};
};

// Runs body and turns what it throws into a result code, keeping the message in lastError.
template <typename Body>
dbx::ResultCode guarded(std::string& lastError, Body&& body) noexcept {
    try {
        lastError.clear();
        body();
        return dbx::kSuccess;
    } catch (const DriverError& error) {
        lastError = error.message();
        return error.code();
    } catch (const std::bad_alloc&) {
        return dbx::kNoMemory;
    } catch (const std::exception& error) {
        // Nothing may leave the driver; a failure of the runtime itself is still reported.
        lastError = error.what();
        return dbx::kNotSupported;
    }
}

}  // namespace fbdriver
