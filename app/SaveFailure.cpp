#include "app/SaveFailure.h"

#include <QDir>
#include <QFileInfo>

QString SaveFailure::Message(const QString& path, const std::string& systemReason)
{
    const QString shown = QDir::toNativeSeparators(path);
    const QString failed = tr("ファイル \"%1\" を保存できませんでした。").arg(shown);
    QString reason = Reason(path);
    if (reason.isEmpty())
        reason = QString::fromStdString(systemReason);
    return reason.isEmpty() ? failed : failed + QStringLiteral("\r\n") + reason;
}

QString SaveFailure::Reason(const QString& path)
{
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    if (target.isDir())
        return tr("同じ名前のフォルダがあります。");
    if (target.exists() && !target.isFile())
        return tr("同じ名前の、ファイルではないもの(デバイスや名前付きパイプなど)があります。");
    if (target.exists() && !target.isWritable())
        return tr("ファイルへの書き込みが許可されていません。");
    if (!folder.isDir())
        return tr("フォルダ \"%1\" がありません。").arg(QDir::toNativeSeparators(folder.filePath()));
    if (!folder.isWritable())
        return tr("フォルダ \"%1\" への書き込みが許可されていません。")
            .arg(QDir::toNativeSeparators(folder.filePath()));
    return QString();
}
