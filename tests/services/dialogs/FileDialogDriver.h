#pragma once
// Drives Qt's file dialog the way a user does: type a name into its file
// name box and press its accept button once the dialog allows it.

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QtTest>

namespace filedialogs
{

inline QPushButton* AcceptButton(QFileDialog* dialog)
{
    auto* box = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    if (!box)
        return nullptr;
    QPushButton* button = box->button(QDialogButtonBox::Open);
    return button ? button : box->button(QDialogButtonBox::Save);
}

inline QPushButton* CancelButton(QFileDialog* dialog)
{
    auto* box = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    return box ? box->button(QDialogButtonBox::Cancel) : nullptr;
}

// Types `name` and clicks the accept button; false when the button stayed
// disabled (the dialog did not find the file).
inline bool TypeAndAccept(QFileDialog* dialog, const QString& name)
{
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (!edit)
        return false;
    // With the focus in the name box, as when the user types, the dialog
    // drops the list's old selection for the new name.
    QApplication::setActiveWindow(dialog->window());
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
    edit->insert(name);
    QPushButton* accept = AcceptButton(dialog);
    if (!accept || !QTest::qWaitFor([&] { return accept->isEnabled(); }, 5000)) {
        return false;
    }
    accept->click();
    return true;
}

// For answers to a dialog run modally: accepts, or rejects so that the test
// goes on (and fails on what it checks) instead of waiting.
inline bool AcceptOrClose(QFileDialog* dialog, const QString& name)
{
    if (TypeAndAccept(dialog, name))
        return true;
    dialog->reject();
    return false;
}

inline QListView* List(QFileDialog* dialog)
{
    return dialog->findChild<QListView*>(QStringLiteral("listView"));
}

// The names the list shows, once the folder has been read.
inline QStringList ListedNames(QFileDialog* dialog)
{
    QListView* view = List(dialog);
    QStringList names;
    if (!view || !view->model())
        return names;
    QAbstractItemModel* model = view->model();
    for (int row = 0; row < model->rowCount(view->rootIndex()); ++row)
        names << model->index(row, 0, view->rootIndex()).data().toString();
    return names;
}

// Makes the list's current item the file named `name` (as a click would).
inline bool MakeCurrent(QFileDialog* dialog, const QString& name)
{
    QListView* view = List(dialog);
    if (!view)
        return false;
    QModelIndex found;
    bool ok = QTest::qWaitFor(
        [&] {
            QAbstractItemModel* model = view->model();
            for (int row = 0; row < model->rowCount(view->rootIndex()); ++row) {
                QModelIndex index = model->index(row, 0, view->rootIndex());
                if (index.data().toString() == name) {
                    found = index;
                    return true;
                }
            }
            return false;
        },
        5000);
    if (!ok)
        return false;
    view->setCurrentIndex(found);
    return true;
}

} // namespace filedialogs
