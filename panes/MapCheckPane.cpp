#include "panes/MapCheckPane.h"

#include "model/CZephyrmapDoc.h"
#include "services/language/ProgramTexts.h"
#include "services/types/PictureSource.h"
#include "view/PaneInterface.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace
{

enum Column { ColumnArea, ColumnCode, ColumnMessage };
// Where a row keeps its finding's area (-1 for none).
constexpr int kAreaRole = Qt::UserRole;

} // namespace

MapCheckPane::MapCheckPane(CZephyrmapDoc& doc, PaneInterface& frame, QWidget* parent)
    : QDockWidget(tr("マップの検査"), parent), m_doc(doc), m_frame(frame), m_list(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("MapCheckPane"));
    m_list->setObjectName(QStringLiteral("MapCheckList"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setHeaderLabels({tr("エリア"), tr("種類"), tr("内容")});
    m_list->header()->setSectionResizeMode(ColumnArea, QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(ColumnCode, QHeaderView::ResizeToContents);
    setWidget(m_list);
    m_pause.setSingleShot(true);
    m_pause.setInterval(kPauseMs);
    connect(&m_pause, &QTimer::timeout, this, &MapCheckPane::CheckNow);
    connect(m_list, &QTreeWidget::itemActivated, this, &MapCheckPane::Activate);
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible && m_stale)
            CheckNow();
    });
}

void MapCheckPane::MapChanged()
{
    m_stale = true;
    if (isVisible())
        m_pause.start(); // again from the start: the check waits for a pause in the edits
}

void MapCheckPane::CheckNow()
{
    m_pause.stop();
    m_stale = false;
    m_findings.clear();
    if (m_frame.IsMapOpen()) {
        DisplaySize picture;
        if (m_doc.Picture())
            m_doc.Picture()->LoadedSize(picture.width, picture.height);
        m_findings = m_checker.Check(m_doc, DisplayedSize(m_doc, picture));
    }
    Fill();
}

void MapCheckPane::Fill()
{
    m_list->clear();
    QList<QTreeWidgetItem*> rows;
    for (const Finding& f : m_findings) {
        auto* row = new QTreeWidgetItem;
        row->setText(ColumnArea, f.area >= 0 ? programtexts::AreaNumber(f.area) : QString());
        row->setText(ColumnCode, QString::fromLatin1(CodeName(f.code)));
        row->setText(ColumnMessage, programtexts::Translate(f.message));
        row->setToolTip(ColumnMessage, row->text(ColumnMessage));
        row->setData(ColumnArea, kAreaRole, f.area);
        rows << row;
    }
    if (rows.isEmpty() && m_frame.IsMapOpen()) {
        auto* none = new QTreeWidgetItem;
        none->setText(ColumnMessage, tr("問題は見つかりませんでした。"));
        none->setData(ColumnArea, kAreaRole, -1);
        none->setFlags(Qt::ItemIsEnabled);
        rows << none;
    }
    m_list->addTopLevelItems(rows);
}

void MapCheckPane::Activate(QTreeWidgetItem* item)
{
    const int area = item ? item->data(ColumnArea, kAreaRole).toInt() : -1;
    if (area < 0 || area >= m_doc.AreaCount())
        return;
    m_frame.ShowTab(1);
    m_frame.SelectArea(area);
    m_frame.SelectAreaInView(area);
}
