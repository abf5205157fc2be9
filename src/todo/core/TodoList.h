#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pennoc {

class TodoListListener;

// The to-do list: entries of a display line and its action, in the order they were added. Entries are
// only appended, removed or cleared, and only the display line of an entry is ever rewritten.
//
// Each entry also has an id that stays with it while other entries come and go; ids grow in list order,
// so an entry can be found again after the list has changed under a caller that had to wait.
//
// Indexes are 0-based list positions; a method given an index outside the list changes nothing.
class TodoList {
public:
    using EntryId = std::uint64_t;

    // Announces rewrites made while it is alive in contiguous ranges (on flush(), before rows are inserted
    // or removed, and when it ends) instead of row by row. Batches may nest.
    class ChangeBatch {
    public:
        explicit ChangeBatch(TodoList& list);
        ~ChangeBatch();
        ChangeBatch(const ChangeBatch&) = delete;
        ChangeBatch& operator=(const ChangeBatch&) = delete;

        void flush();

    private:
        TodoList& m_list;
    };

    // Tells `listener` (none when null) about every change from now on; the list does not own it.
    void setListener(TodoListListener* listener) { m_listener = listener; }

    int count() const { return static_cast<int>(m_entries.size()); }
    // Valid for 0 ≤ index < count().
    const std::u16string& line(int index) const { return m_entries[static_cast<std::size_t>(index)].line; }
    const std::u16string& action(int index) const { return m_entries[static_cast<std::size_t>(index)].action; }
    EntryId id(int index) const { return m_entries[static_cast<std::size_t>(index)].id; }

    // The position of the entry with this id, or nothing once it has been removed.
    std::optional<int> indexOf(EntryId id) const;
    // The position of the first entry added after the entry with this id (count() when there is none),
    // whether or not that entry is still in the list.
    int indexAfter(EntryId id) const;

    void append(std::u16string line, std::u16string action);
    void removeAt(int index);
    // Removes every entry whose line starts with "(已经完成项目)"; the others keep their order.
    void removeCompleted();
    void clear();
    void rewrite(int index, std::u16string line);
    // Rewrites the characters of the display line from `position` on with `text`, in place; changes nothing
    // when they do not all lie within the line.
    void overwrite(int index, std::size_t position, std::u16string_view text);

private:
    struct Entry {
        EntryId id;
        std::u16string line;
        std::u16string action;
    };

    void removeRange(int first, int last);
    void noteChanged(int index);
    void flushChanges();

    std::vector<Entry> m_entries;
    EntryId m_nextId = 0;
    TodoListListener* m_listener = nullptr;
    int m_openBatches = 0;
    // Rewritten rows not yet announced, first and last.
    std::optional<std::pair<int, int>> m_pendingChange;
};

} // namespace pennoc
