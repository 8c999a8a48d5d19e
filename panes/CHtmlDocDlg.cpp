#include "panes/CHtmlDocDlg.h"

#include "services/dialogs/ProgramFileDialog.h"
#include "services/dialogs/ProgramMessage.h"
#include "services/paths/LocalFile.h"
#include "services/picture/QtText.h"
#include "services/store/SettingsStore.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <filesystem>

namespace
{

bool EntryExists(const std::string& path)
{
    std::error_code error;
    return !path.empty() && std::filesystem::exists(localfile::PathOf(path), error);
}

} // namespace

CHtmlDocDlg::CHtmlDocDlg(SettingsStore& store, QWidget* parent) : QDialog(parent), m_store(store)
{
    setWindowTitle(tr("マップを使用するHTML文書"));
    auto* prompt = new QLabel(tr("クリッカブルマップを使用するHTML文書を指定してください。"), this);
    prompt->setObjectName(QStringLiteral("promptLabel"));
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("pathEdit"));
    m_edit->setMinimumWidth(280);
    auto* browse = new QPushButton(tr("参照..."), this);
    browse->setObjectName(QStringLiteral("browseButton"));
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    auto* cancel = new QPushButton(tr("キャンセル"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    // Enter anywhere is OK, never the browse button.
    browse->setAutoDefault(false);
    cancel->setAutoDefault(false);
    ok->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(prompt, 0, 0, 1, 2);
    grid->addWidget(m_edit, 1, 0);
    grid->addWidget(browse, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 2, 0, 1, 2);

    connect(browse, &QPushButton::clicked, this, &CHtmlDocDlg::Browse);
    connect(ok, &QPushButton::clicked, this, &CHtmlDocDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CHtmlDocDlg::reject);
}

QString CHtmlDocDlg::WrongPathMessage()
{
    return tr("クリッカブルマップを使用するHTML文書のパスを\r\n正しく設定してください。");
}

void CHtmlDocDlg::accept()
{
    std::string path = ProgramFileDialog::ToProgramPath(ProgramFileDialog::AbsoluteTypedPath(m_edit->text()));
    if (!EntryExists(path)) {
        ProgramMessage::Show(this, QMessageBox::NoIcon, kErrorCaption, WrongPathMessage());
        return;
    }
    m_htmlPath = std::move(path);
    QDialog::accept();
}

void CHtmlDocDlg::Browse()
{
    ProgramFileDialog dlg(ProgramFileDialog::Open, this);
    dlg.setWindowTitle(tr("マップを使用するHTML文書の指定"));
    dlg.SetProgramFilter(tr("HTMLファイル(*.htm* *.shtm*)|*.htm*;*.shtm*|すべてのファイル(*.*)|*.*||"));
    if (std::optional<std::string> path = dlg.Pick(m_store, QStringLiteral("html"), SettingsStore::HomeFolder(),
                                                   ProgramFileDialog::Remember::FolderOnly))
        m_edit->setText(ToQString(*path));
}
