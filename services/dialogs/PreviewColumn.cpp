#include "services/dialogs/PreviewColumn.h"

#include "services/dialogs/FilePreviewWnd.h"
#include "services/picture/QtText.h"

#include <QCheckBox>
#include <QDir>

PreviewColumn::PreviewColumn(QWidget* dialog, QSize paneSize)
    : QObject(dialog), m_check(new QCheckBox(tr("プレビュー"), dialog)),
      m_pane(new FilePreviewWnd(PreviewStyle(), dialog))
{
    m_check->setObjectName(QStringLiteral("previewCheck"));
    m_pane->setObjectName(QStringLiteral("previewPane"));
    m_pane->setFixedSize(paneSize);
    connect(m_check, &QCheckBox::clicked, this, &PreviewColumn::Refresh);
}

void PreviewColumn::SetCurrent(const QString& path)
{
    m_current = path;
    if (m_check->isChecked())
        Refresh();
}

void PreviewColumn::SetVisible(bool visible)
{
    m_check->setVisible(visible);
    m_pane->setVisible(visible);
}

void PreviewColumn::Refresh()
{
    m_pane->SetFile(m_check->isChecked() ? FromQString(QDir::toNativeSeparators(m_current)) : std::string());
}
