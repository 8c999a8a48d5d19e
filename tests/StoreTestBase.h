#pragma once
// A Qt Test class whose test functions each keep their settings in an INI
// file of their own in a temporary folder: `m_run` picks the file.

#include <QObject>
#include <QSettings>
#include <QTemporaryDir>
#include <QVariant>

// No Q_OBJECT: it has no slots of its own, and the test classes' own moc
// files cover their slots.
class StoreTestBase : public QObject
{
protected:
    QTemporaryDir m_dir;
    int m_run = 0;
    QString Ini() const { return m_dir.filePath(QStringLiteral("store%1.ini").arg(m_run)); }
    QVariant Stored(const QString& key) const { return QSettings(Ini(), QSettings::IniFormat).value(key); }
};
