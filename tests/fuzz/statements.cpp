// The two statement builders over any id: the id must come out as exactly one string literal,
// with the statement's own text around it unchanged.

#include "confirm/Statements.h"

#include <string>
#include <vector>

#include "FuzzTarget.h"

namespace {

// A statement as SQL reads it: its string literals (decoded) and the text outside them, where
// each literal leaves its two quotes.
struct Lexed {
    std::vector<std::string> literals;
    std::string outside;
    bool closed = true;
};

Lexed lexed(std::string_view statement) {
    Lexed result;
    for (std::size_t at = 0; at < statement.size(); ++at) {
        result.outside += statement[at];
        if (statement[at] != '\'') continue;
        std::string literal;
        for (++at; at < statement.size(); ++at) {
            if (statement[at] != '\'') {
                literal += statement[at];
            } else if (at + 1 < statement.size() && statement[at + 1] == '\'') {
                literal += statement[++at];
            } else {
                break;
            }
        }
        result.closed = at < statement.size();
        if (result.closed) result.outside += '\'';
        result.literals.push_back(literal);
    }
    return result;
}

void checkStatement(const std::string& statement, const std::vector<std::string>& literals,
                    const std::string& outside) {
    const Lexed lexedStatement = lexed(statement);
    FUZZ_CHECK(lexedStatement.closed);
    FUZZ_CHECK(lexedStatement.literals == literals);
    FUZZ_CHECK(lexedStatement.outside == outside);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string id(reinterpret_cast<const char*>(data), size);
    checkStatement(pendingBillsStatement(id), {id, "DELETE", "INSERT"},
                   "select a.masterbillid  from sal_temp a inner join sal_master b  on "
                   "a.masterbillid = b.masterbillid and b.chg_user = '' and a.tran_check is null "
                   " UNION select masterbillid from sal_temp where state = '' AND MASTERBILLID "
                   "NOT IN (SELECT MASTERBILLID FROM sal_temp WHERE STATE = '')  order by 1 ");
    checkStatement(confirmationStatement(id), {"Y", id},
                   "UPDATE sal_temp set tran_check = '' where MASTERBILLID = ''");
    return 0;
}
