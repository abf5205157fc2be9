#include "todo/TodoListModel.h"

#include "controls/QtText.h"
#include "todo/core/TodoList.h"

namespace pennoc {

TodoListModel::TodoListModel(TodoList& list, QObject* parent)
    : QAbstractListModel(parent)
    , m_list(list) {
    m_list.setListener(this);
}

TodoListModel::~TodoListModel() {
    m_list.setListener(nullptr);
}

int TodoListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_list.count();
}

QVariant TodoListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole ||
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    return toQString(m_list.line(index.row()));
}

void TodoListModel::rowsAboutToBeInserted(int first, int last) {
    beginInsertRows(QModelIndex(), first, last);
}

void TodoListModel::rowsInserted() {
    endInsertRows();
}

void TodoListModel::rowsAboutToBeRemoved(int first, int last) {
    beginRemoveRows(QModelIndex(), first, last);
}

void TodoListModel::rowsRemoved() {
    endRemoveRows();
}

void TodoListModel::rowsChanged(int first, int last) {
    Q_EMIT dataChanged(index(first), index(last), {Qt::DisplayRole});
}

} // namespace pennoc
