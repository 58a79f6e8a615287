#include "confirm/Statements.h"

std::string sqlStringBody(std::string_view text) {
    // Byte by byte, not character by character: the database keeps the ids as single bytes, so
    // a quote after a lone lead byte still ends the literal there and must be doubled.
    std::string body;
    body.reserve(text.size() + 2);
    for (char c : text) {
        body += c;
        if (c == '\'') body += '\'';
    }
    return body;
}

std::string pendingBillsStatement(std::string_view userId) {
    return "select a.masterbillid  from sal_temp a inner join sal_master b  on a.masterbillid = "
           "b.masterbillid and b.chg_user = '" +
           sqlStringBody(userId) + "'" + " and a.tran_check is null " + " UNION " +
           "select masterbillid from sal_temp where state = 'DELETE' " +
           "AND MASTERBILLID NOT IN (SELECT MASTERBILLID FROM sal_temp WHERE STATE = 'INSERT') " +
           " order by 1 ";
}

std::string confirmationStatement(std::string_view billId) {
    return "UPDATE sal_temp set tran_check = 'Y' where MASTERBILLID = '" + sqlStringBody(billId) +
           "'";
}
