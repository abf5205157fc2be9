#pragma once

namespace pennoc {

// Told about every change of a TodoList, so a view can follow it row by row. Rows are list indexes;
// ranges are inclusive. Each "about to" call comes while the list still holds its old rows and is followed
// by the matching "done" call once the change is made.
class TodoListListener {
public:
    virtual ~TodoListListener() = default;

    virtual void rowsAboutToBeInserted(int first, int last) = 0;
    virtual void rowsInserted() = 0;
    virtual void rowsAboutToBeRemoved(int first, int last) = 0;
    virtual void rowsRemoved() = 0;
    // The display lines of these rows were rewritten.
    virtual void rowsChanged(int first, int last) = 0;
};

} // namespace pennoc
