#include "cli/CommandLine.h"

#include "BuildInfo.h"
#include "cli/CHeadlessRunner.h"

#include <QCommandLineParser>

CCommandLine::Result CCommandLine::Parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Covermint, a designer for disc and disk labels."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help and exits."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the version and exits."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("Labels (.cla) or templates (.cte) to open."),
                                 QStringLiteral("[FILE...]"));

    Result result;
    if (!parser.parse(arguments)) {
        result.action = Action::Fail;
        result.text = parser.errorText() + QStringLiteral("\nTry --help.");
    } else if (parser.isSet(help)) {
        result.action = Action::ShowHelp;
        result.text = parser.helpText() + QLatin1Char('\n') + CHeadlessRunner::HelpText();
    } else if (parser.isSet(version)) {
        result.action = Action::ShowVersion;
        result.text = VersionText();
    } else {
        result.files = parser.positionalArguments();
    }
    return result;
}

QString CCommandLine::VersionText()
{
    return QStringLiteral("Covermint %1 Bld %2")
        .arg(QStringLiteral(COVERMINT_PRODUCT_VERSION), QStringLiteral(COVERMINT_BUILD_NUMBER));
}
