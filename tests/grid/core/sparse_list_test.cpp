#include "grid/core/sparse_list.h"

#include "tests/support/error_text.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace zel {
namespace {

// Distinct addresses to store; the arrays never look behind them.
int g_Tokens[8];
void* P(int n) {
    return &g_Tokens[n];
}

// The text of the list error `fn` raises, in UTF-8.
std::string ListErrorText(const std::function<void()>& fn) {
    return test::ErrorOf<EListError>(fn);
}

std::string IndexText(int index) {
    return "リストのインデックスが範囲を超えています (" + std::to_string(index) + ")";
}
std::string CapacityText(int index) {
    return "スパースリストの容量を超えています (" + std::to_string(index) + ")";
}

// Slots from .. from+count-1 of a list, as token numbers (-1 for nil).
std::vector<int> Slots(const TSparseList& list, int count, int from = 0) {
    std::vector<int> out;
    for (int i = from; i < from + count; ++i) {
        void* item = list.Items(i);
        out.push_back(item ? static_cast<int>(static_cast<int*>(item) - g_Tokens) : -1);
    }
    return out;
}

struct QuantumCase {
    TSPAQuantum quantum;
    int leafSize, capacity;
};

class SparseQuantum : public testing::TestWithParam<QuantumCase> {};

INSTANTIATE_TEST_SUITE_P(Leaves, SparseQuantum,
                         testing::Values(QuantumCase{TSPAQuantum::spaSmall, 16, 1048560},
                                         QuantumCase{TSPAQuantum::spaLarge, 256, 16776960}),
                         [](const auto& info) {
                             return info.param.quantum == TSPAQuantum::spaSmall ? "Small" : "Large";
                         });

TEST_P(SparseQuantum, SlotsAroundLeafBoundariesAndAbsentLeavesReadBack) {
    const QuantumCase c = GetParam();
    ASSERT_EQ(TSparsePointerArray::LeafSize(c.quantum), c.leafSize) << "the cases sit on its edges";
    TSparsePointerArray array(c.quantum);
    EXPECT_EQ(array.AllocatedBytes(), 0u);
    array.SetItems(c.leafSize - 1, P(1));
    array.SetItems(c.leafSize, P(2));         // first slot of the next leaf
    array.SetItems(3 * c.leafSize + 1, P(3)); // leaf 2 absent
    const std::size_t bytes = array.AllocatedBytes();
    EXPECT_EQ(array.Items(c.leafSize - 1), P(1));
    EXPECT_EQ(array.Items(c.leafSize), P(2));
    EXPECT_EQ(array.Items(3 * c.leafSize + 1), P(3));
    for (int index : {0, 2 * c.leafSize, 3 * c.leafSize + 2, c.capacity - 1, c.capacity})
        EXPECT_EQ(array.Items(index), nullptr) << index;

    // Storing nil in an absent leaf or past the directory allocates nothing.
    array.SetItems(2 * c.leafSize, nullptr);
    array.SetItems(50 * c.leafSize, nullptr);
    EXPECT_EQ(array.AllocatedBytes(), bytes);
    EXPECT_EQ(array.HighBound(), 3 * c.leafSize + 1);
}

TEST_P(SparseQuantum, IndexAtCapacityRaisesAndChangesNothing) {
    const QuantumCase c = GetParam();
    TSparseList list(c.quantum);
    list.SetItems(c.capacity - 1, P(1)); // the last slot there is
    list.SetItems(2, P(2));
    const std::size_t bytes = list.AllocatedBytes();
    const std::vector<int> before = Slots(list, 4);

    EXPECT_EQ(ListErrorText([&] { list.SetItems(c.capacity, P(3)); }), CapacityText(c.capacity));
    EXPECT_EQ(ListErrorText([&] { list.SetItems(c.capacity + 7, nullptr); }),
              CapacityText(c.capacity + 7));
    EXPECT_EQ(ListErrorText([&] { list.Insert(c.capacity, P(3)); }), CapacityText(c.capacity));
    // The top item would be pushed past the last slot.
    EXPECT_EQ(ListErrorText([&] { list.Insert(0, P(3)); }), CapacityText(c.capacity));
    EXPECT_EQ(ListErrorText([&] { list.Move(0, c.capacity); }), CapacityText(c.capacity));
    EXPECT_EQ(ListErrorText([&] { list.Move(c.capacity, 0); }), CapacityText(c.capacity));

    EXPECT_EQ(std::pair(list.Count(), list.HighBound()), std::pair(c.capacity, c.capacity - 1));
    EXPECT_EQ(Slots(list, 4), before);
    EXPECT_EQ(list.AllocatedBytes(), bytes);
}

TEST_P(SparseQuantum, InsertAndDeleteShiftAcrossALeafBoundary) {
    const QuantumCase c = GetParam();
    const int edge = c.leafSize;
    TSparseList list(c.quantum);
    list.SetItems(edge - 2, P(0));
    list.SetItems(edge - 1, P(1));
    list.SetItems(edge, P(2));

    list.Insert(edge - 1, P(5));
    EXPECT_EQ(Slots(list, 5, edge - 2), (std::vector<int>{0, 5, 1, 2, -1}));
    EXPECT_EQ(std::pair(list.Count(), list.HighBound()), std::pair(edge + 2, edge + 1));

    list.Delete(0); // everything above slides down one slot
    EXPECT_EQ(Slots(list, 5, edge - 3), (std::vector<int>{0, 5, 1, 2, -1}));
    EXPECT_EQ(std::pair(list.Count(), list.HighBound()), std::pair(edge + 1, edge));
}

TEST(SparseList, HighBoundAndCountFollowStoresAndClears) {
    TSparseList list(TSPAQuantum::spaSmall);
    EXPECT_EQ(std::pair(list.Count(), list.HighBound()), std::pair(0, -1));
    struct Step {
        int index;
        int token; // -1 stores nil
        int highBound;
    };
    // Slot 40 lies in leaf 2 with leaf 1 absent, so clearing it scans down
    // past an absent leaf; 15/16 straddle the first leaf boundary.
    const Step steps[] = {
        {40, 1, 40}, {2, 2, 40},  {2, -1, 40}, {2, 3, 40},  {40, -1, 2},
        {7, -1, 2},  {2, -1, -1}, {15, 4, 15}, {16, 5, 16}, {16, -1, 15},
    };
    for (const Step& s : steps) {
        list.SetItems(s.index, s.token < 0 ? nullptr : P(s.token));
        EXPECT_EQ(std::pair(list.Count(), list.HighBound()),
                  std::pair(s.highBound + 1, s.highBound))
            << "after storing at " << s.index;
    }
}

TEST(SparseList, ReadCacheIsNeverStaleAndInsertAndDeleteReachPastTheEnd) {
    TSparseList list(TSPAQuantum::spaSmall);
    EXPECT_EQ(list.Items(5), nullptr); // cached as nil
    list.SetItems(5, P(2));
    EXPECT_EQ(list.Items(5), P(2));
    list.Insert(0, P(3)); // the value moved to 6
    EXPECT_EQ(Slots(list, 2, 5), (std::vector<int>{-1, 2}));
    list.Delete(0); // read the cached slot 6 first
    EXPECT_EQ(list.Items(6), nullptr);
    EXPECT_EQ(list.Items(5), P(2));
    list.Move(5, 0);
    EXPECT_EQ(list.Items(5), nullptr);
    list.SetItems(5, P(4)); // another write to a cached nil
    EXPECT_EQ(list.Items(5), P(4));
    list.Clear();
    EXPECT_EQ(std::pair(list.Count(), list.Items(5)), (std::pair<int, void*>(0, nullptr)));
    list.Insert(4, nullptr); // a nil slot still makes the list reach it
    EXPECT_EQ(std::pair(list.Count(), list.HighBound()), std::pair(5, -1));
    list.Insert(2, P(1));
    list.Delete(5); // inside the count, above the high bound
    EXPECT_EQ(std::pair(list.Count(), list.Items(2)), std::pair(5, P(1)));

    EXPECT_EQ(ListErrorText([&] { list.Delete(5); }), IndexText(5));
    EXPECT_EQ(list.Count(), 5);
    list.SetItems(2, P(1)); // a store sets Count to high bound + 1
    EXPECT_EQ(list.Count(), 3);
}

TEST(SparseList, MoveShiftsTheItemsInBetweenInBothDirections) {
    struct Case {
        int from, to;
        std::vector<int> slots; // tokens 0-5 started at slots 0-5
        int count;
    };
    const Case cases[] = {
        {1, 4, {0, 2, 3, 4, 1, 5, -1}, 6},
        {4, 1, {0, 4, 1, 2, 3, 5, -1}, 6},
        {2, 2, {0, 1, 2, 3, 4, 5, -1}, 6},
        {0, 6, {1, 2, 3, 4, 5, -1, 0}, 7},    // past the top: the list grows
        {6, 0, {-1, 0, 1, 2, 3, 4, 5}, 7},    // a nil slot moved in from above
        {5, 20, {0, 1, 2, 3, 4, -1, -1}, 21}, // into the next small leaf
    };
    for (const Case& c : cases) {
        TSparseList list(TSPAQuantum::spaSmall);
        for (int i = 0; i < 6; ++i)
            list.SetItems(i, P(i));
        list.Move(c.from, c.to);
        EXPECT_EQ(Slots(list, 7), c.slots) << c.from << " -> " << c.to;
        EXPECT_EQ(list.Count(), c.count) << c.from << " -> " << c.to;
    }
    TSparseList list(TSPAQuantum::spaSmall);
    list.SetItems(3, P(3));
    list.Move(3, 20);
    EXPECT_EQ(std::pair(list.Items(20), list.HighBound()), std::pair(P(3), 20));
    list.Move(20, 1);
    EXPECT_EQ(std::pair(list.Items(1), list.HighBound()), std::pair(P(3), 1));
}

TEST(SparseList, NegativeIndexRaisesTheListIndexError) {
    TSparseList list(TSPAQuantum::spaSmall);
    TOwningSparseList<std::string> owning(TSPAQuantum::spaSmall);
    TStringSparseList row(TSPAQuantum::spaSmall);
    list.SetItems(0, P(0));
    const std::pair<int, std::function<void()>> cases[] = {
        {-1, [&] { list.Items(-1); }},
        {-1, [&] { list.SetItems(-1, P(1)); }},
        {-2, [&] { list.Insert(-2, P(1)); }},
        {-3, [&] { list.Delete(-3); }},
        {-1, [&] { list.Move(-1, 0); }},
        {-4, [&] { list.Move(0, -4); }},
        {-5, [&] { owning.SetItems(-5, std::make_unique<std::string>("lost")); }},
        {-7, [&] { row.SetStrings(-7, "x"); }},
    };
    for (const auto& [index, fn] : cases)
        EXPECT_EQ(ListErrorText(fn), IndexText(index));
    EXPECT_EQ(Slots(list, 2), (std::vector<int>{0, -1}));
    EXPECT_EQ(std::pair(owning.Count(), row.Count()), std::pair(0, 0));
}

TEST(StringSparseList, EmptyTextWithNilObjectRemovesThePair) {
    TStringSparseList row(TSPAQuantum::spaSmall);
    row.SetStrings(3, "山田");
    row.SetObjects(3, P(1));
    row.SetStrings(3, ""); // the object keeps the pair alive
    EXPECT_EQ(std::pair(row.Exists(3), row.Objects(3)), std::pair(true, P(1)));
    row.SetObjects(3, nullptr);
    EXPECT_EQ(std::pair(row.Exists(3), row.Count()), std::pair(false, 0));
    row.SetObjects(1, P(2)); // an object alone creates the pair
    EXPECT_TRUE(row.Exists(1));
    row.SetItem(1, "", nullptr);
    row.SetItem(0, " ", nullptr); // one blank is text
    EXPECT_EQ(std::pair(row.Exists(0), row.Exists(1)), std::pair(true, false));
}

TEST(StringSparseList, BehavesAsAStringList) {
    TStringSparseList row(TSPAQuantum::spaSmall);
    row.SetCommaText("a,,c,d");
    EXPECT_FALSE(row.Exists(1));
    row.Insert(0, "z");
    row.Delete(2); // the empty slot
    row.Move(0, 3);
    EXPECT_EQ(row.CommaText(), "a,c,d,z");
    std::string seen;
    row.ForAll([&](int index, const std::string& s, void*) { seen += std::to_string(index) + s; });
    EXPECT_EQ(seen, "0a1c2d3z");
    EXPECT_EQ(ListErrorText([&] { row.Delete(4); }), IndexText(4));
    EXPECT_EQ(ListErrorText([&] { row.SetStrings(row.Capacity(), "x"); }),
              CapacityText(row.Capacity()));
    // Emptying the row item by item while walking it, as a row view does.
    row.ForAll([&](int index, const std::string&, void*) { row.SetItem(index, "", nullptr); });
    EXPECT_EQ(row.Count(), 0);
}

// Counts live instances so the owning list's frees can be checked.
struct Counted {
    explicit Counted(int* live) : m_Live(live) { ++*m_Live; }
    ~Counted() { --*m_Live; }
    int* m_Live;
};

TEST(OwningSparseList, DeletesWhatItReplacesRemovesOrOutlives) {
    int live = 0;
    {
        TOwningSparseList<Counted> list(TSPAQuantum::spaSmall);
        for (int i = 0; i < 40; i += 3)
            list.SetItems(i, std::make_unique<Counted>(&live));
        EXPECT_EQ(live, 14);

        list.SetItems(3, std::make_unique<Counted>(&live));        // replaces one
        list.SetItems(3, std::unique_ptr<Counted>(list.Items(3))); // the same item again
        EXPECT_EQ(live, 14);
        list.SetItems(6, nullptr);
        EXPECT_EQ(live, 13);
        list.Delete(0);
        EXPECT_EQ(live, 12);
        EXPECT_EQ(list.Items(5), nullptr); // was 6, cleared

        std::unique_ptr<Counted> kept = list.Release(8); // was 9
        EXPECT_EQ(std::pair(list.Items(8), live), (std::pair<Counted*, int>(nullptr, 12)));
        kept.reset();
        EXPECT_EQ(live, 11);

        // A refused store frees the item it was handed.
        EXPECT_EQ(ListErrorText(
                      [&] { list.SetItems(list.Capacity(), std::make_unique<Counted>(&live)); }),
                  CapacityText(list.Capacity()));
        EXPECT_EQ(live, 11);

        const auto make = [&] { return std::make_unique<Counted>(&live); };
        Counted& made = list.ItemOrCreate(100, make);
        EXPECT_EQ(&list.ItemOrCreate(100, make), &made);
        EXPECT_EQ(std::pair(list.Items(100), live), std::pair(&made, 12));
        list.Move(100, 0);
        EXPECT_EQ(list.Items(0), &made);

        int visited = 0;
        list.ForAll([&](int, Counted&) { ++visited; });
        EXPECT_EQ(visited, live);
    }
    EXPECT_EQ(live, 0);
}

} // namespace
} // namespace zel
