#pragma once

#include <stdexcept>
#include <string>

namespace db {

// Thrown for every failure of the database layer: configuration, driver loading, connect,
// statement. what() is the message the user sees, bytes in the ANSI code page.
class DatabaseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace db
