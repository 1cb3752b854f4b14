// The dialog helper itself: a handler a test never used must not answer the
// next test's dialog when the tests share one process.
#include "AppTestSupport.h"

#include <QMessageBox>
#include <QPushButton>

using namespace apptest;

TEST(WhenModal, AHandlerLeftUnusedByItsTest)
{
    WhenModal<QMessageBox>([](QMessageBox* box) { box->reject(); });
}

TEST(WhenModal, DoesNotAnswerALaterTestsDialog)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("q"),
                    QMessageBox::Yes | QMessageBox::No);
    QTimer::singleShot(500, &box, [&box] { box.button(QMessageBox::Yes)->click(); });
    EXPECT_EQ(box.exec(), QMessageBox::Yes);
}
