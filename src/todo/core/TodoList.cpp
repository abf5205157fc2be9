#include "todo/core/TodoList.h"

#include "todo/core/TodoLine.h"
#include "todo/core/TodoListListener.h"

#include <algorithm>

namespace pennoc {

TodoList::ChangeBatch::ChangeBatch(TodoList& list)
    : m_list(list) {
    ++m_list.m_openBatches;
}

TodoList::ChangeBatch::~ChangeBatch() {
    --m_list.m_openBatches;
    m_list.flushChanges();
}

void TodoList::ChangeBatch::flush() {
    m_list.flushChanges();
}

std::optional<int> TodoList::indexOf(EntryId id) const {
    const int index = indexAfter(id) - 1;
    if (index >= 0 && m_entries[static_cast<std::size_t>(index)].id == id) {
        return index;
    }
    return std::nullopt;
}

int TodoList::indexAfter(EntryId id) const {
    const auto after = std::upper_bound(m_entries.begin(), m_entries.end(), id,
                                        [](EntryId id, const Entry& entry) { return id < entry.id; });
    return static_cast<int>(after - m_entries.begin());
}

void TodoList::append(std::u16string line, std::u16string action) {
    flushChanges();
    const int row = count();
    if (m_listener) {
        m_listener->rowsAboutToBeInserted(row, row);
    }
    m_entries.push_back({m_nextId++, std::move(line), std::move(action)});
    if (m_listener) {
        m_listener->rowsInserted();
    }
}

void TodoList::removeAt(int index) {
    if (index >= 0 && index < count()) {
        removeRange(index, index);
    }
}

void TodoList::removeCompleted() {
    // From the end, one contiguous run at a time, so rows not yet looked at keep their positions.
    int last = count() - 1;
    while (last >= 0) {
        if (!hasCompletedPrefix(line(last))) {
            --last;
            continue;
        }
        int first = last;
        while (first > 0 && hasCompletedPrefix(line(first - 1))) {
            --first;
        }
        removeRange(first, last);
        last = first - 1;
    }
}

void TodoList::clear() {
    if (!m_entries.empty()) {
        removeRange(0, count() - 1);
    }
}

void TodoList::rewrite(int index, std::u16string line) {
    if (index < 0 || index >= count()) {
        return;
    }
    m_entries[static_cast<std::size_t>(index)].line = std::move(line);
    noteChanged(index);
}

void TodoList::overwrite(int index, std::size_t position, std::u16string_view text) {
    if (index < 0 || index >= count()) {
        return;
    }
    std::u16string& line = m_entries[static_cast<std::size_t>(index)].line;
    if (position > line.size() || text.size() > line.size() - position) {
        return;
    }
    std::copy(text.begin(), text.end(), line.begin() + static_cast<std::ptrdiff_t>(position));
    noteChanged(index);
}

void TodoList::removeRange(int first, int last) {
    flushChanges();
    if (m_listener) {
        m_listener->rowsAboutToBeRemoved(first, last);
    }
    m_entries.erase(m_entries.begin() + first, m_entries.begin() + last + 1);
    if (m_listener) {
        m_listener->rowsRemoved();
    }
}

void TodoList::noteChanged(int index) {
    if (m_openBatches == 0) {
        if (m_listener) {
            m_listener->rowsChanged(index, index);
        }
        return;
    }
    if (m_pendingChange && index >= m_pendingChange->first && index <= m_pendingChange->second + 1) {
        m_pendingChange->second = std::max(m_pendingChange->second, index);
        return;
    }
    flushChanges();
    m_pendingChange = {index, index};
}

void TodoList::flushChanges() {
    if (!m_pendingChange) {
        return;
    }
    const auto [first, last] = *m_pendingChange;
    m_pendingChange.reset();
    if (m_listener) {
        m_listener->rowsChanged(first, last);
    }
}

} // namespace pennoc
