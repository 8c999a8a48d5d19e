#include "app/CPrpIniBrows.h"

#include "services/dialogs/ProgramFileDialog.h"
#include "services/picture/QtText.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{

QGroupBox* MakeGroup(QWidget* parent, const QString& title, const char* name)
{
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(QLatin1String(name));
    return group;
}

QCheckBox* MakeCheck(QWidget* parent, const QString& text, const char* name)
{
    auto* check = new QCheckBox(text, parent);
    check->setObjectName(QLatin1String(name));
    return check;
}

QString ButtonName(const char* editName)
{
    QString name = QLatin1String(editName);
    name.chop(4); // "Edit"
    return name + QStringLiteral("Browse");
}

} // namespace

CPrpIniBrows::CPrpIniBrows(QWidget* parent) : QWidget(parent)
{
    auto* preview = MakeGroup(this, tr("プレビューに使用するアプリケーション"), "previewGroup");
    auto* previewGrid = new QGridLayout(preview);
    m_browser = AddPath(previewGrid, 0, tr("マップをプレビューするブラウザの場所(&P)"), "browserEdit",
                        tr("ブラウザのパスの指定"));
    m_viewer = AddPath(previewGrid, 2, tr("HTMLソースをプレビューするアプリケーションの場所(&S)"), "viewerEdit",
                       tr("HTMLエディタのパスの指定"));

    auto* open = MakeGroup(this, tr("ファイルを開くアプリケーション"), "openGroup");
    auto* openGrid = new QGridLayout(open);
    m_imgApp = AddPath(openGrid, 0, tr("画像を開くアプリケーションの場所(&I)"), "imgAppEdit",
                       tr("画像を開くアプリケーションの指定"));
    m_imgAppDefault = MakeCheck(open, tr("標準のアプリケーション(&X)"), "imgAppDefaultCheck");
    openGrid->addWidget(m_imgAppDefault, 2, 0, 1, 2);
    m_htmlApp = AddPath(openGrid, 3, tr("HTML文書を開くアプリケーションの場所(&H)"), "htmlAppEdit",
                        tr("HTML文書を開くブラウザの指定"));
    m_htmlAppDefault = MakeCheck(open, tr("標準のアプリケーション(&M)"), "htmlAppDefaultCheck");
    openGrid->addWidget(m_htmlAppDefault, 5, 0, 1, 2);

    auto* edit = MakeGroup(this, tr("ファイルを編集するエディタ"), "editGroup");
    auto* editGrid = new QGridLayout(edit);
    m_htmlEditor = AddPath(editGrid, 0, tr("HTML文書を編集するエディタの場所(&T)"), "htmlEditorEdit",
                           tr("HTML文書を開くエディタの指定"));
    m_imgEditor =
        AddPath(editGrid, 2, tr("画像を編集するエディタの場所(&E)"), "imgEditorEdit", tr("画像を開くエディタの指定"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(preview);
    layout->addWidget(open);
    layout->addWidget(edit);
    layout->addStretch();

    connect(m_imgAppDefault, &QCheckBox::clicked, this, &CPrpIniBrows::UpdateEnables);
    connect(m_htmlAppDefault, &QCheckBox::clicked, this, &CPrpIniBrows::UpdateEnables);
    SetFields(Fields());
}

QLineEdit* CPrpIniBrows::AddPath(QGridLayout* grid, int row, const QString& label, const char* name,
                                 const QString& dialogTitle)
{
    QWidget* group = grid->parentWidget();
    auto* edit = new QLineEdit(group);
    edit->setObjectName(QLatin1String(name));
    auto* caption = new QLabel(label, group);
    caption->setBuddy(edit);
    auto* browse = new QPushButton(tr("参照 ..."), group);
    browse->setObjectName(ButtonName(name));
    grid->addWidget(caption, row, 0, 1, 2);
    grid->addWidget(edit, row + 1, 0);
    grid->addWidget(browse, row + 1, 1);
    connect(browse, &QPushButton::clicked, this, [this, edit, dialogTitle] { Browse(edit, dialogTitle); });
    return edit;
}

void CPrpIniBrows::Browse(QLineEdit* edit, const QString& dialogTitle)
{
    ProgramFileDialog dlg(ProgramFileDialog::Open, this);
    dlg.setWindowTitle(dialogTitle);
#ifdef Q_OS_WIN
    dlg.SetProgramFilter(tr("プログラム(*.exe)|*.exe||"));
#else
    // Programs here carry no extension; what may be run is listed.
    dlg.SetProgramFilter(tr("プログラム|*||"));
    dlg.ShowExecutablesOnly();
#endif
    if (std::optional<std::string> path = dlg.Run())
        edit->setText(ToQString(*path));
}

void CPrpIniBrows::UpdateEnables()
{
    const bool ownImgApp = !m_imgAppDefault->isChecked();
    m_imgApp->setEnabled(ownImgApp);
    findChild<QPushButton*>(QStringLiteral("imgAppBrowse"))->setEnabled(ownImgApp);
    const bool ownHtmlApp = !m_htmlAppDefault->isChecked();
    m_htmlApp->setEnabled(ownHtmlApp);
    findChild<QPushButton*>(QStringLiteral("htmlAppBrowse"))->setEnabled(ownHtmlApp);
}

void CPrpIniBrows::SetFields(const Fields& f)
{
    m_browser->setText(ToQString(f.browser));
    m_viewer->setText(ToQString(f.editor));
    m_imgApp->setText(ToQString(f.imgApp));
    m_imgAppDefault->setChecked(f.imgAppDefault != 0);
    m_htmlEditor->setText(ToQString(f.htmlEditor));
    m_htmlApp->setText(ToQString(f.htmlApp));
    m_htmlAppDefault->setChecked(f.htmlAppDefault != 0);
    m_imgEditor->setText(ToQString(f.imgEditor));
    UpdateEnables();
}

CPrpIniBrows::Fields CPrpIniBrows::ReadFields() const
{
    Fields f;
    const std::pair<QLineEdit*, std::string*> paths[] = {{m_browser, &f.browser}, {m_viewer, &f.editor},
                                                         {m_imgApp, &f.imgApp},   {m_htmlEditor, &f.htmlEditor},
                                                         {m_htmlApp, &f.htmlApp}, {m_imgEditor, &f.imgEditor}};
    for (const auto& [edit, field] : paths)
        *field = ProgramFileDialog::ToProgramPath(edit->text());
    f.imgAppDefault = m_imgAppDefault->isChecked() ? 1 : 0;
    f.htmlAppDefault = m_htmlAppDefault->isChecked() ? 1 : 0;
    return f;
}
