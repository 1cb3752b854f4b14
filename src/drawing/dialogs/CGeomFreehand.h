#pragma once
// "Freehand Properties": the points of a stroke in a tree, editable in place.
#include <QDialog>

class CFreehand;
class CCovermintDoc;

class CGeomFreehand : public QDialog
{
    Q_OBJECT
public:
    CGeomFreehand(CFreehand& stroke, CCovermintDoc& document, QWidget* parent = nullptr);
    ~CGeomFreehand() override;

private:
    struct Private;
    Private* d;
};
