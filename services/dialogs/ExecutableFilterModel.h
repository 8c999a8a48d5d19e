#pragma once
// Keeps folders and the files the user may run in a file dialog's list. On
// Linux programs carry no extension, so a name pattern cannot pick them out.

#include <QSortFilterProxyModel>

class ExecutableFilterModel : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
};
