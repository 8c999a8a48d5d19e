#pragma once
// Some of the pages' mnemonics ("HRE&F=", "AL&T=") share their letters with
// the main menu's. Those are in force only while the focus is inside their
// page, so that Alt and a letter anywhere else opens the menu; the others
// ("&NAME=", "TAR&GET=") reach their fields from anywhere.

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>

class QWidget;

class PaneMnemonics : public QObject
{
    Q_OBJECT
public:
    // Takes the mnemonics of `page`'s labels, buttons and group boxes.
    explicit PaneMnemonics(QWidget* page);

    bool IsActive() const { return m_active; }
    void SetActive(bool active);

private:
    struct Holder {
        QObject* widget;
        QString text; // with its '&'
    };
    static QString WithoutMnemonic(const QString& text);
    // The Alt keys of the window's menu bar.
    QList<QKeySequence> MenuKeys() const;
    static void SetText(QObject* widget, const QString& text);

    QWidget* m_page;
    QList<Holder> m_holders;
    bool m_active = false;
};
