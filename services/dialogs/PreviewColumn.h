#pragma once
// The preview beside a file dialog's list: a "プレビュー" check box over a
// FilePreviewWnd that shows the list's current file while the box is ticked
// and the placeholder while it is not.

#include <QObject>
#include <QSize>
#include <QString>

class FilePreviewWnd;
class QCheckBox;
class QWidget;

class PreviewColumn : public QObject
{
    Q_OBJECT
public:
    // Made as children of `dialog`; the caller places them.
    PreviewColumn(QWidget* dialog, QSize paneSize);

    QCheckBox* Check() const { return m_check; }
    FilePreviewWnd* Pane() const { return m_pane; }
    // The list's current file (a platform path).
    void SetCurrent(const QString& path);
    void SetVisible(bool visible);

private:
    void Refresh();

    QCheckBox* m_check;
    FilePreviewWnd* m_pane;
    QString m_current;
};
