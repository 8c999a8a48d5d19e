#include "services/dialogs/PlainFileIcons.h"

#include <QFileInfo>
#include <QMimeDatabase>

QIcon PlainFileIcons::icon(const QFileInfo& info) const
{
    return icon(info.isDir() ? QAbstractFileIconProvider::Folder : QAbstractFileIconProvider::File);
}

QString PlainFileIcons::type(const QFileInfo& info) const
{
    const QMimeDatabase mimes;
    if (info.isDir())
        return mimes.mimeTypeForName(QStringLiteral("inode/directory")).comment();
    return mimes.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension).comment();
}
