#include "todo/core/TodoList.h"

#include "todo/core/TodoListListener.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace pennoc {
namespace {

class RecordingListener : public TodoListListener {
public:
    void rowsAboutToBeInserted(int first, int last) override { record("insert", first, last); }
    void rowsInserted() override { calls.push_back("inserted"); }
    void rowsAboutToBeRemoved(int first, int last) override { record("remove", first, last); }
    void rowsRemoved() override { calls.push_back("removed"); }
    void rowsChanged(int first, int last) override { record("changed", first, last); }

    std::vector<std::string> calls;

private:
    void record(const std::string& what, int first, int last) {
        calls.push_back(what + " " + std::to_string(first) + "-" + std::to_string(last));
    }
};

class TodoListTest : public ::testing::Test {
protected:
    TodoListTest() { list.setListener(&listener); }

    void add(std::u16string line, std::u16string action) { list.append(std::move(line), std::move(action)); }

    TodoList list;
    RecordingListener listener;
};

TEST_F(TodoListTest, RemovingKeepsLinesAndActionsTogether) {
    add(u"(-00:10:00)a", u"0a");
    add(u"(没有设定时间)b", u"1");
    add(u"(+08:00)c", u"3c");
    list.removeAt(1);
    list.removeAt(2);
    list.removeAt(-1);
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.line(1), u"(+08:00)c");
    EXPECT_EQ(list.action(1), u"3c");
    EXPECT_EQ(listener.calls, (std::vector<std::string>{"insert 0-0", "inserted", "insert 1-1", "inserted",
                                                        "insert 2-2", "inserted", "remove 1-1", "removed"}));
}

TEST_F(TodoListTest, RemoveCompletedTakesEachRunFromTheEndAndKeepsTheOrder) {
    add(u"(已经完成项目)1", u"01");
    add(u"(-00:10:00)2", u"02");
    add(u"(已经完成项目)3", u"03");
    add(u"(已经完成项目)4", u"04");
    add(u"(没有设定时间)5", u"05");
    add(u"(已经完成项目)6", u"06");
    listener.calls.clear();
    list.removeCompleted();
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.line(0), u"(-00:10:00)2");
    EXPECT_EQ(list.action(1), u"05");
    EXPECT_EQ(listener.calls,
              (std::vector<std::string>{"remove 5-5", "removed", "remove 2-3", "removed", "remove 0-0", "removed"}));
    list.clear();
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(listener.calls.back(), "removed");
}

TEST_F(TodoListTest, BatchAnnouncesRewritesAsContiguousRanges) {
    for (int i = 0; i < 8; ++i) {
        add(u"(-00:10:00)x", u"0");
    }
    listener.calls.clear();
    {
        TodoList::ChangeBatch batch(list);
        for (int row : {0, 1, 2, 1, 5, 6}) {
            list.rewrite(row, u"(-00:09:59)x");
        }
        EXPECT_EQ(listener.calls, (std::vector<std::string>{"changed 0-2"}));
        // Rows are announced before they can move.
        list.removeAt(7);
        list.rewrite(3, u"(-00:09:59)x");
    }
    EXPECT_EQ(listener.calls,
              (std::vector<std::string>{"changed 0-2", "changed 5-6", "remove 7-7", "removed", "changed 3-3"}));
    list.rewrite(4, u"(已经完成项目)x");
    EXPECT_EQ(listener.calls.back(), "changed 4-4");
}

TEST_F(TodoListTest, IdsFindEntriesAgainAfterOthersWereRemoved) {
    add(u"a", u"0");
    add(u"b", u"0");
    add(u"c", u"0");
    const TodoList::EntryId b = list.id(1);
    const TodoList::EntryId c = list.id(2);
    list.removeAt(0);
    EXPECT_EQ(list.indexOf(c), 1);
    list.removeAt(0);
    EXPECT_EQ(list.indexOf(b), std::nullopt);
    EXPECT_EQ(list.indexAfter(b), 0);
    EXPECT_EQ(list.indexAfter(c), 1);
}

} // namespace
} // namespace pennoc
