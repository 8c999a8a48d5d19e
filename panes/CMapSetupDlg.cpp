#include "panes/CMapSetupDlg.h"
#include "services/dialogs/ProgramMessage.h"

#include "services/dialogs/CImgFileDlg.h"
#include "services/dialogs/FileFilter.h"
#include "services/picture/QtText.h"
#include "services/store/SettingsStore.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace
{

QPushButton* MakeButton(QWidget* parent, const QString& text, const char* name)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

QLabel* MakeLabel(QWidget* parent, const QString& text, const char* name, QWidget* buddy)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setBuddy(buddy);
    return label;
}

} // namespace

CMapSetupDlg::CMapSetupDlg(SettingsStore& store, QWidget* parent) : QDialog(parent), m_store(store)
{
    setWindowTitle(tr("マップの初期設定"));
    BuildLayout();
}

void CMapSetupDlg::BuildLayout()
{
    m_nameEdit = MakeEdit(this, "nameEdit");
    m_pictureEdit = MakeEdit(this, "pictureEdit");
    m_pictureBrowse = MakeButton(this, tr("参照..."), "pictureBrowse");
    m_htmlEdit = MakeEdit(this, "htmlEdit");
    m_htmlBrowse = MakeButton(this, tr("参照..."), "htmlBrowse");
    QPushButton* ok = MakeButton(this, tr("OK"), "okButton");
    QPushButton* cancel = MakeButton(this, tr("ｷｬﾝｾﾙ"), "cancelButton");
    ok->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(MakeLabel(this, tr("マップの名前 &USEMAP= / NAME="), "nameLabel", m_nameEdit), 0, 0, 1, 2);
    grid->addWidget(m_nameEdit, 1, 0, 1, 2);
    grid->addWidget(MakeLabel(this, tr("マップの画像 &SRC="), "pictureLabel", m_pictureEdit), 2, 0, 1, 2);
    grid->addWidget(m_pictureEdit, 3, 0);
    grid->addWidget(m_pictureBrowse, 3, 1);
    grid->addWidget(MakeLabel(this, tr("マップを使用する&HTML文書"), "htmlLabel", m_htmlEdit), 4, 0, 1, 2);
    grid->addWidget(m_htmlEdit, 5, 0);
    grid->addWidget(m_htmlBrowse, 5, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 6, 0, 1, 2);
    grid->setColumnMinimumWidth(0, 280);

    connect(m_pictureBrowse, &QPushButton::clicked, this, &CMapSetupDlg::BrowsePicture);
    connect(m_htmlBrowse, &QPushButton::clicked, this, &CMapSetupDlg::BrowseHtml);
    connect(ok, &QPushButton::clicked, this, &CMapSetupDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CMapSetupDlg::reject);
}

void CMapSetupDlg::SetValues(const std::string& mapName, const std::string& picturePath, const std::string& htmlPath)
{
    m_nameEdit->setText(ToQString(mapName));
    m_pictureEdit->setText(ToQString(picturePath));
    m_htmlEdit->setText(ToQString(htmlPath));
}

void CMapSetupDlg::accept()
{
    // Paths typed by hand are kept whole like names chosen in a dialog: a
    // relative one would mean another file once the map is opened from
    // elsewhere, and links are made from them.
    m_mapName = FromQString(m_nameEdit->text());
    m_picturePath = ProgramFileDialog::ToProgramPath(ProgramFileDialog::AbsoluteTypedPath(m_pictureEdit->text()));
    m_htmlPath = ProgramFileDialog::ToProgramPath(ProgramFileDialog::AbsoluteTypedPath(m_htmlEdit->text()));
    QDialog::accept();
}

void CMapSetupDlg::BrowsePicture()
{
    CImgFileDlg dlg(m_store, this);
    dlg.SetShowRelativePath(false);
    dlg.setWindowTitle(tr("マップで使用する画像の指定"));
    dlg.SetProgramFilter(filefilter::PictureFilter());
    if (std::optional<std::string> path = dlg.Pick(m_store, QStringLiteral("img"), SettingsStore::HomeFolder()))
        m_pictureEdit->setText(ToQString(*path));
}

void CMapSetupDlg::BrowseHtml()
{
    CImgFileDlg dlg(m_store, this);
    dlg.SetShowRelativePath(false);
    dlg.setWindowTitle(tr("マップを使用するHTML文書の指定"));
    dlg.SetProgramFilter(tr("HTML文書(*.*htm* )|*.*htm*|全てのファイル(*.*)|*.*||"));
    if (std::optional<std::string> path = dlg.Pick(m_store, QStringLiteral("html"), SettingsStore::HomeFolder()))
        m_htmlEdit->setText(ToQString(*path));
}
