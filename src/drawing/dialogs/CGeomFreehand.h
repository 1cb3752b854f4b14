#pragma once
// "Freehand Properties": the points of a stroke in a tree, editable in place.
#include "toolkit/ApplyDialog.h"

#include <QPoint>
#include <optional>

class CFreehand;
class CCovermintDoc;
class QTreeWidget;
class QTreeWidgetItem;

class CGeomFreehand : public CApplyDialog
{
    Q_OBJECT
public:
    CGeomFreehand(CFreehand& stroke, CCovermintDoc& document, QWidget* parent = nullptr);
    ~CGeomFreehand() override;

    // Stores every item's point in order; refuses (and writes nothing) when
    // an item does not hold a point.
    bool ApplyChanges() override;

    // "x,y" in inches below the page's top-left corner, as the tree shows it.
    static QString PointText(QPoint labelPoint);
    static std::optional<QPoint> ParsePointText(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FillTree();
    void OnItemEdited(QTreeWidgetItem* item);
    void DeleteSelectedPoint();
    void StrokeChanged();

    CFreehand& m_stroke;
    CCovermintDoc& m_document;
    QTreeWidget* m_tree;
};
