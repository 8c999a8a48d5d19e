#include "app/PreviewFileMark.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace
{

QByteArray Digest(const QByteArray& content)
{
    return QCryptographicHash::hash(content, QCryptographicHash::Sha256);
}

} // namespace

void PreviewFileMark::Wrote(const QString& path, const QByteArray& content)
{
    m_path = QFileInfo(path).absoluteFilePath();
    m_size = content.size();
    m_digest = Digest(content);
}

void PreviewFileMark::Clear()
{
    m_path.clear();
    m_size = -1;
    m_digest.clear();
}

bool PreviewFileMark::IsOurs(const QString& path) const
{
    if (m_path.isEmpty() || QFileInfo(path).absoluteFilePath() != m_path)
        return false;
    const QFileInfo info(m_path);
    // Only a plain file of the size written is read to compare.
    if (!info.isFile() || info.isSymLink() || info.size() != m_size)
        return false;
    QFile file(m_path);
    return file.open(QIODevice::ReadOnly) && Digest(file.readAll()) == m_digest;
}

void PreviewFileMark::RemoveIfOurs()
{
    if (IsOurs(m_path))
        QFile::remove(m_path);
    Clear();
}
