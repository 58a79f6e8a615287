#include <gtest/gtest.h>

#include "BillDatabaseFixture.h"

namespace {

using std::nullopt;

struct MasterRow {
    std::string id;
    std::optional<std::string> user;
};

struct TempRow {
    std::string id;
    std::optional<std::string> check;
    std::string state;
};

struct PendingCase {
    const char* name;
    std::vector<MasterRow> masters;
    std::vector<TempRow> temps;
    std::string userId;
    std::vector<std::string> listed;
};

const PendingCase kPendingCases[] = {
    {"OwnUnmarkedBills",
     {{"B1", "u1"}, {"B2", "u1"}},
     {{"B1", nullopt, "UPDATE"}, {"B2", "Y", "UPDATE"}},
     "u1",
     {"B1"}},
    {"OtherUsersBillsAreNotListed", {{"B1", "u2"}}, {{"B1", nullopt, "UPDATE"}}, "u1", {}},
    {"DeleteWithoutInsertIsListedForAnyone", {{"B3", "u2"}}, {{"B3", "Y", "DELETE"}}, "u1", {"B3"}},
    {"DeleteWithInsertOfAnotherUser",
     {{"B4", "u2"}},
     {{"B4", nullopt, "DELETE"}, {"B4", nullopt, "INSERT"}},
     "u1",
     {}},
    {"DeleteWithInsertOfTheUser",
     {{"B4", "u1"}},
     {{"B4", nullopt, "DELETE"}, {"B4", nullopt, "INSERT"}},
     "u1",
     {"B4"}},
    {"AllRowsMarked", {{"B5", "u1"}}, {{"B5", "Y", "UPDATE"}, {"B5", "Y", "INSERT"}}, "u1", {}},
    {"EmptyUserIdMatchesEmptyNotNull",
     {{"B6", ""}, {"B7", nullopt}},
     {{"B6", nullopt, "UPDATE"}, {"B7", nullopt, "UPDATE"}},
     "",
     {"B6"}},
    {"PendingThroughBothCasesListedOnce",
     {{"B8", "u1"}},
     {{"B8", nullopt, "DELETE"}, {"B8", nullopt, "UPDATE"}, {"B8", nullopt, "UPDATE"}},
     "u1",
     {"B8"}},
    {"AscendingOrderNotInsertionOrder",
     {{"C", "u1"}, {"A", "u1"}, {"B", "u1"}},
     {{"C", nullopt, "UPDATE"}, {"A", nullopt, "UPDATE"}, {"B", nullopt, "UPDATE"}},
     "u1",
     {"A", "B", "C"}},
    {"QuoteInUserIdIsOneLiteral",
     {{"B9", "o'brien"}, {"B10", "u1"}},
     {{"B9", nullopt, "UPDATE"}, {"B10", nullopt, "UPDATE"}},
     "o'brien",
     {"B9"}},
    {"InjectionInUserIdListsNothingExtra",
     {{"B11", "u1"}},
     {{"B11", nullopt, "UPDATE"}},
     "x' or '1'='1",
     {}},
    // "許" ends in 0x5C and "功" in 0xA5 0x5C: the bytes must come back unchanged.
    {"Big5IdsRoundTrip",
     {{"\xB3\x5C" "001", "\xA4\xA4\xA4\xE5"}, {"\xA5\x5C", "\xA4\xA4\xA4\xE5"}},
     {{"\xB3\x5C" "001", nullopt, "UPDATE"}, {"\xA5\x5C", nullopt, "UPDATE"}},
     "\xA4\xA4\xA4\xE5",
     {"\xA5\x5C", "\xB3\x5C" "001"}},
    {"DeleteOfABillWithoutMasterRow", {}, {{"B12", nullopt, "DELETE"}}, "u1", {"B12"}},
};

class PendingBills : public BillDatabaseFixture,
                     public testing::WithParamInterface<PendingCase> {};

TEST_P(PendingBills, ListsExactlyThePendingIdsInOrder) {
    auto form = makeForm();  // built before the rows exist: its own listing finds nothing
    ASSERT_EQ(form->CheckListBox1->count(), 0);
    for (const MasterRow& row : GetParam().masters) addMaster(row.id, row.user);
    for (const TempRow& row : GetParam().temps) addTemp(row.id, row.check, row.state);

    form->listPendingBills(GetParam().userId);

    EXPECT_EQ(listedIds(*form), GetParam().listed);
    for (int i = 0; i < form->CheckListBox1->count(); ++i)
        EXPECT_FALSE(form->CheckListBox1->checked(i)) << i;
    EXPECT_EQ(form->CheckListBox1->itemIndex(), -1);
}

INSTANTIATE_TEST_SUITE_P(Cases, PendingBills, testing::ValuesIn(kPendingCases),
                         [](const auto& info) { return std::string(info.param.name); });

class PendingBillsListing : public BillDatabaseFixture {};

TEST_F(PendingBillsListing, CreationListsTheBillsOfTheEmptyUserId) {
    addMaster("B1", "");
    addTemp("B1", nullopt, "UPDATE");
    addTemp("B2", nullopt, "DELETE");
    auto form = makeForm();
    EXPECT_EQ(listedIds(*form), (std::vector<std::string>{"B1", "B2"}));
}

TEST_F(PendingBillsListing, NoRowLeavesTheListAsItIs) {
    auto form = makeForm();
    form->CheckListBox1->addItems({"kept"});
    form->listPendingBills("nobody");
    EXPECT_EQ(listedIds(*form), std::vector<std::string>{"kept"});
}

TEST_F(PendingBillsListing, NullIdIsListedEmpty) {
    // With no INSERT row at all, NOT IN over an empty set lets a null id through.
    db.execute("INSERT INTO sal_temp (masterbillid, state) VALUES (NULL, 'DELETE')");
    auto form = makeForm();
    EXPECT_EQ(listedIds(*form), std::vector<std::string>{""});
}

}  // namespace
