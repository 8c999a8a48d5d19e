#pragma once
// The refit dialog: the new picture with the map's areas laid over it as
// they would be carried, the scale, turn and shift found with how well the
// pictures agreed (or why they did not), and the areas the new picture
// leaves out. OK carries the map over; reference points dragged on the
// picture correct the transform first. Its controls and their order are
// the form's (CRefitDlg.ui).

#include "app/RefitCanvas.h"
#include "formats/DisplaySize.h"
#include "services/refit/TransformFinder.h"

#include <QDialog>

#include <memory>
#include <optional>
#include <vector>

class MapPicture;
class QCheckBox;
class QLabel;
class QPushButton;

namespace Ui
{
class CRefitDlg;
}

// What the dialog shows.
struct RefitSetup {
    const MapPicture* older = nullptr; // the old picture, when it is the one the areas were drawn on
    const MapPicture* newer = nullptr;
    std::vector<RefitCanvas::ShownArea> areas;
    DisplaySize oldFrame;
    RefitResult found;
};

class CRefitDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CRefitDlg(const RefitSetup& setup, QWidget* parent = nullptr);
    ~CRefitDlg() override;

    // What OK carries the map by; nothing while there is none.
    std::optional<PictureTransform> Transform() const { return Canvas().Current(); }
    // How it was found.
    RefitMethod Method() const;

    RefitCanvas& Canvas() const;
    QLabel& Summary() const;
    QCheckBox& Overlay() const;
    QPushButton& ClearPoints() const;
    QPushButton& OkButton() const;

private:
    void Update();
    QString MethodText() const;
    QString OutsideText(const PictureTransform& t) const;

    std::unique_ptr<Ui::CRefitDlg> m_ui;
    RefitSetup m_setup;
    DisplaySize m_newSize;
};
