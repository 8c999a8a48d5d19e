#include "panes/CAreaPage.h"

#include "formats/HtmlReader.h"
#include "model/CZephyrmapDoc.h"
#include "model/SharedAttributes.h"
#include "panes/AreaGeometryField.h"
#include "panes/FieldUndo.h"
#include "panes/PaneMnemonics.h"
#include "services/dialogs/CImgFileDlg.h"
#include "services/dialogs/FileFilter.h"
#include "services/paths/PathUtil.h"
#include "services/picture/QtText.h"
#include "services/settings/AppSettings.h"
#include "services/store/SettingsStore.h"
#include "view/PaneInterface.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QVBoxLayout>

#include <algorithm>

namespace
{

enum AttributeField { FieldAlt, FieldTarget, FieldOther };

const char* const kTargetItems[] = {"", "_top", "_blank", "_self", "_parent"};

bool IsEnterOrEscape(QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}

} // namespace

CAreaPage::CAreaPage(CZephyrmapDoc& doc, AppSettings& settings, SettingsStore& store, PaneInterface& frame,
                     QWidget* parent)
    : QWidget(parent), m_doc(doc), m_settings(settings), m_store(store), m_frame(frame)
{
    setObjectName(QStringLiteral("AreaPage"));
    BuildControls();
    new PaneMnemonics(this); // owned by the page
    m_relative->setChecked(m_settings.HREF_RelativePath != 0);
    m_relative->setEnabled(false);
    chooseLinkTarget = [this] { return PickLinkTarget(); };
    EnableAttributes(false);
}

void CAreaPage::BuildControls()
{
    m_list = new CAreaListCtrl(this);
    m_list->SetOwner(this);
    m_list->setHorizontalHeaderLabels({tr("SHAPE="), tr("リンク先 HREF=")});
    m_group = new QGroupBox(tr("エリアのプロパティ <A&REA>"), this);
    m_relative = new QCheckBox(tr("相対パス"), m_group);
    m_relative->setObjectName(QStringLiteral("HrefRelative"));
    m_href = new QLineEdit(m_group);
    m_href->setObjectName(QStringLiteral("Href"));
    m_hrefLabel = new QLabel(tr("リンク先 HRE&F="), m_group);
    m_hrefLabel->setBuddy(m_href);
    m_browse = new QPushButton(tr("参照..."), m_group);
    m_browse->setObjectName(QStringLiteral("Browse"));
    m_alt = new QLineEdit(m_group);
    m_alt->setObjectName(QStringLiteral("Alt"));
    m_altLabel = new QLabel(tr("説明文 &ALT="), m_group);
    m_altLabel->setObjectName(QStringLiteral("AltLabel"));
    m_altLabel->setBuddy(m_alt);
    m_target = new QComboBox(m_group);
    m_target->setObjectName(QStringLiteral("Target"));
    m_target->setEditable(true);
    m_target->setInsertPolicy(QComboBox::NoInsert);
    m_target->setCompleter(nullptr); // "_" stays "_": the value is what is typed
    for (const char* item : kTargetItems)
        m_target->addItem(QString::fromLatin1(item));
    m_targetLabel = new QLabel(tr("ターゲットウィンドウ TAR&GET="), m_group);
    m_targetLabel->setBuddy(m_target);
    m_other = new QPlainTextEdit(m_group);
    m_other->setObjectName(QStringLiteral("OtherAttributes"));
    m_other->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_other->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_other->setMaximumHeight(m_other->fontMetrics().height() * 4);
    m_other->setTabChangesFocus(true); // a tab in a tag reads as nothing; Tab goes on to NOHREF
    m_otherLabel = new QLabel(tr("その他の属性(&P)"), m_group);
    m_otherLabel->setBuddy(m_other);
    m_noHref = new QCheckBox(tr("&NOHREF"), m_group);
    m_noHref->setObjectName(QStringLiteral("NoHref"));

    auto* hrefHead = new QHBoxLayout;
    hrefHead->addWidget(m_hrefLabel);
    hrefHead->addStretch();
    hrefHead->addWidget(m_relative);
    auto* hrefRow = new QHBoxLayout;
    hrefRow->addWidget(m_href);
    hrefRow->addWidget(m_browse);
    auto* fields = new QVBoxLayout(m_group);
    fields->addLayout(hrefHead);
    fields->addLayout(hrefRow);
    fields->addWidget(m_altLabel);
    fields->addWidget(m_alt);
    fields->addWidget(m_targetLabel);
    fields->addWidget(m_target);
    fields->addWidget(m_otherLabel);
    fields->addWidget(m_other);
    fields->addWidget(m_noHref);

    m_geometry = new AreaGeometryField(m_doc, this);

    auto* page = new QVBoxLayout(this);
    page->addWidget(m_list, 1);
    page->addWidget(m_group);
    page->addWidget(m_geometry);

    QWidget::setTabOrder(m_list, m_relative);
    QWidget::setTabOrder(m_relative, m_href);
    QWidget::setTabOrder(m_href, m_browse);
    QWidget::setTabOrder(m_browse, m_alt);
    QWidget::setTabOrder(m_alt, m_target);
    QWidget::setTabOrder(m_target, m_other);
    QWidget::setTabOrder(m_other, m_noHref);
    QWidget::setTabOrder(m_noHref, m_geometry->Edit());

    for (QWidget* w : {static_cast<QWidget*>(m_href), static_cast<QWidget*>(m_alt), static_cast<QWidget*>(m_target),
                       static_cast<QWidget*>(m_target->lineEdit()), static_cast<QWidget*>(m_other),
                       static_cast<QWidget*>(m_list), static_cast<QWidget*>(m_noHref), static_cast<QWidget*>(m_browse)})
        w->installEventFilter(this);
    connect(m_href, &QLineEdit::textChanged, this, &CAreaPage::HrefChanged);
    connect(m_alt, &QLineEdit::textChanged, this, [this](const QString& t) { AttributeChanged(FieldAlt, t); });
    connect(m_target, &QComboBox::editTextChanged, this,
            [this](const QString& t) { AttributeChanged(FieldTarget, t); });
    connect(m_target, &QComboBox::activated, this,
            [this](int item) { AttributeChanged(FieldTarget, m_target->itemText(item)); });
    connect(m_other, &QPlainTextEdit::textChanged, this, &CAreaPage::OtherAttributesChanged);
    connect(m_browse, &QPushButton::clicked, this, &CAreaPage::Browse);
    connect(m_noHref, &QCheckBox::clicked, this, &CAreaPage::NoHrefClicked);
    connect(m_relative, &QCheckBox::clicked, this, &CAreaPage::RelativeClicked);
    connect(m_list, &QTableWidget::itemSelectionChanged, this, &CAreaPage::RowSelectionChanged);
    connect(m_list, &CAreaListCtrl::EmptyClicked, this, &CAreaPage::EmptyClicked);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { ShowContextMenu(m_list->viewport()->mapToGlobal(at)); });
}

// ---- Rows ----

QString CAreaPage::ShapeKeyword(const CMapData& area, unsigned htmlOption)
{
    switch (area.m_shape) {
    case ShapePoly:
        return QString::fromLatin1(htmlOption & kPolyKeywordLong ? "polygon" : "poly");
    case ShapeRect:
        return QString::fromLatin1(htmlOption & kRectKeywordLong ? "rectangle" : "rect");
    case ShapeCirc:
        return QString::fromLatin1(htmlOption & kCircKeywordLong ? "circle" : "circ");
    case ShapeDefault:
        return QStringLiteral("default");
    default:
        return QString();
    }
}

QString CAreaPage::LinkText(const CMapData& area) const
{
    if (area.m_noHref)
        return tr(kNoHrefText);
    return ToQString(area.GetOutputHref(m_doc.HtmlPath(), m_settings));
}

void CAreaPage::SetLinkColumn(int row, const CMapData& area)
{
    if (QTableWidgetItem* item = m_list->item(row, 1))
        item->setText(LinkText(area));
}

void CAreaPage::FillList()
{
    m_updating = true;
    m_list->CancelDrag();
    m_list->setRowCount(0);
    int index = 0;
    for (const auto& area : m_doc.Areas()) {
        const int row = m_list->rowCount();
        m_list->insertRow(row);
        auto* shape = new QTableWidgetItem(ShapeKeyword(*area, m_settings.HtmlOption));
        shape->setData(Qt::UserRole, index++);
        m_list->setItem(row, 0, shape);
        m_list->setItem(row, 1, new QTableWidgetItem(LinkText(*area)));
    }
    ClearAttributeFields();
    EnableAttributes(false);
    m_updating = false;
}

int CAreaPage::RowOf(int index) const
{
    // The list shows the areas in the map's order, so an area's row is
    // mostly its index; anything else is looked for.
    if (index >= 0 && index < m_list->rowCount() && m_list->item(index, 0)->data(Qt::UserRole).toInt() == index)
        return index;
    for (int row = 0; row < m_list->rowCount(); ++row) {
        if (m_list->item(row, 0)->data(Qt::UserRole).toInt() == index)
            return row;
    }
    return -1;
}

// From the selection's ranges, not its rows or items: with every row of a
// large map selected, a list of them costs as much as the map, and the
// commands ask after every event.
int CAreaPage::GetListSelectionMark() const
{
    const QItemSelection selection = m_list->selectionModel()->selection();
    return selection.isEmpty() ? -1 : selection.front().top();
}

bool CAreaPage::SeveralRowsSelected() const
{
    const QItemSelection selection = m_list->selectionModel()->selection();
    for (const QItemSelectionRange& range : selection) {
        if (range.top() != range.bottom() || range.top() != selection.front().top())
            return true;
    }
    return false;
}

std::vector<int> CAreaPage::SelectedRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : m_list->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

int CAreaPage::GetSelectedArea() const
{
    const int row = GetListSelectionMark();
    if (row < 0 || SeveralRowsSelected())
        return -1;
    // A row being moved is, for a moment, a selected row without items.
    const QTableWidgetItem* item = m_list->item(row, 0);
    return item ? item->data(Qt::UserRole).toInt() : -1;
}

CMapData* CAreaPage::MarkedArea() const
{
    return m_doc.AreaAt(GetSelectedArea());
}

void CAreaPage::SelectRowFromCode(int row)
{
    m_selecting = true;
    m_list->SelectOnlyRow(row);
    // A row out of sight is scrolled to the top; a row in sight stays where it is.
    const QRect shown = m_list->visualItemRect(m_list->item(row, 0));
    if (!m_list->viewport()->rect().contains(shown))
        m_list->scrollToItem(m_list->item(row, 0), QAbstractItemView::PositionAtTop);
    EnableAttributes(true);
    m_selecting = false;
}

void CAreaPage::SelectArea(int index)
{
    const int row = RowOf(index);
    if (row < 0)
        return;
    SelectRowFromCode(row);
    ShowAreaAttributes(index);
}

void CAreaPage::SelectAreas(const std::vector<int>& indices)
{
    std::vector<int> rows;
    for (int index : indices) {
        if (const int row = RowOf(index); row >= 0)
            rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end());
    // Neighbouring rows as one range: one selection change, and a selection
    // that stays small however many rows it holds.
    QItemSelection selection;
    const int lastColumn = m_list->columnCount() - 1;
    for (std::size_t i = 0; i < rows.size();) {
        std::size_t end = i + 1;
        while (end < rows.size() && rows[end] <= rows[end - 1] + 1)
            ++end;
        selection.select(m_list->model()->index(rows[i], 0), m_list->model()->index(rows[end - 1], lastColumn));
        i = end;
    }
    m_selecting = true;
    m_list->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_selecting = false;
    ShowSharedAttributes();
}

void CAreaPage::SelectDefaultArea()
{
    if (CMapData* area = m_doc.FindDefaultArea())
        SelectArea(m_doc.IndexOf(area));
}

void CAreaPage::ClearSelection()
{
    m_selecting = true;
    m_list->clearSelection();
    m_list->setCurrentCell(-1, -1);
    m_selecting = false;
    ClearAttributesQuietly();
}

void CAreaPage::RefreshList()
{
    const int index = GetSelectedArea();
    FillList();
    if (index >= 0)
        SelectArea(index);
}

void CAreaPage::EnablePage(bool enable)
{
    m_list->setEnabled(enable);
    m_group->setEnabled(enable);
    EnableAttributes(enable && (GetSelectedArea() >= 0 || SeveralRowsSelected()));
}

void CAreaPage::ClearAttributeFields()
{
    m_href->clear();
    m_alt->clear();
    m_target->setEditText(QString());
    m_other->clear();
    m_noHref->setTristate(false);
    m_noHref->setChecked(false);
    ShowSeveralValues(false);
    m_geometry->ShowArea(-1);
}

// A field left blank because the selected areas differ in it says so.
void CAreaPage::ShowSeveralValues(bool several)
{
    const QString note = several ? tr("(エリアごとに異なる値)") : QString();
    m_href->setPlaceholderText(note);
    m_alt->setPlaceholderText(note);
    m_target->lineEdit()->setPlaceholderText(note);
    m_other->setPlaceholderText(note);
}

// No one area's attributes to show: the fields empty and off, without their
// change handlers taking the emptying for typing.
void CAreaPage::ClearAttributesQuietly()
{
    const bool updating = m_updating;
    m_updating = true;
    ClearAttributeFields();
    m_updating = updating;
    EnableAttributes(false);
}

void CAreaPage::EnableAttributes(bool enable)
{
    for (QWidget* w :
         {static_cast<QWidget*>(m_href), static_cast<QWidget*>(m_alt), static_cast<QWidget*>(m_target),
          static_cast<QWidget*>(m_other), static_cast<QWidget*>(m_noHref), static_cast<QWidget*>(m_hrefLabel),
          static_cast<QWidget*>(m_altLabel), static_cast<QWidget*>(m_targetLabel), static_cast<QWidget*>(m_otherLabel)})
        w->setEnabled(enable);
    UpdateRelativeCheck();
    ApplyHrefRule();
}

// The link is off for an area that links nowhere; for several areas, only
// when none of them links anywhere.
void CAreaPage::ApplyHrefRule()
{
    bool linking = false;
    if (const CMapData* area = MarkedArea()) {
        linking = !area->m_noHref;
    } else if (SeveralRowsSelected()) {
        for (int index : SelectedIndices())
            linking = linking || (m_doc.AreaAt(index) && !m_doc.AreaAt(index)->m_noHref);
    }
    const bool on = linking && m_group->isEnabled();
    m_href->setEnabled(on);
    m_browse->setEnabled(on);
}

void CAreaPage::UpdateRelativeCheck()
{
    const CMapData* area = MarkedArea();
    if (!area || !m_group->isEnabled()) {
        m_relative->setEnabled(false);
        return;
    }
    const std::string& document = m_doc.HtmlPath();
    if (area->m_href.empty() && !document.empty())
        m_relative->setEnabled(true);
    else
        m_relative->setEnabled(area->m_hrefIsPath && paths::SameDriveLetter(document, area->m_href));
}

void CAreaPage::ShowAreaAttributes(int index)
{
    const CMapData* area = m_doc.AreaAt(index);
    if (!area)
        return;
    const bool updating = m_updating;
    m_updating = true;
    m_href->setText(ToQString(area->GetOutputHref(m_doc.HtmlPath(), m_settings)));
    m_alt->setText(ToQString(area->m_alt));
    m_target->setEditText(ToQString(area->m_target));
    m_other->setPlainText(ToQString(area->m_otherAttrs));
    m_noHref->setTristate(false);
    m_noHref->setChecked(area->m_noHref != 0);
    ShowSeveralValues(false);
    m_geometry->ShowArea(index);
    UpdateRelativeCheck();
    ApplyHrefRule();
    m_updating = updating;
}

// Several areas selected: what they share, a blank field where they differ.
void CAreaPage::ShowSharedAttributes()
{
    std::vector<const CMapData*> areas;
    for (int index : SelectedIndices()) {
        if (const CMapData* area = m_doc.AreaAt(index))
            areas.push_back(area);
    }
    if (areas.empty()) {
        ClearAttributesQuietly();
        return;
    }
    const SharedAttributes shared = SharedAttributes::Of(areas, m_doc.HtmlPath(), m_settings);
    m_shared = shared;
    m_sharedBefore.clear();
    for (const CMapData* area : areas)
        m_sharedBefore.push_back(
            {m_doc.IndexOf(area), area->m_href, area->m_hrefIsPath, area->m_alt, area->m_target, area->m_otherAttrs});
    const bool updating = m_updating;
    m_updating = true;
    m_href->setText(ToQString(shared.href.value_or(std::string())));
    m_alt->setText(ToQString(shared.alt.value_or(std::string())));
    m_target->setEditText(ToQString(shared.target.value_or(std::string())));
    m_other->setPlainText(ToQString(shared.otherAttrs.value_or(std::string())));
    m_noHref->setTristate(!shared.noHref);
    m_noHref->setCheckState(!shared.noHref ? Qt::PartiallyChecked : *shared.noHref ? Qt::Checked : Qt::Unchecked);
    ShowSeveralValues(true);
    m_href->setPlaceholderText(shared.href ? QString() : m_href->placeholderText());
    m_alt->setPlaceholderText(shared.alt ? QString() : m_alt->placeholderText());
    m_target->lineEdit()->setPlaceholderText(shared.target ? QString() : m_target->lineEdit()->placeholderText());
    m_other->setPlaceholderText(shared.otherAttrs ? QString() : m_other->placeholderText());
    m_geometry->ShowArea(-1);
    m_updating = updating;
    EnableAttributes(true);
}

void CAreaPage::RefreshGeometry()
{
    m_geometry->Refresh();
}

std::vector<int> CAreaPage::SelectedIndices() const
{
    std::vector<int> indices;
    for (int row : SelectedRows()) {
        if (const QTableWidgetItem* item = m_list->item(row, 0))
            indices.push_back(item->data(Qt::UserRole).toInt());
    }
    return indices;
}

// ---- Editing ----

// A field taking the focus closes the episode of the field before; its own
// opens with its first change.
void CAreaPage::StartEdit()
{
    m_frame.CommitPendingEdits();
}

// A button's change is an episode of its own.
void CAreaPage::StartOwnEdit(int index)
{
    m_frame.CommitPendingEdits();
    m_frame.EnsureAreaEdit(index);
}

void CAreaPage::AttributeChanged(int which, const QString& text)
{
    if (m_updating)
        return;
    if (SeveralRowsSelected()) {
        m_frame.EnsureAreasEdit(SelectedIndices());
        // A field blank because the areas differ, emptied again (the
        // field's own undo), gives each area back its own value.
        const bool differed = which == FieldAlt      ? !m_shared.alt
                              : which == FieldTarget ? !m_shared.target
                                                     : !m_shared.otherAttrs;
        for (const SharedOriginal& original : m_sharedBefore) {
            const std::string& own = which == FieldAlt      ? original.alt
                                     : which == FieldTarget ? original.target
                                                            : original.otherAttrs;
            SetAttribute(original.index, which, differed && text.isEmpty() ? own : FromQString(text));
        }
        m_doc.AreaAttributesChanged(true);
        return;
    }
    const int index = GetSelectedArea();
    if (index < 0)
        return;
    m_frame.EnsureAreaEdit(index);
    SetAttribute(index, which, FromQString(text));
    m_doc.AreaAttributesChanged(true);
    SelectRowFromCode(RowOf(index));
}

void CAreaPage::SetAttribute(int index, int which, const std::string& value)
{
    const std::optional<std::string> none;
    switch (which) {
    case FieldAlt:
        m_doc.SetAreaAttributes(index, none, none, value, 0, -1, none);
        break;
    case FieldTarget:
        m_doc.SetAreaAttributes(index, none, value, none, 0, -1, none);
        break;
    default:
        m_doc.SetAreaAttributes(index, none, none, none, 0, -1, html::TidyOtherAttributes(value));
        break;
    }
}

// Several areas take the link as typed, each in its row.
void CAreaPage::SharedHrefChanged(const QString& text)
{
    m_frame.EnsureAreasEdit(SelectedIndices());
    const bool ownBack = !m_shared.href && text.isEmpty();
    for (const SharedOriginal& original : m_sharedBefore) {
        if (ownBack)
            m_doc.SetAreaAttributes(original.index, original.href, std::nullopt, std::nullopt, original.hrefIsPath, -1,
                                    std::nullopt);
        else
            m_doc.SetAreaAttributes(original.index, FromQString(text), std::nullopt, std::nullopt, 0, -1, std::nullopt);
        SetLinkColumn(RowOf(original.index), *m_doc.AreaAt(original.index));
    }
    m_doc.AreaAttributesChanged(true);
}

void CAreaPage::OtherAttributesChanged()
{
    AttributeChanged(FieldOther, m_other->toPlainText());
}

// Editing only the fragment of a link picked as a file keeps it a file (its
// stored path stays); any other change makes the link the text as typed.
void CAreaPage::HrefChanged(const QString& text)
{
    if (!m_updating && SeveralRowsSelected()) {
        SharedHrefChanged(text);
        return;
    }
    const int index = GetSelectedArea();
    CMapData* area = m_doc.AreaAt(index);
    if (m_updating || !area)
        return;
    const std::string typed = FromQString(text);
    const std::string& document = m_doc.HtmlPath();
    std::string storedPath, typedPath, typedFragment;
    bool asTyped = false;
    if (!document.empty()) {
        if (!typed.empty() && paths::IsAbsolutePath(typed)) {
            asTyped = true;
        } else {
            const bool inPage = area->IsInPageLink(document);
            storedPath = area->m_href;
            paths::SplitAnchor(storedPath);
            typedPath = paths::ResolveReference(typed, document);
            typedFragment = paths::SplitAnchor(typedPath);
            if (inPage && m_settings.HREF_RelativePath && typed.empty())
                typedPath = document;
        }
    } else {
        storedPath = paths::FileNameOf(area->m_href);
        paths::SplitAnchor(storedPath);
        typedPath = typed;
        typedFragment = paths::SplitAnchor(typedPath);
    }
    m_frame.EnsureAreaEdit(index);
    if (!asTyped && typedPath == storedPath)
        m_doc.ReplaceAreaAnchor(index, typedFragment);
    else
        m_doc.SetAreaAttributes(index, typed, std::nullopt, std::nullopt, 0, -1, std::nullopt);
    m_doc.AreaAttributesChanged(true);
    SetLinkColumn(RowOf(index), *area);
    SelectRowFromCode(RowOf(index));
    UpdateRelativeCheck();
}

// Leaving the link field shows the link again in its output form, in the
// field and in its row. Another window taking the focus (a switch to the
// browser and back) is no leaving: the field keeps its text as typed.
void CAreaPage::HrefLostFocus(Qt::FocusReason reason)
{
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return;
    const int index = GetSelectedArea();
    const CMapData* area = m_doc.AreaAt(index);
    if (!area)
        return;
    SetLinkColumn(RowOf(index), *area);
    const bool updating = m_updating;
    m_updating = true;
    m_href->setText(ToQString(area->GetOutputHref(m_doc.HtmlPath(), m_settings)));
    m_updating = updating;
    UpdateRelativeCheck();
}

void CAreaPage::Browse()
{
    if (SeveralRowsSelected()) {
        BrowseForSeveral();
        return;
    }
    const int index = GetSelectedArea();
    if (index < 0)
        return;
    m_frame.CommitPendingEdits();
    const std::optional<std::string> path = chooseLinkTarget();
    if (path) {
        StartOwnEdit(index);
        m_updating = true;
        m_doc.SetAreaAttributes(index, *path, std::nullopt, std::nullopt, 1, -1, std::nullopt);
        const CMapData* area = m_doc.AreaAt(index);
        SetLinkColumn(RowOf(index), *area);
        m_href->setText(ToQString(area->GetOutputHref(m_doc.HtmlPath(), m_settings)));
        m_doc.AreaAttributesChanged(true);
    }
    SelectRowFromCode(RowOf(index));
    m_updating = false;
    UpdateRelativeCheck();
}

// The file picked becomes every selected area's link, as one step.
void CAreaPage::BrowseForSeveral()
{
    const std::vector<int> indices = SelectedIndices();
    m_frame.CommitPendingEdits();
    const std::optional<std::string> path = chooseLinkTarget();
    if (!path)
        return;
    m_frame.EnsureAreasEdit(indices);
    for (int index : indices) {
        m_doc.SetAreaAttributes(index, *path, std::nullopt, std::nullopt, 1, -1, std::nullopt);
        SetLinkColumn(RowOf(index), *m_doc.AreaAt(index));
    }
    m_doc.AreaAttributesChanged(true);
    m_frame.CommitPendingEdits();
    ShowSharedAttributes();
}

void CAreaPage::NoHrefClicked(bool checked)
{
    if (SeveralRowsSelected()) {
        // Mixed, the box goes straight to on or off, never back to mixed.
        m_noHref->setTristate(false);
        m_noHref->setChecked(checked);
        const std::vector<int> indices = SelectedIndices();
        m_frame.CommitPendingEdits();
        m_frame.EnsureAreasEdit(indices);
        for (int index : indices) {
            m_doc.SetAreaAttributes(index, std::nullopt, std::nullopt, std::nullopt, 0, checked ? 1 : 0, std::nullopt);
            SetLinkColumn(RowOf(index), *m_doc.AreaAt(index));
        }
        m_doc.AreaAttributesChanged(true);
        m_frame.CommitPendingEdits();
        ShowSharedAttributes();
        return;
    }
    const int index = GetSelectedArea();
    if (CMapData* area = m_doc.AreaAt(index)) {
        StartOwnEdit(index);
        m_doc.SetAreaAttributes(index, std::nullopt, std::nullopt, std::nullopt, 0, checked ? 1 : 0, std::nullopt);
        SetLinkColumn(RowOf(index), *area);
        ShowAreaAttributes(index);
        m_doc.AreaAttributesChanged(true);
        SelectRowFromCode(RowOf(index));
    }
    ApplyHrefRule();
}

void CAreaPage::RelativeClicked(bool checked)
{
    m_settings.HREF_RelativePath = checked ? 1 : 0;
    const int index = GetSelectedArea();
    if (index < 0)
        return;
    FillList();
    SelectArea(index);
}

// ---- The list ----

void CAreaPage::RowSelectionChanged()
{
    if (m_selecting)
        return;
    const std::vector<int> rows = SelectedRows();
    if (rows.size() > 1) {
        std::vector<int> indices;
        for (int row : rows)
            indices.push_back(m_list->item(row, 0)->data(Qt::UserRole).toInt());
        ShowSharedAttributes();
        m_frame.SelectAreasInView(indices);
        return;
    }
    const int index = GetSelectedArea();
    if (index < 0)
        return;
    ShowAreaAttributes(index);
    m_frame.SelectAreaInView(index);
    EnableAttributes(true);
}

void CAreaPage::EmptyClicked()
{
    m_updating = true;
    ClearSelection();
    m_frame.DeselectAreaInView();
    m_updating = false;
}

void CAreaPage::ShowContextMenu(const QPoint& globalPos)
{
    if (m_list->rowAt(m_list->viewport()->mapFromGlobal(globalPos).y()) < 0)
        EmptyClicked();
    QMenu menu(this);
    QAction* remove = menu.addAction(tr("選択エリアを削除(&D)"));
    QAction* edit = menu.addAction(tr("ﾘﾝｸ先をｴﾃﾞｨﾀで開く(&E)"));
    QAction* open = menu.addAction(tr("ﾘﾝｸ先を開く(&W)"));
    remove->setEnabled(m_frame.ViewHasSelection());
    edit->setEnabled(GetListSelectionMark() >= 0);
    open->setEnabled(GetListSelectionMark() >= 0);
    // The items pass their commands on to the view, as the main menu's do.
    auto runCommand = [this](CommandId id) {
        m_frame.CommandStateChanged();
        if (QAction* command = m_frame.Action(id))
            command->trigger();
    };
    connect(remove, &QAction::triggered, this, [this] { m_frame.DeleteSelectedArea(); });
    connect(edit, &QAction::triggered, this, [runCommand] { runCommand(CmdEditLinkTarget); });
    connect(open, &QAction::triggered, this, [runCommand] { runCommand(CmdOpenLinkTarget); });
    menu.exec(globalPos);
}

bool CAreaPage::CanDrag(int row)
{
    const CMapData* area = m_doc.AreaAt(row);
    return !(area && area->m_shape == ShapeDefault && m_settings.DefaultAreaTailInEffect);
}

// While the DEFAULT area is kept last, nothing goes below it.
bool CAreaPage::CanDrop(int position)
{
    if (!m_settings.DefaultAreaTailInEffect)
        return true;
    if (position == m_list->rowCount())
        return false;
    if (position <= 0)
        return true;
    const CMapData* above = m_doc.AreaAt(position - 1);
    return !(above && above->m_shape == ShapeDefault);
}

void CAreaPage::RowMoved(int position, int dragged)
{
    m_doc.MoveAreaUndoable(position, dragged);
    for (int row = 0; row < m_list->rowCount(); ++row)
        m_list->item(row, 0)->setData(Qt::UserRole, row);
    const int landed = dragged >= position ? position : position - 1;
    SelectArea(landed);
    m_frame.SelectAreaInView(landed);
}

// ---- Keys and focus ----

bool CAreaPage::eventFilter(QObject* watched, QEvent* event)
{
    if (IsEnterOrEscape(event))
        return true; // the page is no dialog to close or cancel
    if (fieldundo::LeavesKeyToTheMap(watched, event))
        return true; // not taken by the field: the window's undo or redo runs
    if (event->type() == QEvent::FocusIn && (watched == m_href || watched == m_alt || watched == m_target ||
                                             watched == m_target->lineEdit() || watched == m_other))
        StartEdit();
    else if (event->type() == QEvent::FocusOut && watched == m_href)
        HrefLostFocus(static_cast<QFocusEvent*>(event)->reason());
    return QWidget::eventFilter(watched, event);
}

void CAreaPage::keyPressEvent(QKeyEvent* event)
{
    if (IsEnterOrEscape(event))
        return;
    QWidget::keyPressEvent(event);
}

std::optional<std::string> CAreaPage::PickLinkTarget()
{
    CImgFileDlg dialog(m_store, this);
    dialog.SetShowRelativePath(false);
    dialog.setWindowTitle(tr("リンク先ファイルの選択"));
    // HTML documents first, then the picture types and every file.
    dialog.SetProgramFilter(tr("HTML文書(*.*htm* )|*.*htm*|") + filefilter::PictureFilter());
    return dialog.Pick(m_store, QStringLiteral("href"), SettingsStore::HomeFolder());
}
