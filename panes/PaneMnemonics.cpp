#include "panes/PaneMnemonics.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>

PaneMnemonics::PaneMnemonics(QWidget* page) : QObject(page), m_page(page)
{
    for (QLabel* label : page->findChildren<QLabel*>()) {
        if (label->buddy() && label->text().contains(QLatin1Char('&')))
            m_holders.push_back({label, label->text()});
    }
    for (QAbstractButton* button : page->findChildren<QAbstractButton*>()) {
        if (button->text().contains(QLatin1Char('&')))
            m_holders.push_back({button, button->text()});
    }
    for (QGroupBox* group : page->findChildren<QGroupBox*>()) {
        if (group->title().contains(QLatin1Char('&')))
            m_holders.push_back({group, group->title()});
    }
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { SetActive(now && m_page->isAncestorOf(now)); });
    // The menu bar is known once the page has found its window.
    QTimer::singleShot(0, this, [this] { SetActive(m_page->isAncestorOf(QApplication::focusWidget())); });
}

void PaneMnemonics::SetActive(bool active)
{
    m_active = active;
    const QList<QKeySequence> menuKeys = MenuKeys();
    for (const Holder& holder : m_holders) {
        const bool clashes = menuKeys.contains(QKeySequence::mnemonic(holder.text));
        SetText(holder.widget, active || !clashes ? holder.text : WithoutMnemonic(holder.text));
    }
}

QList<QKeySequence> PaneMnemonics::MenuKeys() const
{
    QList<QKeySequence> keys;
    if (const QMenuBar* bar = m_page->window()->findChild<QMenuBar*>()) {
        for (const QAction* menu : bar->actions())
            keys << QKeySequence::mnemonic(menu->text());
    }
    return keys;
}

// "&&" stands for an ampersand of the text itself and stays.
QString PaneMnemonics::WithoutMnemonic(const QString& text)
{
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size() && text[i + 1] != QLatin1Char('&'))
            continue;
        plain += text[i];
        if (text[i] == QLatin1Char('&'))
            plain += text[++i];
    }
    return plain;
}

void PaneMnemonics::SetText(QObject* widget, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(widget); label && label->text() != text)
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget); button && button->text() != text)
        button->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(widget); group && group->title() != text)
        group->setTitle(text);
}
