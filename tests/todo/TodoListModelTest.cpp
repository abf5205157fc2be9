#include "todo/TodoListModel.h"

#include "support/FakeClocks.h"
#include "todo/core/ReminderClock.h"
#include "todo/core/TodoList.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace pennoc {
namespace {

class TodoListModelTest : public ::testing::Test {
protected:
    // The rows of each dataChanged signal so far, as "first-last".
    QStringList changedRanges() {
        QStringList ranges;
        for (const QList<QVariant>& signal : changed) {
            ranges << QStringLiteral("%1-%2").arg(signal[0].toModelIndex().row()).arg(signal[1].toModelIndex().row());
        }
        changed.clear();
        return ranges;
    }

    TodoList list;
    TodoListModel model{list};
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::Fatal};
    QSignalSpy changed{&model, &QAbstractItemModel::dataChanged};
};

TEST_F(TodoListModelTest, FollowsEveryChangeOfTheList) {
    list.append(u"(-00:10:00)a", u"0a");
    list.append(u"(已经完成项目)b", u"0b");
    list.append(u"(没有设定时间)c", u"0c");
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.index(2).data().toString(), QStringLiteral("(没有设定时间)c"));
    list.removeCompleted();
    EXPECT_EQ(model.index(1).data().toString(), QStringLiteral("(没有设定时间)c"));
    list.removeAt(0);
    list.clear();
    EXPECT_EQ(model.rowCount(), 0);
}

TEST_F(TodoListModelTest, TickReportsOnlyTheRowsItRewrote) {
    for (const char16_t* line :
         {u"(-00:10:00)a", u"(-00:10:00)b", u"(没有设定时间)c", u"(+08:00)d", u"(-00:00:00)e", u"(-00:10:00)f"}) {
        list.append(line, u"0");
    }
    test::FakeClocks clocks;
    ReminderClock clock(list, clocks, [this](const std::u16string&) {
        // The completed line is already announced when the pop-up opens.
        EXPECT_EQ(changedRanges(), (QStringList{"0-1", "4-4"}));
        return ReminderClock::ActionProgress::Finished;
    });
    clocks.pass(std::chrono::seconds(1));
    clock.tick();
    EXPECT_EQ(changedRanges(), QStringList{"5-5"});
    EXPECT_EQ(model.index(1).data().toString(), QStringLiteral("(-00:09:59)b"));
}

} // namespace
} // namespace pennoc
