#pragma once
// Icons and type names for the file dialogs that look at a file's name and
// kind only. Qt's own provider asks the MIME database, which reads a file's
// first bytes: on a device or a kernel file (/proc/kmsg) that read never
// returns, and the whole program would hang with the dialog.

#include <QFileIconProvider>

class PlainFileIcons : public QFileIconProvider
{
public:
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;
};
