#pragma once
// A real label view on a fresh document in a throw-away home folder, with
// helpers that press, drag and release the mouse at label points.
#include "document/CCovermintDoc.h"
#include "drawing/CRectangle.h"
#include "drawing/DrawingDefaults.h"
#include "platform/RecordingPrompter.h"
#include "support/TempHome.h"
#include "view/CCovermintView.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

class ViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CDrawingDefaults& defaults = CDrawingDefaults::Instance();
        defaults.currentTool = Tool::Selection;
        defaults.dragBoxMode = DragBoxMode::None;
        doc = std::make_unique<CCovermintDoc>();
        view = std::make_unique<CCovermintView>(*doc);
        view->resize(700, 500);
        view->show();
    }

    void TearDown() override
    {
        view.reset();
        doc.reset();
    }

    CDrawingEngine& Engine() { return doc->Engine(); }
    QWidget* Port() { return view->viewport(); }

    std::shared_ptr<CRectangle> AddRect(QPoint c1, QPoint c2)
    {
        auto rect = std::make_shared<CRectangle>(1, &Engine());
        rect->SetCorners(c1, c2);
        Engine().Append(rect);
        return rect;
    }

    QPoint Corner1(const CPrimitive& p)
    {
        QPoint a, b;
        p.GetCorners(a, b);
        return a;
    }

    // Label point to viewport pixel at the current zoom.
    QPoint Px(QPoint label) { return view->ViewToPixel(Engine().ToView(label)); }

    void Press(QPoint label, Qt::KeyboardModifiers mods = {})
    {
        QTest::mousePress(Port(), Qt::LeftButton, mods, Px(label));
    }
    void MoveTo(QPoint label) { QTest::mouseMove(Port(), Px(label)); }
    void Release(QPoint label, Qt::KeyboardModifiers mods = {})
    {
        QTest::mouseRelease(Port(), Qt::LeftButton, mods, Px(label));
    }
    void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers mods = {})
    {
        Press(from, mods);
        MoveTo((from + to) / 2);
        MoveTo(to);
        Release(to, mods);
    }

    int UndoCount() { return doc->CommandProcessor().Count(); }

    // Runs inspect on the next modal dialog or popup once it is up, then
    // closes it; call just before the action that opens it.
    static void WhenModalOpens(std::function<void(QWidget*)> inspect)
    {
        QTimer::singleShot(0, [inspect] {
            QWidget* w = QApplication::activePopupWidget();
            if (!w)
                w = QApplication::activeModalWidget();
            inspect(w);
            if (w)
                w->close();
        });
    }

    CTempHome home;
    CRecordingPrompter prompter;
    std::unique_ptr<CCovermintDoc> doc;
    std::unique_ptr<CCovermintView> view;
};
