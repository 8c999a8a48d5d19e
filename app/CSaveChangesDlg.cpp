#include "app/CSaveChangesDlg.h"

#include <QApplication>
#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

CSaveChangesDlg::CSaveChangesDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Zephyrmap !"));
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("iconLabel"));
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).pixmap(size, size));
    auto* message = new QLabel(tr("クリッカブルマップの内容が変更されています。\r\n"
                                  "マップのデータを出力しますか?"),
                               this);
    message->setObjectName(QStringLiteral("messageLabel"));

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addWidget(message, 1);
    auto* buttons = new QHBoxLayout;
    AddButton(buttons, "saveTextButton", tr("テキストファイルに出力"), SaveText);
    AddButton(buttons, "copyButton", tr("クリップボードに出力"), CopyToClipboard);
    AddButton(buttons, "saveNativeButton", tr("Zephyrmap!形式で保存"), SaveNative);
    AddButton(buttons, "discardButton", tr("変更を破棄"), Discard);
    AddButton(buttons, "cancelButton", tr("ｷｬﾝｾﾙ"), Cancel);
    findChild<QPushButton*>(QStringLiteral("saveTextButton"))->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
}

void CSaveChangesDlg::AddButton(QBoxLayout* row, const char* name, const QString& text, Choice choice)
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(QLatin1String(name));
    connect(button, &QPushButton::clicked, this, [this, choice] { done(choice); });
    row->addWidget(button);
}

void CSaveChangesDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    QApplication::beep();
}
