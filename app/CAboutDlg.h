#pragma once
// "ﾊﾞｰｼﾞｮﾝ情報": the program's icon, its name and version, and OK.

#include <QDialog>

class CAboutDlg : public QDialog
{
    Q_OBJECT
public:
    static inline const char kVersionLine[] = QT_TR_NOOP("Zephyrmap !  Version 2.5.3 [Dec. 2009]");

    explicit CAboutDlg(QWidget* parent = nullptr);
};
