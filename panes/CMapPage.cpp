#include "panes/CMapPage.h"

#include "formats/HtmlOutputOptions.h"
#include "model/CZephyrmapDoc.h"
#include "panes/FieldUndo.h"
#include "panes/PaneMnemonics.h"
#include "services/dialogs/CImgFileDlg.h"
#include "services/dialogs/FileFilter.h"
#include "services/paths/PathUtil.h"
#include "services/picture/QtText.h"
#include "services/settings/AppSettings.h"
#include "services/store/SettingsStore.h"
#include "view/PaneInterface.h"

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{

const char* const kBorderItems[] = {"", "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
const char* const kAlignItems[] = {"", "left", "right", "top", "middle", "bottom", "texttop", "absmiddle", "absbottom"};

QLineEdit* MakeEdit(QWidget* parent, const char* name, bool readOnly = false)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setReadOnly(readOnly);
    return edit;
}

template <std::size_t N> QComboBox* MakeCombo(QWidget* parent, const char* name, const char* const (&items)[N])
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr); // the value is what is typed, never an item it begins
    for (const char* item : items)
        combo->addItem(QString::fromLatin1(item));
    combo->setCurrentIndex(-1);
    return combo;
}

QLabel* Label(const char* text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(CMapPage::tr(text), parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

CMapPage::CMapPage(CZephyrmapDoc& doc, AppSettings& settings, SettingsStore& store, PaneInterface& frame,
                   QWidget* parent)
    : QWidget(parent), m_doc(doc), m_settings(settings), m_store(store), m_frame(frame)
{
    setObjectName(QStringLiteral("MapPage"));
    BuildControls();
    new PaneMnemonics(this); // owned by the page
    m_srcRelative->setChecked(m_settings.SRC_RelativePath != 0);
    m_srcRelative->setEnabled(false);
    chooseHtmlDocument = [this] { return PickHtmlDocument(); };
    choosePicture = [this] { return PickPicture(); };
}

void CMapPage::BuildControls()
{
    auto* mapGroup = new QGroupBox(tr("マップのプロパティ"), this);
    m_htmlPath = MakeEdit(mapGroup, "HtmlPath", true);
    m_htmlButton = new QPushButton(tr("変更..."), mapGroup);
    m_htmlButton->setObjectName(QStringLiteral("ChangeHtml"));
    m_mapName = MakeEdit(mapGroup, "MapName");
    auto* mapLayout = new QGridLayout(mapGroup);
    mapLayout->addWidget(Label(QT_TRANSLATE_NOOP("CMapPage", "マップを使用するH&TML文書"), m_htmlPath, mapGroup), 0, 0,
                         1, 2);
    mapLayout->addWidget(m_htmlPath, 1, 0);
    mapLayout->addWidget(m_htmlButton, 1, 1);
    mapLayout->addWidget(Label(QT_TRANSLATE_NOOP("CMapPage", "マップの名前 &NAME= / USEMAP="), m_mapName, mapGroup), 2,
                         0, 1, 2);
    mapLayout->addWidget(m_mapName, 3, 0, 1, 2);

    auto* imgGroup = new QGroupBox(tr("画像のプロパティ <IMG>"), this);
    m_srcRelative = new QCheckBox(tr("相対パス"), imgGroup);
    m_srcRelative->setObjectName(QStringLiteral("SrcRelative"));
    m_picture = MakeEdit(imgGroup, "Picture", true);
    m_pictureButton = new QPushButton(tr("変更..."), imgGroup);
    m_pictureButton->setObjectName(QStringLiteral("ChangePicture"));
    auto* sizeGroup = new QGroupBox(tr("画像のサイズ"), imgGroup);
    m_width = MakeEdit(sizeGroup, "Width", true);
    m_height = MakeEdit(sizeGroup, "Height", true);
    auto* sizeLayout = new QFormLayout(sizeGroup);
    sizeLayout->addRow(Label(QT_TRANSLATE_NOOP("CMapPage", "幅 WIDTH="), m_width, sizeGroup), m_width);
    sizeLayout->addRow(Label(QT_TRANSLATE_NOOP("CMapPage", "高さ HEIGHT="), m_height, sizeGroup), m_height);
    m_border = MakeCombo(imgGroup, "Border", kBorderItems);
    m_align = MakeCombo(imgGroup, "Align", kAlignItems);
    auto* spaceGroup = new QGroupBox(tr("画像の周りの余白"), imgGroup);
    m_hspace = MakeEdit(spaceGroup, "Hspace");
    m_vspace = MakeEdit(spaceGroup, "Vspace");
    auto* spaceLayout = new QFormLayout(spaceGroup);
    spaceLayout->addRow(Label(QT_TRANSLATE_NOOP("CMapPage", "左右 &HSPACE="), m_hspace, spaceGroup), m_hspace);
    spaceLayout->addRow(Label(QT_TRANSLATE_NOOP("CMapPage", "上下 &VSPACE="), m_vspace, spaceGroup), m_vspace);
    m_imgAlt = MakeEdit(imgGroup, "ImgAlt");

    auto* srcRow = new QHBoxLayout;
    srcRow->addWidget(Label(QT_TRANSLATE_NOOP("CMapPage", "画像URL &SRC="), m_picture, imgGroup));
    srcRow->addStretch();
    srcRow->addWidget(m_srcRelative);
    auto* pictureRow = new QHBoxLayout;
    pictureRow->addWidget(m_picture);
    pictureRow->addWidget(m_pictureButton);
    auto* imgLayout = new QVBoxLayout(imgGroup);
    imgLayout->addLayout(srcRow);
    imgLayout->addLayout(pictureRow);
    imgLayout->addWidget(sizeGroup);
    auto* attributes = new QFormLayout;
    attributes->addRow(Label(QT_TRANSLATE_NOOP("CMapPage", "枠の太さ &BORDER="), m_border, imgGroup), m_border);
    attributes->addRow(Label(QT_TRANSLATE_NOOP("CMapPage", "画像の位置 A&LIGN="), m_align, imgGroup), m_align);
    imgLayout->addLayout(attributes);
    imgLayout->addWidget(spaceGroup);
    imgLayout->addWidget(Label(QT_TRANSLATE_NOOP("CMapPage", "説明文 AL&T="), m_imgAlt, imgGroup));
    imgLayout->addWidget(m_imgAlt);

    auto* page = new QVBoxLayout(this);
    page->addWidget(mapGroup);
    page->addWidget(imgGroup);
    page->addStretch();

    QWidget::setTabOrder(m_htmlPath, m_htmlButton);
    QWidget::setTabOrder(m_htmlButton, m_mapName);
    QWidget::setTabOrder(m_mapName, m_srcRelative);
    QWidget::setTabOrder(m_srcRelative, m_picture);
    QWidget::setTabOrder(m_picture, m_pictureButton);
    QWidget::setTabOrder(m_pictureButton, m_width);
    QWidget::setTabOrder(m_width, m_height);
    QWidget::setTabOrder(m_height, m_border);
    QWidget::setTabOrder(m_border, m_align);
    QWidget::setTabOrder(m_align, m_hspace);
    QWidget::setTabOrder(m_hspace, m_vspace);
    QWidget::setTabOrder(m_vspace, m_imgAlt);

    m_enabledWithPage = {mapGroup,      imgGroup,  m_htmlPath,      m_htmlButton, m_mapName,
                         m_srcRelative, m_picture, m_pictureButton, m_border,     m_align,
                         m_hspace,      m_vspace,  m_imgAlt,        sizeGroup,    spaceGroup};

    for (MapAttribute index : {AttrMapName, AttrImgAlt, AttrHspace, AttrVspace, AttrBorder, AttrAlign}) {
        QWidget* control = TextControl(index);
        control->installEventFilter(this);
        if (auto* combo = qobject_cast<QComboBox*>(control)) {
            combo->lineEdit()->installEventFilter(this);
            connect(combo, &QComboBox::editTextChanged, this,
                    [this, index](const QString& text) { CommitText(index, text); });
            connect(combo, &QComboBox::activated, this,
                    [this, index, combo](int item) { CommitText(index, combo->itemText(item)); });
        } else {
            connect(static_cast<QLineEdit*>(control), &QLineEdit::textChanged, this,
                    [this, index](const QString& text) { CommitText(index, text); });
        }
    }
    for (QLineEdit* edit : {m_htmlPath, m_picture, m_width, m_height})
        edit->installEventFilter(this);
    connect(m_htmlButton, &QPushButton::clicked, this, &CMapPage::ChangeHtmlDocument);
    connect(m_pictureButton, &QPushButton::clicked, this, &CMapPage::ChangePicture);
    connect(m_srcRelative, &QCheckBox::clicked, this, &CMapPage::SrcRelativeClicked);
}

QWidget* CMapPage::TextControl(MapAttribute index) const
{
    switch (index) {
    case AttrMapName:
        return m_mapName;
    case AttrHtmlPath:
        return m_htmlPath;
    case AttrBorder:
        return m_border;
    case AttrAlign:
        return m_align;
    case AttrVspace:
        return m_vspace;
    case AttrHspace:
        return m_hspace;
    case AttrImgAlt:
        return m_imgAlt;
    case AttrImageSrc:
        return m_picture;
    case AttrWidth:
        return m_width;
    case AttrHeight:
        return m_height;
    }
    return nullptr;
}

QLineEdit* CMapPage::Edit(MapAttribute index) const
{
    return qobject_cast<QLineEdit*>(TextControl(index));
}

QComboBox* CMapPage::Combo(MapAttribute index) const
{
    return qobject_cast<QComboBox*>(TextControl(index));
}

QString CMapPage::ControlText(MapAttribute index) const
{
    if (QComboBox* combo = Combo(index))
        return combo->currentText();
    return Edit(index)->text();
}

void CMapPage::SetControlText(MapAttribute index, const QString& text)
{
    if (QComboBox* combo = Combo(index))
        combo->setEditText(text);
    else
        Edit(index)->setText(text);
}

std::string CMapPage::ShownPicture() const
{
    const HtmlOutputOptions options = HtmlOutputOptions::FromSettings(m_settings);
    const std::string& picture = m_doc.ImageSrc();
    const bool local = !options.isLocalFile || options.isLocalFile(picture, m_doc.HtmlPath());
    return paths::ComposeOutputPath(m_doc.HtmlPath(), picture, local, m_settings.SRC_RelativePath != 0, false);
}

void CMapPage::FillMapPage()
{
    m_updating = true;
    for (MapAttribute index :
         {AttrMapName, AttrHtmlPath, AttrHeight, AttrWidth, AttrBorder, AttrAlign, AttrHspace, AttrVspace, AttrImgAlt})
        SetControlText(index, ToQString(m_doc.Attribute(index)));
    m_picture->setText(ToQString(ShownPicture()));
    m_updating = false;
}

void CMapPage::ShowAttribute(int index)
{
    if (!IsEditableMapAttribute(index) && index != AttrWidth && index != AttrHeight)
        return;
    m_updating = true;
    if (index == AttrImageSrc) {
        m_picture->setText(ToQString(ShownPicture()));
        m_width->setText(ToQString(m_doc.Width()));
        m_height->setText(ToQString(m_doc.Height()));
    } else {
        SetControlText(static_cast<MapAttribute>(index), ToQString(m_doc.Attribute(static_cast<MapAttribute>(index))));
    }
    m_updating = false;
}

void CMapPage::EnablePage(bool enable)
{
    for (QWidget* control : m_enabledWithPage)
        control->setEnabled(enable);
    UpdateSrcRelativeCheck();
}

void CMapPage::UpdateSrcRelativeCheck()
{
    if (!isEnabled() || !m_mapName->isEnabled()) {
        m_srcRelative->setEnabled(false);
        return;
    }
    m_srcRelative->setEnabled(paths::SameDriveLetter(m_doc.HtmlPath(), m_doc.ImageSrc()));
}

void CMapPage::ReadMapEditValue(MapAttrChange& record) const
{
    if (record.index == AttrImageSrc)
        record.newText = m_doc.ImageSrc();
    else if (IsEditableMapAttribute(record.index))
        record.newText = FromQString(ControlText(static_cast<MapAttribute>(record.index)));
}

// A field taking the focus closes the episode of the field before; its own
// opens with its first change, from the map's text as it is then.
void CMapPage::StartEdit()
{
    m_frame.CommitPendingEdits();
}

void CMapPage::CommitText(MapAttribute index, const QString& text)
{
    if (m_updating)
        return;
    m_frame.EnsureMapEdit(index);
    m_doc.SetAttribute(index, FromQString(text));
    m_doc.MarkMapEditPending(true);
    m_frame.CommandStateChanged(); // Undo is on now, Redo off
}

void CMapPage::ChangeHtmlDocument()
{
    m_frame.CommitPendingEdits();
    m_frame.BeginMapEdit(AttrHtmlPath, m_doc.HtmlPath());
    const std::optional<std::string> path = chooseHtmlDocument();
    if (path) {
        m_updating = true;
        m_doc.SetAttribute(AttrHtmlPath, *path);
        m_frame.FillList(); // every link is shown relative to the document
        FillMapPage();
        m_doc.MarkMapEditPending(true);
        m_updating = false;
    }
    m_frame.UpdateRelativeChecks();
}

void CMapPage::ChangePicture()
{
    m_frame.CommitPendingEdits();
    m_frame.BeginMapEdit(AttrImageSrc, m_doc.ImageSrc());
    const std::optional<std::string> path = choosePicture();
    if (path) {
        m_updating = true;
        m_doc.SetPicture(*path);
        m_doc.MarkMapEditPending(true);
        m_updating = false;
    }
    UpdateSrcRelativeCheck();
}

void CMapPage::SrcRelativeClicked(bool checked)
{
    m_settings.SRC_RelativePath = checked ? 1 : 0;
    FillMapPage();
}

bool CMapPage::eventFilter(QObject* watched, QEvent* event)
{
    if (fieldundo::LeavesKeyToTheMap(watched, event))
        return true; // not taken by the field: the window's undo or redo runs
    if (event->type() == QEvent::FocusIn) {
        for (MapAttribute index : {AttrMapName, AttrImgAlt, AttrHspace, AttrVspace, AttrBorder, AttrAlign}) {
            QWidget* control = TextControl(index);
            auto* combo = qobject_cast<QComboBox*>(control);
            if (watched == control || (combo && watched == combo->lineEdit())) {
                StartEdit();
                break;
            }
        }
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape)
            return true; // the page is no dialog to close
    } else if (event->type() == QEvent::ContextMenu) {
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CMapPage::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape)
        return;
    QWidget::keyPressEvent(event);
}

void CMapPage::contextMenuEvent(QContextMenuEvent* event)
{
    event->accept();
}

std::optional<std::string> CMapPage::PickHtmlDocument()
{
    CImgFileDlg dialog(m_store, this);
    dialog.SetShowRelativePath(false);
    dialog.setWindowTitle(tr("マップを使用するHTML文書の指定"));
    dialog.SetProgramFilter(tr("HTML文書(*.*htm* )|*.*htm*|すべてのファイル(*.*)|*.*||"));
    return dialog.Pick(m_store, QStringLiteral("html"), SettingsStore::HomeFolder());
}

std::optional<std::string> CMapPage::PickPicture()
{
    CImgFileDlg dialog(m_store, this);
    dialog.SetShowRelativePath(false);
    dialog.setWindowTitle(tr("マップで使用する画像の指定"));
    dialog.SetProgramFilter(filefilter::PictureFilter());
    return dialog.Pick(m_store, QStringLiteral("img"), SettingsStore::HomeFolder());
}
