#pragma once
// The new picture with the map's areas laid over it as the transform found
// carries them, in the refit dialog; the old picture can be laid over it
// too, half seen through. Up to three reference points correct the
// transform: pressing on a point of the areas (or of the old picture) and
// dragging it to where it belongs in the new picture makes a pair, a pair's
// point can be dragged again, and a right click takes a pair away. A fourth
// pair takes the place of the oldest.

#include "formats/DisplaySize.h"
#include "model/PointList.h"
#include "services/refit/PictureTransform.h"
#include "services/refit/ReferenceFit.h"

#include <QImage>
#include <QWidget>

#include <optional>
#include <utility>
#include <vector>

class MapPicture;

class RefitCanvas : public QWidget
{
    Q_OBJECT
public:
    // An area as the canvas draws it: its shape and its points in the old picture.
    using ShownArea = std::pair<int, PointList>;

    explicit RefitCanvas(QWidget* parent = nullptr);

    // `older` may be null: the old picture is not at hand and cannot be laid over.
    void SetPictures(const MapPicture* older, const MapPicture& newer);
    void SetAreas(std::vector<ShownArea> areas) { m_areas = std::move(areas); }
    // The transform found from the pictures, or the guide one pair shifts
    // when none was found (`found` false): the areas show only once a
    // transform is found or given.
    void SetGuide(const PictureTransform& guide, bool found);
    void SetOverlay(bool on);
    bool CanOverlay() const { return !m_oldShown.isNull(); }

    const std::vector<ReferencePair>& Pairs() const { return m_pairs; }
    void ClearPairs();
    // The pairs' transform while there are pairs (nothing when they give
    // none), else the one found (nothing when none was).
    std::optional<PictureTransform> Current() const;
    // Why the pairs give no transform; None when they do or there are none.
    ReferenceFailure PairFailure() const { return m_pairFailure; }

    // Between the widget and the new picture's coordinates.
    QPointF ToWidget(PlanePoint p) const;
    PlanePoint ToPicture(QPointF p) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void Changed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    double ViewScale() const;
    QPointF ViewOrigin() const;
    QTransform PictureToWidget() const;
    // The pair whose new point is under `at`, or -1.
    int PairAt(QPointF at) const;
    void StartPair(QPointF at);
    void Refit();
    void DrawAreas(QPainter& painter, const PictureTransform& t, Qt::PenStyle style) const;
    void DrawPairs(QPainter& painter) const;

    QImage m_newShown; // the new picture, at most the shown size
    QImage m_oldShown; // the old picture likewise; null when not at hand
    DisplaySize m_newSize;
    DisplaySize m_oldSize;
    std::vector<ShownArea> m_areas;
    PictureTransform m_guide;
    bool m_found = false;
    bool m_overlay = false;
    std::vector<ReferencePair> m_pairs;
    std::optional<PictureTransform> m_fromPairs;
    ReferenceFailure m_pairFailure = ReferenceFailure::None;
    int m_dragged = -1; // the pair whose new point follows the pointer
};
