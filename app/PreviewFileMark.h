#pragma once
// Which work file this run wrote: its path and what it wrote there. A file
// is ours only at that path and only while it still holds exactly that; a
// file at another path, or one changed since, is the user's, and is never
// overwritten or deleted without asking.

#include <QByteArray>
#include <QString>

class PreviewFileMark
{
public:
    void Wrote(const QString& path, const QByteArray& content);
    void Clear();
    bool IsOurs(const QString& path) const;
    // Deletes the file when it is still ours; the mark goes either way.
    void RemoveIfOurs();
    const QString& Path() const { return m_path; }

private:
    QString m_path;
    qint64 m_size = -1;
    QByteArray m_digest;
};
