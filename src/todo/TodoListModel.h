#pragma once

#include "todo/core/TodoListListener.h"

#include <QAbstractListModel>

namespace pennoc {

class TodoList;

// Shows the display lines of a TodoList to a list view (`List2`). The list stays the one place the entries
// live; the model follows its changes and reports only the rows that changed, so a tick that rewrites the
// running countdowns repaints those rows and no others.
class TodoListModel : public QAbstractListModel, private TodoListListener {
    Q_OBJECT

public:
    // Becomes the list's one listener until destroyed; the list must outlive the model.
    explicit TodoListModel(TodoList& list, QObject* parent = nullptr);
    ~TodoListModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    void rowsAboutToBeInserted(int first, int last) override;
    void rowsInserted() override;
    void rowsAboutToBeRemoved(int first, int last) override;
    void rowsRemoved() override;
    void rowsChanged(int first, int last) override;

    TodoList& m_list;
};

} // namespace pennoc
