#include "directory/dialogs/CDateFormatWarning.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStyle>
#include <QVBoxLayout>

CDateFormatWarning::CDateFormatWarning(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Date Format Warning"));
    auto* icon = new QLabel;
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addWidget(new QLabel(tr("Your date format string has an invalid format character.")), 1);

    auto* help = new QPlainTextEdit(HelpText());
    help->setReadOnly(true);
    help->setObjectName(QStringLiteral("Help"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(help, 1);
    layout->addWidget(buttons);
    resize(440, 400);
}

QString CDateFormatWarning::HelpText()
{
    return QStringLiteral("Covermint date formats can use any text you like,\n"
                          "combined with these variables -\n"
                          "\n"
                          "%b Abbreviated month name\n"
                          "%B Full month name\n"
                          "%d Day of month as decimal number (01 - 31)\n"
                          "%H Hour in 24-hour format (00 - 23)\n"
                          "%I Hour in 12-hour format (01 - 12)\n"
                          "%m Month as decimal number (01 - 12)\n"
                          "%M Minute as decimal number (00 - 59)\n"
                          "%p Current locale\u2019s A.M./P.M. indicator for 12-hour clock\n"
                          "%S Second as decimal number (00 - 59)\n"
                          "%y Year without century, as decimal number (00 - 99)\n"
                          "%Y Year with century, as decimal number\n"
                          "\n"
                          "For Example\n"
                          "%y %dth of %B would provide\n"
                          "98 14th of January");
}
