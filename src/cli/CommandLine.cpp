#include "cli/CommandLine.h"

#include "BuildInfo.h"
#include "cli/CHeadlessRunner.h"
#include "cli/HeadlessMode.h"

namespace {

// "--a, --b or --c"
QString ModeList()
{
    QStringList names;
    for (const CHeadlessMode& mode : HeadlessModes())
        names << QStringLiteral("--") + mode.selector.names().constFirst();
    const QString last = names.takeLast();
    return names.isEmpty() ? last : names.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}

QString HelpText(const QCommandLineParser& parser)
{
    QString text = parser.helpText() + QStringLiteral("\nHeadless modes (no display needed):\n");
    for (const CHeadlessMode& mode : HeadlessModes())
        text += mode.help;
    return text + QStringLiteral("Exit status: 0 success, 1 usage error, 2 input error, 3 output error.\n");
}

CCommandLine::Result Failure(const QString& text, int status)
{
    CCommandLine::Result result;
    result.action = CCommandLine::Action::Fail;
    result.text = text;
    result.status = status;
    return result;
}

// A usage problem of the headless call, or empty.
QString CheckHeadless(const QCommandLineParser& parser, const CHeadlessMode& mode)
{
    if (parser.positionalArguments().size() > 1)
        return QStringLiteral("only one label file may be given");
    return mode.check ? mode.check(parser) : QString();
}

} // namespace

CCommandLine::Result CCommandLine::Parse(const QStringList& arguments)
{
    auto parser = std::make_shared<QCommandLineParser>();
    parser->setApplicationDescription(QStringLiteral("Covermint, a designer for disc and disk labels."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help and exits."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the version and exits."));
    parser->addOption(help);
    parser->addOption(version);
    QStringList added;
    for (const CHeadlessMode& mode : HeadlessModes()) {
        parser->addOption(mode.selector);
        for (const QCommandLineOption& option : mode.options) {
            // Modes share options (--save, --into): each is added once.
            if (added.contains(option.names().constFirst()))
                continue;
            added << option.names().constFirst();
            parser->addOption(option);
        }
    }
    parser->addPositionalArgument(QStringLiteral("FILE"),
                                  QStringLiteral("Labels (.cla) or templates (.cte) to open."),
                                  QStringLiteral("[FILE...]"));

    // Options found before a parse error still count, so that a faulty
    // headless call is answered as one.
    const bool parsed = parser->parse(WithBatchCddbSwitch(arguments));
    std::vector<const CHeadlessMode*> chosen;
    for (const CHeadlessMode& mode : HeadlessModes())
        if (parser->isSet(mode.selector))
            chosen.push_back(&mode);

    Result result;
    if (parsed && parser->isSet(help)) {
        result.action = Action::ShowHelp;
        result.text = HelpText(*parser);
    } else if (parsed && parser->isSet(version)) {
        result.action = Action::ShowVersion;
        result.text = VersionText();
    } else if (!chosen.empty()) {
        QString problem = !parsed             ? parser->errorText()
                          : chosen.size() > 1 ? QStringLiteral("choose one of ") + ModeList()
                                              : CheckHeadless(*parser, *chosen.front());
        if (!problem.isEmpty())
            return Failure(problem + QStringLiteral(" (see covermint --help)"), CHeadlessRunner::UsageError);
        result.action = Action::Headless;
        result.mode = chosen.front();
        result.parser = parser;
    } else if (!parsed) {
        return Failure(parser->errorText() + QStringLiteral("\nTry --help."), 2);
    } else {
        result.files = parser->positionalArguments();
    }
    return result;
}

QString CCommandLine::VersionText()
{
    return QStringLiteral("Covermint %1 Bld %2")
        .arg(QStringLiteral(COVERMINT_PRODUCT_VERSION), QStringLiteral(COVERMINT_BUILD_NUMBER));
}
