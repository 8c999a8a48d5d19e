#pragma once
// "マップの選択": the choice among the maps a page defines, one row per map
// with its name and its picture as written in the page. The first row is
// selected when the dialog opens.
//
//     int index = CMapChoiceDlg::ChooseMap(maps, parent); // -1: cancelled
//
// Child objects: "promptLabel", "mapList" (a QTableWidget), "buttonBox".

#include "formats/FoundMap.h"

#include <QDialog>

#include <vector>

class QTableWidget;

class CMapChoiceDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CMapChoiceDlg(const std::vector<FoundMap>& maps, QWidget* parent = nullptr);

    // After OK: the selected row, or -1 when no row is selected; -1 after Cancel.
    int ChosenIndex() const { return m_chosen; }

    // Shows the dialog modally; the chosen map's index, or -1.
    static int ChooseMap(const std::vector<FoundMap>& maps, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void FillList(const std::vector<FoundMap>& maps);

    QTableWidget* m_list = nullptr;
    int m_chosen = -1;
};
