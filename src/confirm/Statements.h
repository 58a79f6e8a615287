#pragma once
// The two statement texts of the window. Ids are bytes in the ANSI code page; each goes into a
// statement as the body of one string literal and nothing else.

#include <string>
#include <string_view>

// text as the body of an SQL string literal: every single quote doubled.
std::string sqlStringBody(std::string_view text);

// The bills waiting for the user's confirmation, distinct and in ascending order.
std::string pendingBillsStatement(std::string_view userId);

// Marks every sal_temp row of the bill as confirmed.
std::string confirmationStatement(std::string_view billId);
